#pragma once

#include "BasicData.h"
#include "BookHistory.h"
#include "BookLock.h"
#include "ClipCommands.h"
#include "PriceBookFile.h"
#include "PriceRevision.h"
#include "Reprice.h"
#include "SettingsCapture.h"
#include "SheetTabs.h"

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <utility>

// One material as an undo or redo puts it back: its working rows, its 60 rows
// in the book and the rate pricing state they were computed with.
struct MaterialSnapshot {
    int material = 0;
    WorkSet work;
    std::array<PriceRow, RowsPerMaterial> bookRows{};
    bool ratePricing = false;

    bool operator==(const MaterialSnapshot&) const = default;
};

// The price book the main window works on and everything it knows about it:
// the loaded category and file, the material in the work set, the undo and
// redo steps and whether the book differs from its file. Window-free, so that
// every command can be driven and tested without a window. The state is read
// through the accessors and changed only through the commands.
class PriceBookSession {
public:
    // How many changes undo can go back; a material is about 67 kB.
    static constexpr std::size_t UndoDepth = 200;

    explicit PriceBookSession(QString programFolder);

    // Asked when a save goes to the scratch file while loads number records
    // from 0; returns the chosen name, or an empty text for "keep the scratch
    // file".
    std::function<QString()> chooseSaveName;
    // Asked before a save replaces the file last loaded or saved when its
    // bytes changed on disk since (another user saved it); true overwrites.
    // Without it such a save is refused.
    std::function<bool(const QString& path)> confirmOverwriteChanged;

    const QString& programFolder() const { return programFolder_; }
    QString scratchFile() const;

    const PriceBook& book() const { return book_; }
    const WorkSet& work() const { return work_; }
    int currentCategory() const { return currentCategory_; }
    int currentMaterial() const { return currentMaterial_; }
    int currentSheet() const { return currentSheet_; }
    const QString& currentPath() const { return currentPath_; } // in its long form
    // The rate pricing check box of the window, which the computation follows.
    bool ratePricing() const { return ratePricing_; }
    // 11 once a file the user chose is loaded: saves then number records
    // from 13200; 0 otherwise.
    int recordBaseCode() const { return recordBaseCode_; }
    // True while the book differs from what was last loaded or saved: every
    // change counts, and an undo back to the saved state takes it back.
    bool modified() const { return version_ != savedVersion_; }
    bool canUndo() const { return !undo_.empty(); }
    bool canRedo() const { return !redo_.empty(); }
    // The copy buffer, which outlives material and category changes and the
    // loading of another file, and the one paste the last copy allows.
    const ClipSet& clipSet() const { return clipSet_; }
    bool pasteEnabled(CopyKind kind) const { return enabledPaste_ == kind; }
    bool refrigerant() const;
    // Who else had the book open when it was loaded or saved under a new
    // name, told once: the next call answers nothing until another load.
    std::optional<LockHolder> TakeLockNotice() { return std::exchange(otherHolder_, std::nullopt); }
    // A save that could not keep the version it replaced in the book's
    // history (the save itself went through), told once.
    std::optional<FileError> TakeHistoryFailure() { return std::exchange(historyFailure_, std::nullopt); }

    // The start: an empty work set, nothing to undo or paste, and the scratch
    // book loaded blank (numbered as the user's own files are, then reloaded
    // by the caller's first load).
    void StartWithBlankScratchBook();
    // Loads the file of the current path again, numbering records from 0.
    void ReloadCurrentBook();
    // Writes the book; the scratch file may be renamed through chooseSaveName.
    // Returns false when no name was left to write to. A failed write throws
    // FileError and leaves the path and `modified` as they were. A file
    // changed on disk since it was loaded or saved is replaced only when
    // confirmOverwriteChanged agrees; otherwise nothing is written, the book
    // stays modified and CommandCancelled is thrown.
    bool SavePriceBook(const QString& path);
    bool SaveCurrentBook() { return SavePriceBook(currentPath_); }

    // Loads a file the user chose in place of the current category's book;
    // from then on loads number records from 13200. Only a load that
    // succeeded changes the path, the record base and `modified`; the caller
    // then selects material 1.
    void LoadUserFile(const QString& path);

    // Loads category k's book from `path`; the category, path and book change
    // together, and only when the load succeeded.
    void SwitchCategory(int category, const QString& path);
    // Loads material m into the work set, shows its first sheet, takes its
    // rate pricing setting and computes rows 1 to 59. When a value does not
    // fit, the material stays as stored, with nothing computed, and the
    // error is rethrown.
    void SelectMaterial(int material);
    // Shows another sheet and computes it.
    void ChangeSheet(int sheet);
    // Shows another sheet as it is, as the tabs do for a material that has
    // fewer sheets than the one shown before.
    void ShowSheet(int sheet) { currentSheet_ = sheet; }

    // Undo puts the material changed last back as it was before the change
    // (selecting it first when another one is shown) and shows its first
    // sheet; redo does the change again. Each does nothing without a step.
    void Undo();
    void Redo();

    // The commands that change data; each is one undoable step, computes
    // what it changed and counts as a change of the book. One that fails (a
    // value that does not fit, a text that is no number) leaves the work set,
    // the book, the steps and `modified` as they were, and rethrows.
    void RecomputeMaterial(const CapturedControls& controls);
    void RepriceFromLevels(const RepriceChoices& choices);
    // Stores a price of level 1..7 into the line of all four sheets and
    // computes each of them.
    void StorePrice(int level, int line, Currency value);
    void StoreRate(int rateColumn, int line, Currency value, bool fillDown);
    // What follows the basic data dialog: with data, stores it into the
    // current material; stored or not, the material is shown on its first
    // sheet, its rows 1 to 59 are computed and the book counts as changed.
    void CloseBasicData(const std::optional<BasicData>& stored);

    // The copy commands: they change no data and allow their own paste only.
    void Copy(CopyKind kind);
    // Pastes the buffer into the current material or sheet and computes it;
    // one whose copy was not the last does nothing. A paste that writes the
    // settings line takes its rate pricing state, as a selection does.
    void Paste(CopyKind kind);
    // The fill of sheets 2 to 4 from the first one, and the same for unit
    // prices only (which also allows no paste any more). Each shows the
    // material again as on selection.
    void FillFromFirstSheet();
    void CopyUnitPricesFromFirstSheet();
    // Clears the material in the book and the work set and computes it.
    void ClearMaterial();
    // Stores a revision's new prices into every material it names, as typing
    // them would, in one step that one undo takes back whole; the material
    // shown is shown again as on selection. One that fails changes nothing.
    void ApplyRevision(const std::vector<LinePriceChange>& changes);
    // Puts a kept version of the book (or any book file) in place of the
    // loaded one, marked modified, so that the user saves it deliberately;
    // the path stays the loaded book's. Nothing changes when it cannot be read.
    void RestoreVersion(const QString& versionFile);

private:
    // A material as it was, and the book's version then. Steps are kept by
    // pointer and reused, so that a change copies its material once.
    // The book rows of a material other than the one shown, for a change
    // that reaches several.
    struct OtherMaterial {
        int material = 0;
        std::array<PriceRow, RowsPerMaterial> rows{};
    };
    struct Step {
        MaterialSnapshot state;
        std::vector<OtherMaterial> others;
        std::uint64_t version = 0;
    };
    using Steps = std::deque<std::unique_ptr<Step>>;

    MaterialInBook target() { return {work_, book_, currentMaterial_}; }
    // A new book: nothing to undo or redo, and it matches its file.
    void loadBook(const QString& path, int recordBaseCode);
    void snapshotInto(MaterialSnapshot& s) const;
    OtherMaterial rowsOf(int material) const;
    void putBack(const OtherMaterial& saved);
    void restore(const MaterialSnapshot& saved);
    // Whether the current material is exactly as the snapshot holds it.
    bool holds(const MaterialSnapshot& s) const;
    void stepTo(Steps& from, Steps& to);
    // The step that the next change fills, made or taken from a dropped one.
    Step& spare();
    void drop(Steps& steps);
    // Keeps the step filled by the change just made: no redo is left.
    void keepStep();
    // Runs a change that leaves the material as it was when it throws;
    // returns the material as it was before.
    template <typename Change>
    MaterialSnapshot& keptOnFailure(Change&& change);
    // Runs a data-changing command as one undoable step: when it throws, the
    // material (work set and book) is put back and nothing else changed; when
    // it changed nothing, no step is kept.
    template <typename Change>
    void asOneChange(Change&& change, bool alwaysCounts = false);
    // Changes the material in the book, then shows it again as on selection.
    template <typename Change>
    void changeAndReselect(Change&& change);

    bool changedByOthers(const QString& path) const;

    QString programFolder_;
    PriceBook book_;
    WorkSet work_;
    int currentCategory_ = 0;
    int currentMaterial_ = 0;
    int currentSheet_ = 0;
    QString currentPath_;
    bool ratePricing_ = false;
    ClipSet clipSet_;
    std::optional<CopyKind> enabledPaste_;

    int recordBaseCode_ = CategoryRecordBaseCode;
    std::int64_t recordBase_ = 0;
    // The file whose bytes the book last matched on disk, and their fingerprint.
    QString knownFile_;
    QByteArray knownFingerprint_;

    Steps undo_;
    Steps redo_;
    // Every change gives the book a new version; it is modified while its
    // version is not the one last loaded or saved.
    std::uint64_t version_ = 0;
    std::uint64_t savedVersion_ = 0;
    std::uint64_t lastVersion_ = 0;
    std::unique_ptr<Step> spare_; // the material before the change under way
    BookLock lock_;
    std::optional<LockHolder> otherHolder_;
    std::optional<FileError> historyFailure_;
};

// What the setting controls show for the material in the work set; the rate
// pricing check box shows the session's `ratePricing`.
struct MaterialControls {
    int ratePriceStepItem;       // NoItem: leave the combo box as it is
    int ratePriceDecimalItem;
    int ratePriceStepAddendItem;
    std::array<double, SubmissionLevels> levelRates;
    double costRate;
    std::array<Currency, SubmissionLevels> levelLabour;
    Currency costLabour;
};

MaterialControls ControlsForMaterial(const WorkSet& work);

template <typename Change>
MaterialSnapshot& PriceBookSession::keptOnFailure(Change&& change)
{
    spare().others.clear();
    MaterialSnapshot& before = spare().state;
    snapshotInto(before);
    try {
        change();
    } catch (...) {
        restore(before);
        throw;
    }
    return before;
}

template <typename Change>
void PriceBookSession::asOneChange(Change&& change, bool alwaysCounts)
{
    // The state before the change is copied once (a material is 67 kB) into
    // the step it becomes.
    const MaterialSnapshot& before = keptOnFailure(std::forward<Change>(change));
    if (!alwaysCounts && holds(before))
        return;
    keepStep();
}
