#pragma once

#include "ExactMath.h"

// The rounding addends: 0.9 rounds up, 0.5 rounds half up, 0 truncates.
constexpr Currency RoundUpAddend = Currency::fromRaw(9000);
constexpr Currency RoundHalfAddend = Currency::fromRaw(5000);
constexpr Currency TruncateAddend = Currency::fromRaw(0);

// The adopted-price rounding. The integer part of `mode` picks the rule: 10,
// 100 or 1000 round to that step; 3 or 4 keep that many characters of the
// value's plain text; anything else leaves the value as it is. The result is
// Trunc(v / step + addend) × step.
Currency RoundSignificant(Currency value, Currency mode, Currency addend);

// Length of the plain decimal text of a value ("-12.5" has 5).
int PlainTextLength(Currency value);

// Rounding of one cost component: Trunc(x × multiplier + addend) / multiplier.
struct ComponentRounding {
    std::int64_t multiplier = 1; // 1, 10, 100 or 1000 for 0 to 3 decimals; any other is 1
    Currency addend;
};

Currency QuantizeComponent(exact::Product x, const ComponentRounding& rounding);

// Trunc(v + addend) for a sum of scaled values: whole units, toward zero.
Currency TruncateWithAddend(exact::Int scaled, Currency addend);
