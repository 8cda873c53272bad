#pragma once

#include "PriceListTable.h"

#include <vector>

// The rows of a worksheet part (its <sheetData>), numbered as the sheet
// numbers them; cells are placed by their address, so a row may skip
// columns. Strings come from `sharedStrings`; numbers are the decimal text
// the cell holds, an exponent form written out ("1E-3" as "0.001").
// Throws FileError naming the file and the part for XML that does not parse,
// a cell address outside the sheet or a shared string that is not there.
PriceListTable ReadWorksheet(const QString& path, const QString& member, const QByteArray& bytes,
                             const std::vector<QString>& sharedStrings);

// A number text of a cell in plain decimal form, digit by digit with no
// rounding; a text that is no number in exponent form is returned as it is.
QString PlainNumberText(const QString& text);
