#include "PlainArithmeticBound.h"

#include "ExactMath.h"
#include "MaterialSettings.h"
#include "PriceSteps.h"

#include <algorithm>
#include <limits>

namespace {

// Bounds are worked out in 128 bits from 64-bit magnitudes and each is
// checked against the 64-bit limit before it is used again, so no product
// below can wrap.
using Bound = exact::UInt;
constexpr Bound Limit = std::numeric_limits<std::int64_t>::max();
constexpr Bound BoundScale = Currency::Scale;

std::uint64_t magnitude(Currency v)
{
    const std::int64_t raw = v.raw();
    return raw < 0 ? 0 - static_cast<std::uint64_t>(raw) : static_cast<std::uint64_t>(raw);
}

// RoundSignificant of a whole-yen value (both the rate price and the
// composite are) of at most v, with an addend of at most a. The step 10^e is
// at most max(v / 10^5, 1000): the plain text of whole u yen has at most its
// digits + 1 characters, at least 3 of them kept. For each step the dividend
// is at most v + a × 10^e, the result at most the dividend truncated to the
// unit 10^(e + 4). False when a unit or a dividend could pass the limit.
bool roundingFits(Bound v, Bound a, Bound& result)
{
    result = v; // what the rounding leaves as it is
    const Bound largestStep = std::max<Bound>(v / (10 * BoundScale), 1000);
    for (Bound step = 10; step <= largestStep; step *= 10) {
        const Bound unit = step * BoundScale;
        const Bound dividend = v + a * step;
        if (unit > Limit || dividend > Limit)
            return false;
        result = std::max(result, dividend / unit * unit);
    }
    return true;
}

// A rounded component of a factor of at most f and a rate of at most r:
// the quotient's dividend is at most f × r + a × 10^4, the component at most
// that / 10^4.
bool componentFits(Bound f, Bound r, Bound a, Bound& component)
{
    const Bound dividend = f * r + a * BoundScale;
    if (f > Limit || dividend > Limit)
        return false;
    component = dividend / BoundScale;
    return true;
}

// Sums of bounds, which each stay within 64 bits before they are summed.
struct BoundArithmetic {
    using Int = Bound;
    static constexpr Int add(Int a, Int b) { return a + b; }
};

// Bounds of the components of a factor of at most f, in the mode Refrigerant.
template <bool Refrigerant>
bool componentsFit(Bound f, Bound r, Bound a, std::array<Bound, RateInputs>& components)
{
    bool fits = true;
    const auto worked = [&](std::size_t j) { return components[j]; };
    ForEachComponentStep<Refrigerant>([&](auto j, auto factor) {
        if constexpr (factor() != Factor::None)
            fits = fits && componentFits(FactorValue<BoundArithmetic, factor()>(f, f, worked), r, a, components[j]);
    });
    return fits;
}

} // namespace

void LineMagnitudes::add(const RowFields& line)
{
    for (int level = Level1; level <= ListLevel; ++level)
        price = std::max(price, magnitude(MaterialPrice(line, level)));
    for (const Currency& r : line.rate)
        rate = std::max(rate, magnitude(r));
}

bool FitsPlainArithmetic(const LineMagnitudes& lines, const WorkSet& work, bool ratePricing)
{
    ConstMaterialSettings settings{work.settingsRow()};
    // The base labour costs are factors like the prices; the list level's
    // (the labour row's list price slot) takes mirrored list prices, which
    // the line bound covers already.
    Bound price = lines.price;
    for (int level = Level1; level <= ListLevel; ++level)
        price = std::max<Bound>(price, magnitude(BaseLabourCost(work.labourRow(), level)));
    const Bound rate = lines.rate;
    Bound addend = 0;
    for (Currency a : {settings.componentAddend(), settings.ratePriceDecimalAddend(), settings.ratePriceStepAddend(),
                       settings.adoptedStepAddend()})
        addend = std::max<Bound>(addend, magnitude(a));

    if (ratePricing) {
        Bound percent = 0;
        for (int level = Level1; level <= CostLevel; ++level)
            percent = std::max<Bound>(percent, magnitude(settings.ratePercent(level)));
        // Trunc((L × R + a × 10^6) / 10^10) × 10^4 is at most the dividend / 10^6.
        const Bound dividend = price * percent + addend * 1000000;
        Bound rounded = 0;
        if (dividend > Limit || !roundingFits(dividend / 1000000, addend, rounded))
            return false;
        price = std::max(price, rounded);
    }

    // The components step by step, a price and a base labour cost alike
    // bounded by `price`; the composite is at most their sum plus the addend.
    std::array<Bound, RateInputs> components{};
    if (!(settings.refrigerantMode() ? componentsFit<true>(price, rate, addend, components)
                                     : componentsFit<false>(price, rate, addend, components)))
        return false;
    Bound sum = addend;
    for (Bound c : components)
        sum += c;
    Bound adopted = 0;
    return sum <= Limit && roundingFits(sum, addend, adopted);
}
