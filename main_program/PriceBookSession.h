#pragma once

#include "ClipCommands.h"
#include "Reprice.h"
#include "SettingsCapture.h"
#include "SheetTabs.h"

#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <optional>

// What an undo puts back: the material's working rows, its 60 rows in the
// book and the rate pricing state they were computed with.
struct MaterialSnapshot {
    WorkSet work;
    std::array<PriceRow, RowsPerMaterial> bookRows{};
    bool ratePricing = false;

    bool operator==(const MaterialSnapshot&) const = default;
};

// The price book the main window works on and everything it knows about it:
// the loaded category and file, the material in the work set, the undo
// snapshot and the modified flag. Window-free, so that every command can be
// driven and tested without a window.
class PriceBookSession {
public:
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

    PriceBook book;
    WorkSet work;
    MaterialSnapshot undoSet;
    bool undoEnabled = false;
    bool modified = false;
    int currentCategory = 0;
    int pendingCategory = 0;
    int currentMaterial = 0;
    int currentSheet = 0;
    QString currentPath;   // in its long form
    int recordBaseCode = 0;
    // The rate pricing check box of the window, which the computation follows.
    bool ratePricing = false;

    // The copy buffer and the one paste the last copy allows. Both outlive
    // material and category changes and the loading of another file.
    ClipSet clipSet;
    std::optional<CopyKind> enabledPaste;

    // Replaces the book with the file's (created blank when missing). On
    // failure nothing changes and FileError is thrown.
    void LoadPriceBook(const QString& path);
    // Loads the scratch book blank, as every start does.
    void LoadBlankScratchBook();
    // Writes the book; the scratch file may be renamed through chooseSaveName.
    // Returns false when no name was left to write to. A failed write throws
    // FileError and leaves the path and `modified` as they were. A file
    // changed on disk since it was loaded or saved is replaced only when
    // confirmOverwriteChanged agrees; otherwise nothing is written, the book
    // stays modified and CommandCancelled is thrown.
    bool SavePriceBook(const QString& path);

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
    void ChangeSheet(int sheet);

    void TakeUndoSnapshot();
    // Puts the material, in the work set and in the book, back exactly as the
    // snapshot holds it, and shows the first sheet.
    void Undo();

    // What follows the basic data dialog, whether it stored or not: the
    // current material is shown on its first sheet, its rows 1 to 59 are
    // computed and the book counts as modified.
    void BasicDataClosed();

    // The commands that change data; each takes the undo snapshot first,
    // computes what it changed and sets `modified`. One that fails (a value
    // that does not fit, a text that is no number) leaves the work set, the
    // book, the undo snapshot and `modified` as they were, and rethrows.
    void RecomputeMaterial(const CapturedControls& controls);
    void RepriceFromLevels(const RepriceChoices& choices); // snapshot taken by the caller
    // Stores a price of level 1..7 into the line of all four sheets and
    // computes each of them.
    void StorePrice(int level, int line, Currency value);
    void StoreRate(int rateColumn, int line, Currency value, bool fillDown);

    // The copy commands: they change no data and allow their own paste only.
    void Copy(CopyKind kind);
    bool pasteEnabled(CopyKind kind) const { return enabledPaste == kind; }
    // Pastes the buffer into the current material or sheet and computes it;
    // one whose copy was not the last does nothing. A paste that writes the
    // settings line takes its rate pricing state, as a selection does.
    void Paste(CopyKind kind);
    // The fill of sheets 2 to 4 from the first one, and the same for unit
    // prices only (which also allows no paste any more). Each shows the
    // material again as on selection, so neither can be undone.
    void FillFromFirstSheet();
    void CopyUnitPricesFromFirstSheet();
    // Clears the material in the book and the work set and computes it.
    void ClearMaterial();

    bool refrigerant() const;
    MaterialInBook target() { return {work, book, currentMaterial}; }

private:
    void snapshotInto(MaterialSnapshot& s) const;
    void restore(const MaterialSnapshot& saved);
    enum class UndoStep { None, Taken };
    template <typename Change>
    void asOneChange(UndoStep undo, Change&& change);
    // Changes the material in the book, then shows it again as on selection.
    template <typename Change>
    void changeAndReselect(Change&& change);

    bool changedByOthers(const QString& path) const;

    QString programFolder_;
    std::int64_t recordBase_ = 0;
    // The file whose bytes the book last matched on disk, and their fingerprint.
    QString knownFile_;
    QByteArray knownFingerprint_;
    MaterialSnapshot before_; // the material before the change under way
};

// What the setting controls show for the material in the work set; the rate
// pricing check box shows the session's `ratePricing`.
struct MaterialControls {
    int ratePriceStepItem;       // NoItem: leave the combo box as it is
    int ratePriceDecimalItem;
    int ratePriceStepAddendItem;
    std::array<double, SubmissionLevels> levelRates;
    double costRate;
    std::array<double, SubmissionLevels> levelLabour;
    double costLabour;
};

MaterialControls ControlsForMaterial(const WorkSet& work);

// Runs a data-changing command as one change: when it throws, the material
// (work set and book), `modified` and the undo state are put back. The state
// before the change is copied once (a material is 67 KB) into a buffer kept
// from change to change; with UndoStep::Taken it becomes the undo snapshot
// when the change succeeds.
template <typename Change>
void PriceBookSession::asOneChange(UndoStep undo, Change&& change)
{
    snapshotInto(before_);
    const bool wasModified = modified;
    const bool undoWasEnabled = undoEnabled;
    if (undo == UndoStep::Taken)
        undoEnabled = true;
    try {
        change();
    } catch (...) {
        restore(before_);
        modified = wasModified;
        undoEnabled = undoWasEnabled;
        throw;
    }
    if (undo == UndoStep::Taken)
        undoSet = before_;
}
