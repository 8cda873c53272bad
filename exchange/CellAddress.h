#pragma once

#include <QString>
#include <QStringView>

// The columns a spreadsheet has: A to XFD.
constexpr int MaxSheetColumns = 16384;
constexpr int MaxSheetRows = 1048576;

// The letters of a column index from 0 ("A", "Z", "AA", …).
QString ColumnLetters(int column);

// The index from 0 of column letters, either case ("c", "AB"); -1 for a text
// that is not one to three letters naming a column up to XFD.
int ColumnIndex(QStringView letters);

// A cell address of a sheet such as "B3": column from 0 and row from 1.
struct CellAddress {
    int column = -1;
    int row = 0;
};

// The address, or a column of -1 when the text is not one within the sheet.
CellAddress ParseCellAddress(QStringView text);
