#include "PriceBookSession.h"

#include "MaterialSettings.h"

#include <algorithm>

// The copy, paste, fill and clear commands of the session.

void PriceBookSession::Copy(CopyKind kind)
{
    CopyToClip(clipSet_, work_, book_, currentMaterial_, currentSheet_, kind);
    enabledPaste_ = kind;
}

void PriceBookSession::Paste(CopyKind kind)
{
    if (!pasteEnabled(kind))
        return;
    asOneChange([&] {
        const bool settingsPasted = PasteFromClip(clipSet_, target(), currentSheet_, kind);
        if (settingsPasted && kind.group == FieldGroup::AllContents)
            ratePricing_ = MaterialSettings{work_.settingsRow()}.ratePricingAfterSelect(ratePricing_);
        if (kind == CopyKind{ClipScope::Sheet, FieldGroup::UnitPrices}) {
            for (int n = 1; n <= LinesPerSheet; ++n)
                ComputeRow(target(), n, ratePricing_);
        } else {
            ComputeMaterialRows(target(), ratePricing_);
        }
    });
}

template <typename Change>
void PriceBookSession::changeAndReselect(Change&& change)
{
    asOneChange([&] {
        change(book_, currentMaterial_);
        SelectMaterial(currentMaterial_);
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
    enabledPaste_.reset();
}

void PriceBookSession::ClearMaterial()
{
    asOneChange([&] {
        ClearMaterialRows(book_, currentMaterial_);
        LoadMaterial(work_, book_, currentMaterial_);
        ComputeMaterialRows(target(), ratePricing_);
    });
}

void PriceBookSession::ApplyRevision(const std::vector<LinePriceChange>& changes)
{
    std::vector<int> materials;
    for (const LinePriceChange& change : changes) {
        if (std::find(materials.begin(), materials.end(), change.at.material) == materials.end())
            materials.push_back(change.at.material);
    }
    if (materials.empty())
        return;
    // The material shown is the step's own; the others keep their book rows.
    Step& step = spare();
    step.others.clear();
    snapshotInto(step.state);
    for (int material : materials) {
        if (material != currentMaterial_)
            step.others.push_back(rowsOf(material));
    }
    try {
        ApplyPriceChanges(book_, changes, ratePricing_);
        SelectAndComputeMaterial(work_, book_, currentMaterial_, ratePricing_);
    } catch (...) {
        for (const OtherMaterial& other : step.others)
            putBack(other);
        restore(step.state);
        throw;
    }
    currentSheet_ = 0;
    keepStep();
}

void PriceBookSession::RestoreVersion(const QString& versionFile)
{
    PriceBook restored = ReadPriceBookFile(versionFile);
    book_ = std::move(restored);
    // The steps belong to the book that was replaced; the restored one is a
    // change of the book until it is saved.
    drop(undo_);
    drop(redo_);
    version_ = ++lastVersion_;
    SelectMaterial(currentMaterial_);
}
