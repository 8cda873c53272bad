#pragma once

#include "WorkSet.h"

#include <QStringList>

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
