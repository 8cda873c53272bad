#include "ClipCommands.h"
#include "FileError.h"
#include "MaterialSettings.h"
#include "PriceBookFile.h"
#include "PriceBookSession.h"
#include "PriceOverflow.h"
#include "SampleBooks.h"
#include "TestFiles.h"
#include "TestUnits.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <functional>

namespace {

const CopyKind AllOfMaterial{ClipScope::Material, FieldGroup::AllContents};
const CopyKind AllOfSheet{ClipScope::Sheet, FieldGroup::AllContents};

// A session on the sample books of categories 1, 2 and 10, showing material
// 1 of category 1. Their materials 1 and 4 (0-based) price without rates,
// the others with; category 10 holds refrigerant materials.
struct ClipFixture {
    QTemporaryDir dir;
    PriceBookSession session{dir.path()};

    // `prepare` changes category 1's book before it is written.
    explicit ClipFixture(const std::function<void(PriceBook&)>& prepare = {})
    {
        for (int category : {1, 2, 10}) {
            PriceBook book = SampleBook(category - 1);
            if (category == 1 && prepare)
                prepare(book);
            WritePriceBookFile(path(category), book, 0);
        }
        session.SwitchCategory(0, path(1));
        session.SelectMaterial(0);
    }
    QString path(int category) const { return dir.filePath(QStringLiteral("haikan%1.FDA").arg(category)); }
    const RowFields& bookRow(int material, int n) const { return session.book().row(material, n); }
    QByteArray savedBytes()
    {
        session.SavePriceBook(session.currentPath());
        return FileBytes(session.currentPath());
    }
};

void registerPasteKinds()
{
    QTest::addColumn<int>("item");
    const char* const names[PasteItems] = {"all_paste_1", "all_paste_2", "all_paste_3", "all_paste_4",
                                           "item_paste_1", "item_paste_2", "item_paste_3", "item_paste_4"};
    for (int i = 0; i < PasteItems; ++i)
        QTest::newRow(names[i]) << i;
}

} // namespace

class TestClipCommands : public QObject {
    Q_OBJECT
private slots:
    void fieldGroups_data();
    void fieldGroups();
    void eachCopyAllowsItsOwnPasteOnly_data() { registerPasteKinds(); }
    void eachCopyAllowsItsOwnPasteOnly();
    void sheetPasteToAnotherMaterialAndSheet();
    void wholeMaterialToAnotherCategory();
    void clipSurvivesLoadingAFile();
    void sheetPasteCarriesLine15OnlyWhereItMeansTheSame_data();
    void sheetPasteCarriesLine15OnlyWhereItMeansTheSame();
    void undoAfterAPasteWritesTheFileAsBefore_data();
    void undoAfterAPasteWritesTheFileAsBefore();
    void undoAfterAClearWritesTheFileAsBefore();
    void fillFromTheFirstSheet();
    void fillIsRefusedInRefrigerantMode();
    void unitPricesFromTheFirstSheet();
    void failedPasteLeavesEverything();
    void loadingAUserFile();
    void failedLoadOfAUserFileKeepsEverything();
};

void TestClipCommands::fieldGroups_data()
{
    QTest::addColumn<int>("group");
    QTest::addColumn<bool>("texts");
    QTest::addColumn<bool>("prices");
    QTest::addColumn<int>("rates"); // 0 none, 1 rate[5] only, 7 all
    QTest::addColumn<bool>("results");
    QTest::newRow("all contents") << int(FieldGroup::AllContents) << true << true << 7 << true;
    QTest::newRow("unit prices") << int(FieldGroup::UnitPrices) << false << true << 0 << false;
    QTest::newRow("all labour rates") << int(FieldGroup::LabourRates) << false << false << 7 << false;
    QTest::newRow("labour (cost) rate") << int(FieldGroup::LabourCostRate) << false << false << 1 << false;
}

void TestClipCommands::fieldGroups()
{
    QFETCH(int, group);
    QFETCH(bool, texts);
    QFETCH(bool, prices);
    QFETCH(int, rates);
    QFETCH(bool, results);
    const PriceBook sample = SampleBook(0);
    RowFields from = sample.row(0, 3);
    from.auxValue = 77;
    const RowFields before = sample.row(2, MaterialRowNumber(2, 9));
    RowFields to = before;
    CopyFields(from, to, static_cast<FieldGroup>(group));
    const auto pick = [](bool copied, const RowFields& a, const RowFields& b) -> const RowFields& {
        return copied ? a : b;
    };
    const RowFields& t = pick(texts, from, before);
    QCOMPARE(to.headerText, t.headerText);
    QCOMPARE(to.sheetName, t.sheetName);
    QCOMPARE(to.sizeName, t.sizeName);
    QCOMPARE(to.unit, t.unit);
    QCOMPARE(to.auxValue, t.auxValue);
    const RowFields& p = pick(prices, from, before);
    QCOMPARE(to.costPrice, p.costPrice);
    QVERIFY(to.levelPrice == p.levelPrice);
    QCOMPARE(to.listPrice, p.listPrice);
    for (int r = 0; r < RateInputs; ++r)
        QCOMPARE(to.rate[r], (rates == 7 || (rates == 1 && r == 4) ? from : before).rate[r]);
    const RowFields& c = pick(results, from, before);
    QCOMPARE(to.compositeCost, c.compositeCost);
    QVERIFY(to.compositeLevel == c.compositeLevel);
    QVERIFY(to.adoptedLevel == c.adoptedLevel);
}

void TestClipCommands::eachCopyAllowsItsOwnPasteOnly()
{
    QFETCH(int, item);
    ClipFixture f;
    for (int i = 0; i < PasteItems; ++i)
        QVERIFY(!f.session.pasteEnabled(PasteItemKind(i)));
    f.session.Copy(PasteItemKind((item + 3) % PasteItems));
    f.session.Copy(PasteItemKind(item));
    for (int i = 0; i < PasteItems; ++i)
        QCOMPARE(f.session.pasteEnabled(PasteItemKind(i)), i == item);
    // A paste whose copy was not the last changes nothing.
    f.session.SelectMaterial(2);
    const PriceBook before = f.session.book();
    f.session.Paste(PasteItemKind((item + 1) % PasteItems));
    QVERIFY(f.session.book() == before);
    QVERIFY(!f.session.modified());
    QVERIFY(!f.session.canUndo());
    // The fill of unit prices from the first sheet allows no paste at all.
    f.session.CopyUnitPricesFromFirstSheet();
    for (int i = 0; i < PasteItems; ++i)
        QVERIFY(!f.session.pasteEnabled(PasteItemKind(i)));
}

void TestClipCommands::sheetPasteToAnotherMaterialAndSheet()
{
    // Material B gets base labour costs of its own, so that its lines cannot
    // keep composite prices computed with those of A.
    ClipFixture f([](PriceBook& book) { book.row(3, LabourRowNumber).compositeLevel[0] = units(31000); });
    f.session.ChangeSheet(1);
    f.session.Copy(AllOfSheet);
    f.session.SelectMaterial(3);
    f.session.ChangeSheet(2);
    f.session.Paste(AllOfSheet);

    PriceBook expected = f.session.book();
    WorkSet recomputed;
    bool ratePricing = f.session.ratePricing();
    SelectAndComputeMaterial(recomputed, expected, 3, ratePricing);
    QVERIFY(expected == f.session.book()); // B stands computed
    for (int line = 1; line <= LinesPerSheet; ++line) {
        const RowFields& a = f.bookRow(0, MaterialRowNumber(1, line));
        const RowFields& b = f.bookRow(3, MaterialRowNumber(2, line));
        QCOMPARE(b.sizeName, a.sizeName);
        QCOMPARE(b.sheetName, a.sheetName);
        QVERIFY(b.rate == a.rate);
        QCOMPARE(f.session.work().row(MaterialRowNumber(2, line)).sizeName, a.sizeName);
    }
    QVERIFY(!(f.bookRow(3, MaterialRowNumber(2, 1)).compositeLevel[0] == f.bookRow(0, MaterialRowNumber(1, 1)).compositeLevel[0]));
    QVERIFY(f.session.modified());
    QVERIFY(f.session.canUndo());
}

void TestClipCommands::wholeMaterialToAnotherCategory()
{
    ClipFixture f;
    // A prices without rates; the target B of category 2 with them, so a
    // paste that kept B's rate pricing state would price A's lines anew.
    f.session.SelectMaterial(1);
    QVERIFY(!f.session.ratePricing());
    f.session.Copy(AllOfMaterial);
    const PriceBook source = f.session.book();
    f.session.SwitchCategory(1, f.path(2));
    f.session.SelectMaterial(0);
    QVERIFY(f.session.ratePricing());
    const PriceRow targetLine1 = f.session.book().row(0, 1);
    f.session.Paste(AllOfMaterial);
    for (int n = 1; n <= RowsPerMaterial; ++n)
        QCOMPARE(f.bookRow(0, n), static_cast<const RowFields&>(source.row(1, n)));
    QCOMPARE(f.session.work().row(SettingsRowNumber).sizeName, source.row(1, SettingsRowNumber).sizeName);
    QCOMPARE(f.session.work().labourRow().compositeLevel, source.row(1, LabourRowNumber).compositeLevel);
    QCOMPARE(f.session.book().row(0, 1).recordNo, targetLine1.recordNo);
    QVERIFY(!f.session.ratePricing()); // the pasted setting, as the check box then shows it
}

void TestClipCommands::clipSurvivesLoadingAFile()
{
    ClipFixture f;
    f.session.SelectMaterial(4);
    f.session.Copy({ClipScope::Material, FieldGroup::LabourRates});
    f.session.LoadUserFile(f.path(10));
    f.session.SelectMaterial(0);
    f.session.Paste({ClipScope::Material, FieldGroup::LabourRates});
    const PriceBook sample = SampleBook(0);
    for (int n = 1; n <= RowsPerMaterial; ++n)
        QVERIFY(f.bookRow(0, n).rate == sample.row(4, n).rate);
    // The mode travels in the rates of the settings line: now piping mode.
    QVERIFY(!f.session.refrigerant());
}

void TestClipCommands::sheetPasteCarriesLine15OnlyWhereItMeansTheSame_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<bool>("carried");
    QTest::newRow("settings line to settings line") << 0 << 0 << true;
    QTest::newRow("settings line to base labour costs") << 0 << 3 << false;
    QTest::newRow("base labour costs to settings line") << 3 << 0 << false;
    QTest::newRow("settings line to a plain line") << 0 << 1 << false;
    QTest::newRow("plain line to base labour costs") << 2 << 3 << false;
    QTest::newRow("plain line to plain line") << 1 << 2 << true;
    QTest::newRow("base labour costs to base labour costs") << 3 << 3 << true;
}

void TestClipCommands::sheetPasteCarriesLine15OnlyWhereItMeansTheSame()
{
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(bool, carried);
    for (const CopyKind kind : {AllOfSheet, CopyKind{ClipScope::Sheet, FieldGroup::LabourRates}}) {
        // Line 15 of every sheet of the source says where it came from.
        ClipFixture f([](PriceBook& book) {
            for (int sheet = 0; sheet < Sheets; ++sheet) {
                RowFields& line15 = book.row(0, MaterialRowNumber(sheet, LinesPerSheet));
                line15.rate[6] = units(100 + sheet);
                line15.sheetName.setText(QStringLiteral("source %1").arg(sheet));
            }
        });
        f.session.ChangeSheet(from);
        f.session.Copy(kind);
        f.session.SelectMaterial(2);
        f.session.ChangeSheet(to);
        const int n = MaterialRowNumber(to, LinesPerSheet);
        const PriceRow before = f.session.book().row(2, n);
        f.session.Paste(kind);
        const RowFields& after = f.bookRow(2, n);
        QCOMPARE(after.rate[6], carried ? units(100 + from) : before.rate[6]);
        if (kind == AllOfSheet)
            QCOMPARE(after.sheetName.text(), carried ? QStringLiteral("source %1").arg(from) : before.sheetName.text());
        // Lines 1 to 14 are always pasted.
        QCOMPARE(f.bookRow(2, MaterialRowNumber(to, 14)).rate, f.bookRow(0, MaterialRowNumber(from, 14)).rate);
    }
}

void TestClipCommands::undoAfterAPasteWritesTheFileAsBefore_data() { registerPasteKinds(); }

void TestClipCommands::undoAfterAPasteWritesTheFileAsBefore()
{
    QFETCH(int, item);
    const CopyKind kind = PasteItemKind(item);
    // Base labour costs of the target's own, as a recompute stores them.
    // Its own cost rate on line 1, so that every paste changes something.
    ClipFixture f([](PriceBook& book) {
        book.row(0, LabourRowNumber).compositeCost = units(12345);
        book.row(0, 1).rate[4] = units(0.777);
    });
    // From material 2 (no rate pricing), its third sheet, to material 1 with
    // rate pricing, on its first sheet: line 15 is pasted between sheets
    // whose line 15 differs in meaning only where the rule allows it.
    f.session.SelectMaterial(1);
    if (kind.scope == ClipScope::Sheet)
        f.session.ChangeSheet(item == 4 ? 0 : 2);
    f.session.Copy(kind);
    f.session.SelectMaterial(0);
    const QByteArray before = f.savedBytes();
    const PriceBook stored = f.session.book();
    f.session.Paste(kind);
    QVERIFY(!(f.session.book() == stored));
    if (kind == AllOfMaterial || kind == AllOfSheet) {
        QVERIFY(!(f.session.book().row(0, SettingsRowNumber) == stored.row(0, SettingsRowNumber)));
        QVERIFY(!(f.session.book().row(0, 1).headerText == stored.row(0, 1).headerText));
    }
    if (kind == AllOfMaterial)
        QVERIFY(!(f.session.book().row(0, LabourRowNumber) == stored.row(0, LabourRowNumber)));
    f.session.Undo();
    QVERIFY(!f.session.canUndo());
    QCOMPARE(f.savedBytes(), before);
    QVERIFY(f.session.ratePricing());
}

void TestClipCommands::undoAfterAClearWritesTheFileAsBefore()
{
    ClipFixture f;
    f.session.SelectMaterial(5);
    const QByteArray before = f.savedBytes();
    const PriceRow line1 = f.session.book().row(5, 1);
    f.session.ClearMaterial();
    for (int n = 1; n <= RowsPerMaterial; ++n) {
        QCOMPARE(f.bookRow(5, n), RowFields());
        // Computing reads an adopted price step of 0 as 1 in the settings line.
        if (n != SettingsRowNumber)
            QCOMPARE(static_cast<const RowFields&>(f.session.work().row(n)), RowFields());
    }
    QCOMPARE(f.session.book().row(5, 1).recordNo, line1.recordNo);
    QCOMPARE(MaterialLabel(f.session.book(), 5), QStringLiteral("----"));
    QVERIFY(f.session.modified());
    f.session.Undo();
    QCOMPARE(f.savedBytes(), before);
    f.session.Undo(); // once only
    QCOMPARE(f.savedBytes(), before);
}

void TestClipCommands::fillFromTheFirstSheet()
{
    ClipFixture f;
    f.session.SelectMaterial(3);
    f.session.ChangeSheet(2);
    const PriceBook before = f.session.book();
    f.session.FillFromFirstSheet();
    for (int sheet = 1; sheet < Sheets; ++sheet) {
        for (int line = 1; line <= PriceLines; ++line) {
            const RowFields& first = before.row(3, line);
            const RowFields& old = before.row(3, MaterialRowNumber(sheet, line));
            const RowFields& now = f.bookRow(3, MaterialRowNumber(sheet, line));
            QVERIFY(now.rate == first.rate);
            QCOMPARE(now.listPrice, first.listPrice);
            QCOMPARE(now.unit, first.unit);
            QCOMPARE(now.sheetName, old.sheetName);
            QCOMPARE(now.sizeName, old.sizeName);
            QCOMPARE(now.headerText, old.headerText);
        }
        // Line 15 stays: line 60 keeps the base labour costs.
        const int n = MaterialRowNumber(sheet, LinesPerSheet);
        QVERIFY(f.session.book().row(3, n).rate == before.row(3, n).rate);
    }
    QCOMPARE(f.session.book().row(3, LabourRowNumber).compositeLevel, before.row(3, LabourRowNumber).compositeLevel);
    QCOMPARE(f.session.book().row(3, LabourRowNumber).compositeCost, before.row(3, LabourRowNumber).compositeCost);
    QVERIFY(!(f.session.book() == before));
    // Shown again as on selection, on the first sheet.
    QCOMPARE(f.session.currentSheet(), 0);
    QVERIFY(f.session.modified());
    QCOMPARE(static_cast<const RowFields&>(f.session.work().row(MaterialRowNumber(3, 4))), f.bookRow(3, MaterialRowNumber(3, 4)));
    f.session.Undo();
    QVERIFY(f.session.book() == before);
}

void TestClipCommands::fillIsRefusedInRefrigerantMode()
{
    ClipFixture f;
    f.session.SwitchCategory(9, f.path(10));
    f.session.SelectMaterial(0);
    QVERIFY(f.session.refrigerant());
    const PriceBook before = f.session.book();
    f.session.FillFromFirstSheet();
    QVERIFY(f.session.book() == before);
    QVERIFY(!f.session.modified());
}

void TestClipCommands::unitPricesFromTheFirstSheet()
{
    // Prices of the other sheets, and the settings line, that a copy shows.
    ClipFixture f([](PriceBook& book) {
        book.row(1, MaterialRowNumber(2, 6)).levelPrice[2] = units(4321);
        book.row(1, SettingsRowNumber).costPrice = units(77);
    });
    f.session.SelectMaterial(1);
    const PriceBook before = f.session.book();
    f.session.CopyUnitPricesFromFirstSheet();
    for (int sheet = 1; sheet < Sheets; ++sheet) {
        for (int line = 1; line <= LinesPerSheet; ++line) {
            const RowFields& now = f.bookRow(1, MaterialRowNumber(sheet, line));
            const RowFields& old = before.row(1, MaterialRowNumber(sheet, line));
            const bool copied = line <= PriceLines;
            const RowFields& expected = copied ? static_cast<const RowFields&>(before.row(1, line)) : old;
            QVERIFY(now.levelPrice == expected.levelPrice);
            QCOMPARE(now.costPrice, expected.costPrice);
            QVERIFY(now.rate == old.rate);
        }
    }
    // The fill is one step: undo puts the sheets back.
    f.session.Undo();
    QVERIFY(f.session.book() == before);
}

void TestClipCommands::failedPasteLeavesEverything()
{
    ClipFixture f;
    // Unit prices near the end of the range, pasted onto lines that take
    // more than one pipe per unit, cannot be computed.
    f.session.SelectMaterial(1);
    f.session.StorePrice(ListLevel, 5, units(4e14));
    f.session.StorePrice(Level1, 5, units(4e14));
    f.session.Copy({ClipScope::Material, FieldGroup::UnitPrices});
    f.session.SelectMaterial(4);
    const Currency rateBefore = f.session.work().row(5).rate[0];
    f.session.StoreRate(1, 5, units(20), false);
    f.session.SaveCurrentBook();
    const PriceBook book = f.session.book();
    const WorkSet work = f.session.work();
    QVERIFY_THROWS_EXCEPTION(PriceOverflow, f.session.Paste({ClipScope::Material, FieldGroup::UnitPrices}));
    QVERIFY(f.session.book() == book);
    QVERIFY(f.session.work() == work);
    QVERIFY(!f.session.modified());
    // No step of its own: undo takes back the rate stored before.
    f.session.Undo();
    QCOMPARE(f.session.work().row(5).rate[0], rateBefore);
    QVERIFY(rateBefore != units(20));
    QVERIFY(f.session.pasteEnabled({ClipScope::Material, FieldGroup::UnitPrices}));
}

void TestClipCommands::loadingAUserFile()
{
    ClipFixture f;
    f.session.StorePrice(ListLevel, 1, units(5));
    f.session.LoadUserFile(f.path(2));
    QCOMPARE(f.session.recordBaseCode(), 11);
    QCOMPARE(f.session.currentPath(), f.path(2));
    QCOMPARE(f.session.currentCategory(), 0); // the file stands in for category 1
    QVERIFY(!f.session.modified());
    QVERIFY(!f.session.canUndo());
    QVERIFY(f.session.book() == ReadPriceBookFile(f.path(2)));
    // From now on records number from 13201.
    f.session.SavePriceBook(f.session.currentPath());
    QCOMPARE(ReadPriceBookFile(f.path(2)).row(1).recordNo, units(13201));
    QCOMPARE(ReadPriceBookFile(f.path(2)).row(1200).recordNo, units(14400));
}

void TestClipCommands::failedLoadOfAUserFileKeepsEverything()
{
    ClipFixture f;
    f.session.StorePrice(ListLevel, 1, units(5));
    QFile shortFile(f.dir.filePath("short.FDA"));
    QVERIFY(shortFile.open(QIODevice::WriteOnly));
    shortFile.write(QByteArray(PriceBookFileSize - 360, '\0'));
    shortFile.close();
    const PriceBook book = f.session.book();
    QVERIFY_THROWS_EXCEPTION(FileError, f.session.LoadUserFile(shortFile.fileName()));
    QVERIFY(f.session.book() == book);
    QCOMPARE(f.session.currentPath(), f.path(1));
    QCOMPARE(f.session.recordBaseCode(), 0);
    QVERIFY(f.session.modified());
}

#include "TestMain.h"
KAVREL_TEST_APPLESS_MAIN(TestClipCommands)
#include "TestClipCommands.moc"
