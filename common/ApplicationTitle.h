#pragma once

#include <QString>

// The application title: the caption of message boxes and input boxes and
// the start of every window caption. Set once at program start.
void SetApplicationTitle(const QString& title);
QString ApplicationTitle();
