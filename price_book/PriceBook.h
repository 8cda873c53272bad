#pragma once

#include "PriceRow.h"

#include <cassert>
#include <vector>

constexpr int Materials = 20;
constexpr int Sheets = 4;
constexpr int LinesPerSheet = 15;
constexpr int PriceLines = 14;
constexpr int RowsPerMaterial = Sheets * LinesPerSheet;
constexpr int BookRows = Materials * RowsPerMaterial;

// How the rows of a book are numbered, in memory and in the file alike;
// every reader and writer of a row by its place goes through these.

// Row n within a material (1..60) of sheet s (0..3) and line l (1..15).
constexpr int MaterialRowNumber(int sheet, int line) { return LinesPerSheet * sheet + line; }
// Row k of the book (1..1200) of material m (0..19) and its row n (1..60).
constexpr int RowNumber(int material, int materialRow) { return RowsPerMaterial * material + materialRow; }
// Row k of material m, sheet s, line l.
constexpr int RowNumber(int material, int sheet, int line)
{
    return RowNumber(material, MaterialRowNumber(sheet, line));
}

// The place of row k: material 0..19, sheet 0..3, line 1..15.
struct RowPlace {
    int material;
    int sheet;
    int line;

    bool operator==(const RowPlace&) const = default;
};
constexpr RowPlace PlaceOfRow(int k)
{
    const int n = (k - 1) % RowsPerMaterial; // 0..59
    return {(k - 1) / RowsPerMaterial, n / LinesPerSheet, n % LinesPerSheet + 1};
}

// The 1200 rows of one category's price book.
class PriceBook {
public:
    PriceBook() : rows_(BookRows) {}

    // k from 1 to 1200.
    PriceRow& row(int k)
    {
        assert(k >= 1 && k <= BookRows);
        return rows_[static_cast<std::size_t>(k - 1)];
    }
    const PriceRow& row(int k) const
    {
        assert(k >= 1 && k <= BookRows);
        return rows_[static_cast<std::size_t>(k - 1)];
    }
    PriceRow& row(int material, int materialRow) { return row(RowNumber(material, materialRow)); }
    const PriceRow& row(int material, int materialRow) const { return row(RowNumber(material, materialRow)); }

    bool operator==(const PriceBook&) const = default;

private:
    std::vector<PriceRow> rows_;
};

// The book a missing file is created with: every row blank, its record
// numbers counting from `recordBase` + 1.
PriceBook BlankPriceBook(std::int64_t recordBase);

// The label of a material in the tree and the menu: the goods name (the
// header text of its line 1), trimmed, or "----" when there is none.
QString MaterialLabel(const PriceBook& book, int material);
QString MaterialLabel(const QString& goodsName);
