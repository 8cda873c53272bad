#include "ApplicationTitle.h"
#include "GuardedApplication.h"
#include "MainWindowProgram.h"
#include "PriceBookFile.h"
#include "SampleBooks.h"
#include "TNValEdit.h"
#include "TStrColGrid.h"
#include "TestFiles.h"

#include <QAction>
#include <QLabel>
#include <QTabBar>
#include <QTest>
#include <QTreeWidget>

namespace {

// The window on the sample books of categories 1, 2 and 10 (refrigerant).
struct EditProgram : MainWindowProgram {
    EditProgram()
        : MainWindowProgram(Options().named(QStringLiteral("net_kavrel")).preparing([](const QString& kanzai) {
              for (int category : {1, 2, 10})
                  WritePriceBookFile(kanzai + QStringLiteral("/haikan%1.FDA").arg(category), SampleBook(category - 1), 0);
          }))
    {
    }
    QStringList tabs() const
    {
        QStringList texts;
        for (int t = 0; t < window->TabControl1->count(); ++t)
            texts << window->TabControl1->tabText(t);
        return texts;
    }
    QByteArray savedBytes()
    {
        seam.dialogAnswers.push_back(Press("button1")); // the notice after saving
        window->N1->trigger();
        return FileBytes(session().currentPath());
    }
};

const char* const CopyItems[] = {"all_copy_1", "all_copy_2", "all_copy_3", "all_copy_4",
                                 "item_copy_1", "item_copy_2", "item_copy_3", "item_copy_4"};
const char* const PasteNames[] = {"all_paste_1", "all_paste_2", "all_paste_3", "all_paste_4",
                                  "item_paste_1", "item_paste_2", "item_paste_3", "item_paste_4"};

// Only the paste of copy `item` is allowed, and the menu shows it; a hidden
// item reports itself disabled whatever it mirrors.
void checkPasteItems(EditProgram& p, int item)
{
    for (int i = 0; i < 8; ++i) {
        QCOMPARE(p.session().pasteEnabled(PasteItemKind(i)), i == item);
        QAction* paste = p.action(PasteNames[i]);
        QCOMPARE(paste->isEnabled(), i == item && paste->isVisible());
    }
}

} // namespace

class TestEditCommands : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { SetApplicationTitle(QStringLiteral("Zavrikon（管材編）")); }
    void pasteItemsFollowTheLastCopy_data();
    void pasteItemsFollowTheLastCopy();
    void materialToAnotherCategory();
    void fillItemFollowsTheMaterial();
    void fillIsUndoneStepByStep();
    void clearOnlyOnExecute_data();
    void clearOnlyOnExecute();
    void undoAfterClearWritesTheFileAsBefore();
};

void TestEditCommands::pasteItemsFollowTheLastCopy_data()
{
    QTest::addColumn<int>("item");
    for (int i = 0; i < 8; ++i)
        QTest::newRow(CopyItems[i]) << i;
}

void TestEditCommands::pasteItemsFollowTheLastCopy()
{
    QFETCH(int, item);
    EditProgram p;
    for (const char* paste : PasteNames)
        QVERIFY(!p.action(paste)->isEnabled()); // nothing is copied at start-up
    for (const char* hidden : {"item_copy_2", "item_paste_2", "item_copy_5"})
        QVERIFY(!p.action(hidden)->isVisible());
    p.action(CopyItems[(item + 5) % 8])->trigger();
    p.action(CopyItems[item])->trigger();
    checkPasteItems(p, item);
    // Neither a category switch nor a paste changes which paste is allowed.
    p.clickTree(1, 2);
    p.action(PasteNames[item])->trigger();
    QVERIFY(p.session().modified());
    QVERIFY(p.window->N2->isEnabled());
    checkPasteItems(p, item);
    p.action("item_copy_5")->trigger();
    checkPasteItems(p, -1);
    QVERIFY(p.seam.unexpected.isEmpty());
}

void TestEditCommands::materialToAnotherCategory()
{
    EditProgram p;
    p.clickTree(0, 4);
    p.action("all_copy_1")->trigger();
    const QString goods = p.session().book().row(4, 1).headerText.text();
    p.clickTree(1, 1);
    p.action("all_paste_1")->trigger();
    // The tree, the menu, the caption and the setting controls show it.
    QCOMPARE(p.treeItem(1, 1)->text(0), goods);
    QCOMPARE(p.window->materialItems[1][1]->text(), goods);
    QCOMPARE(p.window->statusPanels[0]->text(), goods);
    const PriceBook source = SampleBook(0);
    QCOMPARE(p.window->GPAYDAY[0]->value(), source.row(4, LabourRowNumber).compositeLevel[0].toDouble());
    QCOMPARE(p.window->StrColGrid2->Cells(0, 1), source.row(4, 1).sizeName.text());
    // Saved, the category 2 book holds the material as category 1 has it.
    p.savedBytes();
    const PriceBook saved = ReadPriceBookFile(p.book(2));
    for (int n = 1; n <= RowsPerMaterial; ++n)
        QCOMPARE(static_cast<const RowFields&>(saved.row(1, n)), static_cast<const RowFields&>(source.row(4, n)));
    QVERIFY(p.seam.unexpected.isEmpty());
}

void TestEditCommands::fillItemFollowsTheMaterial()
{
    EditProgram p;
    QAction* fill = p.window->item_paste_5;
    QVERIFY(fill->isEnabled());
    const QStringList tabs = p.tabs();
    QCOMPARE(tabs.size(), 4);
    QCOMPARE(fill->text(), tabs[0] + QString::fromUtf8("のデータを") + tabs[1] + QString::fromUtf8("・") + tabs[2]
                               + QString::fromUtf8("・") + tabs[3] + QString::fromUtf8("へコピ－"));
    p.clickTree(9, 0); // refrigerant mode: one sheet
    QCOMPARE(p.tabs(), QStringList{QString::fromUtf8("一般")});
    QVERIFY(!fill->isEnabled());
    p.clickTree(0, 1);
    QVERIFY(fill->isEnabled());
}

void TestEditCommands::fillIsUndoneStepByStep()
{
    EditProgram p;
    p.window->TabControl1->setCurrentIndex(2);
    const Currency stored = p.session().work().row(MaterialRowNumber(2, 3)).rate[4];
    p.typeInto(p.window->StrColGrid1, 8, 3, "0.9", true);
    QTest::keyClick(p.window->StrColGrid1->InplaceEditor(), Qt::Key_Return);
    p.window->TabControl1->setCurrentIndex(0);
    QVERIFY(p.window->N2->isEnabled());
    QVERIFY(!p.window->redoItem->isEnabled());
    p.window->item_paste_5->trigger();
    QCOMPARE(p.window->TabControl1->currentIndex(), 0);
    const WorkRow first = p.session().work().row(3);
    QCOMPARE(p.session().work().row(MaterialRowNumber(2, 3)).rate, first.rate);
    // Esc takes back the fill, then the rate typed before it; Ctrl+Y and
    // Ctrl+Shift+Z do them again.
    QTest::keyClick(p.window.get(), Qt::Key_Escape);
    QCOMPARE(p.session().work().row(MaterialRowNumber(2, 3)).rate[4], Currency::fromDouble(0.9));
    QVERIFY(p.window->N2->isEnabled());
    QTest::keyClick(p.window.get(), Qt::Key_Escape);
    QCOMPARE(p.session().work().row(MaterialRowNumber(2, 3)).rate[4], stored);
    QVERIFY(!p.window->N2->isEnabled());
    QVERIFY(!p.session().modified());
    QVERIFY(p.window->redoItem->isEnabled());
    QTest::keyClick(p.window.get(), Qt::Key_Y, Qt::ControlModifier);
    QTest::keyClick(p.window.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(p.session().work().row(MaterialRowNumber(2, 3)).rate, first.rate);
    QVERIFY(!p.window->redoItem->isEnabled());
}

void TestEditCommands::clearOnlyOnExecute_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("cleared");
    QTest::newRow("実行") << 6 << true;
    QTest::newRow("キャンセル") << 7 << false;
    QTest::newRow("close box") << 2 << false;
}

void TestEditCommands::clearOnlyOnExecute()
{
    QFETCH(int, answer);
    QFETCH(bool, cleared);
    EditProgram p;
    p.clickTree(0, 3);
    const PriceBook before = p.session().book();
    const double labour = p.window->GPAYDAY[0]->value();
    QStringList texts;
    p.seam.dialogAnswers.push_back([&texts, answer](QDialog& box) {
        texts << box.findChild<QLabel*>("text")->text();
        return answer;
    });
    p.window->N22->trigger();
    QCOMPARE(texts, QStringList{QString::fromUtf8("現在の内容をすべてクリア－しますか？")});
    QCOMPARE(p.session().book() == before, !cleared);
    QCOMPARE(p.session().modified(), cleared);
    if (!cleared)
        return;
    // The tabs, the caption and the labels show the cleared material; the
    // setting controls keep what they showed.
    QCOMPARE(p.tabs(), QStringList(4, QString()));
    QCOMPARE(p.window->statusPanels[0]->text(), QString());
    QCOMPARE(p.treeItem(0, 3)->text(0), QString::fromUtf8("----"));
    QCOMPARE(p.window->StrColGrid2->Cells(0, 1), QString());
    QCOMPARE(p.window->StrColGrid1->Cells(4, 1), QString("0"));
    QCOMPARE(p.window->GPAYDAY[0]->value(), labour);
    QVERIFY(p.window->N2->isEnabled());
}

void TestEditCommands::undoAfterClearWritesTheFileAsBefore()
{
    EditProgram p;
    p.clickTree(0, 2);
    p.window->TabControl1->setCurrentIndex(1);
    const QByteArray before = p.savedBytes();
    const QString label = p.treeItem(0, 2)->text(0);
    p.seam.dialogAnswers.push_back(Press("button1"));
    p.window->N22->trigger();
    QVERIFY(!(p.session().book() == ReadPriceBookFile(p.book(1))));
    QTest::keyClick(p.window.get(), Qt::Key_Escape);
    QVERIFY(!p.window->N2->isEnabled());
    QCOMPARE(p.treeItem(0, 2)->text(0), label);
    QCOMPARE(p.window->TabControl1->currentIndex(), 0);
    QCOMPARE(p.tabs().size(), 4);
    QVERIFY(!p.tabs().first().isEmpty());
    QCOMPARE(p.savedBytes(), before);
    QTest::keyClick(p.window.get(), Qt::Key_Escape); // nothing left to undo
    QCOMPARE(p.session().modified(), false);
    QVERIFY(p.seam.unexpected.isEmpty());
}

static int runTestEditCommands(int argc, char** argv)
{
    GuardedApplication app(argc, argv);
    TestEditCommands test;
    return QTest::qExec(&test, argc, argv);
}

#include "TestMain.h"
KAVREL_TEST_CUSTOM_MAIN(TestEditCommands, runTestEditCommands)

#include "TestEditCommands.moc"
