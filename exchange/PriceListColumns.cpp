#include "PriceListColumns.h"

#include "CellAddress.h"
#include "FileError.h"
#include "SettingsLines.h"

namespace {

const QString GoodsNameKey = QStringLiteral("[GOODSNAME]");
const QString SizeNameKey = QStringLiteral("[SIZENAME]");
const QString ListPriceKey = QStringLiteral("[LISTPRICE]");
const QString CostPriceKey = QStringLiteral("[COSTPRICE]");
const QString MaterialNumberKey = QStringLiteral("[MATERIALNO]");
const QString HeadingRowKey = QStringLiteral("[HEADINGROW]");

// Headings are compared as a reader sees them: full-width letters as plain
// ones, and any run of blanks or line breaks as one blank.
QString headingForm(const QString& text)
{
    return text.normalized(QString::NormalizationForm_KC).simplified();
}

class ColumnResolver {
public:
    ColumnResolver(const PriceListTable& table, int headingRow)
        : table_(table), headingRow_(headingRow), heading_(headingRow > 0 ? table.row(headingRow) : nullptr),
          columnCount_(table.columnCount())
    {
    }

    // The column of one text; -1 for an empty one. A refusal names the text
    // as it was compared, on one line.
    int column(const QString& what, const QString& text) const
    {
        const QString wanted = headingForm(text);
        if (wanted.isEmpty())
            return -1;
        if (const int found = headingColumn(wanted); found >= 0)
            return found;
        const int letters = ColumnIndex(wanted);
        if (letters >= 0 && letters < columnCount_)
            return letters;
        if (letters >= 0 && columnCount_ == 0)
            fail(QStringLiteral("%1の列「%2」には、どの行にも値がありません（表が空です）").arg(what, wanted));
        if (letters >= 0)
            fail(QStringLiteral("%1の列「%2」には、どの行にも値がありません（表は %3 列までです）")
                     .arg(what, wanted, ColumnLetters(columnCount_ - 1)));
        if (headingRow_ == 0)
            fail(QStringLiteral("%1の列「%2」は列の記号ではありません（見出しの行は指定されていません）").arg(what, wanted));
        fail(QStringLiteral("%1の列「%2」が見つかりません（列の記号でも、%3 行目の見出しでもありません）")
                 .arg(what, wanted)
                 .arg(headingRow_));
    }

private:
    int headingColumn(const QString& wanted) const
    {
        if (!heading_)
            return -1;
        int found = -1;
        for (int c = 0; c < heading_->cells.size(); ++c) {
            if (headingForm(heading_->cells[c]) != wanted)
                continue;
            if (found >= 0)
                fail(QStringLiteral("見出し「%1」が %2 列と %3 列の二つにあります")
                         .arg(wanted, ColumnLetters(found), ColumnLetters(c)));
            found = c;
        }
        return found;
    }

    [[noreturn]] void fail(const QString& reason) const { throw FileError(table_.file, reason); }

    const PriceListTable& table_;
    int headingRow_;
    const PriceListTableRow* heading_;
    int columnCount_;
};

} // namespace

QStringList PriceListColumnChoice::toLines() const
{
    const auto line = [](const QString& key, const QString& text) {
        QString value = text;
        value.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
        return key + QLatin1Char('=') + value;
    };
    return {line(GoodsNameKey, goodsName),       line(SizeNameKey, sizeName),
            line(ListPriceKey, listPrice),       line(CostPriceKey, costPrice),
            line(MaterialNumberKey, materialNumber), line(HeadingRowKey, QString::number(headingRow))};
}

PriceListColumnChoice PriceListColumnChoice::fromLines(const QStringList& lines)
{
    PriceListColumnChoice c;
    c.goodsName = SettingsValue(lines, GoodsNameKey, c.goodsName);
    c.sizeName = SettingsValue(lines, SizeNameKey, c.sizeName);
    c.listPrice = SettingsValue(lines, ListPriceKey, c.listPrice);
    c.costPrice = SettingsValue(lines, CostPriceKey, c.costPrice);
    c.materialNumber = SettingsValue(lines, MaterialNumberKey, c.materialNumber);
    bool ok = false;
    const int row = SettingsValue(lines, HeadingRowKey).toInt(&ok);
    if (ok && row >= 0 && row <= MaxSheetRows)
        c.headingRow = row;
    return c;
}

PriceListColumns ResolvePriceListColumns(const PriceListTable& table, const PriceListColumnChoice& choice)
{
    const auto missing = [&](const QString& what) {
        return FileError(table.file, QStringLiteral("%1の列が指定されていません").arg(what));
    };
    if (choice.sizeName.trimmed().isEmpty())
        throw missing(QStringLiteral("サイズ"));
    if (choice.listPrice.trimmed().isEmpty())
        throw missing(QStringLiteral("定価"));
    if (choice.goodsName.trimmed().isEmpty() && choice.materialNumber.trimmed().isEmpty())
        throw missing(QStringLiteral("品名か材料番号"));
    const ColumnResolver resolver(table, choice.headingRow);
    PriceListColumns columns;
    columns.goodsName = resolver.column(QStringLiteral("品名"), choice.goodsName);
    columns.sizeName = resolver.column(QStringLiteral("サイズ"), choice.sizeName);
    columns.listPrice = resolver.column(QStringLiteral("定価"), choice.listPrice);
    columns.costPrice = resolver.column(QStringLiteral("原価"), choice.costPrice);
    columns.materialNumber = resolver.column(QStringLiteral("材料番号"), choice.materialNumber);
    columns.headingRow = choice.headingRow;
    return columns;
}
