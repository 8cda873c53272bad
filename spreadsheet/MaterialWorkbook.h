#pragma once

#include "MaterialExport.h"
#include "PriceBook.h"

#include <QString>

// The XLSX counterparts of the CSV export. A worksheet holds what the CSV
// holds for the same choices, a row for each of its lines: the sheet name, the
// headings when asked for, then the 14 price lines, whose amounts and rates
// are number cells. The document's properties name the book by its file name
// (the folder means nothing to whoever the workbook is sent to), the
// material and the level. The file at `path` is replaced in one step; every
// failure throws FileError naming it.

// The material in the work set, material `material` (0..19) of the book at
// `bookFile`: one worksheet for each sheet tab of `view`, named as the tab.
// Its title is the goods name.
void WriteMaterialWorkbook(const QString& path, const WorkSet& work, const ExportView& view,
                           const ExportChoices& choices, const QString& bookFile, int material);

// Every material of the book with a goods name, one worksheet each, named
// "<material number> <goods name>" and holding the blocks of all its sheets,
// each material computed as when the window opens on it. A material without
// a goods name is an unused place and is left out. Its title is the book's
// file name. Throws FileError naming `bookFile` when no material has a goods
// name, and PriceOverflow when a material cannot be computed.
void WriteBookWorkbook(const QString& path, const PriceBook& book, const QString& bookFile,
                       const ExportChoices& choices);
