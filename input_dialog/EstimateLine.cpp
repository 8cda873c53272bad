#include "EstimateLine.h"

#include "ExactMath.h"
#include "PriceBookFile.h"

namespace {

bool HasFraction(Currency value)
{
    return value.raw() % Currency::Scale != 0;
}

} // namespace

std::optional<QString> RefuseEstimateChoice(const EstimateChoice& choice)
{
    if (choice.bookPath.isEmpty())
        return QStringLiteral("管種が選択されていません。");
    if (choice.materialShown.isEmpty())
        return QStringLiteral("管材が選択されていません。");
    if (choice.material < 0)
        return QStringLiteral("材料が指定されていません。");
    if (choice.sizeShown.isEmpty())
        return QStringLiteral("サイズが指定されていません。");
    if (choice.netQuantityText.isEmpty())
        return QStringLiteral("数量が入力されていません。");
    return std::nullopt;
}

int FlagValue(Currency offerQuantity, Currency netQuantity, bool remarkOn, const CallerMode& mode)
{
    int flag = HasFraction(offerQuantity) || HasFraction(netQuantity) ? 20 : 10;
    if (remarkOn)
        flag += 5;
    if (mode.pickupMarked)
        flag += 100;
    return flag;
}

int LineNumber(int category, int material, int sheet, int row)
{
    return (category - 1) * BookRows + RowNumber(material, sheet, row + 1);
}

Currency LineCode(int lineNumber, int systemNumber)
{
    // system number / 10 is exact in four decimals: a tenth is 1000.
    return exact::toCurrency(exact::add(exact::mul(lineNumber, Currency::Scale), exact::mul(systemNumber, 1000)));
}

int LevelOfIndex(int levelIndex)
{
    return levelIndex >= 1 && levelIndex <= 4 ? levelIndex + 1 : Level1;
}

void ApplyWorkKind(PriceRow& record, WorkKind work, const RemovalSettings& removal)
{
    if (work == WorkKind::General)
        return;
    // The list price and the adopted prices stay: what is removed keeps them.
    record.costPrice = Currency();
    record.levelPrice.fill(Currency());
    record.compositeCost = Currency();
    record.compositeLevel.fill(Currency());
    const Currency factor = work == WorkKind::Removal ? removal.removalFactor : removal.recycleFactor;
    record.rate[4] = RemovalRate(record.rate[4], factor, removal.decimals, removal.rounding);
}

EstimateLine DeriveEstimateLine(const EstimateChoice& choice, PriceRow record)
{
    ApplyWorkKind(record, choice.work, choice.removal);
    const int level = LevelOfIndex(choice.levelIndex);
    EstimateLine line;
    line.materialName = choice.materialShown;
    line.sizeText = choice.sizeShown;
    if (choice.appendSheet)
        line.sizeText += QLatin1Char(' ') + choice.sheetCaption;
    line.priceA = choice.useComposite ? record.compositeCost : record.costPrice;
    line.priceB = choice.useComposite ? record.adoptedLevel[level - 1] : record.levelPrice[level - 1];
    line.netQuantity = choice.netQuantity;
    line.offerQuantity = choice.offerQuantity;
    line.compositeCost = record.compositeCost;
    line.adoptedPrice = record.adoptedLevel[level - 1];
    line.flag = FlagValue(choice.offerQuantity, choice.netQuantity, choice.remarkOn, choice.mode);
    line.lineCode = LineCode(LineNumber(choice.category, choice.material, choice.sheet, choice.row), choice.systemNumber);
    if (choice.appendConstruction)
        line.constructionRemark = choice.constructionType;
    line.fitterRate = record.rate[4];
    line.listPrice = record.listPrice;
    line.systemNumber = choice.systemNumber;
    if (choice.remarkOn)
        line.remark = choice.remark;
    line.sizeName = choice.sizeName;
    line.sheet = choice.sheet;
    return line;
}

EstimateLine LookupEstimateLine(const EstimateChoice& choice)
{
    const PriceRow record = ReadPriceRecord(choice.bookPath.trimmed(),
                                            RowNumber(choice.material, choice.sheet, choice.row + 1));
    return DeriveEstimateLine(choice, record);
}
