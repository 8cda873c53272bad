#include "TableRows.h"

#include "NumberText.h"

QStringList LabourRowTexts(const WorkRow& row, const TableModes& modes)
{
    const int k = modes.level;
    QStringList texts{row.sizeName.text(), FormatYen(LevelAdoptedPrice(row, k)), FormatYen(LevelCompositePrice(row, k)),
                      FormatYen(MaterialPrice(row, k))};
    for (int j = 0; j < RateInputs; ++j) {
        if (modes.labourShowsResults)
            texts << FormatYen(row.breakdown[static_cast<std::size_t>(k - 1)][static_cast<std::size_t>(j)]);
        else
            texts << PlainText(row.rate[static_cast<std::size_t>(j)]);
    }
    if (modes.refrigerant)
        texts[9].clear();
    return texts;
}

QStringList PriceRowTexts(const WorkRow& row)
{
    QStringList texts;
    for (int level = Level1; level <= ListLevel; ++level)
        texts << FormatYen(MaterialPrice(row, level));
    return texts;
}

QStringList CompositeRowTexts(const WorkRow& row, const TableModes& modes)
{
    QStringList texts;
    for (int level = Level1; level <= ListLevel; ++level) {
        const bool adopted = modes.compositeShowsAdopted && level != CostLevel;
        texts << FormatYen(adopted ? LevelAdoptedPrice(row, level) : LevelCompositePrice(row, level));
    }
    return texts;
}

QStringList LabourHeaders(bool refrigerant)
{
    // Columns 5, 6, 7, 9 and 10.
    if (refrigerant)
        return {QStringLiteral("継手接合等"), QStringLiteral("支持金物"), QStringLiteral("雑 材 料"), QStringLiteral("---"),
                QStringLiteral("その他")};
    return {QStringLiteral("継 手 類"), QStringLiteral("接 合 材"), QStringLiteral("支持金物"), QStringLiteral("はつり補修"),
            QStringLiteral("その他")};
}
