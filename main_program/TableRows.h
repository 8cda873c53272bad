#pragma once

#include "WorkSet.h"

#include <QStringList>
#include <array>
#include <optional>

// What the three price tables show in one row; the window only copies the
// texts into its grids.
struct TableModes {
    int level = Level1;             // the price table's selected column, 1..7
    bool labourShowsResults = false; // 歩掛表に計算結果を表示
    bool compositeShowsAdopted = false; // 複合単価表に採用単価を表示
    bool refrigerant = false;
};

// The size name of a row as the tables show it (column 0).
QString SizeNameText(const WorkRow& row);

// Columns 0..10 of the labour rate table for one work row.
QStringList LabourRowTexts(const WorkRow& row, const TableModes& modes);

// Columns 1..7 of the material unit price table (line r of the first sheet).
QStringList PriceRowTexts(const WorkRow& firstSheetRow);

// Columns 1..7 of the composite unit price table (line r of the shown sheet).
QStringList CompositeRowTexts(const WorkRow& row, const TableModes& modes);

// The header texts of the labour rate table columns that follow the mode.
QStringList LabourHeaders(bool refrigerant);

// The labour rate table's columns: 0 the size, 1 to 3 the adopted, composite
// and material price of the level, then the seven rate inputs.
constexpr int FirstRateColumn = 4;
// The rate input that refrigerant mode leaves unused.
constexpr int RefrigerantUnusedColumn = 9;
// The columns whose headings follow the mode, in the order of LabourHeaders.
constexpr std::array<int, 5> ModeHeaderColumns = {5, 6, 7, 9, 10};

// Where a store from labour table column `col` goes: the rate input 1..7, or
// the notice that refuses it.
struct LabourCellTarget {
    int rateInput = 0; // 0: refused
    QString refusal;
    bool keepsRow = false; // Enter stays on the row after this refusal
};
LabourCellTarget LabourCellStore(int col, const TableModes& modes);

// The value a labour table cell stores: an empty cell stores 0.
Currency LabourCellValue(const QString& text);

// The character a key types into a cell of the two editable tables: the
// digits, "." and "-" of the main keyboard as of the keypad (a laptop has no
// keypad), and in an open editor the keypad's keys with NumLock off too;
// none for any other key.
QChar CellCharacter(int key, Qt::KeyboardModifiers modifiers, bool editorOpen);

// The notice that refuses a store into price table column `col` (a level
// 1..7), if any: with rate pricing only the list price is typed.
std::optional<QString> PriceCellRefusal(int col, bool ratePricing);
