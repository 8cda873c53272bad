#include "ColorNumber.h"
#include "FileError.h"
#include "MainWindowFixture.h"
#include "PriceBookFile.h"
#include "ProfileFile.h"
#include "ProgramStart.h"
#include "SettingsLines.h"
#include "TCheckGroupBox.h"
#include "TFTANKAREGIST.h"
#include "TSCGCellParam.h"
#include "TStrColGrid.h"
#include "Tkvconfig.h"
#include "TestUnits.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFontInfo>
#include <QGlyphRun>
#include <QGuiApplication>
#include <QRawFont>
#include <QTextLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QTemporaryDir>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTest>
#include <QTreeWidget>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void startUp_data();
    void startUp();
    void switchingCategoryAsksToSave();
    void functionKeyAfterStartUp();
    void priceCellStore();
    void pricesTypedOnAnyKeyboard_data();
    void pricesTypedOnAnyKeyboard();
    void priceKeyAfterALabourEdit_data();
    void priceKeyAfterALabourEdit();
    void rateCellFillDownAndRefusals();
    void undoOnce();
    void settingsFilesAtClose();
    void savingTheScratchBookAsksForAName();
    void scratchNoticeOncePerSession();
    void damagedBookDoesNotStopStartUp();
    void startUpBlanksTheScratchBook();
    void unwrittenSettingsInOneBox();
    void settingsFilesSurviveRestarts_data();
    void settingsFilesSurviveRestarts();
    void windowKeptReachable_data();
    void windowKeptReachable();
    void hiddenTreeKeepsItsWidth();
    void rowMarkFollowsEveryMove_data();
    void rowMarkFollowsEveryMove();
    void windowIconSizes_data();
    void windowIconSizes();
    void japaneseTextInTheJapaneseFace_data();
    void japaneseTextInTheJapaneseFace();
};

void TestMainWindow::startUp_data()
{
    QTest::addColumn<QString>("argument");
    QTest::addColumn<int>("category");
    QTest::addColumn<int>("material");
    QTest::addColumn<bool>("scratch");
    QTest::newRow("no command line") << "" << 0 << 0 << false;
    QTest::newRow("3;5;") << "3;5;" << 2 << 4 << false;
    QTest::newRow("12;2;") << "12;2;" << 0 << 1 << true;
}

void TestMainWindow::startUp()
{
    QFETCH(QString, argument);
    QFETCH(int, category);
    QFETCH(int, material);
    QFETCH(bool, scratch);
    Program p(argument);
    QCOMPARE(p.session().currentCategory(), category);
    QCOMPARE(p.session().currentMaterial(), material);
    const QString path = scratch ? p.session().scratchFile() : p.book(category + 1);
    QCOMPARE(p.session().currentPath(), path);
    QCOMPARE(p.window->statusPanels[5]->text(), path);
    QVERIFY(QFile::exists(path));
    QCOMPARE(p.session().modified(), false);
    QCOMPARE(p.window->TreeView1->currentItem(), p.treeItem(category, material));
    QCOMPARE(p.window->TreeView1->topLevelItem(2)->text(0), QString::fromUtf8("通気"));
    // Labels are read before the first load, so a book created now has none yet.
    QCOMPARE(p.treeItem(category, 0)->text(0), QString::fromUtf8("管材1"));
    QVERIFY(!p.window->N2->isEnabled());
    // The program's own icon, in the sizes of the desktop's.
    QCOMPARE(p.window->windowIcon().availableSizes().size(), 8);
    QCOMPARE(p.window->windowIcon().pixmap(48).size(), QSize(48, 48));
    QVERIFY(p.seam.unexpected.isEmpty());
}

void TestMainWindow::switchingCategoryAsksToSave()
{
    Program p;
    p.session().StorePrice(ListLevel, 1, units(500));
    QStringList texts;
    p.seam.dialogAnswers.push_back(Press("button2", &texts)); // キャンセル: the change is dropped
    p.window->TreeView1->setCurrentItem(p.treeItem(1, 3));
    emit p.window->TreeView1->itemClicked(p.treeItem(1, 3), 0);
    QCOMPARE(texts, QStringList{QString::fromUtf8("現在の編集内容を保存しますか？\n") + p.book(1)});
    QCOMPARE(p.session().currentCategory(), 1);
    QCOMPARE(p.session().currentMaterial(), 3);
    QCOMPARE(ReadPriceBookFile(p.book(1)).row(1).listPrice, units(0));
    // Back to category 1 without changes: no question.
    emit p.window->TreeView1->itemClicked(p.window->TreeView1->topLevelItem(0), 0);
    QCOMPARE(p.session().currentCategory(), 0);
    QCOMPARE(p.session().currentMaterial(), 0);
    QVERIFY(p.seam.unexpected.isEmpty());

    // With 実行 the change is saved first.
    p.session().StorePrice(ListLevel, 2, units(700));
    p.seam.dialogAnswers.push_back(Press("button1"));
    emit p.window->TreeView1->itemClicked(p.treeItem(4, 0), 0);
    QCOMPARE(ReadPriceBookFile(p.book(1)).row(2).listPrice, units(700));
}

void TestMainWindow::functionKeyAfterStartUp()
{
    Program p("3;5;");
    QTest::keyClick(p.window.get(), Qt::Key_F3);
    QCOMPARE(p.session().currentCategory(), 0);
    QCOMPARE(p.session().currentMaterial(), 2);
    QCOMPARE(p.window->TreeView1->currentItem(), p.treeItem(0, 2));
    QTest::keyClick(p.window.get(), Qt::Key_F2, Qt::ShiftModifier);
    QCOMPARE(p.session().currentMaterial(), 11);
}

void TestMainWindow::priceCellStore()
{
    Program p;
    TStrColGrid* grid = p.window->StrColGrid2;
    p.typeInto(grid, 7, 1, "1200", true);
    QCOMPARE(grid->InplaceEditor()->text(), QString("1200"));
    QTest::keyClick(grid->InplaceEditor(), Qt::Key_Return);
    for (int sheet = 0; sheet < 4; ++sheet)
        QCOMPARE(p.session().work().row(MaterialRowNumber(sheet, 1)).listPrice, units(1200));
    QCOMPARE(grid->Cells(7, 1), QString("1,200"));
    QCOMPARE(grid->Row(), 2); // Enter moves down
    QVERIFY(p.session().modified());

    // Any other key stores what the cell holds.
    p.typeInto(grid, 7, 3, "3", true);
    QTest::keyClick(grid->InplaceEditor(), Qt::Key_Insert);
    QCOMPARE(p.session().work().row(3).listPrice, units(3));
    QCOMPARE(grid->Row(), 3);

    // While rate pricing is on, only the list price column takes input.
    p.window->CheckGroupBox1->checkBox()->click();
    QVERIFY(p.session().ratePricing());
    QStringList texts;
    p.seam.dialogAnswers.push_back(Press("button1", &texts));
    grid->setFocus();
    grid->MoveTo(2, 4);
    QTest::keyClick(grid, Qt::Key_Down);
    QCOMPARE(texts, QStringList{QString::fromUtf8("単価に掛け率を使用していますので、現在は入力できません。")});
    QCOMPARE(p.session().work().row(4).levelPrice[1], units(0));
    QVERIFY(p.seam.unexpected.isEmpty());
}

// A price typed on any keyboard: the main row, the keypad with NumLock on
// and off (its second meanings), into an open editor or onto a closed cell.
void TestMainWindow::pricesTypedOnAnyKeyboard_data()
{
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("open"); // the editor is opened first
    QTest::addColumn<double>("stored");
    const QList<int> mainRow = {Qt::Key_1, Qt::Key_2, Qt::Key_0, Qt::Key_Period, Qt::Key_5};
    const QList<int> numLockOff = {Qt::Key_End, Qt::Key_Down, Qt::Key_Insert, Qt::Key_Delete, Qt::Key_Clear};
    QTest::newRow("main row, open editor") << mainRow << int(Qt::NoModifier) << true << 120.5;
    QTest::newRow("main row, closed cell") << mainRow << int(Qt::NoModifier) << false << 120.5;
    QTest::newRow("keypad, NumLock on") << mainRow << int(Qt::KeypadModifier) << true << 120.5;
    QTest::newRow("keypad, NumLock on, closed cell") << mainRow << int(Qt::KeypadModifier) << false << 120.5;
    QTest::newRow("keypad, NumLock off") << numLockOff << int(Qt::KeypadModifier) << true << 120.5;
    QTest::newRow("main row minus") << QList<int>{Qt::Key_Minus, Qt::Key_7} << int(Qt::NoModifier) << false << -7.0;
}

void TestMainWindow::pricesTypedOnAnyKeyboard()
{
    QFETCH(QList<int>, keys);
    QFETCH(int, modifiers);
    QFETCH(bool, open);
    QFETCH(double, stored);
    Program p;
    for (TStrColGrid* grid : {p.window->StrColGrid2, p.window->StrColGrid1}) {
        const bool prices = grid == p.window->StrColGrid2;
        const int col = prices ? 7 : 8;
        grid->setFocus();
        grid->MoveTo(col, 4);
        if (open)
            grid->ShowEditor();
        QWidget* target = open ? static_cast<QWidget*>(grid->InplaceEditor()) : grid;
        for (int i = 0; i < keys.size(); ++i) {
            const auto mods = Qt::KeyboardModifiers(modifiers);
            QTest::keyClick(i == 0 ? target : grid->InplaceEditor(), static_cast<Qt::Key>(keys[i]), mods);
        }
        QVERIFY(grid->EditorMode());
        QTest::keyClick(grid->InplaceEditor(), Qt::Key_Return);
        const WorkRow& row = p.session().work().row(4);
        QCOMPARE(prices ? row.listPrice : row.rate[4], units(stored));
    }
    QVERIFY(p.seam.unexpected.isEmpty());
}

void TestMainWindow::priceKeyAfterALabourEdit_data()
{
    QTest::addColumn<int>("labourColumn");
    QTest::addColumn<int>("key");
    QTest::newRow("column 8, Enter") << 8 << int(Qt::Key_Return);
    QTest::newRow("column 9, Enter") << 9 << int(Qt::Key_Return);
    QTest::newRow("column 10, main-keyboard digit") << 10 << int(Qt::Key_5);
}

void TestMainWindow::priceKeyAfterALabourEdit()
{
    QFETCH(int, labourColumn);
    QFETCH(int, key);
    Program p;
    TStrColGrid* prices = p.window->StrColGrid2;
    p.typeInto(prices, 7, 3, "1200", true);
    QTest::keyClick(prices->InplaceEditor(), Qt::Key_Return);
    // Up stores without moving on, so the labour cell stays the last edited.
    p.typeInto(p.window->StrColGrid1, labourColumn, 3, "0.5", true);
    QTest::keyClick(p.window->StrColGrid1->InplaceEditor(), Qt::Key_Up);
    QCOMPARE(p.session().work().row(3).rate[static_cast<std::size_t>(labourColumn - 4)], units(0.5));

    // A key in the price table stores the price table's own last cell (the
    // list price of line 4, after Enter moved it down), never a labour column.
    const PriceBook before = p.session().book();
    prices->setFocus();
    prices->MoveTo(3, 5);
    QTest::keyClick(prices, static_cast<Qt::Key>(key));
    QVERIFY(p.session().book() == before);
    for (int sheet = 0; sheet < 4; ++sheet)
        QCOMPARE(p.session().work().row(MaterialRowNumber(sheet, 3)).listPrice, units(1200));
    QCOMPARE(prices->Cells(7, 3), QString("1,200"));
    QVERIFY(p.seam.unexpected.isEmpty());
}

void TestMainWindow::rateCellFillDownAndRefusals()
{
    Program p;
    TStrColGrid* grid = p.window->StrColGrid1;
    p.typeInto(grid, 8, 10, "0.5", true);
    QTest::keyClick(grid->InplaceEditor(), Qt::Key_Return, Qt::ShiftModifier);
    for (int line = 1; line <= 14; ++line)
        QCOMPARE(p.session().work().row(line).rate[4], line >= 10 ? units(0.5) : units(0));
    QCOMPARE(grid->Cells(8, 14), QString("0.5"));

    p.window->N34->trigger(); // the table now shows computed results
    QStringList texts;
    p.seam.dialogAnswers.push_back(Press("button1", &texts));
    p.typeInto(grid, 5, 2, "7", true);
    QTest::keyClick(grid->InplaceEditor(), Qt::Key_Return);
    QCOMPARE(texts, QStringList{QString::fromUtf8("計算結果を表示しています。現在は編集できません。")});
    QCOMPARE(p.session().work().row(2).rate[1], units(0));
    QVERIFY(p.seam.unexpected.isEmpty());
}

void TestMainWindow::undoOnce()
{
    Program p;
    p.typeInto(p.window->StrColGrid2, 7, 5, "80", true);
    QTest::keyClick(p.window->StrColGrid2->InplaceEditor(), Qt::Key_Return);
    QVERIFY(p.window->N2->isEnabled());
    p.window->N2->trigger();
    QCOMPARE(p.session().work().row(5).listPrice, units(0));
    QCOMPARE(p.session().book().row(0, 5).listPrice, units(0));
    QCOMPARE(p.window->StrColGrid2->Cells(7, 5), QString("0"));
    QVERIFY(!p.window->N2->isEnabled());
}

void TestMainWindow::settingsFilesAtClose()
{
    Program p("", false);
    WriteSettingsLines(p.dir.filePath("kavre_p.disp"), {"[TREE_USE]=FALSE", "[StrColGrid1_Colwidths[3]]=abc"});
    p.open("");
    QVERIFY(!p.window->tree_list->isChecked());
    QVERIFY(p.window->TreeView1->isHidden());
    QCOMPARE(p.window->StrColGrid1->ColWidths(3), 100);
    p.window->session().StorePrice(ListLevel, 1, units(9));
    p.seam.dialogAnswers.push_back(Press("button2")); // キャンセル: closes without saving
    p.close();
    const QStringList disp = ReadSettingsLines(p.dir.filePath("kavre_p.disp"));
    QCOMPARE(disp.size(), 34);
    QVERIFY(disp.contains("[TREE_USE]=FALSE"));
    QVERIFY(disp.contains("[StrColGrid1_Colwidths[3]]=100"));
    QVERIFY(ReadSettingsLines(p.dir.filePath("kavrel.ini")).contains("[zelvorit_k]"));
    QCOMPARE(ReadSettingsLines(p.dir.filePath("kavre_p.conf")).size(), 20);
    QCOMPARE(ReadPriceBookFile(p.book(1)).row(1).listPrice, units(0));
    // The next start finds the window as it was left.
    p.open("");
    QVERIFY(!p.window->tree_list->isChecked());
    QCOMPARE(p.treeItem(0, 0)->text(0), QString("----"));
    QVERIFY(p.seam.unexpected.isEmpty());
}

void TestMainWindow::savingTheScratchBookAsksForAName()
{
    Program p("12;2;");
    QCOMPARE(p.session().currentPath(), p.session().scratchFile());
    // A category that cannot be loaded says which book is open instead.
    QVERIFY2(p.window->StatusBar1->currentMessage().contains("NEWData.FDA"),
             qPrintable(p.window->StatusBar1->currentMessage()));
    const QString chosen = p.dir.filePath("mine.FDA");
    QStringList texts;
    p.seam.dialogAnswers.push_back(Press("button1", &texts)); // "名前をつけて保存"
    p.seam.saveAnswers.push_back(chosen);
    p.seam.dialogAnswers.push_back(Press("button1")); // the notice after saving
    p.window->N1->trigger();
    QVERIFY2(texts.size() == 1 && texts[0].contains(QString::fromUtf8("起動のたびに空")), qPrintable(texts.join('\n')));
    QVERIFY(QFile::exists(chosen));
    QCOMPARE(p.session().currentPath(), QDir::toNativeSeparators(chosen));
    QCOMPARE(p.window->statusPanels[5]->text(), QDir::toNativeSeparators(chosen));
    QVERIFY(p.seam.unexpected.isEmpty());
    // Loaded again at start-up, the scratch book numbers its records as an
    // existing file does.
    const PriceBook saved = ReadPriceBookFile(chosen);
    for (int k : {1, 600, 1200})
        QCOMPARE(saved.row(k).recordNo, units(k));
}

// Declined, the notice writes the scratch book as it is, and is not given
// again in the session: the next save asks for a name as before.
void TestMainWindow::scratchNoticeOncePerSession()
{
    Program p("12;2;");
    QFile::remove(p.session().scratchFile());
    p.seam.dialogAnswers.push_back(Press("button2")); // "このまま保存"
    p.seam.dialogAnswers.push_back(Press("button1")); // saved
    p.window->N1->trigger();
    QVERIFY(QFile::exists(p.session().scratchFile()));
    p.seam.saveAnswers.push_back(QString()); // keeps the scratch book
    p.seam.dialogAnswers.push_back(Press("button1")); // saved
    p.window->N1->trigger();
    QVERIFY(p.seam.unexpected.isEmpty());
    QCOMPARE(p.seam.asked.filter(QRegularExpression("^save ")).size(), 1);
}

void TestMainWindow::damagedBookDoesNotStopStartUp()
{
    Program p("", false);
    QFile damaged(p.book(2));
    QVERIFY(damaged.open(QIODevice::WriteOnly));
    damaged.write(QByteArray(1000, 'x'));
    damaged.close();
    p.open("");
    QCOMPARE(p.seam.errors.size(), 1);
    QVERIFY(p.seam.errors.first().contains(p.book(2)));
    // In Japanese, with what to do about it on a line of its own.
    QVERIFY(p.seam.errors.first().endsWith(
        QString::fromUtf8("壊れています）\r\nバックアップから戻すか、ファイルを削除すると空のファイルが作られます。")));
    QCOMPARE(p.session().currentPath(), p.book(1));
    // Choosing that category fails and keeps the loaded book.
    p.window->TreeView1->setCurrentItem(p.treeItem(1, 0));
    emit p.window->TreeView1->itemClicked(p.treeItem(1, 0), 0);
    QCOMPARE(p.seam.errors.size(), 2);
    QVERIFY(p.seam.errors.last().contains(p.book(2)));
    QCOMPARE(p.session().currentCategory(), 0);
    QCOMPARE(p.session().currentPath(), p.book(1));
    QCOMPARE(p.window->TreeView1->currentItem(), p.treeItem(0, 0));
}

// A scratch book saved in a run is blank again at the next start; one that
// is blank already is left as it is, not written again.
void TestMainWindow::startUpBlanksTheScratchBook()
{
    Program p("", false);
    const QString scratch = p.dir.filePath("NEWData.FDA");
    PriceBook saved = BlankPriceBook(0);
    saved.row(1).listPrice = units(1234);
    saved.row(1200).headerText.setText(QStringLiteral("x"));
    WritePriceBookFile(scratch, saved, 0);
    QVERIFY(!HoldsBlankBook(scratch));
    p.open("12;2;");
    QCOMPARE(p.session().currentPath(), QDir::toNativeSeparators(scratch));
    QCOMPARE(p.session().book(), BlankPriceBook(BlankRecordBase));
    QVERIFY(HoldsBlankBook(scratch));

    // A second name for the file: still the same file after the next start.
    const QByteArray second = QFile::encodeName(p.dir.filePath("second-name"));
    QCOMPARE(::link(QFile::encodeName(scratch).constData(), second.constData()), 0);
    p.close();
    p.open("12;2;");
    struct stat kept {};
    QCOMPARE(::stat(QFile::encodeName(scratch).constData(), &kept), 0);
    QCOMPARE(kept.st_nlink, nlink_t(2));
    QCOMPARE(p.session().book(), BlankPriceBook(BlankRecordBase));
    QVERIFY(p.seam.unexpected.isEmpty());
}

namespace {

// The two settings files of the window as a close left them.
QStringList layoutFiles(const Program& p)
{
    return ReadSettingsLines(p.dir.filePath("kavre_p.disp")) + ReadSettingsLines(p.dir.filePath("kavrel.ini"));
}

QStringList startAndClose(Program& p)
{
    p.open("");
    p.close();
    return layoutFiles(p);
}

} // namespace

// Settings files that cannot be written at the close are told in one box,
// each with its reason, and the window closes.
void TestMainWindow::unwrittenSettingsInOneBox()
{
    Program p("", false);
    p.open("");
    for (const char* name : {"kavre_p.disp", "kavrel.ini"}) {
        QFile::remove(p.dir.filePath(name));
        QVERIFY(QDir(p.dir.path()).mkdir(name)); // a folder in the place of the file
    }
    p.close();
    QCOMPARE(p.seam.errors.size(), 1);
    QVERIFY2(p.seam.errors[0].contains(p.dir.filePath("kavre_p.disp")) && p.seam.errors[0].contains(p.dir.filePath("kavrel.ini")),
             qPrintable(p.seam.errors[0]));
    QVERIFY(!p.window);
}

// Each start must show what the last close wrote, so that starting and
// closing again writes the same files.
void TestMainWindow::settingsFilesSurviveRestarts_data()
{
    QTest::addColumn<QStringList>("display");
    QTest::addColumn<QStringList>("position");
    QTest::addColumn<int>("labourHeight");
    QTest::addColumn<QSize>("outerSize");
    QTest::newRow("no files: the designed layout") << QStringList() << QStringList() << 296 << QSize();
    QTest::newRow("labour table height") << QStringList{"[StrColGrid1]=330"} << QStringList() << 330 << QSize();
    QTest::newRow("stored outer size")
        << QStringList() << QStringList{"[zelvorit_k]", "Top=40", "Left=30", "Width=960", "Height=720"} << 296
        << QSize(960, 720);
}

void TestMainWindow::settingsFilesSurviveRestarts()
{
    QFETCH(QStringList, display);
    QFETCH(QStringList, position);
    QFETCH(int, labourHeight);
    QFETCH(QSize, outerSize);
    Program p("", false);
    if (!display.isEmpty())
        WriteSettingsLines(p.dir.filePath("kavre_p.disp"), display);
    if (!position.isEmpty())
        WriteSettingsLines(p.dir.filePath("kavrel.ini"), position);
    p.open("");
    if (outerSize.isValid()) {
        QCOMPARE(p.window->frameGeometry().size(), outerSize);
        QCOMPARE(p.window->frameGeometry().topLeft(), QPoint(30, 40));
    } else {
        // The first start fills the work area, frame included, as far as
        // the window's least width (its status bar panels) allows.
        const QRect work = p.window->screen()->availableGeometry();
        const QRect frame = p.window->frameGeometry();
        QCOMPARE(frame.topLeft(), work.topLeft());
        QCOMPARE(frame.height(), work.height());
        QCOMPARE(frame.width(), std::max(work.width(), frame.width() - p.window->width() + p.window->minimumWidth()));
    }
    QCOMPARE(p.window->StrColGrid1->height(), labourHeight);
    p.close();
    const QStringList first = layoutFiles(p);
    QVERIFY(first.contains(QStringLiteral("[StrColGrid1]=%1").arg(labourHeight)));
    QCOMPARE(startAndClose(p), first);
    QCOMPARE(startAndClose(p), first);
}

// The window is moved back to the work area only when less than 100 pixels
// of it would remain inside.
void TestMainWindow::windowKeptReachable_data()
{
    const QRect work = QGuiApplication::primaryScreen()->availableGeometry();
    const int right = work.x() + work.width();
    const int bottom = work.y() + work.height();
    QTest::addColumn<QPoint>("stored");
    QTest::addColumn<QPoint>("placed");
    QTest::newRow("100 pixels left at the right") << QPoint(right - 100, 50) << QPoint(right - 100, 50);
    QTest::newRow("99 pixels left at the right") << QPoint(right - 99, 50) << QPoint(work.left(), 50);
    QTest::newRow("far right") << QPoint(5000, 50) << QPoint(work.left(), 50);
    QTest::newRow("left of the work area") << QPoint(work.left() - 1, 50) << QPoint(work.left(), 50);
    QTest::newRow("100 pixels left at the bottom") << QPoint(40, bottom - 100) << QPoint(40, bottom - 100);
    QTest::newRow("99 pixels left at the bottom") << QPoint(40, bottom - 99) << QPoint(40, work.top());
    QTest::newRow("above the work area") << QPoint(40, work.top() - 1) << QPoint(40, work.top());
}

void TestMainWindow::windowKeptReachable()
{
    QFETCH(QPoint, stored);
    QFETCH(QPoint, placed);
    Program p("", false);
    WriteProfileInts(p.dir.filePath("kavrel.ini"), "zelvorit_k", {{"Left", stored.x()}, {"Top", stored.y()}});
    p.open("");
    QCOMPARE(p.window->frameGeometry().topLeft(), placed);
}

void TestMainWindow::hiddenTreeKeepsItsWidth()
{
    Program p("", false);
    WriteSettingsLines(p.dir.filePath("kavre_p.disp"), {"[TREE_USE]=FALSE", "[TREEVIEW_WIDTH]=222"});
    QStringList first = startAndClose(p);
    QVERIFY(first.contains("[TREEVIEW_WIDTH]=222"));
    // Shown again, the tree has that width; hidden by the user, it keeps the
    // width it had then.
    p.open("");
    p.window->tree_list->setChecked(true);
    QCOMPARE(p.window->TreeView1->width(), 222);
    QSplitter* body = qobject_cast<QSplitter*>(p.window->TreeView1->parentWidget());
    body->setSizes({150, body->width() - 150});
    p.window->tree_list->setChecked(false);
    p.close();
    QVERIFY(layoutFiles(p).contains("[TREEVIEW_WIDTH]=150"));
}

// Column 0 of the current row is marked, and the three tables share that
// row, however the selection got there.
void TestMainWindow::rowMarkFollowsEveryMove_data()
{
    QTest::addColumn<int>("table");
    QTest::addColumn<QPoint>("cell");
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("row");
    QTest::newRow("labour table moved by the program") << 1 << QPoint(6, 7) << QString() << 7;
    QTest::newRow("price table, last line") << 2 << QPoint(3, 14) << QString() << 14;
    QTest::newRow("composite table") << 3 << QPoint(5, 2) << QString() << 2;
    QTest::newRow("level command goes back to line 1") << 1 << QPoint(8, 9) << QString("LEVEL31") << 1;
    QTest::newRow("cost level command") << 3 << QPoint(2, 12) << QString("N3") << 1;
}

void TestMainWindow::rowMarkFollowsEveryMove()
{
    QFETCH(int, table);
    QFETCH(QPoint, cell);
    QFETCH(QString, command);
    QFETCH(int, row);
    Program p;
    TStrColGrid* grids[] = {p.window->StrColGrid1, p.window->StrColGrid2, p.window->StrColGrid3};
    const int labourColumn = grids[0]->Col();
    QVERIFY(grids[table - 1]->MoveTo(cell.x(), cell.y()));
    if (!command.isEmpty())
        p.window->findChild<QAction*>(command)->trigger();
    const QColor mark = ColorFromNumber(0xC08080);
    const QColor fixed = ColorFromNumber(0xA28C8E);
    for (TStrColGrid* grid : grids) {
        QCOMPARE(grid->Row(), row);
        for (int r = 1; r <= 14; ++r)
            QCOMPARE(grid->FindCellParam(0, r, false)->CellColor(), r == row ? mark : fixed);
    }
    // The tables keep their own columns; the level commands choose the column
    // of the price tables only.
    if (table != 1)
        QCOMPARE(grids[0]->Col(), labourColumn);
    if (command == "LEVEL31")
        QCOMPARE(grids[1]->Col(), 3);
}

void TestMainWindow::windowIconSizes_data()
{
    // The icon's files are read only when a size is asked for; each size
    // comes from the smallest file that covers it.
    QTest::addColumn<int>("asked");
    QTest::addColumn<int>("file");
    QTest::newRow("a file's own size") << 48 << 48;
    QTest::newRow("between two files") << 20 << 22;
    QTest::newRow("the smallest") << 8 << 16;
    QTest::newRow("the largest") << 256 << 256;
    QTest::newRow("beyond the largest") << 300 << 256;
}

void TestMainWindow::windowIconSizes()
{
    QFETCH(int, asked);
    QFETCH(int, file);
    const QIcon icon = ProgramIcon(QStringLiteral("kavrel"));
    QCOMPARE(icon.availableSizes().size(), 8);
    const QPixmap pixmap = icon.pixmap(QSize(asked, asked));
    const int side = std::min(asked, file);
    QCOMPARE(pixmap.size(), QSize(side, side));
    const auto premultiplied = [](const QImage& image) {
        return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    };
    const QImage original = premultiplied(QImage(QStringLiteral(":/icons/%1/kavrel.png").arg(file)));
    QVERIFY(!original.isNull());
    if (side == file)
        QCOMPARE(premultiplied(pixmap.toImage()), original);
}

// Each text as the window's labels lay it out, run by run: the faces used.
void TestMainWindow::japaneseTextInTheJapaneseFace_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("faces");
    const QString latin = QFontInfo(QGuiApplication::font()).family();
    QTest::newRow("kanji") << QStringLiteral("管材") << QStringList{JapaneseFace};
    QTest::newRow("kana") << QStringLiteral("ゴシック") << QStringList{JapaneseFace};
    QTest::newRow("full-width digits") << QStringLiteral("１２") << QStringList{JapaneseFace};
    QTest::newRow("latin") << QStringLiteral("Price 12") << QStringList{latin};
    QTest::newRow("mixed") << QStringLiteral("A管B") << QStringList{latin, JapaneseFace};
}

void TestMainWindow::japaneseTextInTheJapaneseFace()
{
    QFETCH(QString, text);
    QFETCH(QStringList, faces);
    const QFont before = QGuiApplication::font();
    UseJapaneseFace();
    UseJapaneseFace(); // a second call changes nothing
    QCOMPARE(QGuiApplication::font().families().count(QString::fromLatin1(JapaneseFace)), 1);
    QLabel label;
    QTextLayout layout(text, label.font());
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    QStringList used;
    for (const QGlyphRun& run : layout.glyphRuns())
        used << run.rawFont().familyName();
    QGuiApplication::setFont(before);
    used.sort();
    used.removeDuplicates();
    faces.sort();
    QCOMPARE(used, faces);
}

#include "TestMain.h"
KAVREL_TEST_MAIN(TestMainWindow)
#include "TestMainWindow.moc"
