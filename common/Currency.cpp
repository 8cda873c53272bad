#include "Currency.h"

#include "ValueOverflow.h"

#include <cmath>
#include <limits>

Currency Currency::fromDouble(double value)
{
    const double scaled = std::round(value * Scale);
    if (std::isnan(scaled))
        return Currency();
    // 2^63 is exact as a double; every double below it converts exactly.
    constexpr double limit = 9223372036854775808.0;
    if (scaled >= limit || scaled < -limit)
        throw ValueOverflow();
    return fromRaw(static_cast<std::int64_t>(scaled));
}

Currency Currency::fromDoubleSaturated(double value)
{
    const double scaled = std::round(value * Scale);
    constexpr double limit = 9223372036854775808.0;
    if (scaled >= limit)
        return fromRaw(std::numeric_limits<std::int64_t>::max());
    if (scaled < -limit)
        return fromRaw(std::numeric_limits<std::int64_t>::min());
    return fromDouble(value);
}
