#pragma once

#include "PriceListTable.h"

// Gathers the rows of a table as a reader finds them, holding the whole to
// PriceListMaxCells.
class TableBuilder {
public:
    explicit TableBuilder(const QString& file) { table_.file = file; }

    // Adds a row, its empty cells at the end left off. Throws FileError when
    // the table would hold more than PriceListMaxCells cells.
    void addRow(int number, QStringList cells);

    PriceListTable take() { return std::move(table_); }

private:
    PriceListTable table_;
    qint64 cells_ = 0;
};
