#pragma once

#include "Currency.h"
#include "PriceListColumns.h"
#include "PriceListTable.h"

#include <optional>
#include <vector>

// One priced line of a supplier's list.
struct PriceListRow {
    int row = 0; // as the file numbers it
    QString goodsName;
    QString sizeName;
    std::optional<Currency> listPrice; // nothing when the cell is blank
    std::optional<Currency> costPrice;
    std::optional<int> materialNumber; // 1 to 20 when the list gives it

    bool operator==(const PriceListRow&) const = default;
};

// The priced lines of a table: every row after the heading row that is not
// blank throughout, names with the blanks around them dropped. Throws
// FileError naming the table's file, the row, the column and the text of
// the first price or material number that is no number (or no material).
std::vector<PriceListRow> ReadPriceListRows(const PriceListTable& table, const PriceListColumns& columns);
