#pragma once

#include "WorkSet.h"

#include <cstdint>

// The largest magnitudes (of the raw scaled values) among the inputs of the
// price lines about to be computed.
struct LineMagnitudes {
    std::uint64_t price = 0; // material prices of every level
    std::uint64_t rate = 0;  // the seven labour rate inputs

    void add(const RowFields& line);
};

// True when computing lines whose inputs are bounded by `lines`, with the
// settings and base labour costs of `work`, keeps every intermediate value of
// the calculation within 64 bits: PlainArithmetic then gives exactly what
// WideArithmetic gives, overflow errors included (there are none). Checked
// once for all the lines of a material or a sheet.
bool FitsPlainArithmetic(const LineMagnitudes& lines, const WorkSet& work, bool ratePricing);
