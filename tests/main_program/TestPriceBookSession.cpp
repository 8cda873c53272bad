#include "CommandCancelled.h"
#include "FileError.h"
#include "MaterialSettings.h"
#include "PriceBookFile.h"
#include "PriceBookSession.h"
#include "PriceOverflow.h"
#include "SampleBooks.h"
#include "TableRows.h"
#include "TestFiles.h"
#include "TestUnits.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <random>

namespace {

// A session on a folder with category books 1 and 2; book 2 names its first
// material and gives it a list price on line 3.
struct SessionFixture {
    QTemporaryDir dir;
    PriceBookSession session{dir.path()};

    SessionFixture()
    {
        PriceBook second = BlankPriceBook(0);
        second.row(0, 1).headerText.setText(QString::fromUtf8("鋼管"));
        second.row(0, 3).listPrice = units(1000);
        second.row(0, 3).rate[0] = units(1);
        WritePriceBookFile(path(2), second, 0);
        session.SwitchCategory(0, path(1));
        session.SelectMaterial(0);
    }
    QString path(int category) const { return dir.filePath(QStringLiteral("haikan%1.FDA").arg(category)); }
};

// The controls as the window shows them for the material in the work set.
CapturedControls shownControls(const WorkSet& work)
{
    const MaterialControls shown = ControlsForMaterial(work);
    CapturedControls c;
    c.ratePriceStepItem = shown.ratePriceStepItem;
    c.ratePriceDecimalItem = shown.ratePriceDecimalItem;
    c.ratePriceStepAddendItem = shown.ratePriceStepAddendItem;
    c.levelRates = shown.levelRates;
    c.costRate = shown.costRate;
    c.levelLabour = shown.levelLabour;
    c.costLabour = shown.costLabour;
    return c;
}

} // namespace

class TestPriceBookSession : public QObject {
    Q_OBJECT
private slots:
    void switchCategoryLoadsTheOtherBook();
    void failedSwitchKeepsEverything();
    void scratchSaveAsksForAName_data();
    void scratchSaveAsksForAName();
    void storePriceComputesEverySheet_data();
    void storePriceComputesEverySheet();
    void undoAndRedoStepByStep();
    void undoGoesBackAcrossMaterials();
    void revisionIsOneStepAsTyped();
    void scratchBookWithPricesSurvivesTheStart();
    void undoKeepsTheNewestSteps();
    void randomCommandsUndoneAndRedone_data();
    void randomCommandsUndoneAndRedone();
    void undoPutsTheBookBack_data();
    void undoPutsTheBookBack();
    void failedChangeLeavesEverything_data();
    void failedChangeLeavesEverything();
    void materialThatCannotBeComputedIsShownAsStored();
    void storeRateFillsDown();
    void labourRowTexts();
    void labourCellStore_data();
    void labourCellStore();
    void cellCharacters();
    void saveOverAColleaguesSaveAsks_data();
    void saveOverAColleaguesSaveAsks();
};

void TestPriceBookSession::switchCategoryLoadsTheOtherBook()
{
    SessionFixture f;
    f.session.StorePrice(ListLevel, 2, units(5));
    f.session.SwitchCategory(1, f.path(2));
    QVERIFY(!f.session.canUndo()); // its snapshot was of the other book
    f.session.SelectMaterial(0);
    QCOMPARE(f.session.currentCategory(), 1);
    QCOMPARE(f.session.currentPath(), f.path(2));
    QCOMPARE(f.session.modified(), false);
    QCOMPARE(f.session.work().row(3).compositeLevel[0], units(0));
    QCOMPARE(f.session.work().row(3).compositeList, units(1000));
    QCOMPARE(MaterialLabel(f.session.book(), 0), QString::fromUtf8("鋼管"));
}

void TestPriceBookSession::failedSwitchKeepsEverything()
{
    SessionFixture f;
    f.session.StorePrice(ListLevel, 2, units(5));
    const PriceBook before = f.session.book();
    const QString missingFolder = f.dir.filePath("gone/haikan3.FDA");
    QVERIFY_THROWS_EXCEPTION(FileError, f.session.SwitchCategory(2, missingFolder));
    QCOMPARE(f.session.currentCategory(), 0);
    QCOMPARE(f.session.currentPath(), f.path(1));
    QVERIFY(f.session.book() == before);
    QCOMPARE(f.session.modified(), true);
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
    SessionFixture f;
    bool wasAsked = false;
    f.session.chooseSaveName = [&] {
        wasAsked = true;
        return answer.isEmpty() ? QString() : f.dir.filePath(answer);
    };
    if (recordBaseCode == 11)
        f.session.LoadUserFile(f.session.scratchFile());
    else
        f.session.SwitchCategory(0, f.session.scratchFile());
    f.session.SelectMaterial(0);
    f.session.StorePrice(ListLevel, 2, units(5));
    f.session.SavePriceBook(f.session.scratchFile());
    QCOMPARE(wasAsked, asked);
    QCOMPARE(f.session.currentPath(), QDir::toNativeSeparators(f.dir.filePath(savedAs)));
    QVERIFY(QFile::exists(f.dir.filePath(savedAs)));
    QCOMPARE(f.session.modified(), false);
}

void TestPriceBookSession::storePriceComputesEverySheet_data()
{
    QTest::addColumn<bool>("ratePricing");
    QTest::addColumn<int>("level");
    QTest::addColumn<double>("level1Price");
    QTest::newRow("list price") << false << int(ListLevel) << 0.0;
    QTest::newRow("list price with rate pricing") << true << int(ListLevel) << 960.0;
    QTest::newRow("level price") << false << int(Level1) << 1200.0;
}

void TestPriceBookSession::storePriceComputesEverySheet()
{
    QFETCH(bool, ratePricing);
    QFETCH(int, level);
    QFETCH(double, level1Price);
    SessionFixture f;
    CapturedControls controls = shownControls(f.session.work());
    controls.ratePricing = ratePricing;
    controls.levelRates[0] = 80;
    f.session.RecomputeMaterial(controls);
    for (int sheet = 0; sheet < 4; ++sheet) {
        f.session.ChangeSheet(sheet);
        f.session.StoreRate(1, 4, units(sheet + 1), false);
    }
    f.session.ChangeSheet(2);
    f.session.StorePrice(level, 4, units(1200));
    // The price goes into every sheet's line, and each of them is computed
    // and written back, so that a save or a later selection sees it.
    for (int sheet = 0; sheet < 4; ++sheet) {
        const int n = MaterialRowNumber(sheet, 4);
        const WorkRow& row = f.session.work().row(n);
        QCOMPARE(MaterialPrice(row, level), units(1200));
        QCOMPARE(row.levelPrice[0], units(level1Price));
        QCOMPARE(row.compositeLevel[0], units(level1Price * (sheet + 1)));
        QCOMPARE(static_cast<const RowFields&>(f.session.book().row(0, n)), static_cast<const RowFields&>(row));
    }
    QVERIFY(f.session.modified());
    QVERIFY(f.session.canUndo());
}

void TestPriceBookSession::undoAndRedoStepByStep()
{
    SessionFixture f;
    const auto listPrice = [&] { return f.session.work().row(4).listPrice; };
    f.session.StorePrice(ListLevel, 4, units(1200));
    f.session.ChangeSheet(2);
    f.session.Undo();
    QCOMPARE(f.session.work().row(MaterialRowNumber(2, 4)).listPrice, units(0));
    QCOMPARE(f.session.book().row(0, MaterialRowNumber(2, 4)).listPrice, units(0));
    QCOMPARE(f.session.currentSheet(), 0);
    QVERIFY(!f.session.canUndo());
    QVERIFY(!f.session.modified()); // back where the book was loaded
    f.session.Redo();
    QCOMPARE(listPrice(), units(1200));
    QVERIFY(f.session.modified());
    // A new change drops what was undone.
    f.session.StorePrice(ListLevel, 4, units(7));
    f.session.StorePrice(ListLevel, 4, units(8));
    f.session.Undo();
    QVERIFY(f.session.canRedo());
    f.session.StorePrice(ListLevel, 4, units(9));
    QVERIFY(!f.session.canRedo());
    const Currency steps[] = {units(7), units(1200), units(0), units(0)};
    for (Currency expected : steps) {
        f.session.Undo(); // the last has nothing left
        QCOMPARE(listPrice(), expected);
    }
    // Storing a price a line already has is no step.
    f.session.StorePrice(ListLevel, 4, units(0));
    QVERIFY(!f.session.canUndo());
    QVERIFY(!f.session.modified());
}

void TestPriceBookSession::undoGoesBackAcrossMaterials()
{
    SessionFixture f;
    f.session.StorePrice(ListLevel, 4, units(11));
    f.session.SelectMaterial(5);
    f.session.ChangeSheet(1);
    f.session.StoreRate(5, 2, units(0.5), false);
    f.session.Undo();
    QCOMPARE(f.session.currentMaterial(), 5);
    QCOMPARE(f.session.currentSheet(), 0);
    f.session.Undo();
    // The first change was of material 1: it is shown again, as it was.
    QCOMPARE(f.session.currentMaterial(), 0);
    QCOMPARE(f.session.work().row(4).listPrice, units(0));
    QVERIFY(f.session.book() == ReadPriceBookFile(f.path(1)));
    f.session.Redo();
    f.session.Redo();
    QCOMPARE(f.session.currentMaterial(), 5);
    QCOMPARE(f.session.work().row(MaterialRowNumber(1, 2)).rate[4], units(0.5));
    QCOMPARE(f.session.book().row(0, 4).listPrice, units(11));
}

void TestPriceBookSession::undoKeepsTheNewestSteps()
{
    SessionFixture f;
    const int depth = static_cast<int>(PriceBookSession::UndoDepth);
    for (int i = 1; i <= depth + 5; ++i)
        f.session.StorePrice(ListLevel, 4, units(i));
    int undone = 0;
    while (f.session.canUndo()) {
        f.session.Undo();
        ++undone;
    }
    QCOMPARE(undone, depth);
    QCOMPARE(f.session.work().row(4).listPrice, units(5)); // the oldest steps are gone
    QVERIFY(f.session.modified());
}

namespace {

// A sample book whose every material is computed, so that selecting one
// changes nothing on its own.
PriceBook ComputedSampleBook(int category)
{
    PriceBook book = SampleBook(category);
    for (int m = 0; m < Materials; ++m) {
        WorkSet work;
        SelectAndComputeMaterial(work, book, m);
    }
    return book;
}

// One of the data-changing commands, or a selection, chosen by `random`.
void RandomCommand(PriceBookSession& session, std::mt19937& random)
{
    const auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    const int line = pick(1, PriceLines);
    switch (pick(0, 9)) {
    case 0:
        session.StorePrice(pick(Level1, ListLevel), line, units(pick(0, 99999)));
        break;
    case 1:
        session.StoreRate(pick(1, RateInputs), line, Currency::fromRaw(pick(0, 30000)), pick(0, 3) == 0);
        break;
    case 2: {
        const CopyKind kind = PasteItemKind(pick(0, PasteItems - 1));
        session.Copy(kind);
        session.SelectMaterial(pick(0, Materials - 1));
        session.Paste(kind);
        break;
    }
    case 3:
        session.ClearMaterial();
        break;
    case 4:
        session.FillFromFirstSheet();
        break;
    case 5:
        session.CopyUnitPricesFromFirstSheet();
        break;
    case 6: {
        WorkSet shown = session.work();
        BasicData data = ShowBasicData(shown);
        data.headerTexts[0] = QString::fromUtf8("品名%1").arg(pick(0, 99));
        data.sizeNames[static_cast<std::size_t>(line - 1)] = QStringLiteral("%1A").arg(pick(10, 300));
        session.CloseBasicData(data);
        break;
    }
    case 7:
        session.SelectMaterial(pick(0, Materials - 1));
        break;
    case 8:
        session.ChangeSheet(pick(0, SheetTabCaptions(session.work()).size() - 1));
        break;
    default: {
        CapturedControls controls = shownControls(session.work());
        controls.levelLabour[static_cast<std::size_t>(pick(0, 4))] = units(pick(10000, 30000));
        controls.ratePricing = pick(0, 1) == 1;
        session.RecomputeMaterial(controls);
        break;
    }
    }
}

} // namespace

void TestPriceBookSession::randomCommandsUndoneAndRedone_data()
{
    QTest::addColumn<unsigned>("seed");
    for (unsigned seed : {1u, 2u, 3u, 4u})
        QTest::newRow(qPrintable(QStringLiteral("seed %1").arg(seed))) << seed;
}

void TestPriceBookSession::randomCommandsUndoneAndRedone()
{
    QFETCH(unsigned, seed);
    QTemporaryDir dir;
    const QString path = dir.filePath("haikan1.FDA");
    WritePriceBookFile(path, ComputedSampleBook(0), 0);
    PriceBookSession session(dir.path());
    session.SwitchCategory(0, path);
    session.SelectMaterial(0);
    const QByteArray loaded = FileBytes(path);
    const auto bytes = [&] { return PriceBookBytes(session.book(), 0); };
    QCOMPARE(bytes(), loaded);

    std::mt19937 random(seed);
    QByteArray saved = loaded; // what the file holds
    int stepsBeforeSave = 0;
    int stepsAfterSave = 0;
    for (int i = 0; i < 200; ++i) {
        const QByteArray before = bytes();
        try {
            RandomCommand(session, random);
        } catch (const PriceOverflow&) {
            QCOMPARE(bytes(), before); // a refused command changes nothing
        }
        if (bytes() != before) {
            QVERIFY(session.canUndo());
            ++(i < 100 ? stepsBeforeSave : stepsAfterSave);
        }
        // Never "not modified" while the book differs from its file.
        if (!session.modified())
            QCOMPARE(bytes(), saved);
        if (i == 99) {
            QVERIFY(session.SaveCurrentBook());
            saved = FileBytes(path);
            QCOMPARE(saved, bytes());
            QVERIFY(!session.modified());
        }
    }
    QVERIFY(stepsBeforeSave > 30 && stepsAfterSave > 30);
    const QByteArray last = bytes();
    QVERIFY(session.modified());

    // Back through every step: "not modified" only at the save.
    int unmodified = 0;
    while (session.canUndo()) {
        session.Undo();
        if (!session.modified()) {
            QCOMPARE(bytes(), saved);
            ++unmodified;
        } else {
            QVERIFY(bytes() != saved);
        }
    }
    QCOMPARE(unmodified, 1);
    QCOMPARE(bytes(), loaded);
    QVERIFY(session.modified()); // the file holds the saved book now

    while (session.canRedo())
        session.Redo();
    QCOMPARE(bytes(), last);
    QVERIFY(session.modified());
}

void TestPriceBookSession::undoPutsTheBookBack_data()
{
    QTest::addColumn<int>("command");
    QTest::newRow("base labour cost") << 0;
    QTest::newRow("rate pricing setting") << 1;
    QTest::newRow("price store") << 2;
    QTest::newRow("rate fill down") << 3;
}

void TestPriceBookSession::undoPutsTheBookBack()
{
    QFETCH(int, command);
    SessionFixture f;
    f.session.SwitchCategory(1, f.path(2));
    f.session.SelectMaterial(0);
    const PriceBook book = f.session.book();
    const WorkSet work = f.session.work();
    CapturedControls controls = shownControls(f.session.work());
    switch (command) {
    case 0:
        controls.levelLabour[0] = units(20000);
        f.session.RecomputeMaterial(controls);
        break;
    case 1:
        controls.ratePricing = true;
        controls.levelRates[0] = 80;
        f.session.RecomputeMaterial(controls);
        break;
    case 2:
        f.session.StorePrice(Level1, 3, units(900));
        break;
    case 3:
        f.session.StoreRate(5, 1, units(0.1), true);
        break;
    }
    QVERIFY(!(f.session.book() == book));
    f.session.Undo();
    QVERIFY(f.session.book() == book);
    QVERIFY(f.session.work() == work);
    QCOMPARE(f.session.ratePricing(), false);
}

void TestPriceBookSession::failedChangeLeavesEverything_data()
{
    QTest::addColumn<int>("command");
    QTest::addColumn<int>("sheet"); // where the value does not fit
    QTest::newRow("price store") << 0 << 2;
    QTest::newRow("rate store") << 1 << 2;
    QTest::newRow("base labour cost") << 2 << 2;
    QTest::newRow("reprice") << 3 << 0;
    QTest::newRow("price store on a column of no price") << 4 << -1;
}

void TestPriceBookSession::failedChangeLeavesEverything()
{
    QFETCH(int, command);
    QFETCH(int, sheet);
    SessionFixture f;
    // Line 3 of the third sheet sits close to the end of the range: 5e14 at
    // LEVEL2 and list, a pipe factor of 1.5 and two man-days of labour.
    f.session.ChangeSheet(2);
    f.session.StoreRate(1, 3, units(1.5), false);
    f.session.StoreRate(5, 3, units(2), false);
    f.session.StorePrice(Level2, 3, units(5e14));
    f.session.StorePrice(ListLevel, 3, units(5e14));
    f.session.SaveCurrentBook();
    const PriceBook book = f.session.book();
    const WorkSet work = f.session.work();

    try {
        switch (command) {
        case 0:
            f.session.StorePrice(Level2, 3, units(7e14));
            break;
        case 1:
            f.session.StoreRate(2, 3, units(1), false); // fittings: 5e14 more
            break;
        case 2: {
            CapturedControls controls = shownControls(f.session.work());
            controls.levelLabour[1] = units(5e14);
            f.session.RecomputeMaterial(controls);
            break;
        }
        case 3: {
            RepriceChoices choices;
            choices.percent = {units(100), units(300), units(100), units(100), units(100)};
            f.session.RepriceFromLevels(choices);
            break;
        }
        case 4:
            f.session.StorePrice(8, 3, units(1));
            break;
        }
        QFAIL("the change went through");
    } catch (const PriceOverflow& e) {
        QCOMPARE(e.material(), 0);
        QCOMPARE(e.sheet(), sheet);
        QCOMPARE(e.line(), 3);
    } catch (const std::out_of_range&) {
        QCOMPARE(sheet, -1);
    }
    QVERIFY(f.session.book() == book);
    QVERIFY(f.session.work() == work);
    QCOMPARE(f.session.modified(), false);
    QCOMPARE(f.session.currentSheet(), 2);
    // The steps are as they were: the last one stored the list price.
    QVERIFY(!f.session.canRedo());
    f.session.Undo();
    QCOMPARE(f.session.work().row(MaterialRowNumber(2, 3)).listPrice, units(0));
    QCOMPARE(f.session.work().row(MaterialRowNumber(2, 3)).levelPrice[1], units(5e14));
}

void TestPriceBookSession::materialThatCannotBeComputedIsShownAsStored()
{
    SessionFixture f;
    PriceBook damaged = BlankPriceBook(0);
    PriceRow& line = damaged.row(4, MaterialRowNumber(1, 6));
    line.levelPrice[0] = units(9e14);
    line.rate = {units(1), units(1), units(0), units(0), units(0), units(0), units(0)};
    line.compositeLevel[0] = units(123);
    damaged.row(4, 2).listPrice = units(10);
    damaged.row(4, 2).rate[0] = units(1);
    WritePriceBookFile(f.path(3), damaged, 0);
    f.session.SwitchCategory(2, f.path(3));
    try {
        f.session.SelectMaterial(4);
        QFAIL("no error for a value that does not fit");
    } catch (const PriceOverflow& e) {
        QCOMPARE(e.sheet(), 1);
        QCOMPARE(e.line(), 6);
    }
    // Neither half computed nor holding another material's rows.
    QVERIFY(f.session.book() == ReadPriceBookFile(f.path(3)));
    QCOMPARE(f.session.currentMaterial(), 4);
    QCOMPARE(f.session.work().row(2).compositeList, units(0));
    QCOMPARE(f.session.work().row(MaterialRowNumber(1, 6)).compositeLevel[0], units(123));
    QVERIFY(!f.session.canUndo());
}

void TestPriceBookSession::storeRateFillsDown()
{
    SessionFixture f;
    f.session.ChangeSheet(1);
    f.session.StoreRate(5, 10, units(0.25), true);
    for (int line = 1; line <= 14; ++line) {
        const Currency expected = line >= 10 ? units(0.25) : units(0);
        QCOMPARE(f.session.work().row(MaterialRowNumber(1, line)).rate[4], expected);
        QCOMPARE(f.session.book().row(0, MaterialRowNumber(1, line)).rate[4], expected);
        QCOMPARE(f.session.work().row(MaterialRowNumber(0, line)).rate[4], units(0));
    }
    f.session.StoreRate(5, 3, units(0.5), false);
    QCOMPARE(f.session.work().row(MaterialRowNumber(1, 3)).rate[4], units(0.5));
    QCOMPARE(f.session.work().row(MaterialRowNumber(1, 4)).rate[4], units(0));
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

void TestPriceBookSession::labourCellStore_data()
{
    QTest::addColumn<int>("col");
    QTest::addColumn<bool>("refrigerant");
    QTest::addColumn<bool>("results");
    QTest::addColumn<int>("rateInput"); // 0: refused
    QTest::addColumn<bool>("keepsRow");
    QTest::newRow("size name") << 0 << false << false << 0 << false;
    QTest::newRow("material price, the last price column") << 3 << false << false << 0 << false;
    QTest::newRow("first rate") << 4 << false << false << 1 << false;
    QTest::newRow("chipping in piping mode") << 9 << false << false << 6 << false;
    QTest::newRow("chipping in refrigerant mode") << 9 << true << false << 0 << true;
    QTest::newRow("refrigerant mode and results") << 9 << true << true << 0 << true;
    QTest::newRow("other rate in refrigerant mode") << 10 << true << false << 7 << false;
    QTest::newRow("last rate") << 10 << false << false << 7 << false;
    QTest::newRow("past the last column") << 11 << false << false << 0 << false;
    QTest::newRow("results shown") << 5 << false << true << 0 << false;
}

void TestPriceBookSession::labourCellStore()
{
    QFETCH(int, col);
    QFETCH(bool, refrigerant);
    QFETCH(bool, results);
    QFETCH(int, rateInput);
    QFETCH(bool, keepsRow);
    TableModes modes;
    modes.refrigerant = refrigerant;
    modes.labourShowsResults = results;
    const LabourCellTarget target = LabourCellStore(col, modes);
    QCOMPARE(target.rateInput, rateInput);
    QCOMPARE(target.keepsRow, keepsRow);
    QCOMPARE(target.refusal.isEmpty(), rateInput != 0);
    // The column a rate is shown in is the one it is stored from.
    WorkRow row;
    for (int j = 0; j < RateInputs; ++j)
        row.rate[static_cast<std::size_t>(j)] = units(j + 1);
    if (rateInput != 0)
        QCOMPARE(LabourRowTexts(row, modes)[col], QString::number(rateInput));
    QCOMPARE(LabourCellValue(QString()), Currency());
    QCOMPARE(LabourCellValue(QStringLiteral("1,234.5")), units(1234.5));
    QCOMPARE(PriceCellRefusal(ListLevel, true), std::nullopt);
    QVERIFY(PriceCellRefusal(Level1, true));
    QCOMPARE(PriceCellRefusal(CostLevel, false), std::nullopt);
}

void TestPriceBookSession::cellCharacters()
{
    const auto keypad = Qt::KeypadModifier;
    struct Case {
        int key;
        Qt::KeyboardModifiers modifiers;
        bool open;
        QChar typed;
    };
    const Case cases[] = {
        {Qt::Key_0, Qt::NoModifier, false, u'0'},      {Qt::Key_9, keypad, true, u'9'},
        {Qt::Key_Period, Qt::NoModifier, true, u'.'},  {Qt::Key_Minus, keypad, false, u'-'},
        {Qt::Key_End, keypad, true, u'1'},             {Qt::Key_Delete, keypad, true, u'.'},
        {Qt::Key_PageUp, keypad, true, u'9'},          {Qt::Key_Insert, keypad, true, u'0'},
        // A keypad arrow on a closed cell moves; the arrow keys themselves never type.
        {Qt::Key_Up, keypad, false, QChar()},          {Qt::Key_Up, Qt::NoModifier, true, QChar()},
        {Qt::Key_End, Qt::NoModifier, true, QChar()},  {Qt::Key_A, Qt::NoModifier, true, QChar()},
        {Qt::Key_1, Qt::ControlModifier, true, QChar()}, {Qt::Key_Comma, Qt::NoModifier, true, QChar()},
    };
    for (const Case& c : cases)
        QCOMPARE(CellCharacter(c.key, c.modifiers, c.open), c.typed);
}

// Two users on one shared folder: each session loads the same book, one
// saves, and the other's save must not silently replace it.
void TestPriceBookSession::saveOverAColleaguesSaveAsks_data()
{
    QTest::addColumn<QString>("colleague"); // what the other user does meanwhile
    QTest::addColumn<bool>("overwrite");    // the answer, when asked
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("ours");         // the file ends up holding our book
    QTest::newRow("nobody else wrote") << "nothing" << false << false << true;
    QTest::newRow("wrote the same bytes") << "same" << false << false << true;
    QTest::newRow("saved other prices, keep theirs") << "other" << false << true << false;
    QTest::newRow("saved other prices, overwrite") << "other" << true << true << true;
    QTest::newRow("deleted the book") << "delete" << false << false << true;
}

void TestPriceBookSession::saveOverAColleaguesSaveAsks()
{
    QFETCH(QString, colleague);
    QFETCH(bool, overwrite);
    QFETCH(bool, asked);
    QFETCH(bool, ours);
    SessionFixture f;
    PriceBookSession other(f.dir.path());
    other.SwitchCategory(0, f.path(1));
    other.SelectMaterial(0);
    if (colleague == "same") {
        // The very bytes again (a save from a program that numbers records
        // as the load did): a new time, no change.
        const QByteArray bytes = FileBytes(f.path(1));
        QVERIFY(QFile::remove(f.path(1)));
        PutFileBytes(f.path(1), bytes);
    }
    if (colleague == "other") {
        other.StorePrice(ListLevel, 3, units(777));
        other.SavePriceBook(f.path(1));
    }
    if (colleague == "delete")
        QVERIFY(QFile::remove(f.path(1)));
    const QByteArray theirs = FileBytes(f.path(1));

    QStringList questions;
    f.session.confirmOverwriteChanged = [&](const QString& path) {
        questions << path;
        return overwrite;
    };
    f.session.StorePrice(ListLevel, 2, units(5));
    const PriceBook mine = f.session.book();
    if (asked && !overwrite) {
        QVERIFY_THROWS_EXCEPTION(CommandCancelled, f.session.SavePriceBook(f.path(1)));
        // Nothing written, and the edits stay to be saved under another name.
        QCOMPARE(FileBytes(f.path(1)), theirs);
        QVERIFY(f.session.modified());
        QCOMPARE(f.session.book(), mine);
        QCOMPARE(f.session.currentPath(), f.path(1));
    } else {
        f.session.SavePriceBook(f.path(1));
        QVERIFY(!f.session.modified());
    }
    QCOMPARE(questions, asked ? QStringList{f.path(1)} : QStringList{});
    PriceBook onDisk;
    if (QFile::exists(f.path(1)))
        onDisk = ReadPriceBookFile(f.path(1));
    QCOMPARE(onDisk.row(0, 2).listPrice == units(5), ours);

    // Saving again after our own save asks nothing more; the other session,
    // whose save we replaced, is the one asked now (and, with no one to
    // answer, refuses).
    if (ours) {
        questions.clear();
        f.session.SavePriceBook(f.path(1));
        QVERIFY(questions.isEmpty());
        if (colleague != "delete") {
            QVERIFY_THROWS_EXCEPTION(CommandCancelled, other.SavePriceBook(f.path(1)));
            QCOMPARE(ReadPriceBookFile(f.path(1)).row(0, 2).listPrice, units(5));
        }
    }
}

// A revision of two materials stores each price as typing it would, is one
// step, and its undo gives the book's bytes back.
void TestPriceBookSession::revisionIsOneStepAsTyped()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("haikan1.FDA");
    WritePriceBookFile(path, SampleBook(0), 0);
    PriceBookSession session(dir.path());
    session.SwitchCategory(0, path);
    session.SelectMaterial(0);
    const PriceBook before = session.book();
    PriceBookSession typed(dir.path());
    typed.SwitchCategory(0, path);
    for (const auto& [material, line] : {std::pair{2, 3}, std::pair{0, 2}}) {
        typed.SelectMaterial(material);
        typed.StorePrice(ListLevel, line, units(4321));
    }
    typed.SelectMaterial(0);

    const auto change = [&](int material, int line) {
        LinePriceChange c;
        c.at = {material, line};
        c.oldList = before.row(material, MaterialRowNumber(0, line)).listPrice;
        c.newList = units(4321);
        return c;
    };
    session.ApplyRevision({change(2, 3), change(0, 2)});
    QVERIFY(session.modified());
    QVERIFY(session.book() == typed.book());
    QCOMPARE(session.work().row(MaterialRowNumber(1, 2)).listPrice, units(4321)); // the shown material, shown again
    session.Undo();
    QVERIFY(session.book() == before);
    QVERIFY(!session.modified());
    QVERIFY(!session.canUndo());
    session.Redo();
    QVERIFY(session.book() == typed.book());
    session.ApplyRevision({});
    QVERIFY(session.canUndo() && !session.canRedo()); // nothing to apply: no step
}

// The blank scratch book of a start keeps one holding prices in its history
// first; a blank one is kept as it is, with no version.
void TestPriceBookSession::scratchBookWithPricesSurvivesTheStart()
{
    QTemporaryDir dir;
    PriceBookSession session(dir.path());
    WritePriceBookFile(session.scratchFile(), SampleBook(0), 0);
    const QByteArray prices = FileBytes(session.scratchFile());
    session.StartWithBlankScratchBook();
    QVERIFY(HoldsBlankBook(session.scratchFile()));
    const std::vector<BookVersion> kept = BookVersions(session.scratchFile());
    QCOMPARE(kept.size(), std::size_t(1));
    QCOMPARE(FileBytes(kept[0].file), prices);
    QVERIFY(!session.TakeHistoryFailure());
    PriceBookSession again(dir.path());
    again.StartWithBlankScratchBook();
    QCOMPARE(BookVersions(session.scratchFile()).size(), std::size_t(1));
}

#include "TestMain.h"
KAVREL_TEST_APPLESS_MAIN(TestPriceBookSession)
#include "TestPriceBookSession.moc"
