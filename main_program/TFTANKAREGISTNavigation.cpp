#include "TFTANKAREGIST.h"

#include "ApplicationTitle.h"
#include "DataFileConfig.h"
#include "FileError.h"
#include "MaterialSettings.h"
#include "MessageBoxes.h"
#include "ModalSeam.h"
#include "PriceBookFile.h"
#include "PriceTableStyle.h"
#include "ProgramFiles.h"
#include "TCheckGroupBox.h"
#include "TNValEdit.h"
#include "TStrColGrid.h"
#include "Tkvconfig.h"

#include <QComboBox>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QScopeGuard>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTreeWidget>

namespace {

QString headerLine(const WorkSet& work, int line) { return work.row(line).headerText.text(); }

} // namespace

void TFTANKAREGIST::askToSave()
{
    if (session_.modified()
        && ChoiceBox(QStringLiteral("現在の編集内容を保存しますか？\r\n") + session_.currentPath(), QStringLiteral("実行"),
                     QStringLiteral("キャンセル"))
               == 6)
        session_.SaveCurrentBook();
}

void TFTANKAREGIST::SwitchCategory(int category)
{
    askToSave();
    withCategoryBook(category, [&](const QString& path) { session_.SwitchCategory(category, path); });
    showStatusPath();
}

void TFTANKAREGIST::withCategoryBook(int category, const std::function<void(const QString& path)>& use)
{
    const QString context = QStringLiteral("カテゴリ %1「%2」の価格ファイル")
                                .arg(QString::number(category + 1), TreeView1->topLevelItem(category)->text(0));
    const QString& path = categoryPaths_[static_cast<std::size_t>(category)];
    if (path.isEmpty())
        throw FileError(ProgramFiles::dataFileConfig(programFolder_),
                        QStringLiteral("このカテゴリのファイルが設定されていません（%1 がないか空です）").arg(FileNameKey(category)))
            .in(context);
    try {
        use(path);
    } catch (const FileError& e) {
        throw e.in(context);
    }
}

void TFTANKAREGIST::SelectMaterial(int material)
{
    clearMarks();
    // Shown also when its computation fails: the session then holds it as stored.
    const auto show = qScopeGuard([this] { showSelectedMaterial(); });
    // The session takes the rate pricing setting as the check box will show it.
    session_.SelectMaterial(material);
}

void TFTANKAREGIST::showSelectedMaterial()
{
    clearTables();
    ShowMaterialSettings();
    showLabourRows();
    showPriceRows();
}

void TFTANKAREGIST::clearTables()
{
    ClearDataCells(*StrColGrid1, 1);
    ClearDataCells(*StrColGrid2, 1);
    ClearDataCells(*StrColGrid3, 1);
    for (TNValEdit* edit : GPAYDAY)
        edit->setValue(0);
    GPAYDAY_N->setValue(0);
    kanname->clear();
}

void TFTANKAREGIST::ShowMaterialSettings()
{
    displayUpdating_ = true;
    showMaterialLook(0);
    showSettingControls();
    displayUpdating_ = false;
}

void TFTANKAREGIST::showMaterialLook(int sheet)
{
    const bool updating = displayUpdating_;
    displayUpdating_ = true;
    const QStringList headers = LabourHeaders(session_.refrigerant());
    for (std::size_t i = 0; i < ModeHeaderColumns.size(); ++i)
        StrColGrid1->SetCells(ModeHeaderColumns[i], 0, headers[static_cast<int>(i)]);

    const QStringList tabs = SheetTabCaptions(session_.work());
    if (sheet >= tabs.size())
        sheet = 0;
    {
        const QSignalBlocker block(TabControl1);
        // Rebuilt only when the captions change: new tabs lay the window out
        // again and repaint all of it, which made a change of material slow.
        QStringList shownTabs;
        for (int i = 0; i < TabControl1->count(); ++i)
            shownTabs << TabControl1->tabText(i);
        if (shownTabs != tabs) {
            while (TabControl1->count() > 0)
                TabControl1->removeTab(0);
            for (const QString& tab : tabs)
                TabControl1->addTab(tab);
        }
        TabControl1->setCurrentIndex(sheet);
    }
    session_.ShowSheet(sheet);
    // The fill from the first sheet needs the four sheets of piping mode.
    const bool piping = tabs.size() == Sheets;
    item_paste_5->setEnabled(piping);
    if (piping)
        item_paste_5->setText(tabs[0] + QStringLiteral("のデータを") + tabs[1] + QStringLiteral("・") + tabs[2]
                              + QStringLiteral("・") + tabs[3] + QStringLiteral("へコピ－"));
    showMaterialCaption();
    displayUpdating_ = updating;
}

void TFTANKAREGIST::showSettingControls()
{
    const bool updating = displayUpdating_;
    displayUpdating_ = true;
    const MaterialControls c = ControlsForMaterial(session_.work());
    const auto setItem = [](QComboBox* box, int item) {
        if (item != CapturedControls::NoItem)
            box->setCurrentIndex(item);
    };
    setItem(ComboBox1, c.ratePriceStepItem);
    setItem(ComboBox2, c.ratePriceDecimalItem);
    setItem(ComboBox3, c.ratePriceStepAddendItem);
    // The session keeps the state the computation follows: the setting, or
    // for a setting neither on nor off the state the box was left in.
    CheckGroupBox1->setBoxChecked(session_.ratePricing());
    for (std::size_t i = 0; i < 5; ++i) {
        GPAYDAY[i]->setValue(c.levelLabour[i].toDouble());
        avr[i]->setValue(c.levelRates[i]);
    }
    GPAYDAY_N->setValue(c.costLabour.toDouble());
    avr_N->setValue(c.costRate);
    displayUpdating_ = updating;
}

void TFTANKAREGIST::showMaterialCaption()
{
    const WorkSet& work = session_.work();
    const QString goods = headerLine(work, 1);
    const QString sheet = TabControl1->tabText(TabControl1->currentIndex());
    kanname->setText(goods + QStringLiteral(":") + sheet + QStringLiteral("    ") + headerLine(work, 2) + QStringLiteral(" ")
                     + headerLine(work, 3));
    kanname->setToolTip(goods);
    const QString panels[5] = {goods, headerLine(work, 2), headerLine(work, 3), sheet,
                               work.settingsRow().sizeName.text()};
    for (int i = 0; i < 5; ++i)
        statusPanels[static_cast<std::size_t>(i)]->setText(panels[i]);
}

void TFTANKAREGIST::TabControl1Change(int sheet)
{
    if (displayUpdating_ || sheet < 0)
        return;
    clearMarks();
    showMaterialCaption();
    const auto show = qScopeGuard([this] {
        showLabourRows();
        showPriceRows();
    });
    session_.ChangeSheet(sheet);
}

void TFTANKAREGIST::LoadCategoryLabels(int category, const QString& path)
{
    // A book still to be created, or a path still to be configured, has no
    // labels; choosing the category says what is missing.
    if (path.isEmpty() || !QFileInfo::exists(path))
        return;
    try {
        withCategoryBook(category, [&](const QString&) {
            const std::array<QString, Materials> labels = ReadMaterialLabels(path);
            for (int m = 0; m < Materials; ++m)
                setMaterialLabel(category, m, labels[static_cast<std::size_t>(m)]);
        });
    } catch (const FileError& e) {
        // One damaged book must not keep the other categories from opening;
        // loading it later reports the same error again.
        ModalSeam::current().errorReport(this, ApplicationTitle(), e.reportText());
    }
}

void TFTANKAREGIST::RefreshMaterialLabels(int first, int last)
{
    for (int m = 0; m < Materials; ++m) {
        const int line1 = RowNumber(m, 0, 1);
        if (line1 >= first && line1 <= last)
            setMaterialLabel(session_.currentCategory(), m, MaterialLabel(session_.book(), m));
    }
}

void TFTANKAREGIST::setMaterialLabel(int category, int material, const QString& label)
{
    QTreeWidgetItem* node = TreeView1->topLevelItem(category)->child(material);
    node->setText(0, label);
    node->setToolTip(0, label); // the whole name, where the tree cuts it
    materialItems[static_cast<std::size_t>(category)][static_cast<std::size_t>(material)]->setText(label);
}

void TFTANKAREGIST::TreeView1Click(QTreeWidgetItem* item)
{
    QTreeWidgetItem* parent = item->parent();
    const int category = TreeView1->indexOfTopLevelItem(parent ? parent : item);
    const int material = parent ? parent->indexOfChild(item) : 0;
    if (category != session_.currentCategory()) {
        try {
            SwitchCategory(category);
        } catch (...) {
            // The loaded book stays; so does the selection that names it.
            TreeView1->setCurrentItem(TreeView1->topLevelItem(session_.currentCategory())->child(session_.currentMaterial()));
            throw;
        }
    }
    SelectMaterial(material);
}

void TFTANKAREGIST::materialItemClick(int material)
{
    if (session_.currentCategory() != pendingCategory_)
        SwitchCategory(pendingCategory_);
    SelectMaterial(material);
    TreeView1->setCurrentItem(TreeView1->topLevelItem(session_.currentCategory())->child(material));
}

void TFTANKAREGIST::TreeView1Rename(QTreeWidgetItem* item)
{
    const std::optional<QString> name = ModalSeam::current().inputText(
        this, ApplicationTitle(), QStringLiteral("名称を入力してください"), item->text(0));
    if (!name)
        return;
    if (item->parent())
        item->setText(0, *name); // a material label lasts until the labels are read again
    else
        RenameCategory(TreeView1->indexOfTopLevelItem(item), *name);
}

void TFTANKAREGIST::renameGroup(int category)
{
    if (!kvconfig_)
        return;
    const std::optional<QString> name =
        ModalSeam::current().inputText(this, ApplicationTitle(),
                                       QStringLiteral("グル－プ名を入力してください"), kvconfig_->groupName(category));
    if (name)
        RenameCategory(category, *name);
}

void TFTANKAREGIST::RenameCategory(int category, const QString& name)
{
    TreeView1->topLevelItem(category)->setText(0, name);
    if (!kvconfig_)
        return;
    kvconfig_->setGroupName(category, name);
    categoryMenus[static_cast<std::size_t>(category)]->setTitle(name);
    kvconfig_->saveConfiguration();
}

bool TFTANKAREGIST::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == TreeView1->viewport()) {
        // The one column is as wide as the tree, however narrow (the hidden
        // heading stretches it only down to its default), so that names are
        // shortened to the tree rather than cut off at its edge.
        if (event->type() == QEvent::Resize)
            TreeView1->setColumnWidth(0, TreeView1->viewport()->width());
        const bool press = event->type() == QEvent::MouseButtonPress;
        const bool release = event->type() == QEvent::MouseButtonRelease;
        if (!press && !release)
            return false;
        auto* mouse = static_cast<QMouseEvent*>(event);
        // A press beside every node keeps the selection as it was.
        if (press && !TreeView1->itemAt(mouse->position().toPoint()))
            return true;
        if (release && (mouse->modifiers() & Qt::ShiftModifier) && TreeView1->currentItem()) {
            // The click selects first; the rename follows it.
            QTreeWidgetItem* item = TreeView1->currentItem();
            QMetaObject::invokeMethod(this, handler([this, item] { TreeView1Rename(item); }), Qt::QueuedConnection);
        }
        return false;
    }
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            for (std::size_t i = 0; i < 6; ++i) {
                TNValEdit* labour = i < 5 ? GPAYDAY[i] : GPAYDAY_N;
                if (watched == labour) {
                    runCommand([&] { gpaydayEnter(static_cast<int>(i)); });
                    return true;
                }
            }
            // The rate edits move on by themselves after the recompute.
            runCommand([this] { RecomputeMaterial(); });
        }
    }
    return QMainWindow::eventFilter(watched, event);
}
