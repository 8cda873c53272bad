#pragma once

#include "Currency.h"

#include <QString>
#include <optional>

// The price a cell of a price list shows: a decimal number, maybe in
// full-width digits, grouped by thousands ("1,234"), with a yen sign before
// it ("¥", "￥", or "\" as Shift-JIS shows the yen sign) or "円" after it.
// Nothing for a blank cell. Throws ConversionError for any other text,
// grouping that is not by thousands ("1,23" is no 123) or a number beyond
// the range of Currency.
std::optional<Currency> PriceFromText(const QString& text);

// A whole number from `lowest` to `highest` written as a cell shows it
// ("3", "３", "3.0"); nothing for a blank cell. Throws ConversionError for
// any other text.
std::optional<int> WholeNumberFromText(const QString& text, int lowest, int highest);
