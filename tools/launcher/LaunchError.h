#pragma once

#include <QString>

class FileError;

// Reports a start that failed: on standard error, and in a message box when
// there is a display, since a start from the desktop has nowhere else to say
// it. Returns the exit status.
int ReportLaunchError(int argc, char** argv, const QString& program, const FileError& error);
