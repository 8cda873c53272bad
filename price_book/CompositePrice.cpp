#include "CompositePrice.h"

#include "MaterialSettings.h"
#include "PriceOverflow.h"
#include "Rounding.h"

namespace {

constexpr exact::Int Scale = Currency::Scale;

// The same line of each later sheet of the material.
template <typename F>
void forMirrorRows(int n, F&& f)
{
    for (int next = n + LinesPerSheet; next <= RowsPerMaterial; next += LinesPerSheet)
        f(next);
}

ComponentRounding readComponentRounding(MaterialSettings settings)
{
    ComponentRounding r;
    r.addend = settings.componentAddend();
    switch (settings.componentDecimals().units()) {
    case 1: r.multiplier = 10; break;
    case 2: r.multiplier = 100; break;
    case 3: r.multiplier = 1000; break;
    default:
        r.multiplier = 1;
        settings.componentDecimals() = Currency();
        break;
    }
    return r;
}

// Trunc(list × r / 100 + a1), then the rate-price step rounding.
Currency ratePrice(Currency list, Currency percent, MaterialSettings settings)
{
    // list × r / 100 has the value (L × R) / 10^10 on the scaled integers.
    const exact::Int num = exact::add(exact::mul(list.raw(), percent.raw()),
                                      exact::mul(settings.ratePriceDecimalAddend().raw(), 1000000));
    const Currency truncated = exact::toCurrency(exact::mul(exact::div(num, Scale * Scale * 100), Scale));
    return RoundSignificant(truncated, settings.ratePriceStep(), settings.ratePriceStepAddend());
}

void computeLevel(WorkRow& row, int level, Currency baseLabour, bool refrigerant, MaterialSettings settings,
                  const ComponentRounding& rounding)
{
    const Currency p = MaterialPrice(row, level);
    auto q = [&](exact::Product x) { return QuantizeComponent(x, rounding); };
    std::array<Currency, RateInputs>& c = row.breakdown[static_cast<std::size_t>(level - 1)];
    c[0] = q(exact::times(p, row.rate[0]));
    c[1] = q(exact::times(p, row.rate[1]));
    c[2] = q(exact::times(p, row.rate[2]));
    c[4] = q(exact::times(baseLabour, row.rate[4]));
    if (refrigerant) {
        const exact::Int sum123 = exact::add(exact::add(c[0].raw(), c[1].raw()), c[2].raw());
        c[3] = q(exact::times(sum123, row.rate[3]));
        c[5] = Currency();
    } else {
        c[3] = q(exact::times(p, row.rate[3]));
        c[5] = q(exact::times(c[4], row.rate[5]));
    }
    c[6] = q(exact::times(exact::add(c[4].raw(), c[5].raw()), row.rate[6]));

    exact::Int sum = 0;
    for (const Currency& component : c)
        sum = exact::add(sum, component.raw());
    const Currency composite = TruncateWithAddend(sum, rounding.addend);
    if (level == CostLevel) {
        row.compositeCost = composite; // the cost level has no adopted price
        return;
    }
    const Currency adopted = RoundSignificant(composite, settings.adoptedStep(), settings.adoptedStepAddend());
    if (level <= SubmissionLevels) {
        row.compositeLevel[level - 1] = composite;
        row.adoptedLevel[level - 1] = adopted;
    } else {
        row.compositeList = composite;
        row.adoptedList = adopted;
    }
}

void computeRow(MaterialInBook target, int n, bool ratePricing)
{
    WorkSet& work = target.work;
    WorkRow& row = work.row(n);
    MaterialSettings settings{work.settingsRow()};

    forMirrorRows(n, [&](int m) { work.row(m).listPrice = row.listPrice; });

    if (ratePricing) {
        for (int level = Level1; level <= CostLevel; ++level)
            MaterialPrice(row, level) = ratePrice(row.listPrice, settings.ratePercent(level), settings);
        forMirrorRows(n, [&](int m) {
            WorkRow& mirror = work.row(m);
            mirror.levelPrice = row.levelPrice;
            mirror.costPrice = row.costPrice;
        });
    }

    if (settings.adoptedStep() == Currency())
        settings.adoptedStep() = Currency::fromUnits(1);

    const ComponentRounding rounding = readComponentRounding(settings);
    const bool refrigerant = settings.refrigerantMode();
    for (int level = Level1; level <= ListLevel; ++level)
        computeLevel(row, level, BaseLabourCost(work.labourRow(), level), refrigerant, settings, rounding);

    WriteBackRow(work, target.book, target.material, n);
}

} // namespace

void ComputeRow(MaterialInBook target, int n, bool ratePricing)
{
    if (n == SettingsRowNumber)
        return;
    try {
        computeRow(target, n, ratePricing);
    } catch (const ValueOverflow&) {
        throw PriceOverflow(target.material, n);
    }
}

void ComputeMaterialRows(MaterialInBook target, bool ratePricing)
{
    for (int n = 1; n < RowsPerMaterial; ++n)
        ComputeRow(target, n, ratePricing);
}

void ComputeSheetRows(MaterialInBook target, int sheet, bool ratePricing)
{
    for (int line = 1; line <= PriceLines; ++line)
        ComputeRow(target, MaterialRowNumber(sheet, line), ratePricing);
}

void SelectAndComputeMaterial(WorkSet& work, PriceBook& book, int material, bool& ratePricing)
{
    LoadMaterial(work, book, material);
    ratePricing = MaterialSettings{work.settingsRow()}.ratePricingAfterSelect(ratePricing);
    ComputeMaterialRows({work, book, material}, ratePricing);
}

void SelectAndComputeMaterial(WorkSet& work, PriceBook& book, int material)
{
    bool ratePricing = false;
    SelectAndComputeMaterial(work, book, material, ratePricing);
}
