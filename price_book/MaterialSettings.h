#pragma once

#include "WorkSet.h"

// The per-material settings live in the price slots of the settings row
// (material row 15); these name the slots. `Row` is RowFields or, for reading
// only, const RowFields.
template <typename Row>
struct SettingsSlots {
    Row& row;

    // Percentage of the list price for level k (1..5, or CostLevel).
    decltype(auto) ratePercent(int level) { return MaterialPrice(row, level); }
    auto& adoptedStep() { return row.rate[0]; }
    auto& componentAddend() { return row.rate[1]; }
    auto& componentDecimals() { return row.rate[2]; }
    auto& mode() { return row.rate[3]; }
    auto& adoptedStepAddend() { return row.rate[5]; }
    auto& ratePriceStep() { return row.adoptedLevel[0]; }
    auto& ratePriceDecimalAddend() { return row.adoptedLevel[1]; }
    auto& ratePriceStepAddend() { return row.adoptedLevel[2]; }
    auto& ratePricingFlag() { return row.adoptedLevel[3]; }

    bool refrigerantMode() { return mode().units() == 2; }
    // The rate pricing check box once the material is selected: the setting
    // when it is on (1) or off (0); any other value leaves the box as it was.
    bool ratePricingAfterSelect(bool checkBox)
    {
        if (ratePricingFlag() == Currency::fromUnits(1))
            return true;
        if (ratePricingFlag() == Currency())
            return false;
        return checkBox;
    }
};

using MaterialSettings = SettingsSlots<RowFields>;
using ConstMaterialSettings = SettingsSlots<const RowFields>;

// The base labour cost of level k (1..7), held in the labour row (row 60).
inline Currency& BaseLabourCost(RowFields& labourRow, int level)
{
    if (level <= SubmissionLevels)
        return labourRow.compositeLevel[level - 1];
    return level == CostLevel ? labourRow.compositeCost : labourRow.listPrice;
}
inline Currency BaseLabourCost(const RowFields& labourRow, int level)
{
    return BaseLabourCost(const_cast<RowFields&>(labourRow), level);
}
