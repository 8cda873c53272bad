#include "PriceBook.h"

PriceBook BlankPriceBook(std::int64_t recordBase)
{
    PriceBook book;
    for (int k = 1; k <= BookRows; ++k)
        book.row(k).recordNo = Currency::fromUnits(recordBase + k);
    return book;
}

QString MaterialLabel(const ShortText<80>& goodsName)
{
    const QString label = goodsName.text().trimmed();
    return label.isEmpty() ? QStringLiteral("----") : label;
}

QString MaterialLabel(const PriceBook& book, int material) { return MaterialLabel(book.row(material, 1).headerText); }
