#include "SettingsCapture.h"

#include "MaterialSettings.h"
#include "Rounding.h"

namespace {

constexpr std::array<std::int64_t, 6> RatePriceSteps = {1, 10, 100, 1000, 3, 4};

// Sets the slot of row n in the work set and in the book alike.
template <typename Slot>
void store(MaterialInBook target, int n, Slot slot, Currency value)
{
    slot(target.work.row(n)) = value;
    slot(target.book.row(target.material, n)) = value;
}

} // namespace

Currency RatePriceStepForItem(int item)
{
    return Currency::fromUnits(RatePriceSteps.at(static_cast<std::size_t>(item)));
}

// The rounding combo boxes list the choices in the order of the rules,
// which is the order of RoundingChoice.
Currency AddendForItem(int item)
{
    return RoundingRules.at(static_cast<std::size_t>(item)).addend;
}

int ItemForRatePriceStep(Currency step)
{
    if (step == Currency())
        return 0;
    for (std::size_t i = 0; i < RatePriceSteps.size(); ++i) {
        if (step == Currency::fromUnits(RatePriceSteps[i]))
            return static_cast<int>(i);
    }
    return CapturedControls::NoItem;
}

int ItemForAddend(Currency addend)
{
    const std::optional<RoundingChoice> choice = RoundingChoiceOf(addend);
    return choice ? static_cast<int>(*choice) : CapturedControls::NoItem;
}

void CaptureControls(MaterialInBook target, const CapturedControls& controls)
{
    const int s = SettingsRowNumber;
    if (controls.ratePriceStepItem != CapturedControls::NoItem)
        store(target, s, [](RowFields& r) -> Currency& { return MaterialSettings{r}.ratePriceStep(); },
              RatePriceStepForItem(controls.ratePriceStepItem));
    if (controls.ratePriceDecimalItem != CapturedControls::NoItem)
        store(target, s, [](RowFields& r) -> Currency& { return MaterialSettings{r}.ratePriceDecimalAddend(); },
              AddendForItem(controls.ratePriceDecimalItem));
    if (controls.ratePriceStepAddendItem != CapturedControls::NoItem)
        store(target, s, [](RowFields& r) -> Currency& { return MaterialSettings{r}.ratePriceStepAddend(); },
              AddendForItem(controls.ratePriceStepAddendItem));
    store(target, s, [](RowFields& r) -> Currency& { return MaterialSettings{r}.ratePricingFlag(); },
          Currency::fromUnits(controls.ratePricing ? 1 : 0));

    for (int level = Level1; level <= CostLevel; ++level) {
        const bool cost = level == CostLevel;
        const double rate = cost ? controls.costRate : controls.levelRates[static_cast<std::size_t>(level - 1)];
        const Currency labour = cost ? controls.costLabour : controls.levelLabour[static_cast<std::size_t>(level - 1)];
        store(target, s, [level](RowFields& r) -> Currency& { return MaterialSettings{r}.ratePercent(level); },
              Currency::fromDouble(rate));
        store(target, LabourRowNumber, [level](RowFields& r) -> Currency& { return BaseLabourCost(r, level); },
              labour);
    }
}

void RecomputeMaterial(MaterialInBook target, const CapturedControls& controls)
{
    CaptureControls(target, controls);
    ComputeMaterialRows(target, controls.ratePricing);
}
