#pragma once

#include <QString>
#include <QStringList>

struct CopyDataBlock;

// What the reference estimate program prints for a block it received: a
// heading, then one line per field, "NN name: value", decoded from
// Shift-JIS. Fields of a "WM_DATAWRITE" record carry their names.
QStringList RecordReport(const CopyDataBlock& block);

// The name of field n (1..42) of a "WM_DATAWRITE" record.
QString RecordFieldName(int n);
