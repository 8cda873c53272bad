#pragma once

#include <cstdint>

// A fixed-point decimal with four decimal places: the stored integer is the
// value times 10000. Every price, rate, percentage and setting is one.
class Currency {
public:
    static constexpr std::int64_t Scale = 10000;

    constexpr Currency() = default;
    static constexpr Currency fromRaw(std::int64_t raw) { Currency c; c.raw_ = raw; return c; }
    static constexpr Currency fromUnits(std::int64_t units) { return fromRaw(units * Scale); }
    // Nearest four-decimal value of a double, halves away from zero. A value
    // out of range throws ValueOverflow; NaN gives 0.
    static Currency fromDouble(double value);
    // The same, but out of range values become the nearest end of the range:
    // for an edit that holds its value within the type's range anyway.
    static Currency fromDoubleSaturated(double value);

    constexpr std::int64_t raw() const { return raw_; }
    // The integer part, truncated toward zero.
    constexpr std::int64_t units() const { return raw_ / Scale; }
    double toDouble() const { return static_cast<double>(raw_) / Scale; }

    constexpr bool operator==(const Currency&) const = default;
    constexpr bool operator<(const Currency& o) const { return raw_ < o.raw_; }
    constexpr bool operator>(const Currency& o) const { return raw_ > o.raw_; }
    constexpr bool operator<=(const Currency& o) const { return raw_ <= o.raw_; }
    constexpr bool operator>=(const Currency& o) const { return raw_ >= o.raw_; }

private:
    std::int64_t raw_ = 0;
};
