#include "MainWindowProgram.h"
#include "PriceBookFile.h"
#include "RevisionDialog.h"
#include "SampleBooks.h"
#include "ShiftJis.h"
#include "TStrColGrid.h"
#include "TestFiles.h"
#include "TestUnits.h"

#include <QAction>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

namespace {

// The window on the first sample book as category 1.
struct Revision : MainWindowProgram {
    Revision()
        : MainWindowProgram(Options().withArgument("1;1;").preparing([](const QString& kanzai) {
              WritePriceBookFile(kanzai + "/haikan1.FDA", SampleBook(0), 0);
          }))
    {
    }
    // Scripts the dialog: `fill` sets it up, then the preview is made and
    // "適用" (or "キャンセル") pressed.
    void answer(const std::function<void(RevisionDialog&)>& fill, bool apply, QString* summary = nullptr)
    {
        seam.dialogAnswers.push_back([=](QDialog& d) {
            auto& dialog = dynamic_cast<RevisionDialog&>(d);
            fill(dialog);
            dialog.previewButton->click();
            if (summary)
                *summary = dialog.summaryLabel->text();
            (apply ? dialog.applyButton : dialog.cancelButton)->click();
            return d.result();
        });
    }
};

const QString VA = QString::fromUtf8("水道用硬質塩化ﾋﾞﾆﾙﾗｲﾆﾝｸﾞ鋼管(VA)");

} // namespace

class TestRevisionDialog : public QObject {
    Q_OBJECT
private slots:
    void importedListIsOneUndoableStep();
    void percentRevisionOfChosenMaterials();
};

// A Shift-JIS list with two changes, a conflict and an unmatched row: the
// preview tells each, "適用" stores the changes as one step, one undo takes
// them all back.
void TestRevisionDialog::importedListIsOneUndoableStep()
{
    Revision p;
    const PriceBook before = p.session().book();
    const QString list = p.dir.filePath("list.csv");
    PutFileBytes(list, ShiftJis::encode(QString::fromUtf8("品名,サイズ,定価\r\n") + VA + ",15A,1200\r\n" + VA
                                        + ",２５Ａ,\"2,300\"\r\n" + VA + ",40A,3500\r\n" + VA
                                        + ",40A,3600\r\n存在しない管,15A,100\r\n"));
    QString summary;
    p.answer(
        [&](RevisionDialog& d) {
            d.fileEdit->setText(list);
            d.columnEdits[0]->setText(QString::fromUtf8("品名"));
            d.columnEdits[1]->setText("B");
            d.columnEdits[2]->setText(QString::fromUtf8("定価"));
        },
        true, &summary);
    p.action("priceListImport")->trigger();
    QVERIFY2(p.seam.errors.isEmpty(), qPrintable(p.seam.errors.join('\n')));
    QVERIFY2(summary.startsWith(QString::fromUtf8("変更 2 件")) && summary.contains(QString::fromUtf8("重複 1 件"))
                 && summary.contains(QString::fromUtf8("一致しない行 1 件")),
             qPrintable(summary));
    const PriceBook& after = p.session().book();
    QCOMPARE(after.row(0, MaterialRowNumber(3, 1)).listPrice, units(1200));
    QCOMPARE(after.row(0, MaterialRowNumber(0, 3)).listPrice, units(2300));
    QCOMPARE(after.row(0, MaterialRowNumber(0, 5)).listPrice, before.row(0, MaterialRowNumber(0, 5)).listPrice);
    QVERIFY(p.session().modified());
    QCOMPARE(p.window->StrColGrid2->Cells(7, 1), QString("1,200")); // the shown material, shown again
    p.action("N2")->trigger();
    QVERIFY(p.session().book() == before);
    QVERIFY(!p.session().modified());

    // The columns are remembered for the next list; a cancel stores nothing.
    p.answer([&](RevisionDialog& d) { QCOMPARE(d.columnEdits[1]->text(), QString("B")); }, false);
    p.action("priceListImport")->trigger();
    QVERIFY(p.session().book() == before);
    QVERIFY(p.seam.unexpected.isEmpty());

    // A list that cannot be read is told, naming it, and nothing is stored
    // (as a preview without a list was just now).
    p.seam.errors.clear();
    p.answer([&](RevisionDialog& d) { d.fileEdit->setText(p.dir.filePath("missing.csv")); }, false);
    p.action("priceListImport")->trigger();
    QCOMPARE(p.seam.errors.size(), 1);
    QVERIFY2(p.seam.errors[0].contains("missing.csv"), qPrintable(p.seam.errors[0]));
    QVERIFY(p.session().book() == before);
}

void TestRevisionDialog::percentRevisionOfChosenMaterials()
{
    Revision p;
    const PriceBook before = p.session().book();
    p.answer(
        [](RevisionDialog& d) {
            d.percentBox->setValue(10);
            for (int m = 0; m < d.materialList->count(); ++m)
                d.materialList->item(m)->setCheckState(m == 1 ? Qt::Checked : Qt::Unchecked);
        },
        true);
    p.action("listPriceRevision")->trigger();
    QVERIFY2(p.seam.errors.isEmpty(), qPrintable(p.seam.errors.join('\n')));
    const PriceBook& after = p.session().book();
    QCOMPARE(after.row(0, MaterialRowNumber(0, 1)).listPrice, before.row(0, MaterialRowNumber(0, 1)).listPrice);
    QVERIFY(after.row(1, MaterialRowNumber(0, 1)).listPrice > before.row(1, MaterialRowNumber(0, 1)).listPrice);
    p.action("N2")->trigger();
    QVERIFY(p.session().book() == before);
}

#include "TestMain.h"
KAVREL_TEST_MAIN(TestRevisionDialog)
#include "TestRevisionDialog.moc"
