#include "TableBuilder.h"

#include "FileError.h"

#include <algorithm>

void TableBuilder::addRow(int number, QStringList cells)
{
    while (!cells.isEmpty() && cells.last().isEmpty())
        cells.removeLast();
    // A row of no cells still takes room, so that a file of line ends alone
    // is held to the limit as well.
    cells_ += std::max<qsizetype>(cells.size(), 1);
    if (cells_ > PriceListMaxCells)
        throw FileError(table_.file, QStringLiteral("%1 行目までで表のセルが多すぎます（上限 %2 個）")
                                         .arg(number)
                                         .arg(PriceListMaxCells));
    table_.rows.push_back({number, std::move(cells)});
}
