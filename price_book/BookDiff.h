#pragma once

#include "PriceBook.h"

#include <QString>
#include <array>
#include <optional>
#include <vector>

// Every field two books are compared on, in the record's order. The record
// number and the two reserved fields are left out: a save renumbers the
// records, and the reserved fields hold nothing the programs read or show,
// so neither tells two books' contents apart.
enum class BookField {
    HeaderText, SheetName, SizeName, Unit, AuxValue,
    CostPrice, LevelPrice1, LevelPrice2, LevelPrice3, LevelPrice4, LevelPrice5, ListPrice,
    Rate1, Rate2, Rate3, Rate4, Rate5, Rate6, Rate7,
    CompositeCost, Composite1, Composite2, Composite3, Composite4, Composite5,
    Adopted1, Adopted2, Adopted3, Adopted4, Adopted5,
};
constexpr int BookFieldCount = static_cast<int>(BookField::Adopted5) + 1;

// What a field holds, and so in which table a window finds it.
enum class FieldKind {
    Text,          // decoded Shift-JIS
    Number,        // auxValue, a whole number
    MaterialPrice, // the price table: column `index` (PriceLevel 1..7)
    Rate,          // the labour table's rate input `index` (1..7)
    ComputedPrice, // the composite table: column `index` (PriceLevel 1..6)
};

struct BookFieldInfo {
    BookField field;
    FieldKind kind;
    int index; // see FieldKind; 0 for texts and numbers
    QString name;
};

// The one table of the fields, in the order of BookField, named as the
// tables name them (a field no table shows has a plain Japanese name).
const std::array<BookFieldInfo, BookFieldCount>& BookFields();
const BookFieldInfo& FieldInfo(BookField field);

// The name of a field on line `line` (1..15) of sheet `sheet` (0..3): on the
// settings row and the labour row the price slots hold settings and base
// labour costs, and are named for them.
QString FieldName(BookField field, int sheet, int line);

// A difference is a price when it is a material, composite or adopted price
// of a price line (1..14); the same slots of line 15 hold settings.
bool IsPrice(BookField field, int line);

struct BookDifference {
    int material; // 0..19
    int sheet;    // 0..3
    int line;     // 1..15
    BookField field;
    QString name;    // FieldName
    QString oldText; // as the tables show it: money grouped in whole yen,
    QString newText; // rates and settings plain, texts decoded
    // For prices: (new - old) / |old| × 100, so that a rise is positive
    // also for a negative price; none when the old price is 0.
    std::optional<double> percent;
};

struct BookDiffOptions {
    std::vector<int> materials; // 0..19; empty compares all 20
    bool pricesOnly = false;    // only differences that are prices (IsPrice)
};

// The differences from `a` to `b`, by material, sheet, line and field.
std::vector<BookDifference> CompareBooks(const PriceBook& a, const PriceBook& b, const BookDiffOptions& options);

// One line a difference, texts quoted so that each stays one line, under a
// heading line for each material naming its number and the goods name
// (MaterialLabel) in `b`.
QString BookDiffText(const std::vector<BookDifference>& differences, const PriceBook& b);
// The headings, then one row a difference; CR LF between rows, fields
// quoted where they hold a separator, a quote or a line break.
QString BookDiffCsv(const std::vector<BookDifference>& differences, const PriceBook& b);
