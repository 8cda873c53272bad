#include "PlainReference.h"

#include "MaterialSettings.h"
#include "PriceArithmetic.h"
#include "PriceSteps.h"
#include "Rounding.h"

namespace {

using Int = std::int64_t;
constexpr Int Scale = Currency::Scale;

Int pow10(int n)
{
    Int p = 1;
    while (n-- > 0)
        p *= 10;
    return p;
}

Int roundSignificant(Int v, Currency mode, Int addend)
{
    const Int s = mode.units();
    Int step = 0;
    if (s == 10 || s == 100 || s == 1000) {
        step = s;
    } else if (s == 3 || s == 4) {
        const int n = PlainTextLength(Currency::fromRaw(v)) - static_cast<int>(s);
        if (n <= 0)
            return v;
        step = pow10(n);
    } else {
        return v;
    }
    return (v + addend * step) / (step * Scale) * (step * Scale);
}

// The seven components of a level, step by step, each factor × rate rounded by q.
template <bool Refrigerant, typename Q>
void components(Int p, Int b, const std::array<Currency, RateInputs>& rates, const Q& q,
                std::array<Int, RateInputs>& c)
{
    const auto worked = [&](std::size_t j) { return c[j]; };
    ForEachComponentStep<Refrigerant>([&](auto j, auto factor) {
        if constexpr (factor() == Factor::None)
            c[j] = 0;
        else
            c[j] = q(FactorValue<PlainArithmetic, factor()>(p, b, worked) * rates[j].raw());
    });
}

void computeRow(WorkSet& work, int n, bool ratePricing)
{
    WorkRow& row = work.row(n);
    MaterialSettings settings{work.settingsRow()};
    for (int m = n + LinesPerSheet; m <= RowsPerMaterial; m += LinesPerSheet)
        work.row(m).listPrice = row.listPrice;
    if (ratePricing) {
        for (int level = Level1; level <= CostLevel; ++level) {
            const Int num = row.listPrice.raw() * settings.ratePercent(level).raw() +
                            settings.ratePriceDecimalAddend().raw() * 1000000;
            MaterialPrice(row, level) = Currency::fromRaw(roundSignificant(
                num / (Scale * Scale * 100) * Scale, settings.ratePriceStep(), settings.ratePriceStepAddend().raw()));
        }
        for (int m = n + LinesPerSheet; m <= RowsPerMaterial; m += LinesPerSheet) {
            work.row(m).levelPrice = row.levelPrice;
            work.row(m).costPrice = row.costPrice;
        }
    }
    if (settings.adoptedStep() == Currency())
        settings.adoptedStep() = Currency::fromUnits(1);
    Int m = 1;
    switch (settings.componentDecimals().units()) {
    case 1: m = 10; break;
    case 2: m = 100; break;
    case 3: m = 1000; break;
    default: settings.componentDecimals() = Currency(); break;
    }
    const Int a = settings.componentAddend().raw();
    auto q = [&](Int product) { return (product * m + a * Scale) / (Scale * Scale) * (Scale / m); };
    const bool refrigerant = settings.mode().units() == 2;
    for (int level = Level1; level <= ListLevel; ++level) {
        const Int p = MaterialPrice(row, level).raw();
        const Int b = BaseLabourCost(work.labourRow(), level).raw();
        std::array<Int, RateInputs> c{};
        if (refrigerant)
            components<true>(p, b, row.rate, q, c);
        else
            components<false>(p, b, row.rate, q, c);
        Int sum = 0;
        for (int j = 0; j < 7; ++j) {
            row.breakdown[static_cast<std::size_t>(level - 1)][static_cast<std::size_t>(j)] = Currency::fromRaw(c[j]);
            sum += c[j];
        }
        const Int composite = (sum + a) / Scale * Scale;
        if (level == CostLevel) {
            row.compositeCost = Currency::fromRaw(composite);
            continue;
        }
        const Currency adopted = Currency::fromRaw(
            roundSignificant(composite, settings.adoptedStep(), settings.adoptedStepAddend().raw()));
        if (level <= SubmissionLevels) {
            row.compositeLevel[static_cast<std::size_t>(level - 1)] = Currency::fromRaw(composite);
            row.adoptedLevel[static_cast<std::size_t>(level - 1)] = adopted;
        } else {
            row.compositeList = Currency::fromRaw(composite);
            row.adoptedList = adopted;
        }
    }
}

} // namespace

void PlainReferenceMaterialRows(WorkSet& work, PriceBook& book, int material, bool ratePricing)
{
    for (int n = 1; n < RowsPerMaterial; ++n) {
        if (n == SettingsRowNumber)
            continue;
        computeRow(work, n, ratePricing);
        WriteBackRow(work, book, material, n);
    }
}
