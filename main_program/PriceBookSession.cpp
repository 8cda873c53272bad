#include "PriceBookSession.h"

#include "LongPathForm.h"
#include "MaterialSettings.h"
#include "PriceBookFile.h"
#include "ProgramFiles.h"

PriceBookSession::PriceBookSession(QString programFolder) : programFolder_(std::move(programFolder)) {}

QString PriceBookSession::scratchFile() const
{
    return ProgramFiles::scratchFile(programFolder_);
}

void PriceBookSession::LoadPriceBook(const QString& path)
{
    recordBase_ = ::LoadPriceBook(book, path, recordBaseCode);
}

void PriceBookSession::SavePriceBook(const QString& path)
{
    QString target = path;
    if (recordBaseCode != 11 && path == scratchFile() && chooseSaveName) {
        const QString chosen = chooseSaveName();
        if (!chosen.isEmpty())
            target = chosen;
    }
    if (target.isEmpty())
        return;
    WritePriceBookFile(target, book, recordBase_);
    currentPath = LongPathForm(target);
    modified = false;
}

void PriceBookSession::SwitchCategory(int category, const QString& path)
{
    const bool wasModified = modified;
    modified = false;
    try {
        LoadPriceBook(path);
    } catch (...) {
        // The old book stays loaded, so it is still the one a close may save.
        modified = wasModified;
        throw;
    }
    currentCategory = category;
    currentPath = path;
    currentMaterial = 0;
}

void PriceBookSession::SelectMaterial(int material)
{
    currentMaterial = material;
    LoadMaterial(work, book, material);
    followRatePricingSetting();
    currentSheet = 0;
    ComputeMaterialRows(target(), ratePricing);
    undoEnabled = false;
}

void PriceBookSession::followRatePricingSetting()
{
    // As the check box does: a setting that is neither on nor off leaves it.
    if (const std::optional<bool> checkBox = ControlsForMaterial(work).ratePricing)
        ratePricing = *checkBox;
}

void PriceBookSession::ChangeSheet(int sheet)
{
    currentSheet = sheet;
    computeShownSheet();
}

void PriceBookSession::computeShownSheet()
{
    ComputeSheetRows(target(), currentSheet, ratePricing);
}

void PriceBookSession::TakeUndoSnapshot()
{
    undoSet = work;
    undoEnabled = true;
}

void PriceBookSession::Undo()
{
    if (!undoEnabled)
        return;
    work = undoSet;
    currentSheet = 0;
    followRatePricingSetting();
    modified = true;
    ComputeMaterialRows(target(), ratePricing);
    undoEnabled = false;
}

void PriceBookSession::BasicDataClosed()
{
    currentSheet = 0;
    followRatePricingSetting();
    ComputeMaterialRows(target(), ratePricing);
    modified = true;
}

void PriceBookSession::RecomputeMaterial(const CapturedControls& controls)
{
    TakeUndoSnapshot();
    ratePricing = controls.ratePricing;
    ::RecomputeMaterial(target(), controls);
    modified = true;
}

void PriceBookSession::RepriceFromLevels(const RepriceChoices& choices)
{
    ::RepriceFromLevels(target(), choices, ratePricing);
    modified = true;
}

void PriceBookSession::StorePrice(int level, int line, Currency value)
{
    modified = true;
    TakeUndoSnapshot();
    for (int sheet = 0; sheet < Sheets; ++sheet)
        MaterialPrice(work.row(MaterialRowNumber(sheet, line)), level) = value;
    ComputeRow(target(), MaterialRowNumber(currentSheet, line), ratePricing);
}

void PriceBookSession::StoreRate(int rateColumn, int line, Currency value, bool fillDown)
{
    modified = true;
    TakeUndoSnapshot();
    const int last = fillDown ? PriceLines : line;
    for (int l = line; l <= last; ++l) {
        const int n = MaterialRowNumber(currentSheet, l);
        work.row(n).rate[static_cast<std::size_t>(rateColumn - 1)] = value;
        ComputeRow(target(), n, ratePricing);
    }
}

bool PriceBookSession::refrigerant() const
{
    return ConstMaterialSettings{work.settingsRow()}.refrigerantMode();
}

MaterialControls ControlsForMaterial(const WorkSet& work)
{
    const WorkRow& labourRow = work.labourRow();
    ConstMaterialSettings s{work.settingsRow()};
    MaterialControls c{};
    c.ratePriceStepItem = ItemForRatePriceStep(s.ratePriceStep());
    c.ratePriceDecimalItem = ItemForAddend(s.ratePriceDecimalAddend());
    c.ratePriceStepAddendItem = ItemForAddend(s.ratePriceStepAddend());
    if (s.ratePricingFlag() == Currency::fromUnits(1))
        c.ratePricing = true;
    else if (s.ratePricingFlag() == Currency())
        c.ratePricing = false;
    for (int level = Level1; level <= SubmissionLevels; ++level) {
        c.levelRates[static_cast<std::size_t>(level - 1)] = s.ratePercent(level).toDouble();
        c.levelLabour[static_cast<std::size_t>(level - 1)] = BaseLabourCost(labourRow, level).toDouble();
    }
    c.costRate = s.ratePercent(CostLevel).toDouble();
    c.costLabour = BaseLabourCost(labourRow, CostLevel).toDouble();
    return c;
}
