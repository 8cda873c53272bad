#pragma once

#include "ExactMath.h"

#include <array>
#include <optional>

// The three rounding choices, in the order of the main window's combo boxes
// and the basic data dialog's buttons (切り上げ, 切り捨て, 四捨五入). A
// dialog that lists them in another order maps its buttons to these.
enum class RoundingChoice { Up, Truncate, Half };

// Every rounding adds the choice's addend before truncating toward zero.
// Rounding up adds 0.9 of the step, not 0.9999: a remainder below a tenth of
// the step is not raised.
struct RoundingRule {
    RoundingChoice choice;
    Currency addend;
};
inline constexpr std::array<RoundingRule, 3> RoundingRules = {{
    {RoundingChoice::Up, Currency::fromRaw(9000)},
    {RoundingChoice::Truncate, Currency::fromRaw(0)},
    {RoundingChoice::Half, Currency::fromRaw(5000)},
}};

constexpr Currency RoundingAddend(RoundingChoice choice)
{
    for (const RoundingRule& rule : RoundingRules) {
        if (rule.choice == choice)
            return rule.addend;
    }
    return Currency();
}

// The choice a stored addend stands for; nothing for any other value.
std::optional<RoundingChoice> RoundingChoiceOf(Currency addend);

inline constexpr Currency RoundUpAddend = RoundingAddend(RoundingChoice::Up);
inline constexpr Currency RoundHalfAddend = RoundingAddend(RoundingChoice::Half);
inline constexpr Currency TruncateAddend = RoundingAddend(RoundingChoice::Truncate);

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
