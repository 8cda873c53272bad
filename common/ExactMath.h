#pragma once

#include "Currency.h"

#include <cstdint>
#include <limits>

// The price arithmetic runs on the scaled integers with 128-bit intermediates,
// so that it is exact; values from damaged files saturate instead of
// overflowing.
namespace exact {

__extension__ typedef __int128 Int;
__extension__ typedef unsigned __int128 UInt;

constexpr Int Max = static_cast<Int>(~static_cast<UInt>(0) >> 1);
constexpr Int Min = -Max - 1;

constexpr bool fits64(Int v)
{
    return v >= std::numeric_limits<std::int64_t>::min() && v <= std::numeric_limits<std::int64_t>::max();
}

constexpr Int mul(Int a, Int b)
{
    if (fits64(a) && fits64(b))
        return a * b; // two 64-bit factors always fit
    Int r = 0;
    if (__builtin_mul_overflow(a, b, &r))
        return ((a < 0) != (b < 0)) ? Min : Max;
    return r;
}

constexpr Int add(Int a, Int b)
{
    Int r = 0;
    if (__builtin_add_overflow(a, b, &r))
        return a < 0 ? Min : Max;
    return r;
}

// Quotient truncated toward zero, for a positive divisor. Most values fit in
// 64 bits, where the division is several times cheaper.
constexpr Int div(Int a, Int b)
{
    if (fits64(a) && fits64(b))
        return static_cast<std::int64_t>(a) / static_cast<std::int64_t>(b);
    return a / b;
}

constexpr Int pow10(int n)
{
    Int p = 1;
    for (int i = 0; i < n; ++i)
        p = mul(p, 10);
    return p;
}

// A Currency from a raw scaled value, saturated to the 64-bit range.
constexpr Currency toCurrency(Int raw)
{
    if (raw > std::numeric_limits<std::int64_t>::max())
        return Currency::fromRaw(std::numeric_limits<std::int64_t>::max());
    if (raw < std::numeric_limits<std::int64_t>::min())
        return Currency::fromRaw(std::numeric_limits<std::int64_t>::min());
    return Currency::fromRaw(static_cast<std::int64_t>(raw));
}

// The product of two Currency values, kept exact: its value is num / 10^8.
struct Product {
    Int num = 0;
};

constexpr Product times(Currency a, Currency b) { return {mul(a.raw(), b.raw())}; }
constexpr Product times(Int scaledSum, Currency b) { return {mul(scaledSum, b.raw())}; }

} // namespace exact
