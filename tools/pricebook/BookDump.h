#pragma once

#include "PriceBook.h"

#include <QString>

// One line per record, every field named, texts decoded and money in the
// plain form, so that two books compare with a line diff.
QString DumpRecord(const PriceRow& row, int k);
