#pragma once

#include "PriceListColumns.h"
#include "PriceListTable.h"
#include "PriceRevision.h"

#include <vector>

// The rows of a supplier's list as a revision takes them: the file read, its
// columns found, its priced rows, a material number 1..20 as the material
// 0..19. Throws FileError naming the file (and the row) for what cannot be
// read.
std::vector<RevisionRow> ReadRevisionRows(const QString& path, const PriceListReadOptions& options,
                                          const PriceListColumnChoice& columns);
std::vector<RevisionRow> RevisionRowsFromBytes(const QString& path, const QByteArray& bytes,
                                               const PriceListReadOptions& options,
                                               const PriceListColumnChoice& columns);
