#pragma once

#include "PriceBookSession.h"
#include "ScriptedModalSeam.h"
#include "TFTANKAREGIST.h"
#include "Tkvconfig.h"

#include <QTemporaryDir>
#include <functional>
#include <memory>

class QAction;
class QDialog;
class QTreeWidgetItem;
class TStrColGrid;

// Answers a message box by clicking its button "button1" or "button2", and
// records its text in `texts` when given.
std::function<int(QDialog&)> Press(const char* button, QStringList* texts = nullptr);

// The main window on a program folder of its own: a temporary folder with
// the program file's name and a "kanzai" folder, the data file settings
// dialog of defaults, and every modal interaction answered by `seam`.
struct MainWindowProgram {
    struct Options {
        QString programName = QStringLiteral("kavrel");
        QString argument;
        // Writes books into the kanzai folder before the program starts.
        std::function<void(const QString& kanzai)> prepare;
        bool start = true;

        Options& named(const QString& name) { programName = name; return *this; }
        Options& withArgument(const QString& text) { argument = text; return *this; }
        Options& preparing(std::function<void(const QString& kanzai)> write) { prepare = std::move(write); return *this; }
        Options& started(bool yes) { start = yes; return *this; }
    };

    QTemporaryDir dir;
    ScriptedModalSeam seam;
    std::unique_ptr<TFTANKAREGIST> window;
    std::unique_ptr<Tkvconfig> config;
    QString programName;

    explicit MainWindowProgram(const Options& options);
    MainWindowProgram() : MainWindowProgram(Options()) {}
    virtual ~MainWindowProgram() = default;

    // Starts the window as the process start does, on the command line `argument`.
    void open(const QString& argument = QString());
    // Closes the window (the close question needs its answer) and drops it.
    void close();

    // The book of category 1..10 at its default place, in native form.
    QString book(int category) const;
    PriceBookSession& session() { return window->session(); }
    QAction* action(const char* name) const;
    QTreeWidgetItem* treeItem(int category, int material) const;
    // Clicks material m of category k in the tree.
    void clickTree(int category, int material);
    // Runs a menu item as the event loop does, so that its errors are
    // reported instead of thrown into the test.
    void run(const char* name);
    // Types into the open editor of a table cell.
    void typeInto(TStrColGrid* grid, int col, int row, const QString& text, bool keypad);
};
