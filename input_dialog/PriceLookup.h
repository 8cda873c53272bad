#pragma once

#include "PriceBook.h"

#include <QString>
#include <QStringList>
#include <array>

// Single records of a price book, read by position: the file is opened
// read-only for each read and closed again, never held.

// The goods names of the 20 materials (line 1 of sheet 1 of each), as the
// material list shows them.
QStringList ReadMaterialNames(const QString& path);

// What choosing a material shows: its four sheet names, the size names of
// its 14 price lines and whether it is in refrigerant mode (one sheet).
struct MaterialView {
    std::array<QString, Sheets> sheetNames;
    std::array<QString, PriceLines> sizeNames;
    bool refrigerantMode = false;
};
MaterialView ReadMaterialView(const QString& path, int material);
