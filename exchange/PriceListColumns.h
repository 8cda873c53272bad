#pragma once

#include "PriceListTable.h"

#include <QStringList>

// The columns of a price list as the user gives them, each a column letter
// ("A", "c", "AB") or a heading text found in the heading row. Empty for a
// column the list does not have; a list needs the size name, the list price
// and the goods name or the material number (which stands for the name).
struct PriceListColumnChoice {
    QString goodsName;
    QString sizeName;
    QString listPrice;
    QString costPrice;
    QString materialNumber;
    int headingRow = 1; // the row number of the headings; 0 when there are none

    // Lines "[KEY]=value" for a settings file, and back; keys that are
    // missing keep their defaults. A line break in a heading is written as
    // a blank, which finds the same heading.
    QStringList toLines() const;
    static PriceListColumnChoice fromLines(const QStringList& lines);

    bool operator==(const PriceListColumnChoice&) const = default;
};

// The same columns as indexes from 0 into a table's cells; -1 for none.
struct PriceListColumns {
    int goodsName = -1;
    int sizeName = -1;
    int listPrice = -1;
    int costPrice = -1;
    int materialNumber = -1;
    int headingRow = 1;

    bool operator==(const PriceListColumns&) const = default;
};

// The columns of the choice in `table`. A text is first looked for among the
// headings (blanks and full-width forms aside, so that a heading "No" is not
// taken for column NO), then read as column letters. Throws FileError naming
// the table's file for a column missing from the choice, a text that is
// neither a heading nor a column of the table, or a heading found twice.
PriceListColumns ResolvePriceListColumns(const PriceListTable& table, const PriceListColumnChoice& choice);
