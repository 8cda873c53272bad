#pragma once

#include "WorkSet.h"

// The per-material settings live in the price slots of the settings row
// (material row 15); these name the slots.
struct MaterialSettings {
    RowFields& row;

    // Percentage of the list price for level k (1..5, or CostLevel).
    Currency& ratePercent(int level) { return MaterialPrice(row, level); }
    Currency& adoptedStep() { return row.rate[0]; }
    Currency& componentAddend() { return row.rate[1]; }
    Currency& componentDecimals() { return row.rate[2]; }
    Currency& mode() { return row.rate[3]; }
    Currency& adoptedStepAddend() { return row.rate[5]; }
    Currency& ratePriceStep() { return row.adoptedLevel[0]; }
    Currency& ratePriceDecimalAddend() { return row.adoptedLevel[1]; }
    Currency& ratePriceStepAddend() { return row.adoptedLevel[2]; }
    Currency& ratePricingFlag() { return row.adoptedLevel[3]; }

    bool refrigerantMode() { return mode().units() == 2; }
    bool ratePricingOn() { return ratePricingFlag() == Currency::fromUnits(1); }
};

// The base labour cost of level k (1..7), held in the labour row (row 60).
inline Currency& BaseLabourCost(RowFields& labourRow, int level)
{
    if (level <= SubmissionLevels)
        return labourRow.compositeLevel[level - 1];
    return level == CostLevel ? labourRow.compositeCost : labourRow.listPrice;
}
