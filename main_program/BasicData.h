#pragma once

#include "WorkSet.h"

#include <QString>
#include <array>

constexpr int HeaderLines = 5; // goods name, usage, joint method, price reference, page

// Everything about a material that is not a price, as the basic data dialog
// shows and edits it. The radio groups hold the index of their checked
// button, counted from 0 in the dialog's order.
struct BasicData {
    std::array<QString, HeaderLines> headerTexts;
    QString unit;
    std::array<QString, PriceLines> sizeNames; // lines 1..14, stored on every sheet
    std::array<QString, Sheets> sheetNames;
    int componentDecimals = 0; // 0, 1, 2 or 3 decimals
    int componentAddend = 0;   // 切り上げ, 切り捨て, 四捨五入
    int adoptedStepAddend = 0; // 切り上げ, 切り捨て, 四捨五入
    int adoptedStep = 3;       // 1, 10, 100, 1000, 有効3桁, 有効4桁
    int mode = 0;              // 配管モード, 冷媒モード

    bool operator==(const BasicData&) const = default;
};

// What the dialog shows of the material in the work set. A significant-digit
// unit of 0 is first set to 1 in the work set; a setting that matches none of
// a group's buttons leaves that group at the choice of a new BasicData.
BasicData ShowBasicData(WorkSet& work);

// Puts the data into the 60 work rows, each text cut to its field at a
// character boundary, and copies the rows into material m of the book.
void StoreBasicData(const BasicData& data, WorkSet& work, PriceBook& book, int material);
