#pragma once

#include "WorkSet.h"

// The price calculation of rows 1 to 59 of a material written directly on
// 64-bit integers, without any overflow check: the yardstick the engine's
// speed is measured against. Only valid for inputs that fit, as the
// benchmark books do; the benchmarks check that it agrees with the engine.
void PlainReferenceMaterialRows(WorkSet& work, PriceBook& book, int material, bool ratePricing);
