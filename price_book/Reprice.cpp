#include "Reprice.h"

#include "ExactMath.h"
#include "PriceOverflow.h"

namespace {

// u × Trunc(base × f / u + a), with f = F / 10^6 on the scaled integers.
Currency repriced(Currency base, exact::Int factor, const RepriceChoices& choices)
{
    constexpr exact::Int Scale = Currency::Scale;
    const exact::Int u = choices.step;
    const exact::Int num = exact::add(exact::mul(base.raw(), factor),
                                      exact::mul(exact::mul(choices.addend.raw(), 1000000), u));
    const exact::Int t = exact::div(num, exact::mul(Scale * Scale * 100, u));
    return exact::toCurrency(exact::mul(exact::mul(t, u), Scale));
}

} // namespace

void RepriceFromLevels(MaterialInBook target, const RepriceChoices& choices, bool ratePricing)
{
    const exact::Int percentScale = 1000000; // a percentage's raw value over this is the factor
    for (int n = 1; n <= RowsPerMaterial; ++n) {
        if (n % LinesPerSheet == 0)
            continue;
        WorkRow& row = target.work.row(n);
        const Currency base = choices.method == RepriceChoices::FromList ? row.listPrice : row.costPrice;
        try {
            for (int k = 0; k < SubmissionLevels; ++k) {
                const exact::Int p = choices.percent[static_cast<std::size_t>(k)].raw();
                const exact::Int factor = choices.method == RepriceChoices::FromList ? p : percentScale + p;
                row.levelPrice[static_cast<std::size_t>(k)] = repriced(base, factor, choices);
            }
        } catch (const ValueOverflow&) {
            throw PriceOverflow(target.material, n);
        }
    }
    ComputeMaterialRows(target, ratePricing);
}
