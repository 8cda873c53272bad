#include "PriceBookSession.h"

#include "CommandCancelled.h"
#include "LongPathForm.h"
#include "MaterialSettings.h"
#include "PriceBookFile.h"
#include "ProgramFiles.h"

#include <QFile>
#include <QFileInfo>

#include <stdexcept>

namespace {

bool sameFile(const QString& a, const QString& b)
{
    const QString canonical = QFileInfo(a).canonicalFilePath();
    return !canonical.isEmpty() && canonical == QFileInfo(b).canonicalFilePath();
}

} // namespace

PriceBookSession::PriceBookSession(QString programFolder) : programFolder_(std::move(programFolder)) {}

QString PriceBookSession::scratchFile() const
{
    return ProgramFiles::scratchFile(programFolder_);
}

void PriceBookSession::LoadPriceBook(const QString& path)
{
    BookFingerprint fingerprint;
    recordBase_ = ::LoadPriceBook(book, path, recordBaseCode, &fingerprint);
    knownFile_ = path;
    knownFingerprint_ = fingerprint;
}

void PriceBookSession::LoadBlankScratchBook()
{
    // One left blank by the last start is kept as it is: writing and
    // syncing it again took a tenth of the start-up.
    if (!HoldsBlankBook(scratchFile()))
        QFile::remove(scratchFile());
    LoadPriceBook(scratchFile());
}

bool PriceBookSession::changedByOthers(const QString& path) const
{
    return sameFile(path, knownFile_) && BookChangedSince(path, knownFingerprint_);
}

bool PriceBookSession::SavePriceBook(const QString& path)
{
    QString target = path;
    if (recordBaseCode != 11 && path == scratchFile() && chooseSaveName) {
        const QString chosen = chooseSaveName();
        if (!chosen.isEmpty())
            target = chosen;
    }
    if (target.isEmpty())
        return false;
    // The last save wins on a shared folder: a colleague's save since our
    // load is only replaced when the user says so.
    if (changedByOthers(target) && !(confirmOverwriteChanged && confirmOverwriteChanged(target)))
        throw CommandCancelled();
    knownFingerprint_ = WritePriceBookFile(target, book, recordBase_);
    knownFile_ = target;
    currentPath = LongPathForm(target);
    modified = false;
    return true;
}

void PriceBookSession::LoadUserFile(const QString& path)
{
    const int codeBefore = recordBaseCode;
    recordBaseCode = 11;
    try {
        LoadPriceBook(path);
    } catch (...) {
        recordBaseCode = codeBefore;
        throw;
    }
    currentPath = LongPathForm(path);
    modified = false;
    currentMaterial = 0;
    undoEnabled = false; // the snapshot belongs to the book that was replaced
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
    undoEnabled = false; // the snapshot belongs to the book that was replaced
}

void PriceBookSession::SelectMaterial(int material)
{
    currentMaterial = material;
    currentSheet = 0;
    undoEnabled = false;
    MaterialSnapshot stored;
    snapshotInto(stored);
    try {
        SelectAndComputeMaterial(work, book, material, ratePricing);
    } catch (...) {
        // Shown as stored, with nothing computed, rather than half computed.
        restore(stored);
        work = WorkSet();
        LoadMaterial(work, book, material);
        throw;
    }
}

void PriceBookSession::ChangeSheet(int sheet)
{
    currentSheet = sheet;
    asOneChange(UndoStep::None, [&] { ComputeSheetRows(target(), currentSheet, ratePricing); });
}

void PriceBookSession::snapshotInto(MaterialSnapshot& s) const
{
    s.work = work;
    for (int n = 1; n <= RowsPerMaterial; ++n)
        s.bookRows[static_cast<std::size_t>(n - 1)] = book.row(currentMaterial, n);
    s.ratePricing = ratePricing;
}

void PriceBookSession::restore(const MaterialSnapshot& saved)
{
    work = saved.work;
    for (int n = 1; n <= RowsPerMaterial; ++n)
        book.row(currentMaterial, n) = saved.bookRows[static_cast<std::size_t>(n - 1)];
    ratePricing = saved.ratePricing;
}

void PriceBookSession::TakeUndoSnapshot()
{
    snapshotInto(undoSet);
    undoEnabled = true;
}

void PriceBookSession::Undo()
{
    if (!undoEnabled)
        return;
    // The snapshot holds computed rows: putting them back is the undo, and
    // computing them again could only change what the book held before.
    restore(undoSet);
    currentSheet = 0;
    modified = true;
    undoEnabled = false;
}

void PriceBookSession::BasicDataClosed()
{
    currentSheet = 0;
    try {
        ratePricing = MaterialSettings{work.settingsRow()}.ratePricingAfterSelect(ratePricing);
        ComputeMaterialRows(target(), ratePricing);
    } catch (...) {
        // What the dialog stored cannot be computed: the material goes back
        // to what it was before the dialog opened.
        restore(undoSet);
        throw;
    }
    modified = true;
}

void PriceBookSession::RecomputeMaterial(const CapturedControls& controls)
{
    asOneChange(UndoStep::Taken, [&] {
        ratePricing = controls.ratePricing;
        ::RecomputeMaterial(target(), controls);
        modified = true;
    });
}

void PriceBookSession::RepriceFromLevels(const RepriceChoices& choices)
{
    asOneChange(UndoStep::None, [&] {
        ::RepriceFromLevels(target(), choices, ratePricing);
        modified = true;
    });
}

void PriceBookSession::StorePrice(int level, int line, Currency value)
{
    if (level < Level1 || level > ListLevel)
        throw std::out_of_range("a price table column is a level from 1 to 7");
    asOneChange(UndoStep::Taken, [&] {
        modified = true;
        for (int sheet = 0; sheet < Sheets; ++sheet)
            MaterialPrice(work.row(MaterialRowNumber(sheet, line)), level) = value;
        // In sheet order, so that the first sheet's line mirrors its prices
        // into the others before they are computed.
        for (int sheet = 0; sheet < Sheets; ++sheet)
            ComputeRow(target(), MaterialRowNumber(sheet, line), ratePricing);
    });
}

void PriceBookSession::StoreRate(int rateColumn, int line, Currency value, bool fillDown)
{
    asOneChange(UndoStep::Taken, [&] {
        modified = true;
        const int last = fillDown ? PriceLines : line;
        for (int l = line; l <= last; ++l) {
            const int n = MaterialRowNumber(currentSheet, l);
            work.row(n).rate[static_cast<std::size_t>(rateColumn - 1)] = value;
            ComputeRow(target(), n, ratePricing);
        }
    });
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
    for (int level = Level1; level <= SubmissionLevels; ++level) {
        c.levelRates[static_cast<std::size_t>(level - 1)] = s.ratePercent(level).toDouble();
        c.levelLabour[static_cast<std::size_t>(level - 1)] = BaseLabourCost(labourRow, level).toDouble();
    }
    c.costRate = s.ratePercent(CostLevel).toDouble();
    c.costLabour = BaseLabourCost(labourRow, CostLevel).toDouble();
    return c;
}
