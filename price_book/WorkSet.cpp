#include "WorkSet.h"

void LoadMaterial(WorkSet& work, const PriceBook& book, int material)
{
    for (int n = 1; n <= RowsPerMaterial; ++n)
        static_cast<RowFields&>(work.row(n)) = book.row(material, n);
}

void WriteBackRow(const WorkSet& work, PriceBook& book, int material, int n)
{
    PriceRow& target = book.row(material, n);
    const ShortText<6> sizeName = target.sizeName;
    static_cast<RowFields&>(target) = work.row(n);
    target.sizeName = sizeName;
}
