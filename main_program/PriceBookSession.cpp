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

void PriceBookSession::loadBook(const QString& path, int recordBaseCode)
{
    BookFingerprint fingerprint;
    recordBase_ = ::LoadPriceBook(book_, path, recordBaseCode, &fingerprint);
    knownFile_ = path;
    knownFingerprint_ = fingerprint;
    otherHolder_ = lock_.take(path);
    // The steps belong to the book that was replaced.
    drop(undo_);
    drop(redo_);
    version_ = savedVersion_ = ++lastVersion_;
}

void PriceBookSession::StartWithBlankScratchBook()
{
    work_ = WorkSet();
    currentPath_ = scratchFile();
    // One left blank by the last start is kept as it is: writing and
    // syncing it again took a tenth of the start-up. One holding prices goes
    // into its history first; when that fails it stays as it is, unlost.
    if (!HoldsBlankBook(scratchFile())) {
        try {
            KeepVersion(scratchFile(), QDateTime::currentDateTimeUtc());
            QFile::remove(scratchFile());
        } catch (const FileError& e) {
            historyFailure_ = FileError(scratchFile(), QStringLiteral("履歴に残せないため、作業用ファイルを空にしませんでした：%1 %2")
                                                           .arg(e.file(), e.reason()));
        }
    }
    loadBook(scratchFile(), UserFileRecordBaseCode);
    recordBaseCode_ = CategoryRecordBaseCode;
    currentMaterial_ = 0;
    currentSheet_ = 0;
    enabledPaste_.reset(); // nothing is copied yet
}

void PriceBookSession::ReloadCurrentBook()
{
    loadBook(currentPath_, recordBaseCode_);
}

bool PriceBookSession::changedByOthers(const QString& path) const
{
    return sameFile(path, knownFile_) && BookChangedSince(path, knownFingerprint_);
}

bool PriceBookSession::SavePriceBook(const QString& path)
{
    QString target = path;
    if (recordBaseCode_ != UserFileRecordBaseCode && path == scratchFile() && chooseSaveName) {
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
    HistorySave saved = SaveBookKeepingHistory(target, book_, recordBase_);
    knownFingerprint_ = saved.fingerprint;
    historyFailure_ = std::move(saved.historyFailure);
    if (!sameFile(target, knownFile_))
        otherHolder_ = lock_.take(target);
    knownFile_ = target;
    currentPath_ = LongPathForm(target);
    savedVersion_ = version_;
    return true;
}

void PriceBookSession::LoadUserFile(const QString& path)
{
    loadBook(path, UserFileRecordBaseCode);
    recordBaseCode_ = UserFileRecordBaseCode;
    currentPath_ = LongPathForm(path);
    currentMaterial_ = 0;
}

void PriceBookSession::SwitchCategory(int category, const QString& path)
{
    // On failure the old book stays loaded, so it is still the one a close
    // may save.
    loadBook(path, recordBaseCode_);
    currentCategory_ = category;
    currentPath_ = path;
    currentMaterial_ = 0;
}

void PriceBookSession::SelectMaterial(int material)
{
    currentMaterial_ = material;
    currentSheet_ = 0;
    MaterialSnapshot stored;
    snapshotInto(stored);
    try {
        SelectAndComputeMaterial(work_, book_, material, ratePricing_);
    } catch (...) {
        // Shown as stored, with nothing computed, rather than half computed.
        restore(stored);
        work_ = WorkSet();
        LoadMaterial(work_, book_, material);
        throw;
    }
}

void PriceBookSession::ChangeSheet(int sheet)
{
    currentSheet_ = sheet;
    // Computing a sheet refreshes computed values only: no step of its own.
    keptOnFailure([&] { ComputeSheetRows(target(), currentSheet_, ratePricing_); });
}

void PriceBookSession::snapshotInto(MaterialSnapshot& s) const
{
    s.material = currentMaterial_;
    s.work = work_;
    for (int n = 1; n <= RowsPerMaterial; ++n)
        s.bookRows[static_cast<std::size_t>(n - 1)] = book_.row(currentMaterial_, n);
    s.ratePricing = ratePricing_;
}

bool PriceBookSession::holds(const MaterialSnapshot& s) const
{
    // What a save writes is the book: the work set's own values follow from
    // its rows.
    if (s.material != currentMaterial_ || s.ratePricing != ratePricing_)
        return false;
    for (int n = 1; n <= RowsPerMaterial; ++n) {
        if (!(s.bookRows[static_cast<std::size_t>(n - 1)] == book_.row(currentMaterial_, n)))
            return false;
    }
    return true;
}

void PriceBookSession::restore(const MaterialSnapshot& saved)
{
    currentMaterial_ = saved.material;
    work_ = saved.work;
    for (int n = 1; n <= RowsPerMaterial; ++n)
        book_.row(currentMaterial_, n) = saved.bookRows[static_cast<std::size_t>(n - 1)];
    ratePricing_ = saved.ratePricing;
}

PriceBookSession::OtherMaterial PriceBookSession::rowsOf(int material) const
{
    OtherMaterial saved;
    saved.material = material;
    for (int n = 1; n <= RowsPerMaterial; ++n)
        saved.rows[static_cast<std::size_t>(n - 1)] = book_.row(material, n);
    return saved;
}

void PriceBookSession::putBack(const OtherMaterial& saved)
{
    for (int n = 1; n <= RowsPerMaterial; ++n)
        book_.row(saved.material, n) = saved.rows[static_cast<std::size_t>(n - 1)];
}

void PriceBookSession::keepStep()
{
    spare_->version = version_;
    undo_.push_back(std::move(spare_));
    if (undo_.size() > UndoDepth) {
        spare_ = std::move(undo_.front());
        undo_.pop_front();
    }
    drop(redo_);
    version_ = ++lastVersion_;
}

PriceBookSession::Step& PriceBookSession::spare()
{
    if (!spare_)
        spare_ = std::make_unique<Step>();
    return *spare_;
}

void PriceBookSession::drop(Steps& steps)
{
    if (!spare_ && !steps.empty())
        spare_ = std::move(steps.back());
    steps.clear();
}

void PriceBookSession::stepTo(Steps& from, Steps& to)
{
    if (from.empty())
        return;
    // A step of another material comes back where the user can see it.
    if (from.back()->state.material != currentMaterial_)
        SelectMaterial(from.back()->state.material);
    std::unique_ptr<Step> step = std::move(from.back());
    from.pop_back();
    Step& current = spare();
    snapshotInto(current.state);
    current.version = version_;
    current.others.clear();
    for (const OtherMaterial& other : step->others) {
        current.others.push_back(rowsOf(other.material));
        putBack(other);
    }
    // The snapshot holds computed rows: putting them back is the undo, and
    // computing them again could only change what the book held before.
    restore(step->state);
    version_ = step->version;
    currentSheet_ = 0;
    to.push_back(std::move(spare_));
    spare_ = std::move(step);
}

void PriceBookSession::Undo()
{
    stepTo(undo_, redo_);
}

void PriceBookSession::Redo()
{
    stepTo(redo_, undo_);
}

void PriceBookSession::CloseBasicData(const std::optional<BasicData>& stored)
{
    currentSheet_ = 0;
    // Stored or not, the book counts as changed, as it always did after the
    // dialog.
    asOneChange(
        [&] {
            // The dialog shows a significant-digit unit of 0 as 1, and the
            // material keeps what it showed.
            ShowBasicData(work_);
            if (stored)
                StoreBasicData(*stored, work_, book_, currentMaterial_);
            ratePricing_ = MaterialSettings{work_.settingsRow()}.ratePricingAfterSelect(ratePricing_);
            ComputeMaterialRows(target(), ratePricing_);
        },
        true);
}

void PriceBookSession::RecomputeMaterial(const CapturedControls& controls)
{
    asOneChange([&] {
        ratePricing_ = controls.ratePricing;
        ::RecomputeMaterial(target(), controls);
    });
}

void PriceBookSession::RepriceFromLevels(const RepriceChoices& choices)
{
    asOneChange([&] { ::RepriceFromLevels(target(), choices, ratePricing_); });
}

void PriceBookSession::StorePrice(int level, int line, Currency value)
{
    if (level < Level1 || level > ListLevel)
        throw std::out_of_range("a price table column is a level from 1 to 7");
    asOneChange([&] {
        for (int sheet = 0; sheet < Sheets; ++sheet)
            MaterialPrice(work_.row(MaterialRowNumber(sheet, line)), level) = value;
        // In sheet order, so that the first sheet's line mirrors its prices
        // into the others before they are computed.
        for (int sheet = 0; sheet < Sheets; ++sheet)
            ComputeRow(target(), MaterialRowNumber(sheet, line), ratePricing_);
    });
}

void PriceBookSession::StoreRate(int rateColumn, int line, Currency value, bool fillDown)
{
    asOneChange([&] {
        const int last = fillDown ? PriceLines : line;
        for (int l = line; l <= last; ++l) {
            const int n = MaterialRowNumber(currentSheet_, l);
            work_.row(n).rate[static_cast<std::size_t>(rateColumn - 1)] = value;
            ComputeRow(target(), n, ratePricing_);
        }
    });
}

bool PriceBookSession::refrigerant() const
{
    return ConstMaterialSettings{work_.settingsRow()}.refrigerantMode();
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
        c.levelLabour[static_cast<std::size_t>(level - 1)] = BaseLabourCost(labourRow, level);
    }
    c.costRate = s.ratePercent(CostLevel).toDouble();
    c.costLabour = BaseLabourCost(labourRow, CostLevel);
    return c;
}
