#include "PriceBook.h"

PriceBook BlankPriceBook(std::int64_t recordBase)
{
    PriceBook book;
    for (int k = 1; k <= BookRows; ++k)
        book.row(k).recordNo = Currency::fromUnits(recordBase + k);
    return book;
}

QString MaterialLabel(const QString& goodsName)
{
    const QString label = goodsName.trimmed();
    return label.isEmpty() ? QStringLiteral("----") : label;
}

QString MaterialLabel(const PriceBook& book, int material) { return MaterialLabel(book.row(material, 1).headerText.text()); }
