#pragma once

#include "PriceBook.h"

#include <QStringList>
#include <array>

// What the basic data dialog offers: the items of its lists, in the order
// its users know them, and the fillings of its preset buttons.

QStringList GoodsNames();   // GOODSBOX
QStringList UsageNames();   // ComboBox2
QStringList JointMethods(); // ComboBox3
QStringList UnitNames();    // ComboBox1

// A button of the size group and the sizes it puts into grid rows 1 to 14.
struct SizePreset {
    const char* button;
    const char* caption;
    std::array<const char*, PriceLines> sizes;
};
extern const std::array<SizePreset, 6> SizePresets;

// The sheet names of " Set  ".
extern const std::array<const char*, Sheets> StandardSheetNames;
