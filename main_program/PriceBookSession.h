#pragma once

#include "Reprice.h"
#include "SettingsCapture.h"
#include "SheetTabs.h"

#include <QString>
#include <QStringList>
#include <array>
#include <functional>

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

    // Replaces the book with the file's (created blank when missing). On
    // failure nothing changes and FileError is thrown.
    void LoadPriceBook(const QString& path);
    // Writes the book; the scratch file may be renamed through chooseSaveName.
    // A file changed on disk since it was loaded or saved is replaced only
    // when confirmOverwriteChanged agrees; otherwise nothing is written, the
    // book stays modified and CommandCancelled is thrown.
    void SavePriceBook(const QString& path);

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

    bool refrigerant() const;
    MaterialInBook target() { return {work, book, currentMaterial}; }

private:
    MaterialSnapshot snapshot() const;
    void restore(const MaterialSnapshot& saved);
    template <typename Change>
    void asOneChange(Change&& change);

    bool changedByOthers(const QString& path) const;

    QString programFolder_;
    std::int64_t recordBase_ = 0;
    // The file whose bytes the book last matched on disk, and their fingerprint.
    QString knownFile_;
    QByteArray knownFingerprint_;
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
