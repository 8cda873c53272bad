#pragma once

#include "PriceRow.h"

#include <array>
#include <cstddef>
#include <type_traits>
#include <utility>

// The seven cost components of a price line: each is a factor times the
// component's labour rate input, rounded. Every form of the calculation
// works the components out from this one table: the engine in either of its
// arithmetics, the bound that proves the 64-bit one exact, and the plain
// yardstick of the benchmarks.
enum class Factor {
    Price,         // the material price of the level
    Labour,        // the base labour cost of the level
    Components123, // c1 + c2 + c3
    Component5,    // c5
    Components56,  // c5 + c6
    None,          // the component is 0
};

struct ComponentStep {
    std::size_t component; // 0-based: c1 is 0
    Factor piping;
    Factor refrigerant;
};

// In the order the steps are worked: the labour component before component
// 4, as the calculation always has, so that a value too large leaves the same
// components set. A step reads only components worked before it.
inline constexpr std::array<ComponentStep, RateInputs> ComponentSteps = {{
    {0, Factor::Price, Factor::Price},               // pipe
    {1, Factor::Price, Factor::Price},               // fittings
    {2, Factor::Price, Factor::Price},               // jointing material
    {4, Factor::Labour, Factor::Labour},             // pipe fitter
    {3, Factor::Price, Factor::Components123},       // support hardware / miscellaneous material
    {5, Factor::Component5, Factor::None},           // chipping and repair
    {6, Factor::Components56, Factor::Components56}, // other
}};

constexpr Factor StepFactor(const ComponentStep& step, bool refrigerant)
{
    return refrigerant ? step.refrigerant : step.piping;
}

namespace price_steps {

constexpr bool readsOnlyEarlier(Factor factor, std::size_t position)
{
    auto workedBefore = [&](std::size_t component) {
        for (std::size_t i = 0; i < position; ++i) {
            if (ComponentSteps[i].component == component)
                return true;
        }
        return false;
    };
    switch (factor) {
    case Factor::Components123: return workedBefore(0) && workedBefore(1) && workedBefore(2);
    case Factor::Component5: return workedBefore(4);
    case Factor::Components56: return workedBefore(4) && workedBefore(5);
    default: return true;
    }
}

constexpr bool wellOrdered()
{
    for (std::size_t i = 0; i < ComponentSteps.size(); ++i) {
        if (!readsOnlyEarlier(ComponentSteps[i].piping, i) || !readsOnlyEarlier(ComponentSteps[i].refrigerant, i))
            return false;
    }
    return true;
}
static_assert(wellOrdered());

} // namespace price_steps

// The value of a factor in the arithmetic A (its Int and add), from the
// level's price p and base labour cost b and `component(j)`, the value of
// component j worked before.
template <typename A, Factor F, typename Component>
constexpr typename A::Int FactorValue(typename A::Int p, typename A::Int b, const Component& component)
{
    if constexpr (F == Factor::Price)
        return p;
    else if constexpr (F == Factor::Labour)
        return b;
    else if constexpr (F == Factor::Components123)
        return A::add(A::add(component(0), component(1)), component(2));
    else if constexpr (F == Factor::Component5)
        return component(4);
    else if constexpr (F == Factor::Components56)
        return A::add(component(4), component(5));
    else
        return 0;
}

// Calls step(component, factor) for every step in order, both as
// compile-time constants, for the mode Refrigerant.
template <bool Refrigerant, typename Step>
constexpr void ForEachComponentStep(Step&& step)
{
    [&]<std::size_t... I>(std::index_sequence<I...>) {
        (step(std::integral_constant<std::size_t, ComponentSteps[I].component>(),
              std::integral_constant<Factor, StepFactor(ComponentSteps[I], Refrigerant)>()),
         ...);
    }(std::make_index_sequence<ComponentSteps.size()>());
}
