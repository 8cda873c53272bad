#pragma once

#include "CompositePrice.h"

#include <array>

// The choices of the unit price calculation dialog.
struct RepriceChoices {
    enum Method { FromList, FromCost };
    Method method = FromList;                       // 提 出=定価×掛 率％ / 提 出=原 価×割増率％
    std::array<Currency, SubmissionLevels> percent{}; // Lev1 … Lev5
    Currency addend;                                // 四捨五入 0.5, 切り上げ 0.9, 切り捨て 0
    std::int64_t step = 1;                          // 1, 10, 100, 1000 or 10000
};

// Rewrites the five level prices of every price row (all but rows 15, 30, 45
// and 60) from the list or the cost price, then computes rows 1 to 59.
// While rate pricing is on, the computation replaces them again.
void RepriceFromLevels(MaterialInBook target, const RepriceChoices& choices, bool ratePricing);
