#include "CompositePrice.h"

#include "MaterialSettings.h"
#include "PlainArithmeticBound.h"
#include "PriceArithmetic.h"
#include "PriceOverflow.h"
#include "PriceSteps.h"

#include <algorithm>

namespace {

constexpr std::int64_t Scale = Currency::Scale;

// The same line of each later sheet of the material.
template <typename F>
void forMirrorRows(int n, F&& f)
{
    for (int next = n + LinesPerSheet; next <= RowsPerMaterial; next += LinesPerSheet)
        f(next);
}

// What every line of a material is computed with, read once from its
// settings row. Reading them settles the settings as the calculation has
// always read them: an adopted step of 0 is 1, component decimals other than
// 1, 2 or 3 are 0.
struct LineRules {
    MaterialSettings settings;
    ComponentRounding rounding;
    bool refrigerant = false;
    // A line whose seven rates are all 0 computes every component, composite
    // and adopted price as 0 when the addends round 0 to 0: each component is
    // Trunc(0 + a), the composite Trunc(0 + a) and the adopted price
    // Trunc(0 / step + a') × step, all 0 for |a|, |a'| < 1. Blank sizes are
    // such lines, a quarter of a real material's.
    bool zeroRatesComputeZero = false;
};

LineRules readLineRules(WorkSet& work, bool skipZeroRates)
{
    LineRules rules{MaterialSettings{work.settingsRow()}, ComponentRounding(), false, false};
    MaterialSettings settings = rules.settings;
    if (settings.adoptedStep() == Currency())
        settings.adoptedStep() = Currency::fromUnits(1);
    rules.rounding.addend = settings.componentAddend();
    switch (settings.componentDecimals().units()) {
    case 1: rules.rounding.multiplier = 10; break;
    case 2: rules.rounding.multiplier = 100; break;
    case 3: rules.rounding.multiplier = 1000; break;
    default:
        rules.rounding.multiplier = 1;
        settings.componentDecimals() = Currency();
        break;
    }
    rules.refrigerant = settings.refrigerantMode();
    const auto belowOne = [](Currency a) { return a.raw() > -Scale && a.raw() < Scale; };
    rules.zeroRatesComputeZero =
        skipZeroRates && belowOne(settings.componentAddend()) && belowOne(settings.adoptedStepAddend());
    return rules;
}

bool allZero(const std::array<Currency, RateInputs>& rates)
{
    return std::all_of(rates.begin(), rates.end(), [](Currency r) { return r == Currency(); });
}

// The computed values of a line whose rates are all 0, under zeroRatesComputeZero.
void setComputedToZero(WorkRow& row)
{
    for (auto& level : row.breakdown)
        level.fill(Currency());
    row.compositeCost = Currency();
    row.compositeLevel.fill(Currency());
    row.adoptedLevel.fill(Currency());
    row.compositeList = Currency();
    row.adoptedList = Currency();
}

// Trunc(list × r / 100 + a1), then the rate-price step rounding.
template <typename A>
Currency ratePrice(Currency list, Currency percent, MaterialSettings settings)
{
    // list × r / 100 has the value (L × R) / 10^10 on the scaled integers.
    const typename A::Int num =
        A::add(A::mul(list.raw(), percent.raw()), A::mul(settings.ratePriceDecimalAddend().raw(), 1000000));
    const Currency truncated = A::toCurrency(A::mul(A::div(num, Scale * Scale * 100), Scale));
    return price_rounding::roundSignificant<A>(truncated, settings.ratePriceStep(), settings.ratePriceStepAddend());
}

// M is the component multiplier; Refrigerant the mode.
template <typename A, std::int64_t M, bool Refrigerant>
void computeLevel(WorkRow& row, int level, Currency baseLabour, const LineRules& rules)
{
    using Int = typename A::Int;
    const Int p = MaterialPrice(row, level).raw();
    const Currency addend = rules.rounding.addend;
    std::array<Currency, RateInputs>& c = row.breakdown[static_cast<std::size_t>(level - 1)];
    const auto worked = [&](std::size_t j) -> Int { return c[j].raw(); };
    ForEachComponentStep<Refrigerant>([&](auto j, auto factor) {
        if constexpr (factor() == Factor::None) {
            c[j] = Currency();
        } else {
            const Int f = FactorValue<A, factor()>(p, baseLabour.raw(), worked);
            c[j] = price_rounding::quantizeBy<A, M>(A::mul(f, row.rate[j].raw()), addend);
        }
    });

    typename A::Int sum = 0;
    for (const Currency& component : c)
        sum = A::add(sum, component.raw());
    const Currency composite = price_rounding::truncateWithAddend<A>(sum, addend);
    if (level == CostLevel) {
        row.compositeCost = composite; // the cost level has no adopted price
        return;
    }
    MaterialSettings settings = rules.settings;
    const Currency adopted =
        price_rounding::roundSignificant<A>(composite, settings.adoptedStep(), settings.adoptedStepAddend());
    if (level <= SubmissionLevels) {
        row.compositeLevel[level - 1] = composite;
        row.adoptedLevel[level - 1] = adopted;
    } else {
        row.compositeList = composite;
        row.adoptedList = adopted;
    }
}

template <typename A, std::int64_t M, bool Refrigerant>
void computeRow(MaterialInBook target, int n, bool ratePricing, const LineRules& rules)
{
    WorkSet& work = target.work;
    WorkRow& row = work.row(n);
    MaterialSettings settings = rules.settings;

    forMirrorRows(n, [&](int m) { work.row(m).listPrice = row.listPrice; });

    if (ratePricing) {
        for (int level = Level1; level <= CostLevel; ++level)
            MaterialPrice(row, level) = ratePrice<A>(row.listPrice, settings.ratePercent(level), settings);
        forMirrorRows(n, [&](int m) {
            WorkRow& mirror = work.row(m);
            mirror.levelPrice = row.levelPrice;
            mirror.costPrice = row.costPrice;
        });
    }

    if (rules.zeroRatesComputeZero && allZero(row.rate)) {
        setComputedToZero(row);
    } else {
        for (int level = Level1; level <= ListLevel; ++level)
            computeLevel<A, M, Refrigerant>(row, level, BaseLabourCost(work.labourRow(), level), rules);
    }

    WriteBackRow(work, target.book, target.material, n);
}

// Rows first..last but the settings row, in the arithmetic A.
template <typename A>
void computeLines(MaterialInBook target, int first, int last, bool ratePricing, const LineRules& rules)
{
    const auto lines = [&](auto m, auto refrigerant) {
        for (int n = first; n <= last; ++n) {
            if (n == SettingsRowNumber)
                continue;
            try {
                computeRow<A, m(), refrigerant()>(target, n, ratePricing, rules);
            } catch (const ValueOverflow&) {
                throw PriceOverflow(target.material, n);
            }
        }
    };
    price_rounding::withMultiplier(rules.rounding.multiplier, [&](auto m) {
        if (rules.refrigerant)
            lines(m, std::true_type());
        else
            lines(m, std::false_type());
    });
}

// Rows first..last. Lines whose inputs keep every value within 64 bits are
// computed in plain 64-bit arithmetic, the others in 128 bits; both give the
// same results.
void computeRows(MaterialInBook target, int first, int last, bool ratePricing)
{
    if (first == last && first == SettingsRowNumber)
        return; // nothing to compute, and the settings stay as they are
    LineMagnitudes magnitudes;
    for (int n = first; n <= last; ++n) {
        if (n != SettingsRowNumber)
            magnitudes.add(target.work.row(n));
    }
    const bool plain = FitsPlainArithmetic(magnitudes, target.work, ratePricing);
    const LineRules rules = readLineRules(target.work, true);
    if (plain)
        computeLines<PlainArithmetic>(target, first, last, ratePricing, rules);
    else
        computeLines<WideArithmetic>(target, first, last, ratePricing, rules);
}

} // namespace

void ComputeRow(MaterialInBook target, int n, bool ratePricing)
{
    computeRows(target, n, n, ratePricing);
}

void ComputeMaterialRows(MaterialInBook target, bool ratePricing)
{
    computeRows(target, 1, RowsPerMaterial - 1, ratePricing);
}

void ComputeSheetRows(MaterialInBook target, int sheet, bool ratePricing)
{
    computeRows(target, MaterialRowNumber(sheet, 1), MaterialRowNumber(sheet, PriceLines), ratePricing);
}

void ComputeRowWide(MaterialInBook target, int n, bool ratePricing)
{
    if (n == SettingsRowNumber)
        return;
    // Every line computed in full, what the shortcuts above are held to.
    computeLines<WideArithmetic>(target, n, n, ratePricing, readLineRules(target.work, false));
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

Currency RatePrice(Currency price, Currency percent, const RowFields& settingsRow)
{
    RowFields settings = settingsRow;
    return ratePrice<WideArithmetic>(price, percent, MaterialSettings{settings});
}
