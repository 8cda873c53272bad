#pragma once

#include "Rounding.h"

#include <array>
#include <cstdint>
#include <type_traits>

// The two kinds of integer arithmetic the price engine runs on the scaled
// values. Both give the same results wherever PlainArithmetic is used, which
// is only for inputs whose bound was checked first (FitsPlainArithmetic).
//
// WideArithmetic: 128-bit intermediates; a value that does not fit throws
// ValueOverflow.
struct WideArithmetic {
    using Int = exact::Int;
    static constexpr Int mul(Int a, Int b) { return exact::mul(a, b); }
    static constexpr Int add(Int a, Int b) { return exact::add(a, b); }
    static constexpr Int div(Int a, Int b) { return exact::div(a, b); }
    static constexpr Int pow10(int n) { return exact::pow10(n); }
    static constexpr Int divPow10(Int a, int n) { return exact::div(a, exact::pow10(n)); }
    static constexpr Currency toCurrency(Int raw) { return exact::toCurrency(raw); }
};

// PlainArithmetic: 64-bit, without checks.
struct PlainArithmetic {
    using Int = std::int64_t;
    static constexpr Int mul(Int a, Int b) { return a * b; }
    static constexpr Int add(Int a, Int b) { return a + b; }
    static constexpr Int div(Int a, Int b) { return a / b; }
    static constexpr Int pow10(int n) { return Powers[static_cast<std::size_t>(n)]; }
    // One division by the power from a table: a jump to a division by each
    // constant took longer, since the step changes from value to value and
    // the jump is mispredicted. Every 64-bit value is below 10^19.
    static constexpr Int divPow10(Int a, int n) { return n <= 18 ? a / Powers[static_cast<std::size_t>(n)] : 0; }
    static constexpr Currency toCurrency(Int raw) { return Currency::fromRaw(raw); }

private:
    static constexpr std::array<Int, 19> Powers = {1,
                                                   10,
                                                   100,
                                                   1000,
                                                   10000,
                                                   100000,
                                                   1000000,
                                                   10000000,
                                                   100000000,
                                                   1000000000,
                                                   10000000000,
                                                   100000000000,
                                                   1000000000000,
                                                   10000000000000,
                                                   100000000000000,
                                                   1000000000000000,
                                                   10000000000000000,
                                                   100000000000000000,
                                                   1000000000000000000};
};

namespace price_rounding {

// RoundSignificant in the arithmetic A.
template <typename A>
Currency roundSignificant(Currency value, Currency mode, Currency addend)
{
    // The step is 10^e.
    const std::int64_t s = mode.units();
    int e = 0;
    if (s == 10 || s == 100 || s == 1000) {
        e = s == 10 ? 1 : s == 100 ? 2 : 3;
    } else if (s == 3 || s == 4) {
        e = PlainTextLength(value) - static_cast<int>(s);
        if (e <= 0)
            return value;
    } else {
        return value;
    }
    // Trunc(v / step + a) × step on the scaled values, whose unit is 10^(e + 4).
    const typename A::Int t = A::divPow10(A::add(value.raw(), A::mul(addend.raw(), A::pow10(e))), e + 4);
    return A::toCurrency(A::mul(t, A::pow10(e + 4)));
}

// Trunc(x × m + a) / m for x = num / 10^8. Since m divides 10^4, num × m +
// a × 10^4 = m × (num + a × 10^4 / m), and the factor m cancels against
// 10^8: the quotient is taken without forming num × m. The constant
// divisors let the compiler divide by multiplying.
template <typename A, std::int64_t M>
Currency quantizeBy(typename A::Int num, Currency addend)
{
    constexpr std::int64_t unit = Currency::Scale / M;
    constexpr std::int64_t divisor = Currency::Scale * Currency::Scale / M;
    const typename A::Int t = A::div(A::add(num, A::mul(addend.raw(), unit)), divisor);
    return A::toCurrency(A::mul(t, unit));
}

// Calls f with the component multiplier as a compile-time constant.
template <typename F>
decltype(auto) withMultiplier(std::int64_t multiplier, F&& f)
{
    switch (multiplier) {
    case 10: return f(std::integral_constant<std::int64_t, 10>());
    case 100: return f(std::integral_constant<std::int64_t, 100>());
    case 1000: return f(std::integral_constant<std::int64_t, 1000>());
    default: return f(std::integral_constant<std::int64_t, 1>());
    }
}

template <typename A>
Currency quantize(typename A::Int num, const ComponentRounding& rounding)
{
    return withMultiplier(rounding.multiplier, [&](auto m) { return quantizeBy<A, m()>(num, rounding.addend); });
}

// TruncateWithAddend in the arithmetic A.
template <typename A>
Currency truncateWithAddend(typename A::Int scaled, Currency addend)
{
    const typename A::Int t = A::div(A::add(scaled, addend.raw()), Currency::Scale);
    return A::toCurrency(A::mul(t, Currency::Scale));
}

} // namespace price_rounding
