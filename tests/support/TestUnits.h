#pragma once

#include "Currency.h"
#include "NumberText.h"

#include <QString>

// Amounts in tests are written as the yen they stand for: units(1234.5).
inline Currency units(double v) { return Currency::fromDouble(v); }

// An amount as the user types it, decimals and all: C("1850.5").
inline Currency C(const char* text) { return ParseCurrency(QString::fromUtf8(text)); }
