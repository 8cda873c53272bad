#pragma once

#include "CompositePrice.h"

// The groups of fields the copy and paste commands move.
enum class FieldGroup {
    AllContents,    // every shared field, texts included
    UnitPrices,     // costPrice, levelPrice[1..5], listPrice
    LabourRates,    // rate[1..7]
    LabourCostRate, // rate[5], the pipe fitter's man-days
};

// A copy or paste works on the whole material (rows 1..60) or on the
// current sheet (its lines 1..15).
enum class ClipScope { Material, Sheet };

struct CopyKind {
    ClipScope scope;
    FieldGroup group;

    bool operator==(const CopyKind&) const = default;
};

// The eight paste items in menu order (all_paste_1..4, item_paste_1..4) and
// the copy each belongs to.
constexpr int PasteItems = 8;
constexpr CopyKind PasteItemKind(int index)
{
    return {index < 4 ? ClipScope::Material : ClipScope::Sheet, static_cast<FieldGroup>(index % 4)};
}

// The copy buffer. A material copy fills rows 1..60, a sheet copy rows
// 1..15; fields outside the copied group keep what earlier copies left.
struct ClipSet {
    WorkSet rows;
    int sourceSheet = 0; // the sheet of the last sheet copy
};

// Copies the fields of `group` from one row into another.
void CopyFields(const RowFields& from, RowFields& to, FieldGroup group);

// Copies into the buffer: the whole contents of a material from the book,
// everything else from the work set (`sheet` names the sheet of a sheet copy).
void CopyToClip(ClipSet& clip, const WorkSet& work, const PriceBook& book, int material, int sheet, CopyKind kind);

// Writes the buffer's group into the book rows of the target, then the same
// fields from those rows into the work set. Nothing is computed. A sheet
// paste carries line 15 only between sheets whose line 15 means the same:
// the settings line of the first sheet and the base labour costs of the last
// are never put into each other or into the plain lines 30 and 45.
// Returns whether the material's settings line was written.
bool PasteFromClip(const ClipSet& clip, MaterialInBook target, int sheet, CopyKind kind);

// Copies, in the book, the data lines 1..14 of the first sheet into sheets
// 2 to 4: every field but the header, sheet and size texts. Line 15 stays,
// so the base labour costs of line 60 are never replaced by settings.
void FillSheetsFromFirst(PriceBook& book, int material);

// Copies, in the book, the unit prices of the data lines 1..14 of the first
// sheet into sheets 2 to 4; the percentages of the settings line are no
// prices of the other sheets' line 15.
void CopyUnitPricesFromFirstSheet(PriceBook& book, int material);

// Empties every text and zeroes every value of the material's 60 book rows;
// the reserved fields and record numbers stay.
void ClearMaterialRows(PriceBook& book, int material);
