#include "PriceListRevision.h"

#include "PriceListRow.h"

namespace {

std::vector<RevisionRow> revisionRows(const PriceListTable& table, const PriceListColumnChoice& choice)
{
    std::vector<RevisionRow> rows;
    for (const PriceListRow& row : ReadPriceListRows(table, ResolvePriceListColumns(table, choice))) {
        RevisionRow r{row.row, row.goodsName, row.sizeName, std::nullopt, row.listPrice, row.costPrice};
        if (row.materialNumber)
            r.material = *row.materialNumber - 1;
        rows.push_back(std::move(r));
    }
    return rows;
}

} // namespace

std::vector<RevisionRow> ReadRevisionRows(const QString& path, const PriceListReadOptions& options,
                                          const PriceListColumnChoice& columns)
{
    return revisionRows(ReadPriceListTable(path, options), columns);
}

std::vector<RevisionRow> RevisionRowsFromBytes(const QString& path, const QByteArray& bytes,
                                               const PriceListReadOptions& options,
                                               const PriceListColumnChoice& columns)
{
    return revisionRows(PriceListTableFromBytes(path, bytes, options), columns);
}
