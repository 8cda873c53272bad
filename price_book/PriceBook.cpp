#include "PriceBook.h"

PriceBook BlankPriceBook(std::int64_t recordBase)
{
    PriceBook book;
    for (int k = 1; k <= BookRows; ++k)
        book.row(k).recordNo = Currency::fromUnits(recordBase + k);
    return book;
}

QString MaterialLabel(const PriceBook& book, int material)
{
    const QString label = book.row(material, 1).headerText.text().trimmed();
    return label.isEmpty() ? QStringLiteral("----") : label;
}
