#include "ApplicationTitle.h"
#include "GuardedApplication.h"
#include "MainWindowProgram.h"
#include "MaterialSettings.h"
#include "PriceBookFile.h"
#include "TBorRadio.h"
#include "TFTANKAREGIST.h"
#include "TIconButton.h"
#include "TNValEdit.h"
#include "TStrColGrid.h"
#include "Tfsheetset.h"
#include "TfsheetsetItems.h"
#include "Tkvconfig.h"
#include "TestUnits.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <memory>

namespace {

// A material with sizes, names, prices and settings, as material m of a book.
void FillMaterial(PriceBook& book, int m)
{
    book.row(m, 1).headerText.setText(QString::fromUtf8("鋳鉄管"));
    book.row(m, 2).headerText.setText(QString::fromUtf8("排水"));
    book.row(m, 3).headerText.setText(QString::fromUtf8("メカニカル形継手"));
    book.row(m, 4).headerText.setText(QString::fromUtf8("建設物価"));
    book.row(m, 5).headerText.setText(QStringLiteral("P.88"));
    const char* const sheets[] = {"屋内一般", "機械室", "地中", "屋外"};
    for (int sheet = 0; sheet < Sheets; ++sheet) {
        for (int line = 1; line <= LinesPerSheet; ++line) {
            PriceRow& r = book.row(m, MaterialRowNumber(sheet, line));
            r.sheetName.setText(QString::fromUtf8(sheets[sheet]));
            r.unit.setText(QString::fromUtf8("本"));
            if (line > PriceLines)
                continue;
            r.sizeName.setText(QStringLiteral("%1A").arg(50 + 25 * line));
            r.listPrice = units(2000 + 100 * line);
            r.levelPrice[0] = units(1500 + 100 * line);
            r.rate[0] = units(1);
            r.rate[4] = units(0.2);
        }
    }
    MaterialSettings s{book.row(m, SettingsRowNumber)};
    s.adoptedStep() = units(10);
    s.componentAddend() = units(0.9);
    s.adoptedStepAddend() = units(0.5);
    book.row(m, LabourRowNumber).compositeLevel[0] = units(18000);
    book.row(m, LabourRowNumber).compositeCost = units(15000);
}

QStringList Items(const QComboBox* box)
{
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    return items;
}

// A dialog on material 20 of a filled book, shown as the command shows it.
struct DialogFixture {
    ScriptedModalSeam seam;
    PriceBook book = BlankPriceBook(0);
    WorkSet work;
    std::unique_ptr<Tfsheetset> dialog;

    DialogFixture()
    {
        FillMaterial(book, 19);
        LoadMaterial(work, book, 19);
        dialog = std::make_unique<Tfsheetset>(work, 19);
        dialog->show();
    }
    // Stores as the command does with what the dialog kept.
    void store()
    {
        dialog->IconButton6->click();
        if (const std::optional<BasicData>& data = dialog->storedData())
            StoreBasicData(*data, work, book, 19);
    }
};

// The main window on a program folder whose category 1 book holds material 20.
struct BasicDataProgram : MainWindowProgram {
    BasicDataProgram()
        : MainWindowProgram(Options().withArgument(QStringLiteral("1;20;")).preparing([](const QString& kanzai) {
              PriceBook book = BlankPriceBook(0);
              FillMaterial(book, 19);
              WritePriceBookFile(kanzai + "/haikan1.FDA", book, 0);
          }))
    {
    }
    // Answers the next dialog: shows it, lets `act` use its controls, and
    // leaves it with the store button or with Exit.
    void answerDialog(const std::function<void(Tfsheetset&)>& act, bool store)
    {
        seam.dialogAnswers.push_back([act, store](QDialog& d) {
            auto& dialog = static_cast<Tfsheetset&>(d);
            dialog.show();
            act(dialog);
            (store ? dialog.IconButton6 : dialog.IconButton4)->click();
            return dialog.result();
        });
    }
};

} // namespace

class TestBasicDataDialog : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { SetApplicationTitle(QStringLiteral("Zavrikon（管材編）")); }
    void showsTheWorkSet();
    void listsKeepTheirOrder();
    void sizePresets_data();
    void sizePresets();
    void refrigerantSetLeavesLineOneEmpty();
    void sheetNameButtons();
    void clickFieldsAskThroughTheSeam_data();
    void clickFieldsAskThroughTheSeam();
    void storesTheCheckedButtons();
    void exitStoresNothing();
    void commandStoresAndRedisplays_data();
    void commandStoresAndRedisplays();
    void exitAfterPresetsStillRedisplaysAndMarksModified();
};

void TestBasicDataDialog::showsTheWorkSet()
{
    DialogFixture f;
    Tfsheetset& d = *f.dialog;
    QCOMPARE(d.windowTitle(), QString::fromUtf8("管材別基本デ－タ設定"));
    QCOMPARE(d.GOODSBOX->currentText(), QString::fromUtf8("鋳鉄管"));
    QCOMPARE(d.ComboBox2->currentText(), QString::fromUtf8("排水"));
    QCOMPARE(d.ComboBox3->currentText(), QString::fromUtf8("メカニカル形継手"));
    QCOMPARE(d.StaticText1->text(), QString::fromUtf8("建設物価"));
    QCOMPARE(d.StaticText2->text(), QStringLiteral("P.88"));
    QCOMPARE(d.ComboBox1->currentText(), QString::fromUtf8("本"));
    // The arrow keys move on from the item shown, or from the top for a free text.
    QCOMPARE(d.GOODSBOX->currentIndex(), 27);
    QTest::keyClick(d.GOODSBOX, Qt::Key_Down);
    QCOMPARE(d.GOODSBOX->currentText(), QString::fromUtf8("銅管（Ｍ）"));
    f.work.row(1).headerText.setText(QStringLiteral("SUS304"));
    d.hide();
    d.show();
    QCOMPARE(d.GOODSBOX->currentText(), QStringLiteral("SUS304"));
    QTest::keyClick(d.GOODSBOX, Qt::Key_Down);
    QCOMPARE(d.GOODSBOX->currentText(), QString::fromUtf8("ステンレス鋼鋼管"));
    QCOMPARE(d.kind[3]->text(), QString::fromUtf8("屋外"));
    QCOMPARE(d.StrColGrid1->ColCount(), 2);
    QCOMPARE(d.StrColGrid1->RowCount(), 15);
    QCOMPARE(d.StrColGrid1->RowHeights(7), 17);
    QCOMPARE(d.StrColGrid1->Cells(1, 1), QStringLiteral("75A"));
    QCOMPARE(d.StrColGrid1->Cells(1, 14), QStringLiteral("400A"));
    // 有効桁以下 四捨五入, 小数以下処理 切り上げ, 採用有効桁 10, 配管モード, 端数処理
    for (int number : {13, 8, 15, 1, 4})
        QVERIFY2(d.BorRadio[static_cast<std::size_t>(number - 1)]->isChecked(), qPrintable(QString::number(number)));
    const QList<TBorRadio*> radios = d.findChildren<TBorRadio*>();
    QCOMPARE(radios.size(), 18);
    for (const TBorRadio* radio : radios)
        QCOMPARE(radio->checkColor(), QColor(Qt::blue));
    QVERIFY(!d.nopanel->isVisible());
    QCOMPARE(d.material(), 19);
}

void TestBasicDataDialog::listsKeepTheirOrder()
{
    DialogFixture f;
    Tfsheetset& d = *f.dialog;
    QCOMPARE(Items(d.GOODSBOX), GoodsNames());
    QCOMPARE(Items(d.ComboBox2), UsageNames());
    QCOMPARE(Items(d.ComboBox3), JointMethods());
    QCOMPARE(Items(d.ComboBox1), UnitNames());
    // Half-width katakana follow the first name, not the end of the list.
    QCOMPARE(GoodsNames().size(), 37);
    QCOMPARE(d.GOODSBOX->itemText(1), QString::fromUtf8("ﾌﾗﾝｼﾞ付ﾎﾟﾘｴﾁﾚﾝ粉体ﾗｲﾆﾝｸﾞ鋼管FPA"));
    QCOMPARE(d.GOODSBOX->itemText(36), QString::fromUtf8("冷媒用被覆銅管"));
    // A typed name is stored but never joins the list.
    d.GOODSBOX->setFocus();
    d.GOODSBOX->lineEdit()->clear();
    QTest::keyClicks(d.GOODSBOX->lineEdit(), QStringLiteral("SUS"));
    QTest::keyClick(d.GOODSBOX->lineEdit(), Qt::Key_Return);
    QCOMPARE(d.GOODSBOX->count(), 37);
    // The start of a longer item stays as typed.
    d.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&d));
    d.ComboBox1->setFocus();
    d.ComboBox1->lineEdit()->clear();
    QTest::keyClicks(d.ComboBox1->lineEdit(), QStringLiteral("k"));
    f.store();
    QCOMPARE(f.book.row(19, 1).headerText.text(), QStringLiteral("SUS"));
    QCOMPARE(f.book.row(19, 60).unit.text(), QStringLiteral("k"));
}

void TestBasicDataDialog::sizePresets_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");
    QTest::newRow("13") << "SpeedButton4" << QString::fromUtf8("13スタ－ト") << "13A" << "300A";
    QTest::newRow("15") << "SpeedButton1" << QString::fromUtf8("15スタ－ト") << "15A" << "300A";
    QTest::newRow("20") << "SpeedButton7" << QString::fromUtf8("20スタ－ト") << "20A" << "350A";
    QTest::newRow("refrigerant") << "SpeedButton2" << QString::fromUtf8("冷媒セット") << "6.4" << "53.98";
    QTest::newRow("refrigerant from 9.5") << "SpeedButton3" << QString::fromUtf8("冷媒セット") << "" << "53.98";
    QTest::newRow("clear") << "SpeedButton8" << QStringLiteral("  Clear   ") << "" << "";
}

void TestBasicDataDialog::sizePresets()
{
    QFETCH(QString, button);
    QFETCH(QString, caption);
    QFETCH(QString, first);
    QFETCH(QString, last);
    DialogFixture f;
    // An editor left open on row 1 must not keep the old size on show.
    f.dialog->StrColGrid1->MoveTo(1, 1);
    f.dialog->StrColGrid1->ShowEditor();
    auto* preset = f.dialog->findChild<QPushButton*>(button);
    QVERIFY(preset);
    QCOMPARE(preset->text(), caption);
    preset->click();
    QVERIFY(!f.dialog->StrColGrid1->EditorMode());
    QCOMPARE(f.dialog->StrColGrid1->Cells(1, 1), first);
    QCOMPARE(f.dialog->StrColGrid1->Cells(1, 14), last);
}

void TestBasicDataDialog::refrigerantSetLeavesLineOneEmpty()
{
    DialogFixture f;
    f.dialog->findChild<QPushButton*>(QStringLiteral("SpeedButton3"))->click();
    f.store();
    for (int sheet = 0; sheet < Sheets; ++sheet) {
        QCOMPARE(f.book.row(19, MaterialRowNumber(sheet, 1)).sizeName.text(), QString());
        QCOMPARE(f.book.row(19, MaterialRowNumber(sheet, 2)).sizeName.text(), QStringLiteral("9.5"));
        QCOMPARE(f.work.row(MaterialRowNumber(sheet, 14)).sizeName.text(), QStringLiteral("53.98"));
    }
    QVERIFY(f.seam.unexpected.isEmpty());
}

void TestBasicDataDialog::sheetNameButtons()
{
    DialogFixture f;
    f.dialog->SpeedButton6->click();
    for (const QLineEdit* kind : f.dialog->kind)
        QCOMPARE(kind->text(), QString());
    QCOMPARE(f.dialog->SpeedButton5->text(), QStringLiteral(" Set  "));
    f.dialog->SpeedButton5->click();
    f.store();
    const char* const names[] = {"屋内一般", "機械室", "屋外架空", "地中配管"};
    for (int sheet = 0; sheet < Sheets; ++sheet) {
        for (int line : {1, 15})
            QCOMPARE(f.book.row(19, MaterialRowNumber(sheet, line)).sheetName.text(), QString::fromUtf8(names[sheet]));
    }
}

void TestBasicDataDialog::clickFieldsAskThroughTheSeam_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<int>("line"); // the work row whose text the field stores
    QTest::newRow("kind1") << "kind1" << QString::fromUtf8("単価種別") << 15;
    QTest::newRow("kind4") << "kind4" << QString::fromUtf8("単価種別") << 60;
    QTest::newRow("price reference") << "StaticText1" << QString::fromUtf8("材料単価建物") << 4;
    QTest::newRow("page") << "StaticText2" << QString::fromUtf8("材料単価建物") << 5;
}

void TestBasicDataDialog::clickFieldsAskThroughTheSeam()
{
    QFETCH(QString, field);
    QFETCH(QString, prompt);
    QFETCH(int, line);
    DialogFixture f;
    auto* edit = f.dialog->findChild<QLineEdit*>(field);
    const QString before = edit->text();
    f.seam.inputAnswers.push_back(std::nullopt);
    QTest::mouseClick(edit, Qt::LeftButton);
    QCOMPARE(edit->text(), before);
    QCOMPARE(f.seam.asked.last(), QStringLiteral("input Zavrikon %1 %2").arg(prompt, before));
    f.seam.inputAnswers.push_back(QString::fromUtf8("新しい値"));
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Space);
    QCOMPARE(edit->text(), QString::fromUtf8("新しい値"));
    f.store();
    const WorkRow& row = f.work.row(line);
    QCOMPARE(line >= 15 ? row.sheetName.text() : row.headerText.text(), QString::fromUtf8("新しい値"));
    QVERIFY(f.seam.unexpected.isEmpty());
}

void TestBasicDataDialog::storesTheCheckedButtons()
{
    DialogFixture f;
    Tfsheetset& d = *f.dialog;
    for (int number : {2, 7, 10, 11, 18})
        QTest::mouseClick(d.BorRadio[static_cast<std::size_t>(number - 1)], Qt::LeftButton);
    QVERIFY(!d.BorRadio[0]->isChecked()); // one per group
    QVERIFY(!d.BorRadio[12]->isChecked());
    f.store();
    ConstMaterialSettings s{f.book.row(19, SettingsRowNumber)};
    QCOMPARE(s.mode(), units(2));
    QCOMPARE(s.componentDecimals(), units(3));
    QCOMPARE(s.componentAddend(), units(0.5));
    QCOMPARE(s.adoptedStepAddend(), units(0.9));
    QCOMPARE(s.adoptedStep(), units(3));
    QCOMPARE(d.result(), int(QDialog::Accepted));
}

void TestBasicDataDialog::exitStoresNothing()
{
    DialogFixture f;
    const PriceBook book = f.book;
    const WorkSet work = f.work;
    f.dialog->sizeButtons[1]->click();
    f.dialog->SpeedButton5->click();
    QTest::mouseClick(f.dialog->BorRadio[1], Qt::LeftButton);
    f.dialog->IconButton4->click();
    QCOMPARE(f.dialog->result(), int(QDialog::Rejected));
    QVERIFY(f.book == book);
    QVERIFY(f.work == work);
}

void TestBasicDataDialog::commandStoresAndRedisplays_data()
{
    QTest::addColumn<bool>("fromMenu");
    QTest::newRow("button") << false;
    QTest::newRow("menu") << true;
}

void TestBasicDataDialog::commandStoresAndRedisplays()
{
    QFETCH(bool, fromMenu);
    BasicDataProgram p;
    TFTANKAREGIST& w = *p.window;
    QCOMPARE(p.session().currentMaterial(), 19);
    QVERIFY(w.user_sel->isEnabled());
    auto* n37 = w.findChild<QAction*>(QStringLiteral("N37"));
    QVERIFY(n37->isEnabled());
    w.TabControl1->setCurrentIndex(2);
    const WorkSet before = p.session().work();
    const QString label = w.TreeView1->topLevelItem(0)->child(19)->text(0);
    QString shownMaterial;
    p.answerDialog(
        [&](Tfsheetset& d) {
            shownMaterial = d.nopanel->text();
            // Centred on the screen, with a size of its own.
            const QPoint offset = d.geometry().center() - d.screen()->availableGeometry().center();
            QVERIFY(std::abs(offset.x()) <= 2 && std::abs(offset.y()) <= 2);
            QCOMPARE(d.minimumSize(), d.maximumSize());
            d.GOODSBOX->setEditText(QString::fromUtf8("冷媒用銅管"));
            d.sizeButtons[1]->click(); // 15スタ－ト
            d.SpeedButton5->click();
            QTest::mouseClick(d.BorRadio[1], Qt::LeftButton); // 冷媒モード
        },
        true);
    if (fromMenu)
        n37->trigger();
    else
        w.user_sel->click();
    QVERIFY(p.seam.unexpected.isEmpty());
    QCOMPARE(shownMaterial, QStringLiteral("19"));
    QCOMPARE(p.session().currentMaterial(), 19);
    QVERIFY(w.N2->isEnabled());
    QVERIFY(p.session().modified());
    QCOMPARE(w.TreeView1->topLevelItem(0)->child(19)->text(0), QString::fromUtf8("冷媒用銅管"));
    QCOMPARE(w.TreeView1->topLevelItem(0)->child(19)->toolTip(0), QString::fromUtf8("冷媒用銅管")); // whole, where cut
    QCOMPARE(w.materialItems[0][19]->text(), QString::fromUtf8("冷媒用銅管"));
    QCOMPARE(w.TabControl1->count(), 1);
    QCOMPARE(w.TabControl1->tabText(0), QString::fromUtf8("一般"));
    QCOMPARE(p.session().currentSheet(), 0);
    QCOMPARE(w.StrColGrid1->Cells(9, 0), QStringLiteral("---"));
    QCOMPARE(w.StrColGrid2->Cells(0, 1), QStringLiteral("15A"));
    QCOMPARE(w.kanname->text().left(6), QString::fromUtf8("冷媒用銅管:"));
    QCOMPARE(p.session().book().row(19, MaterialRowNumber(3, 1)).sheetName.text(), QString::fromUtf8("地中配管"));
    // Rows 1 to 59 were computed again: 0.2 man-days at 18,000 on every sheet.
    QCOMPARE(p.session().work().row(MaterialRowNumber(2, 5)).breakdown[0][4], units(3600));
    QCOMPARE(p.session().book().row(19, LabourRowNumber).compositeCost, units(15000));
    QCOMPARE(w.GPAYDAY_N->value(), 15000.0);
    // One step: undo brings back the material from before the dialog.
    w.N2->trigger();
    QVERIFY(p.session().work() == before);
    QCOMPARE(w.TabControl1->count(), 4);
    QCOMPARE(w.TreeView1->topLevelItem(0)->child(19)->text(0), label);
}

void TestBasicDataDialog::exitAfterPresetsStillRedisplaysAndMarksModified()
{
    BasicDataProgram p;
    TFTANKAREGIST& w = *p.window;
    const PriceBook book = p.session().book();
    const QString goods = w.TreeView1->topLevelItem(0)->child(19)->text(0);
    const QString composite = w.StrColGrid3->Cells(1, 3);
    QVERIFY(!composite.isEmpty());
    w.StrColGrid3->SetCells(1, 3, QStringLiteral("stale"));
    w.TabControl1->setCurrentIndex(1);
    QVERIFY(!p.session().modified());
    p.answerDialog(
        [](Tfsheetset& d) {
            for (QPushButton* preset : d.sizeButtons)
                preset->click();
            d.SpeedButton6->click();
            d.GOODSBOX->setEditText(QStringLiteral("not stored"));
        },
        false);
    w.user_sel->click();
    QVERIFY(p.seam.unexpected.isEmpty());
    QVERIFY(p.session().book() == book);
    QVERIFY(p.session().modified());
    QVERIFY(w.N2->isEnabled());
    QCOMPARE(w.TreeView1->topLevelItem(0)->child(19)->text(0), goods);
    QCOMPARE(w.TabControl1->count(), 4);
    QCOMPARE(w.TabControl1->currentIndex(), 0);
    QCOMPARE(w.StrColGrid3->Cells(1, 3), composite);
}

static int runTestBasicDataDialog(int argc, char** argv)
{
    GuardedApplication app(argc, argv);
    TestBasicDataDialog test;
    return QTest::qExec(&test, argc, argv);
}

#include "TestMain.h"
KAVREL_TEST_CUSTOM_MAIN(TestBasicDataDialog, runTestBasicDataDialog)

#include "TestBasicDataDialog.moc"
