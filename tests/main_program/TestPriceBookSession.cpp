#include "FileError.h"
#include "MaterialSettings.h"
#include "PriceBookFile.h"
#include "PriceBookSession.h"
#include "TableRows.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

namespace {

Currency units(double v) { return Currency::fromDouble(v); }

// A session on a folder with category books 1 and 2; book 2 names its first
// material and gives it a list price on line 3.
struct Fixture {
    QTemporaryDir dir;
    PriceBookSession session{dir.path()};

    Fixture()
    {
        PriceBook second = BlankPriceBook(0);
        second.row(0, 1).headerText.setText(QString::fromUtf8("鋼管"));
        second.row(0, 3).listPrice = units(1000);
        second.row(0, 3).rate[0] = units(1);
        WritePriceBookFile(path(2), second, 0);
        session.currentPath = path(1);
        session.LoadPriceBook(path(1));
        session.SelectMaterial(0);
    }
    QString path(int category) const { return dir.filePath(QStringLiteral("haikan%1.FDA").arg(category)); }
};

} // namespace

class TestPriceBookSession : public QObject {
    Q_OBJECT
private slots:
    void switchCategoryLoadsTheOtherBook();
    void failedSwitchKeepsEverything();
    void scratchSaveAsksForAName_data();
    void scratchSaveAsksForAName();
    void storePriceWritesEverySheetAndUndoesOnce();
    void storeRateFillsDown();
    void labourRowTexts();
};

void TestPriceBookSession::switchCategoryLoadsTheOtherBook()
{
    Fixture f;
    f.session.modified = true;
    f.session.SwitchCategory(1, f.path(2));
    f.session.SelectMaterial(0);
    QCOMPARE(f.session.currentCategory, 1);
    QCOMPARE(f.session.currentPath, f.path(2));
    QCOMPARE(f.session.modified, false);
    QCOMPARE(f.session.work.row(3).compositeLevel[0], units(0));
    QCOMPARE(f.session.work.row(3).compositeList, units(1000));
    QCOMPARE(MaterialLabel(f.session.book, 0), QString::fromUtf8("鋼管"));
}

void TestPriceBookSession::failedSwitchKeepsEverything()
{
    Fixture f;
    f.session.StorePrice(ListLevel, 2, units(5));
    const PriceBook before = f.session.book;
    const QString missingFolder = f.dir.filePath("gone/haikan3.FDA");
    QVERIFY_THROWS_EXCEPTION(FileError, f.session.SwitchCategory(2, missingFolder));
    QCOMPARE(f.session.currentCategory, 0);
    QCOMPARE(f.session.currentPath, f.path(1));
    QVERIFY(f.session.book == before);
    QCOMPARE(f.session.modified, true);
}

void TestPriceBookSession::scratchSaveAsksForAName_data()
{
    QTest::addColumn<int>("recordBaseCode");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<QString>("savedAs");
    QTest::newRow("a name is chosen") << 0 << "chosen.FDA" << true << "chosen.FDA";
    QTest::newRow("cancel saves to the scratch file") << 0 << "" << true << "NEWData.FDA";
    QTest::newRow("no question while records count from 13200") << 11 << "chosen.FDA" << false << "NEWData.FDA";
}

void TestPriceBookSession::scratchSaveAsksForAName()
{
    QFETCH(int, recordBaseCode);
    QFETCH(QString, answer);
    QFETCH(bool, asked);
    QFETCH(QString, savedAs);
    Fixture f;
    bool wasAsked = false;
    f.session.chooseSaveName = [&] {
        wasAsked = true;
        return answer.isEmpty() ? QString() : f.dir.filePath(answer);
    };
    f.session.recordBaseCode = recordBaseCode;
    f.session.modified = true;
    f.session.SavePriceBook(f.session.scratchFile());
    QCOMPARE(wasAsked, asked);
    QCOMPARE(f.session.currentPath, QDir::toNativeSeparators(f.dir.filePath(savedAs)));
    QVERIFY(QFile::exists(f.dir.filePath(savedAs)));
    QCOMPARE(f.session.modified, false);
}

void TestPriceBookSession::storePriceWritesEverySheetAndUndoesOnce()
{
    Fixture f;
    f.session.ChangeSheet(2);
    f.session.work.row(MaterialRowNumber(2, 4)).rate[0] = units(1);
    f.session.StorePrice(ListLevel, 4, units(1200));
    for (int sheet = 0; sheet < 4; ++sheet)
        QCOMPARE(f.session.work.row(MaterialRowNumber(sheet, 4)).listPrice, units(1200));
    // Only the shown sheet's line is computed and written back.
    QCOMPARE(f.session.book.row(0, MaterialRowNumber(2, 4)).listPrice, units(1200));
    QCOMPARE(f.session.book.row(0, MaterialRowNumber(1, 4)).listPrice, units(0));
    QCOMPARE(f.session.work.row(MaterialRowNumber(2, 4)).compositeList, units(1200));
    QVERIFY(f.session.modified);
    QVERIFY(f.session.undoEnabled);

    f.session.Undo();
    QCOMPARE(f.session.work.row(MaterialRowNumber(2, 4)).listPrice, units(0));
    QCOMPARE(f.session.book.row(0, MaterialRowNumber(2, 4)).listPrice, units(0));
    QCOMPARE(f.session.currentSheet, 0);
    QVERIFY(!f.session.undoEnabled);
    f.session.StorePrice(ListLevel, 4, units(7));
    f.session.StorePrice(ListLevel, 4, units(8));
    f.session.Undo();
    f.session.Undo(); // the second undo has nothing left
    QCOMPARE(f.session.work.row(4).listPrice, units(7));
}

void TestPriceBookSession::storeRateFillsDown()
{
    Fixture f;
    f.session.ChangeSheet(1);
    f.session.StoreRate(5, 10, units(0.25), true);
    for (int line = 1; line <= 14; ++line) {
        const Currency expected = line >= 10 ? units(0.25) : units(0);
        QCOMPARE(f.session.work.row(MaterialRowNumber(1, line)).rate[4], expected);
        QCOMPARE(f.session.book.row(0, MaterialRowNumber(1, line)).rate[4], expected);
        QCOMPARE(f.session.work.row(MaterialRowNumber(0, line)).rate[4], units(0));
    }
    f.session.StoreRate(5, 3, units(0.5), false);
    QCOMPARE(f.session.work.row(MaterialRowNumber(1, 3)).rate[4], units(0.5));
    QCOMPARE(f.session.work.row(MaterialRowNumber(1, 4)).rate[4], units(0));
}

void TestPriceBookSession::labourRowTexts()
{
    WorkRow row;
    row.sizeName.setText("15A");
    row.adoptedLevel[1] = units(1240);
    row.compositeLevel[1] = units(1234.5);
    row.compositeCost = units(999);
    row.levelPrice[1] = units(1000);
    row.rate = {units(1.05), units(0.3), units(0), units(0.125), units(0.1), units(0.05), units(1)};
    row.breakdown[1][5] = units(55.5);
    TableModes modes;
    modes.level = Level2;
    QCOMPARE(LabourRowTexts(row, modes),
             (QStringList{"15A", "1,240", "1,235", "1,000", "1.05", "0.3", "0", "0.125", "0.1", "0.05", "1"}));
    modes.labourShowsResults = true;
    modes.refrigerant = true;
    QCOMPARE(LabourRowTexts(row, modes).mid(8), (QStringList{"0", "", "0"}));
    modes.level = CostLevel;
    QCOMPARE(LabourRowTexts(row, modes)[1], QString("999")); // the cost composite stands in as adopted
    modes.compositeShowsAdopted = true;
    QCOMPARE(CompositeRowTexts(row, modes)[1], QString("1,240"));
    QCOMPARE(CompositeRowTexts(row, modes)[5], QString("999"));
}

QTEST_APPLESS_MAIN(TestPriceBookSession)
#include "TestPriceBookSession.moc"
