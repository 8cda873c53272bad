#pragma once

#include "Currency.h"

#include <QString>
#include <QStringView>
#include <optional>

// The plain form: shortest decimal text, no grouping, up to four decimals,
// "0" for zero and a leading "-" for negative values.
QString PlainText(Currency value);

// The money form of the tables, exports and prints: whole yen with halves
// away from zero, grouped by thousands, without the currency sign. Negative
// amounts keep their minus sign ("-1,234").
QString FormatYen(Currency value);

QString RemoveCommas(const QString& text);

// What a number beyond the range of Currency reads as.
enum class BeyondRange { Reject, Saturate };

// Reads a bare decimal text, "-12.345": an optional sign, digits and at most
// one point, nothing else (no blanks, no grouping, no exponent). It is read
// digit by digit, never through a double: four decimals are kept, a fifth
// rounds halves away from zero, later ones are ignored. Nothing for any other
// text; a number out of range gives nothing or, when saturating, the end of
// the range of its sign.
std::optional<Currency> ReadDecimal(QStringView text, BeyondRange beyond = BeyondRange::Reject);

// Reads a decimal text such as "1,234.5" or "-0.25" (commas are removed and
// blanks around it ignored, an empty text is 0, then as ReadDecimal).
// Throws ConversionError for anything else or for a value out of range.
Currency ParseCurrency(const QString& text);
