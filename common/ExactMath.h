#pragma once

#include "Currency.h"
#include "ValueOverflow.h"

#include <cstdint>
#include <limits>

// The price arithmetic runs on the scaled integers with 128-bit intermediates,
// so that it is exact. A result that does not fit, in 128 bits or in the
// Currency it is stored as, throws ValueOverflow: never a saturated or wrapped
// value that looks like a price.
namespace exact {

__extension__ typedef __int128 Int;
__extension__ typedef unsigned __int128 UInt;

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
        throw ValueOverflow();
    return r;
}

constexpr Int add(Int a, Int b)
{
    Int r = 0;
    if (__builtin_add_overflow(a, b, &r))
        throw ValueOverflow();
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

// The Currency of a raw scaled value.
constexpr Currency toCurrency(Int raw)
{
    if (!fits64(raw))
        throw ValueOverflow();
    return Currency::fromRaw(static_cast<std::int64_t>(raw));
}

// The product of two Currency values, kept exact: its value is num / 10^8.
struct Product {
    Int num = 0;
};

constexpr Product times(Currency a, Currency b) { return {mul(a.raw(), b.raw())}; }
constexpr Product times(Int scaledSum, Currency b) { return {mul(scaledSum, b.raw())}; }

} // namespace exact
