#pragma once

#include "PriceBook.h"

// The price books a new installation can be tried out with: for each of the
// ten default categories several materials with the goods names, sizes,
// sheets, prices, rates and labour costs an estimator would expect, computed
// as selecting each material computes it. The same category always gives the
// same book, byte for byte.
PriceBook SampleBook(int category); // 0..9
