#include "Rounding.h"

#include "PriceArithmetic.h"

namespace {

// Decimal digits of v, without dividing: the bit length gives the count or
// one more, and a comparison with the power of ten settles it.
int digitCount(std::uint64_t v)
{
    static constexpr std::uint64_t Powers[] = {1ULL,
                                               10ULL,
                                               100ULL,
                                               1000ULL,
                                               10000ULL,
                                               100000ULL,
                                               1000000ULL,
                                               10000000ULL,
                                               100000000ULL,
                                               1000000000ULL,
                                               10000000000ULL,
                                               100000000000ULL,
                                               1000000000000ULL,
                                               10000000000000ULL,
                                               100000000000000ULL,
                                               1000000000000000ULL,
                                               10000000000000000ULL,
                                               100000000000000000ULL,
                                               1000000000000000000ULL,
                                               10000000000000000000ULL};
    const int bits = 64 - __builtin_clzll(v | 1);
    const int guess = bits * 1233 >> 12; // floor(bits × log10 2)
    return guess + ((v | 1) >= Powers[guess] ? 1 : 0); // 0 has one digit
}

} // namespace

std::optional<RoundingChoice> RoundingChoiceOf(Currency addend)
{
    for (const RoundingRule& rule : RoundingRules) {
        if (rule.addend == addend)
            return rule.choice;
    }
    return std::nullopt;
}

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
    return price_rounding::roundSignificant<WideArithmetic>(value, mode, addend);
}

Currency QuantizeComponent(exact::Product x, const ComponentRounding& rounding)
{
    return price_rounding::quantize<WideArithmetic>(x.num, rounding);
}

Currency TruncateWithAddend(exact::Int scaled, Currency addend)
{
    return price_rounding::truncateWithAddend<WideArithmetic>(scaled, addend);
}
