#include "Currency.h"

#include <cmath>
#include <limits>

Currency Currency::fromDouble(double value)
{
    const double scaled = std::round(value * Scale);
    constexpr double limit = 9.2e18;
    if (std::isnan(scaled))
        return Currency();
    if (scaled >= limit)
        return fromRaw(std::numeric_limits<std::int64_t>::max());
    if (scaled <= -limit)
        return fromRaw(std::numeric_limits<std::int64_t>::min());
    return fromRaw(static_cast<std::int64_t>(scaled));
}
