#pragma once

#include "TSCGError.h"

// A position, range or width outside what the grid accepts.
class TSCGRangeError : public TSCGError {
public:
    using TSCGError::TSCGError;
};
