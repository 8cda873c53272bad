#pragma once

#include "Currency.h"

#include <QString>

// The plain form: shortest decimal text, no grouping, up to four decimals,
// "0" for zero and a leading "-" for negative values.
QString PlainText(Currency value);

// The money form of the tables, exports and prints: whole yen with halves
// away from zero, grouped by thousands, without the currency sign. Negative
// amounts keep their minus sign ("-1,234").
QString FormatYen(Currency value);

QString RemoveCommas(const QString& text);

// Reads a decimal text such as "1,234.5" or "-0.25" (commas are removed, an
// empty text is 0, more than four decimals round to the nearest value).
// Throws ConversionError for anything else or for a value out of range.
Currency ParseCurrency(const QString& text);
