#pragma once

#include "PriceBook.h"
#include "ValueOverflow.h"

// A value computed for a line of a material that does not fit a price. It
// names where, so that the user can find the line whose inputs are too large.
class PriceOverflow : public ValueOverflow {
public:
    // material 0..19, n the material row (1..60).
    PriceOverflow(int material, int n)
        : ValueOverflow(QStringLiteral("管材%1 シート%2 %3行目の計算結果が扱える範囲を超えています。")
                            .arg(material + 1)
                            .arg(sheetOf(n) + 1)
                            .arg(lineOf(n))),
          material_(material), n_(n)
    {
    }

    int material() const { return material_; } // 0..19
    int sheet() const { return sheetOf(n_); }  // 0..3
    int line() const { return lineOf(n_); }    // 1..15

private:
    // A material row is numbered as the book's row of the first material.
    static int sheetOf(int n) { return PlaceOfRow(n).sheet; }
    static int lineOf(int n) { return PlaceOfRow(n).line; }

    int material_;
    int n_;
};
