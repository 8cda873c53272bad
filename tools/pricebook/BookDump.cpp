#include "BookDump.h"

#include "NumberText.h"

#include <QStringList>

namespace {

// Quotes a text so that every line stays one line and stays readable.
QString quoted(const QString& text)
{
    QString out = QStringLiteral("\"");
    for (const QChar c : text) {
        if (c == QLatin1Char('"') || c == QLatin1Char('\\'))
            out += QLatin1Char('\\') + c;
        else if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            out += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            out += c;
    }
    return out + QLatin1Char('"');
}

template <std::size_t N>
void addAll(QStringList& fields, const char* name, const std::array<Currency, N>& values)
{
    for (std::size_t i = 0; i < N; ++i)
        fields << QStringLiteral("%1[%2]=%3").arg(QLatin1String(name)).arg(i + 1).arg(PlainText(values[i]));
}

} // namespace

QString DumpRecord(const PriceRow& row, int k)
{
    const RowPlace place = PlaceOfRow(k);
    QStringList f;
    f << QStringLiteral("record=%1").arg(k) << QStringLiteral("material=%1").arg(place.material + 1)
      << QStringLiteral("sheet=%1").arg(place.sheet + 1) << QStringLiteral("line=%1").arg(place.line);
    f << QStringLiteral("reserved0=%1").arg(row.reserved0) << QStringLiteral("headerText=") + quoted(row.headerText.text())
      << QStringLiteral("sheetName=") + quoted(row.sheetName.text())
      << QStringLiteral("recordNo=") + PlainText(row.recordNo)
      << QStringLiteral("sizeName=") + quoted(row.sizeName.text()) << QStringLiteral("reserved1=%1").arg(row.reserved1)
      << QStringLiteral("unit=") + quoted(row.unit.text()) << QStringLiteral("auxValue=%1").arg(row.auxValue)
      << QStringLiteral("costPrice=") + PlainText(row.costPrice);
    addAll(f, "levelPrice", row.levelPrice);
    f << QStringLiteral("listPrice=") + PlainText(row.listPrice);
    addAll(f, "rate", row.rate);
    f << QStringLiteral("compositeCost=") + PlainText(row.compositeCost);
    addAll(f, "compositeLevel", row.compositeLevel);
    addAll(f, "adoptedLevel", row.adoptedLevel);
    return f.join(QLatin1Char(' '));
}
