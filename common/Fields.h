#pragma once

#include <QString>

// Field n (from 1) of a text whose fields each end with ";". Past the last
// terminated field the last one is repeated; with none the field is empty.
// So "3;5;" gives "3", "5"; "3;" gives "3", "3"; "3" gives "", "".
QString NthField(const QString& text, int n);
