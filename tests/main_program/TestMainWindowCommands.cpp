#include "ApplicationTitle.h"
#include "AtomicFile.h"
#include "DataFileConfig.h"
#include "FileError.h"
#include "GuardedApplication.h"
#include "MainWindowProgram.h"
#include "MaterialSettings.h"
#include "PriceBookFile.h"
#include "TFTANKAREGIST.h"
#include "TIconButton.h"
#include "TNValEdit.h"
#include "TStrColGrid.h"
#include "TestFiles.h"
#include "Tkvconfig.h"
#include "TestUnits.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScopeGuard>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <cerrno>
#include <cstring>
#include <memory>

namespace {

struct CommandProgram : MainWindowProgram {
    // `prepare` may write category books before the program starts.
    explicit CommandProgram(const QString& programName = QStringLiteral("kavrel"),
                     const std::function<void(const QString& kanzai)>& prepare = {})
        : MainWindowProgram(Options().named(programName).preparing(prepare))
    {
    }
};

// Throws from inside event delivery, as a failing command does.
class FailingObject : public QObject {
public:
    bool event(QEvent* e) override
    {
        if (e->type() == QEvent::User)
            throw FileError(QStringLiteral("/x/kanzai/haikan1.FDA"), QStringLiteral("No space left on device"));
        return QObject::event(e);
    }
};

} // namespace

class TestMainWindowCommands : public QObject {
    Q_OBJECT
private slots:
    void renameGroupFromTheMenu();
    void shiftClickRenamesATreeNode();
    void baseLabourEnterRecomputesAndMovesOn();
    void columnWidthCommand_data();
    void columnWidthCommand();
    void editionMenus_data();
    void editionMenus();
    void errorsAreReportedAtTheEventLoopEdge();
    void failuresStayInTheirHandler_data();
    void failuresStayInTheirHandler();
    void shortcutsFollowTheLastOpenedCategoryMenu();
    void refrigerantMaterialHasOneSheet();
    void adoptedPricesOnTheShownSheet();
    void tooLargeValuesAreRefused_data();
    void tooLargeValuesAreRefused();
};

void TestMainWindowCommands::renameGroupFromTheMenu()
{
    CommandProgram p;
    p.seam.inputAnswers.push_back(QString::fromUtf8("給水設備"));
    p.action("N57")->trigger(); // category 3
    QCOMPARE(p.window->TreeView1->topLevelItem(2)->text(0), QString::fromUtf8("給水設備"));
    QCOMPARE(p.config->groupName(2), QString::fromUtf8("給水設備"));
    QVERIFY(p.seam.asked.last().contains(QString::fromUtf8("グル－プ名を入力してください")));
    // One rename for every place that shows the name, the menu too.
    QCOMPARE(p.window->categoryMenus[2]->title(), QString::fromUtf8("給水設備"));
    QCOMPARE(ReadDataFileConfig(p.config->configurationPath()).groupName[2], QString::fromUtf8("給水設備"));
    p.seam.inputAnswers.push_back(std::nullopt);
    p.action("N57")->trigger();
    QCOMPARE(p.config->groupName(2), QString::fromUtf8("給水設備"));
}

void TestMainWindowCommands::shiftClickRenamesATreeNode()
{
    CommandProgram p;
    QTreeWidget* tree = p.window->TreeView1;
    tree->expandAll();
    QTreeWidgetItem* category = tree->topLevelItem(1);
    p.seam.inputAnswers.push_back(QString::fromUtf8("雑排水"));
    const QPoint at = tree->visualItemRect(category).center();
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, Qt::ShiftModifier, at);
    QTRY_COMPARE(category->text(0), QString::fromUtf8("雑排水"));
    QCOMPARE(p.window->categoryMenus[1]->title(), QString::fromUtf8("雑排水"));
    QCOMPARE(p.config->groupName(1), QString::fromUtf8("雑排水"));
    QCOMPARE(p.window->session().currentCategory(), 1); // the click selected it first
    // A material node changes only its label.
    QTreeWidgetItem* material = category->child(2);
    p.seam.inputAnswers.push_back(QString::fromUtf8("仮の名前"));
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, Qt::ShiftModifier, tree->visualItemRect(material).center());
    QTRY_COMPARE(material->text(0), QString::fromUtf8("仮の名前"));
    QCOMPARE(p.config->groupName(1), QString::fromUtf8("雑排水"));
}

void TestMainWindowCommands::baseLabourEnterRecomputesAndMovesOn()
{
    CommandProgram p;
    PriceBookSession& s = p.window->session();
    s.StoreRate(5, 1, units(0.1), false);
    TNValEdit* labour = p.window->GPAYDAY[0];
    labour->setFocus();
    labour->setValue(20000);
    QTest::keyClick(labour, Qt::Key_Return);
    QCOMPARE(s.work().labourRow().compositeLevel[0], units(20000));
    QCOMPARE(s.book().row(0, 60).compositeLevel[0], units(20000));
    QCOMPARE(s.work().row(1).compositeLevel[0], units(2000));
    QCOMPARE(p.window->StrColGrid1->Cells(2, 1), QString("2,000"));
    QVERIFY(s.modified());
    QVERIFY(p.window->N2->isEnabled());
    QCOMPARE(QApplication::focusWidget(), p.window->GPAYDAY[1]);
    p.window->GPAYDAY_N->setFocus();
    QTest::keyClick(p.window->GPAYDAY_N, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), p.window->GPAYDAY[0]); // the ring closes
}

void TestMainWindowCommands::columnWidthCommand_data()
{
    QTest::addColumn<std::optional<QString>>("answer");
    QTest::addColumn<int>("width"); // 0: as before
    QTest::newRow("a width") << std::optional<QString>("64") << 64;
    QTest::newRow("zero changes nothing") << std::optional<QString>("0") << 0;
    QTest::newRow("not a number") << std::optional<QString>("wide") << 0;
    QTest::newRow("cancelled") << std::optional<QString>() << 0;
}

void TestMainWindowCommands::columnWidthCommand()
{
    QFETCH(std::optional<QString>, answer);
    QFETCH(int, width);
    CommandProgram p;
    // As shown: the designed widths, narrowed where the test's screen is small.
    const int before = p.window->StrColGrid2->ColWidths(1);
    const int first = p.window->StrColGrid2->ColWidths(0);
    const int other = p.window->StrColGrid3->ColWidths(1);
    p.seam.inputAnswers.push_back(answer);
    p.action("N14")->trigger();
    QCOMPARE(p.window->StrColGrid2->ColWidths(1), width ? width : before);
    QCOMPARE(p.window->StrColGrid2->ColWidths(7), width ? width : before);
    QCOMPARE(p.window->StrColGrid2->ColWidths(0), first);
    QCOMPARE(p.window->StrColGrid3->ColWidths(1), other);
}

void TestMainWindowCommands::editionMenus_data()
{
    QTest::addColumn<QString>("programName");
    QTest::addColumn<bool>("network");
    QTest::newRow("standalone") << "kavrel" << false;
    QTest::newRow("network") << "net_kavrel" << true;
}

void TestMainWindowCommands::editionMenus()
{
    QFETCH(QString, programName);
    QFETCH(bool, network);
    CommandProgram p(programName);
    QCOMPARE(p.window->edition(), network ? 1 : 0);
    QCOMPARE(p.window->net_work->menuAction()->isVisible(), network);
    QCOMPARE(p.window->file_read->isVisible(), network);
    QCOMPARE(p.window->label9->text().endsWith(QString::fromUtf8("-Network版")), network);
}

void TestMainWindowCommands::errorsAreReportedAtTheEventLoopEdge()
{
    ScriptedModalSeam seam;
    const int missedBefore = GuardedApplication::missedErrors();
    FailingObject failing;
    QCoreApplication::postEvent(&failing, new QEvent(QEvent::User));
    QCoreApplication::processEvents();
    QCOMPARE(seam.errors.size(), 1);
    QVERIFY(seam.errors.first().contains("/x/kanzai/haikan1.FDA"));
    QVERIFY(seam.errors.first().contains("No space left on device"));
    // Only a handler without a boundary lets an error get that far: counted.
    QCOMPARE(GuardedApplication::missedErrors(), missedBefore + 1);
}

void TestMainWindowCommands::failuresStayInTheirHandler_data()
{
    QTest::addColumn<QString>("family");
    QTest::addColumn<QString>("reported"); // a part of the report; empty: none
    QTest::newRow("menu: save on a full disk") << "save" << QString::fromUtf8("空き容量がありません");
    QTest::newRow("menu: overwrite of a colleague's save cancelled") << "cancel" << QString();
    QTest::newRow("table key: a price that does not fit") << "key" << QString::fromUtf8("行");
    QTest::newRow("tree click: a damaged book") << "tree" << QStringLiteral("haikan2.FDA");
    QTest::newRow("dialog button: settings that cannot be written") << "config" << QStringLiteral("kavre_p.conf");
}

void TestMainWindowCommands::failuresStayInTheirHandler()
{
    QFETCH(QString, family);
    QFETCH(QString, reported);
    const int missedBefore = GuardedApplication::missedErrors();
    CommandProgram p("kavrel", [](const QString& kanzai) {
        PutFileBytes(kanzai + "/haikan2.FDA", QByteArray(1000, 'x'));
    });
    p.session().StorePrice(ListLevel, 2, units(5e14));
    p.session().StoreRate(1, 2, units(1.5), false);
    const int startErrors = p.seam.errors.size(); // the damaged book's labels
    const QByteArray onDisk = FileBytes(p.book(1));
    const PriceBook book = p.session().book();
    const DiskCalls saved = SaveDiskCalls();
    const auto restore = qScopeGuard([saved] { SaveDiskCalls() = saved; });
    if (family == "save") {
        SaveDiskCalls().write = [](int, const void*, size_t) -> ssize_t {
            errno = ENOSPC;
            return -1;
        };
        p.window->N1->trigger();
    } else if (family == "cancel") {
        PutFileBytes(p.book(1), FileBytes(p.book(1)) + QByteArray(1, '\0')); // another save meanwhile
        p.seam.dialogAnswers.push_back(Press("button2")); // キャンセル: keep theirs
        p.window->N1->trigger();
    } else if (family == "key") {
        p.typeInto(p.window->StrColGrid2, 1, 2, "900000000000000", true);
        QTest::keyClick(p.window->StrColGrid2->InplaceEditor(), Qt::Key_Return);
    } else if (family == "tree") {
        emit p.window->TreeView1->itemClicked(p.treeItem(1, 0), 0);
    } else {
        QFile::remove(p.dir.filePath("kavre_p.conf"));
        QDir(p.dir.path()).mkdir(QStringLiteral("kavre_p.conf"));
        p.config->BuildForm();
        p.config->IconButton3->click();
    }
    const QStringList errors = p.seam.errors.mid(startErrors);
    QCOMPARE(errors.size(), reported.isEmpty() ? 0 : 1);
    if (!reported.isEmpty())
        QVERIFY2(errors[0].contains(reported), qPrintable(errors[0]));
    QCOMPARE(GuardedApplication::missedErrors(), missedBefore);
    // The state is as before: the book, the file it came from and its category.
    QVERIFY(p.session().book() == book);
    QVERIFY(p.session().modified());
    QCOMPARE(p.session().currentCategory(), 0);
    if (family != "cancel")
        QCOMPARE(FileBytes(p.book(1)), onDisk);
    QVERIFY(p.session().canUndo());
}

void TestMainWindowCommands::shortcutsFollowTheLastOpenedCategoryMenu()
{
    CommandProgram p;
    QMenu* third = p.window->categoryMenus[2];
    emit third->aboutToShow();
    QTest::keyClick(p.window.get(), Qt::Key_F3);
    QCOMPARE(p.window->session().currentCategory(), 2);
    QCOMPARE(p.window->session().currentMaterial(), 2);
    QCOMPARE(p.window->TreeView1->currentItem(), p.window->TreeView1->topLevelItem(2)->child(2));
    // A click in the tree does not change the category the keys act on.
    emit p.window->TreeView1->itemClicked(p.window->TreeView1->topLevelItem(5), 0);
    QTest::keyClick(p.window.get(), Qt::Key_F1);
    QCOMPARE(p.window->session().currentCategory(), 2);
}

void TestMainWindowCommands::refrigerantMaterialHasOneSheet()
{
    CommandProgram p("kavrel", [](const QString& kanzai) {
        PriceBook book = BlankPriceBook(0);
        for (int sheet = 0; sheet < 4; ++sheet)
            book.row(1, MaterialRowNumber(sheet, 15)).sheetName.setText(QString::fromUtf8("屋内%1").arg(sheet));
        book.row(2, 15).rate[3] = units(2); // material 3 in refrigerant mode
        WritePriceBookFile(kanzai + "/haikan1.FDA", book, 0);
    });
    emit p.window->TreeView1->itemClicked(p.window->TreeView1->topLevelItem(0)->child(2), 0);
    QCOMPARE(p.window->TabControl1->count(), 1);
    QCOMPARE(p.window->TabControl1->tabText(0), QString::fromUtf8("一般"));
    QCOMPARE(p.window->StrColGrid1->Cells(9, 0), QString("---"));
    QCOMPARE(p.window->StrColGrid1->Cells(9, 1), QString());
    emit p.window->TreeView1->itemClicked(p.window->TreeView1->topLevelItem(0)->child(1), 0);
    QCOMPARE(p.window->TabControl1->count(), 4);
    QCOMPARE(p.window->TabControl1->currentIndex(), 0);
    QCOMPARE(p.window->TabControl1->tabText(3), QString::fromUtf8("屋内3"));
    QCOMPARE(p.window->StrColGrid1->Cells(9, 0), QString::fromUtf8("はつり補修"));
    QCOMPARE(p.window->item_paste_5->text(), QString::fromUtf8("屋内0のデータを屋内1・屋内2・屋内3へコピ－"));
}

void TestMainWindowCommands::adoptedPricesOnTheShownSheet()
{
    CommandProgram p("kavrel", [](const QString& kanzai) {
        PriceBook book = BlankPriceBook(0);
        MaterialSettings settings{book.row(0, SettingsRowNumber)};
        settings.adoptedStep() = units(100);
        settings.adoptedStepAddend() = units(0.9);
        PriceRow& line = book.row(0, MaterialRowNumber(2, 1));
        line.levelPrice[0] = units(1234);
        line.rate[0] = units(1);
        WritePriceBookFile(kanzai + "/haikan1.FDA", book, 0);
    });
    p.window->TabControl1->setCurrentIndex(2);
    QCOMPARE(p.window->StrColGrid3->Cells(1, 1), QString("1,234"));
    p.window->N50->trigger();
    QCOMPARE(p.window->StrColGrid3->Cells(1, 1), QString("1,300"));
    p.action("N49")->trigger();
    QCOMPARE(p.window->StrColGrid3->Cells(1, 1), QString("1,234"));
    // The first sheet's line has no price of its own.
    p.window->TabControl1->setCurrentIndex(0);
    QCOMPARE(p.window->StrColGrid3->Cells(1, 1), QString("0"));
}

void TestMainWindowCommands::tooLargeValuesAreRefused_data()
{
    QTest::addColumn<bool>("price"); // a price store, or a base labour cost
    QTest::newRow("price store") << true;
    QTest::newRow("base labour cost") << false;
}

void TestMainWindowCommands::tooLargeValuesAreRefused()
{
    QFETCH(bool, price);
    // Line 3 of material 2: a pipe factor of 2 and a million man-days, so that
    // a price or a base labour cost the edits take gives too large a value.
    CommandProgram p("kavrel", [](const QString& kanzai) {
        PriceBook book = BlankPriceBook(0);
        book.row(1, 3).rate[0] = units(2);
        book.row(1, 3).rate[4] = units(1e6);
        WritePriceBookFile(kanzai + "/haikan1.FDA", book, 0);
    });
    emit p.window->TreeView1->itemClicked(p.window->TreeView1->topLevelItem(0)->child(1), 0);
    const PriceBook book = p.window->session().book();
    const WorkSet work = p.window->session().work();
    if (price) {
        TStrColGrid* grid = p.window->StrColGrid2;
        grid->setFocus();
        grid->MoveTo(1, 3);
        grid->ShowEditor();
        grid->InplaceEditor()->setText("500000000000000");
        QTest::keyClick(grid->InplaceEditor(), Qt::Key_Return);
    } else {
        TNValEdit* labour = p.window->GPAYDAY[0];
        labour->setFocus();
        labour->setValue(999999999);
        QTest::keyClick(labour, Qt::Key_Return);
    }
    QCOMPARE(p.seam.errors.size(), 1);
    QVERIFY2(p.seam.errors.first().contains(QString::fromUtf8("管材2 シート1 3行目")), qPrintable(p.seam.errors.first()));
    QVERIFY(p.window->session().book() == book);
    QVERIFY(p.window->session().work() == work);
    QVERIFY(!p.window->session().modified());
    QVERIFY(!p.window->N2->isEnabled());
    // The window shows the values the material still has.
    QCOMPARE(p.window->StrColGrid2->Cells(1, 3), QString("0"));
    QCOMPARE(p.window->GPAYDAY[0]->value(), 0.0);
}

static int runTestMainWindowCommands(int argc, char** argv)
{
    GuardedApplication app(argc, argv);
    SetApplicationTitle(QStringLiteral("Zavrikon（管材編）"));
    TestMainWindowCommands test;
    return QTest::qExec(&test, argc, argv);
}

#include "TestMain.h"
KAVREL_TEST_CUSTOM_MAIN(TestMainWindowCommands, runTestMainWindowCommands)

#include "TestMainWindowCommands.moc"
