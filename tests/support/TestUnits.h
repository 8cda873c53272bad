#pragma once

#include "Currency.h"

// Amounts in tests are written as the yen they stand for: units(1234.5).
inline Currency units(double v) { return Currency::fromDouble(v); }
