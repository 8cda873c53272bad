#include "RevisionReport.h"

#include "Fields.h"
#include "NumberText.h"

namespace {

QString kindText(RevisionRowKind kind)
{
    switch (kind) {
    case RevisionRowKind::Change:
        return QStringLiteral("変更");
    case RevisionRowKind::Conflict:
        return QStringLiteral("重複");
    case RevisionRowKind::Unmatched:
        return QStringLiteral("一致なし");
    case RevisionRowKind::Uncovered:
        break;
    }
    return QStringLiteral("対象外");
}

QString price(const std::optional<Currency>& value) { return value ? FormatYen(*value) : QString(); }

QString lineName(const PriceBook& book, BookLine at, QString& size)
{
    size = book.row(at.material, MaterialRowNumber(0, at.line)).sizeName.text().trimmed();
    return book.row(at.material, 1).headerText.text().trimmed();
}

RevisionReportRow lineRow(RevisionRowKind kind, const QString& rowNumber, const PriceBook& book, BookLine at)
{
    QString size;
    const QString goods = lineName(book, at, size);
    const PriceRow& row = book.row(at.material, MaterialRowNumber(0, at.line));
    return {kind, false,
            {kindText(kind), rowNumber, QString::number(at.material + 1), goods, size, FormatYen(row.listPrice), QString(),
             FormatYen(row.costPrice), QString(), QString(), QString()}};
}

RevisionReportRow changeRow(const LinePriceChange& c, double threshold)
{
    const std::optional<double> percent = c.changePercent();
    QStringList notes;
    if (c.beyond(threshold))
        notes << QStringLiteral("±%1%超").arg(threshold);
    if (c.toZero())
        notes << QStringLiteral("新価格0");
    return {RevisionRowKind::Change, !notes.isEmpty(),
            {kindText(RevisionRowKind::Change), c.rowNumber ? QString::number(c.rowNumber) : QString(),
             QString::number(c.at.material + 1), c.goodsName, c.sizeName, FormatYen(c.oldList), price(c.newList),
             FormatYen(c.oldCost), price(c.newCost), percent ? QString::number(*percent, 'f', 1) : QString(),
             notes.join(QLatin1Char(' '))}};
}


} // namespace

QStringList RevisionReportHeadings()
{
    return {QStringLiteral("種別"), QStringLiteral("行"),     QStringLiteral("管材"),   QStringLiteral("品名"),
            QStringLiteral("サイズ"), QStringLiteral("旧定価"), QStringLiteral("新定価"), QStringLiteral("旧原価"),
            QStringLiteral("新原価"), QStringLiteral("増減(%)"), QStringLiteral("注意")};
}

std::vector<RevisionReportRow> RevisionReportRows(const PriceBook& book, const RevisionPreview& preview,
                                                  double thresholdPercent)
{
    std::vector<RevisionReportRow> rows;
    for (const LinePriceChange& change : preview.changes)
        rows.push_back(changeRow(change, thresholdPercent));
    for (const RevisionConflict& conflict : preview.conflicts) {
        for (int number : conflict.rowNumbers)
            rows.push_back(lineRow(RevisionRowKind::Conflict, QString::number(number), book, conflict.at));
    }
    for (const RevisionRow& row : preview.unmatched) {
        rows.push_back({RevisionRowKind::Unmatched, false,
                        {kindText(RevisionRowKind::Unmatched), QString::number(row.rowNumber),
                         row.material ? QString::number(*row.material + 1) : QString(), row.goodsName, row.sizeName,
                         QString(), price(row.listPrice), QString(), price(row.costPrice), QString(), QString()}});
    }
    for (const BookLine& at : preview.uncovered)
        rows.push_back(lineRow(RevisionRowKind::Uncovered, QString(), book, at));
    return rows;
}

QString RevisionReportCsv(const PriceBook& book, const RevisionPreview& preview, double thresholdPercent)
{
    QStringList lines;
    lines << CsvLine(RevisionReportHeadings());
    for (const RevisionReportRow& row : RevisionReportRows(book, preview, thresholdPercent))
        lines << CsvLine(row.cells);
    return lines.join(QStringLiteral("\r\n"));
}
