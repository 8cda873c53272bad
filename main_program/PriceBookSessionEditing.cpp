#include "PriceBookSession.h"

#include "MaterialSettings.h"

// The copy, paste, fill and clear commands of the session.

void PriceBookSession::Copy(CopyKind kind)
{
    CopyToClip(clipSet, work, book, currentMaterial, currentSheet, kind);
    enabledPaste = kind;
}

void PriceBookSession::Paste(CopyKind kind)
{
    if (!pasteEnabled(kind))
        return;
    asOneChange(UndoStep::Taken, [&] {
        const bool settingsPasted = PasteFromClip(clipSet, target(), currentSheet, kind);
        if (settingsPasted && kind.group == FieldGroup::AllContents)
            ratePricing = MaterialSettings{work.settingsRow()}.ratePricingAfterSelect(ratePricing);
        if (kind == CopyKind{ClipScope::Sheet, FieldGroup::UnitPrices}) {
            for (int n = 1; n <= LinesPerSheet; ++n)
                ComputeRow(target(), n, ratePricing);
        } else {
            ComputeMaterialRows(target(), ratePricing);
        }
        modified = true;
    });
}

template <typename Change>
void PriceBookSession::changeAndReselect(Change&& change)
{
    asOneChange(UndoStep::Taken, [&] {
        change(book, currentMaterial);
        modified = true;
        SelectMaterial(currentMaterial);
    });
}

void PriceBookSession::FillFromFirstSheet()
{
    if (refrigerant())
        return; // a refrigerant material has one sheet
    changeAndReselect(FillSheetsFromFirst);
}

void PriceBookSession::CopyUnitPricesFromFirstSheet()
{
    changeAndReselect(::CopyUnitPricesFromFirstSheet);
    enabledPaste.reset();
}

void PriceBookSession::ClearMaterial()
{
    asOneChange(UndoStep::Taken, [&] {
        ClearMaterialRows(book, currentMaterial);
        LoadMaterial(work, book, currentMaterial);
        ComputeMaterialRows(target(), ratePricing);
        modified = true;
    });
}
