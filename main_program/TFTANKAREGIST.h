#pragma once

#include "DataFileConfig.h"
#include "DisplaySettings.h"
#include "GuardedApplication.h"
#include "MaterialExport.h"
#include "PriceBookSession.h"
#include "BookDiff.h"
#include "RevisionDialog.h"
#include "TableRows.h"

#include <QColor>
#include <QMainWindow>
#include <array>
#include <functional>
#include <optional>

class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QPushButton;
class QStatusBar;
class QTabBar;
class QTabWidget;
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;
class TCheckGroupBox;
class TGradPan;
class TIconButton;
class TNValEdit;
class ColumnFit;
class TStrColGrid;
class Tkvconfig;

// The price book manager's main window. Controls are named members; the
// handlers are short and call the session and the table texts.
class TFTANKAREGIST : public QMainWindow {
    Q_OBJECT

public:
    TFTANKAREGIST(const QString& programFilePath, const QStringList& arguments, QWidget* parent = nullptr);
    ~TFTANKAREGIST() override;

    // The data file settings dialog lives as long as the window (created
    // after it, as the process start does).
    void setConfigDialog(Tkvconfig* dialog) { kvconfig_ = dialog; }
    // Where the print program is, when not in the program folder (an installed package).
    void setProgramsFolder(const QString& folder) { programsFolder_ = folder; }

    PriceBookSession& session() { return session_; }
    int edition() const { return edition_; }

    // Controls, by their form names.
    TGradPan* title_panel = nullptr;
    QLabel* label9 = nullptr;
    TIconButton* IconButton11 = nullptr;
    QWidget* top_panel = nullptr;
    QLabel* kanname = nullptr;
    QPushButton* user_sel = nullptr;
    QTreeWidget* TreeView1 = nullptr;
    QTabBar* TabControl1 = nullptr;
    TStrColGrid* StrColGrid1 = nullptr;
    QTabWidget* PageControl1 = nullptr;
    TStrColGrid* StrColGrid2 = nullptr;
    TStrColGrid* StrColGrid3 = nullptr;
    TCheckGroupBox* CheckGroupBox1 = nullptr;
    std::array<TNValEdit*, 5> avr{};  // avr_1 … avr_5
    TNValEdit* avr_N = nullptr;
    QComboBox* ComboBox1 = nullptr;
    QComboBox* ComboBox2 = nullptr;
    QComboBox* ComboBox3 = nullptr;
    std::array<TNValEdit*, 5> GPAYDAY{}; // GPAYDAY1 … GPAYDAY5
    TNValEdit* GPAYDAY_N = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    std::array<QLabel*, 6> statusPanels{};

    // Menu items that the handlers change.
    QAction* file_read = nullptr;
    QAction* SaveAs = nullptr;
    QAction* N1 = nullptr;
    QAction* N2 = nullptr;
    QAction* redoItem = nullptr; // "やり直し"
    QAction* N21 = nullptr;
    QAction* N30 = nullptr;
    QAction* N34 = nullptr;
    QAction* N50 = nullptr;
    QAction* title_bar = nullptr;
    QAction* top_bar = nullptr;
    QAction* tree_list = nullptr;
    QAction* status_bar = nullptr;
    QAction* item_paste_5 = nullptr;
    QAction* N22 = nullptr;
    QMenu* net_work = nullptr;
    std::array<QMenu*, CategoryCount> categoryMenus{};                    // x1, x22, … x190
    std::array<std::array<QAction*, Materials>, CategoryCount> materialItems{};  // x2 …
    std::array<QAction*, PasteItems> pasteItems{}; // all_paste_1..4, item_paste_1..4

    // The cell last changed through the editor, one per editable table, so
    // that a key in one table never stores a cell of the other.
    struct EditCell {
        int col = 4;
        int row = 1;
    };
    EditCell labourEdit; // StrColGrid1
    EditCell priceEdit;  // StrColGrid2

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Every handler runs its command here: an error that ends it is reported
    // through the modal seam, and the edit menus follow the session after it.
    template <typename Command>
    void runCommand(Command&& command)
    {
        RunCommand(this, command);
        tellSessionNotices();
        updateUndoItem();
        updatePasteItems();
    }
    // A handler for a signal or hook that runs `command` through runCommand.
    template <typename Command>
    auto handler(Command command)
    {
        return [this, command] { runCommand(command); };
    }

    // Building the window.
    void buildControls();
    QWidget* buildSideControls();
    void buildMenus();
    void buildCategoryMenu(QMenu* menu);

    // Start-up and shutdown.
    void StartUp();
    void readDisplaySettings();
    void applyAreaVisibility();
    // Gives the tables up to `pixels` of the tree's width, down to what its
    // category names need.
    void narrowTree(int pixels);
    DisplaySettings currentDisplaySettings() const;
    void writeSettingsFiles();
    void placeWindow();
    // Once the frame is known, sizes the window so that its outer size is
    // the one read from the window position file.
    void fitOuterSize();

    // Navigation.
    void SelectMaterial(int material);
    // The material in the work set as a selection shows it: the tables
    // cleared and refilled, its settings and its first sheet.
    void showSelectedMaterial();
    void SwitchCategory(int category);
    void ShowMaterialSettings();
    // What the material's mode, sheet names and header texts show: the
    // labour headings, the sheet tabs with `sheet` selected (the first when
    // the material has fewer), the fill item, the caption and status panels.
    void showMaterialLook(int sheet);
    void showSettingControls();
    void LoadCategoryLabels(int category, const QString& path);
    // Runs `use` on the path of category k's price book; a failure, or a
    // category the configuration gives no file, is told as the category's.
    void withCategoryBook(int category, const std::function<void(const QString& path)>& use);
    void RefreshMaterialLabels(int first, int last);
    void setMaterialLabel(int category, int material, const QString& label);
    // The save question before the loaded book is replaced or closed.
    void askToSave();
    void clearTables();
    void showMaterialCaption();
    void TabControl1Change(int sheet);
    void TreeView1Click(QTreeWidgetItem* item);
    void TreeView1Rename(QTreeWidgetItem* item);
    void materialItemClick(int material);
    void renameGroup(int category);
    // The name of a category in the tree, the category menu and the data
    // file configuration, which is saved.
    void RenameCategory(int category, const QString& name);

    // Tables.
    TableModes tableModes() const;
    void ShowLabourRow(int n);
    void ShowPriceRow(int r);
    void showLabourRows();
    void showPriceRows();
    void markCurrentRow(int row);
    void currentRowChanged(TStrColGrid* moved, int row);
    void StrColGrid1Click();
    void StrColGrid2Click();
    void StrColGrid3Click();
    void StrColGrid1KeyDown(int& key, Qt::KeyboardModifiers shift);
    void StrColGrid2KeyDown(int& key, Qt::KeyboardModifiers shift);
    bool editorKey(TStrColGrid* grid, int& key, Qt::KeyboardModifiers shift, bool& store);
    void moveEditRowDown(TStrColGrid* grid, EditCell& cell);
    void showLevel(int level);
    void adjustColumnWidths(TStrColGrid* grid, const QString& prompt, int lastColumn);
    // The user set columns of `grid`: their widths stand, unfitted.
    void columnsSetByHand(TStrColGrid* grid);

    // Side controls and commands.
    CapturedControls capturedControls() const;
    void RecomputeMaterial();
    void CheckGroupBox1Click();
    void gpaydayEnter(int index);
    void user_selClick();
    void unitPriceCalcClick();

    // Copy, paste, fill, clear and undo.
    void copyClick(CopyKind kind);
    void pasteClick(CopyKind kind);
    void item_paste_5Click();
    void item_copy_5Click();
    void N22Click();
    void N2Click();
    void redoClick();
    // Undo or redo, then the material it changed as a selection shows it.
    void stepClick(void (PriceBookSession::*step)());
    // "価格表の取込…", "定価の一括改定…": the revision previewed, then stored as one step.
    void reviseBook(RevisionDialog::Mode mode);
    // "履歴から復元…": a kept version in place of the book, marked modified.
    void restoreFromHistory();
    // "ほかのファイルと比較…": the differences listed; one chosen is shown in
    // the tables, its material's and sheet's differing cells marked until the
    // next selection.
    void compareWithFile();
    void markDifferences(int material, int sheet, const std::vector<BookDifference>& differences);
    void clearMarks();
    void updateUndoItem();
    // What the session has to tell after a command: once per load, that
    // another user has the book open; after a save, a history it could not keep.
    void tellSessionNotices();
    // The paste items mirror the one paste the session allows.
    void updatePasteItems();
    // After a paste, a clear or an undo: the material's look on the current
    // sheet, its table rows and its label; the setting controls when asked.
    void showChangedMaterial(bool settingControls);

    // File and help commands.
    void file_readClick();
    void SaveAsClick();
    void N1Click();
    void IconButton11Click();
    void N23Click();
    void N13Click();
    void showStatusPath();

    // Output: the CSV file, the clipboard and the print job. The level
    // dialog's choice moves the price table's selection; the export text
    // and the level come back only when the user confirmed them.
    struct Export {
        QString text;
        int level;
        ExportChoices choices;
    };
    std::optional<Export> exportMaterial(ExportMode mode);
    // A file export: the level dialog, the save dialog in the folder of the
    // last export, `write`, and the notice with the path.
    void exportToFile(const QString& filter, const QString& suffix, const QString& done,
                      const std::function<void(const Export&, const QString&)>& write);
    void CSV1Click();
    // The same material as an XLSX workbook, one worksheet a sheet.
    void workbookClick();
    void N19Click();
    void N8Click();

    PriceBookSession session_;
    QString programFilePath_;
    QString programFolder_;  // the data folder: settings files, books, print jobs
    QString programsFolder_; // where the other programs are; the same unless installed
    QStringList arguments_;
    int edition_ = 0;
    bool started_ = false;
    // The cells a comparison marked, with the colour each had before.
    struct CellMark {
        TStrColGrid* grid = nullptr;
        int col = 0;
        int row = 0;
        bool coloured = false;
        QColor colour;
    };
    std::vector<CellMark> marks_;
    bool scratchNoticeShown_ = false; // told once a session that the scratch book is blanked at each start
    // Settings files that were there at start-up but could not be read: the
    // close leaves them as they are rather than replace what it never saw.
    QStringList unreadableSettings_;
    bool displayUpdating_ = false;
    bool followingRow_ = false;
    QSize outerSize_;    // as read from the window position file, else the work area
    QSize unfittedSize_; // the client size until the outer size is fitted
    int pendingCategory_ = 0; // the category whose menu was opened last
    int treeWidth_ = DisplaySettings().treeWidth; // the tree's width while it is hidden
    std::optional<int> treeWanted_; // the tree's width before it was narrowed for the tables
    // The column widths of StrColGrid1, 2 and 3 as set, and as fitted to the tables.
    std::array<ColumnFit*, 3> columnFits_{};
    std::array<QString, CategoryCount> categoryPaths_;
    Tkvconfig* kvconfig_ = nullptr;
};
