#include "PriceListRow.h"

#include "CellAddress.h"
#include "FileError.h"
#include "PriceBook.h"
#include "PriceText.h"

namespace {

class RowReader {
public:
    RowReader(const PriceListTable& table, const PriceListTableRow& row) : table_(table), row_(row) {}

    QString name(int column) const { return column < 0 ? QString() : row_.cell(column).trimmed(); }

    std::optional<Currency> price(int column) const
    {
        if (column < 0)
            return std::nullopt;
        try {
            return PriceFromText(row_.cell(column));
        } catch (const ConversionError&) {
            fail(column, QStringLiteral("は数値ではありません"));
        }
    }

    std::optional<int> materialNumber(int column) const
    {
        if (column < 0)
            return std::nullopt;
        try {
            return WholeNumberFromText(row_.cell(column), 1, Materials);
        } catch (const ConversionError&) {
            fail(column, QStringLiteral("は材料番号（1～%1）ではありません").arg(Materials));
        }
    }

private:
    [[noreturn]] void fail(int column, const QString& what) const
    {
        throw FileError(table_.file, QStringLiteral("%1 行目 %2 列「%3」%4")
                                         .arg(row_.number)
                                         .arg(ColumnLetters(column), row_.cell(column), what));
    }

    const PriceListTable& table_;
    const PriceListTableRow& row_;
};

} // namespace

std::vector<PriceListRow> ReadPriceListRows(const PriceListTable& table, const PriceListColumns& columns)
{
    std::vector<PriceListRow> rows;
    for (const PriceListTableRow& tableRow : table.rows) {
        if (tableRow.number <= columns.headingRow || tableRow.isEmpty())
            continue;
        const RowReader reader(table, tableRow);
        PriceListRow row;
        row.row = tableRow.number;
        row.goodsName = reader.name(columns.goodsName);
        row.sizeName = reader.name(columns.sizeName);
        row.listPrice = reader.price(columns.listPrice);
        row.costPrice = reader.price(columns.costPrice);
        row.materialNumber = reader.materialNumber(columns.materialNumber);
        rows.push_back(std::move(row));
    }
    return rows;
}
