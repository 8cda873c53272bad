#include "Rounding.h"

namespace {

constexpr exact::Int Scale = Currency::Scale;

int digitCount(std::uint64_t v)
{
    int n = 1;
    while (v >= 10) {
        v /= 10;
        ++n;
    }
    return n;
}

} // namespace

int PlainTextLength(Currency value)
{
    const std::int64_t raw = value.raw();
    const std::uint64_t m = raw < 0 ? 0 - static_cast<std::uint64_t>(raw) : static_cast<std::uint64_t>(raw);
    int length = digitCount(m / Currency::Scale) + (raw < 0 ? 1 : 0);
    std::uint64_t fraction = m % Currency::Scale;
    if (fraction != 0) {
        int decimals = 4;
        while (fraction % 10 == 0) {
            fraction /= 10;
            --decimals;
        }
        length += 1 + decimals;
    }
    return length;
}

Currency RoundSignificant(Currency value, Currency mode, Currency addend)
{
    const std::int64_t s = mode.units();
    exact::Int step = 0;
    if (s == 10 || s == 100 || s == 1000) {
        step = s;
    } else if (s == 3 || s == 4) {
        const int n = PlainTextLength(value) - static_cast<int>(s);
        if (n <= 0)
            return value;
        step = exact::pow10(n);
    } else {
        return value;
    }
    // Trunc(v / step + a) × step on the scaled values.
    const exact::Int unit = exact::mul(step, Scale);
    const exact::Int t = exact::div(exact::add(value.raw(), exact::mul(addend.raw(), step)), unit);
    return exact::toCurrency(exact::mul(t, unit));
}

Currency QuantizeComponent(exact::Product x, const ComponentRounding& rounding)
{
    // x has the value num / 10^8; Trunc(x × m + a) is taken on that scale.
    const std::int64_t unit = Currency::Scale / rounding.multiplier;
    // In 64 bits when |num| < 2^52 and |a| < 2^40 (raw): num × m stays below
    // 2^62 (m ≤ 1000) and a × 10^4 below 2^54, so the sum cannot wrap, and
    // the result stays far inside the range.
    constexpr exact::Int FastProduct = exact::Int(1) << 52;
    constexpr std::int64_t FastAddend = std::int64_t(1) << 40;
    const std::int64_t a = rounding.addend.raw();
    if (x.num < FastProduct && x.num > -FastProduct && a < FastAddend && a > -FastAddend) {
        const std::int64_t v = static_cast<std::int64_t>(x.num) * rounding.multiplier + a * Currency::Scale;
        return Currency::fromRaw(v / (Currency::Scale * Currency::Scale) * unit);
    }
    const exact::Int t = exact::div(exact::add(exact::mul(x.num, rounding.multiplier), exact::mul(a, Scale)),
                                    Scale * Scale);
    return exact::toCurrency(exact::mul(t, unit));
}

Currency TruncateWithAddend(exact::Int scaled, Currency addend)
{
    const exact::Int t = exact::div(exact::add(scaled, addend.raw()), Scale);
    return exact::toCurrency(exact::mul(t, Scale));
}
