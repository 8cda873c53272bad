#pragma once

#include "WorkSet.h"

// The material being computed: its working rows and the book they go back to.
struct MaterialInBook {
    WorkSet& work;
    PriceBook& book;
    int material; // 0..19
};

// Computes work row n (1..60; the settings row 15 is skipped): mirrors the
// list price (and, with rate pricing, the level prices) into the same line of
// the later sheets, computes the seven levels' components, composite and
// adopted prices, and writes the row back into the book. A computed value
// that does not fit throws PriceOverflow naming the row; the rows may then be
// partly changed, so callers that must stay unchanged keep a copy.
void ComputeRow(MaterialInBook target, int n, bool ratePricing);

// Rows 1 to 59 in ascending order, as selecting a material does.
void ComputeMaterialRows(MaterialInBook target, bool ratePricing);

// The 14 price lines of sheet s, as changing the sheet does.
void ComputeSheetRows(MaterialInBook target, int sheet, bool ratePricing);

// ComputeRow with 128-bit arithmetic whatever the inputs: what the faster
// plain arithmetic of the functions above is held to.
void ComputeRowWide(MaterialInBook target, int n, bool ratePricing);

// Loads material m into the work set, sets the rate pricing check box state
// `ratePricing` as its setting says (ratePricingAfterSelect) and computes
// rows 1 to 59: what selecting it in the main window does to the data.
void SelectAndComputeMaterial(WorkSet& work, PriceBook& book, int material, bool& ratePricing);
// The same as the first selection after the window opens, box unchecked.
void SelectAndComputeMaterial(WorkSet& work, PriceBook& book, int material);

// A price as rate pricing derives it: Trunc(price × percent / 100 + the
// decimal addend), then the rate-price step rounding, all as the material's
// settings row says. A percentage revision rounds its new prices so.
Currency RatePrice(Currency price, Currency percent, const RowFields& settingsRow);
