#include "BookCompareDialog.h"
#include "MainWindowProgram.h"
#include "PriceBookFile.h"
#include "SampleBooks.h"
#include "TSCGCellParam.h"
#include "TStrColGrid.h"
#include "TestUnits.h"

#include <QAction>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTreeWidget>

namespace {

// The window on the first sample book as category 1, saved once with the
// list price of 20A of material 1 changed: its history holds the sample.
struct Saved : MainWindowProgram {
    Saved()
        : MainWindowProgram(Options().withArgument("1;1;").preparing([](const QString& kanzai) {
              WritePriceBookFile(kanzai + "/haikan1.FDA", SampleBook(0), 0);
          }))
    {
        session().StorePrice(ListLevel, 2, units(9999));
        seam.dialogAnswers.push_back(Press("button1")); // saved
        window->N1->trigger();
    }
    // Scripts the dialog: the newest version chosen, then `then`.
    void answer(const std::function<void(BookCompareDialog&)>& then)
    {
        seam.dialogAnswers.push_back([=](QDialog& d) {
            auto& dialog = dynamic_cast<BookCompareDialog&>(d);
            dialog.versionTable->selectRow(0);
            then(dialog);
            return d.result();
        });
    }
};

} // namespace

class TestBookCompare : public QObject {
    Q_OBJECT
private slots:
    void restoreLoadsTheVersionMarkedModified();
    void aChosenDifferenceIsMarkedUntilTheNextSelection();
};

void TestBookCompare::restoreLoadsTheVersionMarkedModified()
{
    Saved p;
    QVERIFY(!p.session().modified());
    int listed = 0;
    p.answer([&](BookCompareDialog& d) {
        listed = d.versionTable->rowCount();
        QCOMPARE(d.versionTable->item(0, 3)->text(), QString("4")); // 20A on four sheets
        d.restoreButton->click();
    });
    p.action("historyRestore")->trigger();
    QVERIFY2(p.seam.errors.isEmpty(), qPrintable(p.seam.errors.join('\n')));
    QCOMPARE(listed, 1);
    QCOMPARE(DifferingLines(p.session().book(), SampleBook(0)), 0);
    QVERIFY(p.session().modified());
    QCOMPARE(p.session().currentPath(), p.book(1));
    QCOMPARE(p.window->StrColGrid2->Cells(7, 2), QString("1,470"));
}

void TestBookCompare::aChosenDifferenceIsMarkedUntilTheNextSelection()
{
    Saved p;
    p.clickTree(0, 3);
    p.answer([](BookCompareDialog& d) {
        QTreeWidgetItem* material = d.differenceTree->topLevelItem(0);
        QVERIFY(material && material->childCount() > 0);
        QTreeWidgetItem* first = material->child(0);
        emit d.differenceTree->itemDoubleClicked(first, 0);
    });
    p.action("bookCompare")->trigger();
    QVERIFY2(p.seam.errors.isEmpty(), qPrintable(p.seam.errors.join('\n')));
    QCOMPARE(p.session().currentMaterial(), 0);
    const auto marked = [&] {
        const TSCGCellParam* param = p.window->StrColGrid2->FindCellParam(7, 2, false);
        return param && param->CellColorEnabled() && param->CellColor() == QColor(0xFF, 0xC0, 0xC0);
    };
    QVERIFY(marked());
    p.clickTree(0, 1);
    p.clickTree(0, 0);
    QVERIFY(!marked());
}

#include "TestMain.h"
KAVREL_TEST_MAIN(TestBookCompare)
#include "TestBookCompare.moc"
