#include "TFTANKAREGIST.h"

#include "ApplicationTitle.h"
#include "ColumnFit.h"
#include "CommandCancelled.h"
#include "FileError.h"
#include "LongPathForm.h"
#include "ModalSeam.h"
#include "ProfileFile.h"
#include "ProgramFiles.h"
#include "SettingsLines.h"
#include "StartupArguments.h"
#include "TGradPan.h"
#include "TStrColGrid.h"
#include "Tkvconfig.h"
#include "ValueOverflow.h"

#include <QCloseEvent>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QTreeWidget>
#include <algorithm>

namespace {

const QString PositionSection = QStringLiteral("zelvorit_k");
// The smallest outer width or height a stored size gives the window.
constexpr int MinimumWindowSide = 100;

// The desktop work area of the window's screen.
QRect workArea(const QWidget* window)
{
    return window->screen() ? window->screen()->availableGeometry() : QRect(0, 0, 1280, 1024);
}

QSplitter* splitterOf(QWidget* child) { return qobject_cast<QSplitter*>(child->parentWidget()); }

// Gives the first pane of a splitter `first` pixels and the second the rest.
// Sizes that do not add up to the splitter's own are scaled to it, so the
// rest is taken from its present size.
void setFirstPaneSize(QSplitter* splitter, int first)
{
    const int total = splitter->orientation() == Qt::Horizontal ? splitter->width() : splitter->height();
    splitter->setSizes({first, std::max(0, total - splitter->handleWidth() - first)});
}

} // namespace

void TFTANKAREGIST::placeWindow()
{
    const QRect work = workArea(this);
    const QString ini = ProgramFiles::windowPositionFile(programFilePath_);
    // Without a stored size the window fills the work area, the room the
    // resolution defaults of this screen are laid out for.
    int top = work.top();
    int left = work.left();
    int width = work.width();
    int height = work.height();
    try {
        top = ReadProfileInt(ini, PositionSection, QStringLiteral("top"), top);
        left = ReadProfileInt(ini, PositionSection, QStringLiteral("Left"), left);
        width = ReadProfileInt(ini, PositionSection, QStringLiteral("Width"), width);
        height = ReadProfileInt(ini, PositionSection, QStringLiteral("Height"), height);
    } catch (const FileError& e) {
        // Only the place of the window is lost: it opens where a first start would.
        unreadableSettings_ << ini;
        ModalSeam::current().errorReport(nullptr, ApplicationTitle(), e.reportText());
    }
    // A window larger than the screen is of no use, and a huge one makes
    // every paint of the tables run away with memory.
    width = std::clamp(width, MinimumWindowSide, std::max(MinimumWindowSide, work.width()));
    height = std::clamp(height, MinimumWindowSide, std::max(MinimumWindowSide, work.height()));
    // Keep the window reachable; its size is the user's. The work area's
    // right and bottom edges lie just outside it (Qt's right() is inside).
    if (left > work.x() + work.width() - 100 || left < work.left())
        left = work.left();
    if (top < work.top() || top > work.y() + work.height() - 100)
        top = work.top();
    // The size is the outer one. The frame is known only once the window is
    // shown, so the client size is fitted then.
    outerSize_ = QSize(width, height);
    resize(outerSize_);
    move(left, top);
    unfittedSize_ = size();
}

void TFTANKAREGIST::fitOuterSize()
{
    if (!unfittedSize_.isValid() || !isVisible())
        return;
    if (size() != unfittedSize_) {
        // Sized by someone else meanwhile: that size stands.
        unfittedSize_ = QSize();
        return;
    }
    const QSize frame = frameGeometry().size() - size();
    if (frame.isNull())
        return; // no frame yet, or none at all
    unfittedSize_ = QSize();
    resize(outerSize_ - frame);
}

void TFTANKAREGIST::moveEvent(QMoveEvent* event)
{
    QMainWindow::moveEvent(event);
    fitOuterSize();
}

void TFTANKAREGIST::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    fitOuterSize();
}

void TFTANKAREGIST::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    fitOuterSize();
    if (started_)
        return;
    started_ = true;
    runCommand([this] { StartUp(); });
}

void TFTANKAREGIST::StartUp()
{
    QStringList paths;
    for (int k = 0; k < CategoryCount; ++k)
        paths << (kvconfig_ ? kvconfig_->fileName(k) : QString());
    const QStringList longPaths = LongPathForms(paths); // the books mostly share one folder
    for (int k = 0; k < CategoryCount; ++k) {
        const QString name = kvconfig_ ? kvconfig_->groupName(k) : QString();
        const QString& path = paths[k];
        categoryPaths_[static_cast<std::size_t>(k)] = longPaths[k];
        TreeView1->topLevelItem(k)->setText(0, name);
        categoryMenus[static_cast<std::size_t>(k)]->setTitle(name);
        LoadCategoryLabels(k, path);
    }
    readDisplaySettings();

    session_.StartWithBlankScratchBook();
    clearTables();
    ShowMaterialSettings();
    showLabourRows();
    showPriceRows();
    updatePasteItems();
    showStatusPath();

    const StartupChoice choice = ParseStartupArgument(arguments_.value(0));
    const bool category = choice.category >= 1 && choice.category <= CategoryCount;
    // The scratch book too is loaded again, now that records count from 0 as
    // a save numbers them.
    bool loaded = false;
    if (category) {
        try {
            withCategoryBook(choice.category - 1,
                             [&](const QString& path) { session_.SwitchCategory(choice.category - 1, path); });
            loaded = true;
        } catch (const FileError& e) {
            // Reported, and the start-up goes on with the scratch book, so
            // that the window is whole and another category can be chosen.
            ModalSeam::current().errorReport(this, ApplicationTitle(), e.reportText());
        }
    }
    if (!loaded)
        session_.ReloadCurrentBook();
    // A category the start cannot load leaves the scratch book: said, so that
    // no one types prices into it unawares. 11 is the scratch book's own code.
    if (!category && choice.category != UserFileRecordBaseCode)
        StatusBar1->showMessage(QStringLiteral("カテゴリ %1 はありません。作業用の単価ファイルを開いています：%2")
                                    .arg(choice.category)
                                    .arg(session_.currentPath()));
    try {
        SelectMaterial(choice.material - 1);
    } catch (const ValueOverflow& e) {
        // Shown as stored; the start-up still ends with a whole window.
        ModalSeam::current().errorReport(this, ApplicationTitle(), e.message());
    }
    TreeView1->setCurrentItem(TreeView1->topLevelItem(session_.currentCategory())->child(choice.material - 1));
    if (edition_ == 1)
        label9->setText(ApplicationTitle() + QStringLiteral("-Network版"));
    labourEdit = EditCell();
    priceEdit = EditCell();
    markCurrentRow(1);
    showStatusPath();
    // The tables hold their texts now: the columns narrow no further than those need.
    for (ColumnFit* fit : columnFits_)
        fit->fit();
}

void TFTANKAREGIST::readDisplaySettings()
{
    const QSize screenSize = screen() ? screen()->size() : QSize();
    const QString source = DisplaySettingsSource(programFolder_, screenSize.width(), screenSize.height());
    // Without a file the designed layout stays.
    DisplaySettings s;
    try {
        if (!source.isEmpty())
            ApplyDisplaySettingsLines(s, ReadSettingsLines(source));
    } catch (const FileError& e) {
        // A layout lost is no reason to stop the start-up.
        unreadableSettings_ << source;
        ModalSeam::current().errorReport(this, ApplicationTitle(), e.reportText());
    }
    FitDisplaySettings(s, workArea(this).size());
    title_bar->setChecked(s.titleBar);
    top_bar->setChecked(s.topBar);
    tree_list->setChecked(s.treeList);
    status_bar->setChecked(s.statusBar);
    treeWidth_ = s.treeWidth;
    treeWanted_.reset();
    setFirstPaneSize(splitterOf(TreeView1), treeWidth_);
    setFirstPaneSize(splitterOf(StrColGrid1), s.labourTableHeight);
    columnFits_[0]->setWanted({s.labourColumnWidths.begin(), s.labourColumnWidths.end()});
    columnFits_[1]->setWanted({s.priceColumnWidths.begin(), s.priceColumnWidths.end()});
    columnFits_[2]->setWanted({s.compositeColumnWidths.begin(), s.compositeColumnWidths.end()});
    applyAreaVisibility();
}

void TFTANKAREGIST::applyAreaVisibility()
{
    // The layout keeps the title strip at the top and the top bar below it.
    title_panel->setVisible(title_bar->isChecked());
    top_panel->setVisible(top_bar->isChecked());
    const bool showTree = tree_list->isChecked();
    if (!showTree && !TreeView1->isHidden())
        treeWidth_ = TreeView1->width(); // a hidden tree keeps the width it had
    const bool reveal = showTree && TreeView1->isHidden();
    TreeView1->setVisible(showTree);
    if (reveal)
        setFirstPaneSize(splitterOf(TreeView1), treeWidth_);
    StatusBar1->setVisible(status_bar->isChecked());
}

void TFTANKAREGIST::narrowTree(int pixels)
{
    if (TreeView1->isHidden())
        return;
    // A category name needs its indentation and a margin beside its text;
    // the tree's frame and scroll bar come on top.
    const QFontMetrics metrics(TreeView1->font());
    int needed = 0;
    for (int k = 0; k < TreeView1->topLevelItemCount(); ++k)
        needed = std::max(needed, TreeView1->indentation() + metrics.horizontalAdvance(TreeView1->topLevelItem(k)->text(0)) + 8);
    needed += TreeView1->width() - TreeView1->viewport()->width();
    const int width = std::max(needed, TreeView1->width() - pixels);
    if (width >= TreeView1->width())
        return;
    if (!treeWanted_)
        treeWanted_ = TreeView1->width(); // kept for a larger screen
    setFirstPaneSize(splitterOf(TreeView1), width);
}

DisplaySettings TFTANKAREGIST::currentDisplaySettings() const
{
    DisplaySettings s;
    s.titleBar = title_bar->isChecked();
    s.topBar = top_bar->isChecked();
    s.treeList = tree_list->isChecked();
    s.statusBar = status_bar->isChecked();
    s.treeWidth = treeWanted_ ? *treeWanted_ : TreeView1->isHidden() ? treeWidth_ : TreeView1->width();
    s.labourTableHeight = StrColGrid1->height();
    const auto keep = [](const ColumnFit* fit, auto& widths) {
        const std::vector<int> wanted = fit->wanted();
        std::copy_n(wanted.begin(), std::min(wanted.size(), widths.size()), widths.begin());
    };
    keep(columnFits_[0], s.labourColumnWidths);
    keep(columnFits_[1], s.priceColumnWidths);
    keep(columnFits_[2], s.compositeColumnWidths);
    return s;
}

void TFTANKAREGIST::closeEvent(QCloseEvent* event)
{
    // A save that failed, or that the user cancelled rather than overwrite a
    // colleague's save, keeps the window open with the prices.
    if (!RunCommand(this, [this] { askToSave(); })) {
        event->ignore();
        return;
    }
    writeSettingsFiles();
    event->accept();
}

void TFTANKAREGIST::writeSettingsFiles()
{
    // These files hold names and layout, not prices: a file that cannot be
    // written is reported, and closing goes on, so the user is never kept in
    // a window that cannot be left. A folder that refuses them all is told
    // in one box, not one per file.
    QStringList failures;
    const auto attempt = [&failures](auto&& write) {
        try {
            write();
        } catch (const FileError& e) {
            failures << e.reportText();
        }
    };
    attempt([this] {
        if (kvconfig_)
            kvconfig_->saveAtClose();
    });
    const QString display = ProgramFiles::displaySettingsFile(programFolder_);
    const QString position = ProgramFiles::windowPositionFile(programFilePath_);
    attempt([&] {
        if (!unreadableSettings_.contains(display))
            WriteSettingsLines(display, DisplaySettingsLines(currentDisplaySettings()));
    });
    attempt([&] {
        if (unreadableSettings_.contains(position))
            return;
        const QRect frame = frameGeometry();
        WriteProfileInts(position, PositionSection,
                         {{QStringLiteral("Top"), frame.top()},
                          {QStringLiteral("Left"), frame.left()},
                          {QStringLiteral("Width"), frame.width()},
                          {QStringLiteral("Height"), frame.height()}});
    });
    if (!failures.isEmpty())
        ModalSeam::current().errorReport(this, ApplicationTitle(), failures.join(QStringLiteral("\n\n")));
}

void TFTANKAREGIST::showStatusPath()
{
    statusPanels[5]->setText(session_.currentPath());
}
