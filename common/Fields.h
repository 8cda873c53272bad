#pragma once

#include <QString>
#include <QStringList>

// Field n (from 1) of a text whose fields each end with ";". Past the last
// terminated field the last one is repeated; with none the field is empty.
// So "3;5;" gives "3", "5"; "3;" gives "3", "3"; "3" gives "", "".
QString NthField(const QString& text, int n);

// A field read as a whole number: `fallback` when it is empty or no number.
// Both programs read their command-line numbers by this one rule.
int FieldNumber(const QString& field, int fallback);
int NthFieldNumber(const QString& text, int n, int fallback);

// A text as one field of a CSV line: one with a comma, a quote or a line
// break would shift every later column, so it is quoted (its quotes
// doubled); every other text stays as it is.
QString CsvField(const QString& text);
// The fields as one CSV line, without a line end.
QString CsvLine(const QStringList& fields);
