#include "CompositePrice.h"
#include "MaterialSettings.h"
#include "PriceOverflow.h"
#include "Reprice.h"
#include "Rounding.h"
#include "SettingsCapture.h"
#include "TestUnits.h"

#include <QTest>

namespace {

// A material in a book with the usual settings: whole-yen components,
// truncation, adopted step 1, piping mode, base labour 20000 at every level.
struct Fixture {
    PriceBook book;
    WorkSet work;
    int material = 3;

    Fixture()
    {
        for (int level = Level1; level <= CostLevel; ++level)
            BaseLabourCost(book.row(material, LabourRowNumber), level) = units(20000);
        MaterialSettings s{book.row(material, SettingsRowNumber)};
        s.adoptedStep() = units(1);
        LoadMaterial(work, book, material);
    }
    MaterialInBook target() { return {work, book, material}; }
    MaterialSettings settings() { return {work.settingsRow()}; }
    void setRates(int n, std::array<double, 7> rates)
    {
        for (int j = 0; j < 7; ++j)
            work.row(n).rate[j] = units(rates[j]);
    }
};

} // namespace

class TestCompositePrice : public QObject {
    Q_OBJECT
private slots:
    void pipingComponentsAndComposite();
    void fractionalComponents();
    void adoptedPriceRounding_data();
    void adoptedPriceRounding();
    void refrigerantMode();
    void ratePricing_data();
    void ratePricing();
    void ratePricingOffLeavesLevelPrices();
    void mirroringStaysWithinTheMaterial();
    void listLevelUsesTheMirroredLabourSlot();
    void settingsAndLabourRowsAreNotComputed();
    void writeBackKeepsSizeAndReservedFields();
    void invalidSettingsAreStoredBack();
    void captureControls();
    void repriceFromLevels_data();
    void repriceFromLevels();
    void overflowIsAnError_data();
    void overflowIsAnError();
    void costLevelHasNoAdoptedPriceToOverflow();
    void repriceOverflowNamesTheLine();
    void largeComponentAddends_data();
    void largeComponentAddends();
};

void TestCompositePrice::pipingComponentsAndComposite()
{
    Fixture f;
    WorkRow& row = f.work.row(1);
    row.levelPrice[0] = units(1000);
    f.setRates(1, {1.05, 0.3, 0.05, 0.1, 0.12, 0.05, 0.1});
    ComputeRow(f.target(), 1, false);
    const auto& c = row.breakdown[Level1 - 1];
    const std::array<Currency, 7> expected = {units(1050), units(300), units(50), units(100),
                                              units(2400), units(120), units(252)};
    QCOMPARE(c, expected);
    QCOMPARE(row.compositeLevel[0], units(4272));
    QCOMPARE(row.adoptedLevel[0], units(4272));
    // The row went back into the book at material 3, row 1.
    QCOMPARE(f.book.row(RowNumber(3, 0, 1)).compositeLevel[0], units(4272));
    // A level without a material price still has its labour.
    QCOMPARE(row.compositeLevel[1], units(2400 + 120 + 252));
}

void TestCompositePrice::fractionalComponents()
{
    Fixture f;
    f.settings().componentDecimals() = units(2);
    f.settings().componentAddend() = RoundHalfAddend;
    WorkRow& row = f.work.row(2);
    row.costPrice = units(123.45);
    BaseLabourCost(f.work.labourRow(), CostLevel) = units(18000);
    f.setRates(2, {1.1, 0.33, 0, 0.1, 0.05, 0.1, 0.07});
    ComputeRow(f.target(), 2, false);
    const std::array<Currency, 7> expected = {units(135.80), units(40.74), units(0),    units(12.35),
                                              units(900),    units(90),    units(69.30)};
    QCOMPARE(row.breakdown[CostLevel - 1], expected);
    QCOMPARE(row.compositeCost, units(1248)); // Trunc(1248.19 + 0.5)
}

void TestCompositePrice::adoptedPriceRounding_data()
{
    QTest::addColumn<double>("step");
    QTest::addColumn<double>("addend");
    QTest::addColumn<double>("adopted");
    QTest::newRow("100 up") << 100.0 << 0.9 << 4300.0;
    QTest::newRow("100 half") << 100.0 << 0.5 << 4300.0;
    QTest::newRow("100 down") << 100.0 << 0.0 << 4200.0;
    QTest::newRow("3 digits") << 3.0 << 0.5 << 4270.0;
    QTest::newRow("zero step is read as 1") << 0.0 << 0.9 << 4272.0;
}

void TestCompositePrice::adoptedPriceRounding()
{
    QFETCH(double, step);
    QFETCH(double, addend);
    QFETCH(double, adopted);
    Fixture f;
    f.settings().adoptedStep() = units(step);
    f.settings().adoptedStepAddend() = units(addend);
    WorkRow& row = f.work.row(5);
    row.levelPrice[4] = units(1000);
    row.listPrice = units(1000);
    f.setRates(5, {1.05, 0.3, 0.05, 0.1, 0.12, 0.05, 0.1});
    BaseLabourCost(f.work.labourRow(), ListLevel) = units(20000);
    ComputeRow(f.target(), 5, false);
    QCOMPARE(row.compositeLevel[4], units(4272));
    QCOMPARE(row.adoptedLevel[4], units(adopted));
    QCOMPARE(row.adoptedList, units(adopted));
    // The cost level has no adopted price of its own.
    QCOMPARE(row.adoptedLevel[0], units(step == 0 ? 2772 : RoundSignificant(units(2772), units(step),
                                                                              units(addend)).toDouble()));
}

void TestCompositePrice::refrigerantMode()
{
    Fixture f;
    f.settings().mode() = units(2);
    WorkRow& row = f.work.row(3);
    row.levelPrice[0] = units(1000);
    f.setRates(3, {1.0, 0.2, 0.1, 0.5, 0.1, 0.9, 0.1});
    ComputeRow(f.target(), 3, false);
    const auto& c = row.breakdown[0];
    QCOMPARE(c[3], units(650)); // (1000 + 200 + 100) × 0.5
    QCOMPARE(c[5], units(0));   // chipping is not used, whatever its rate
    QCOMPARE(c[6], units(200)); // (2000 + 0) × 0.1
    QCOMPARE(row.compositeLevel[0], units(1000 + 200 + 100 + 650 + 2000 + 200));
}

void TestCompositePrice::ratePricing_data()
{
    QTest::addColumn<double>("step");
    QTest::addColumn<double>("stepAddend");
    QTest::addColumn<double>("level1");
    QTest::newRow("step 1") << 1.0 << 0.0 << 988.0;
    QTest::newRow("step 100 half") << 100.0 << 0.5 << 1000.0;
    QTest::newRow("step 100 down") << 100.0 << 0.0 << 900.0;
    QTest::newRow("3 digits") << 3.0 << 0.9 << 988.0;
}

void TestCompositePrice::ratePricing()
{
    QFETCH(double, step);
    QFETCH(double, stepAddend);
    QFETCH(double, level1);
    Fixture f;
    MaterialSettings s = f.settings();
    s.ratePercent(Level1) = units(80);
    s.ratePercent(CostLevel) = units(50);
    s.ratePriceDecimalAddend() = RoundUpAddend;
    s.ratePriceStep() = units(step);
    s.ratePriceStepAddend() = units(stepAddend);
    f.work.row(4).listPrice = units(1234.5);
    ComputeRow(f.target(), 4, true);
    QCOMPARE(f.work.row(4).levelPrice[0], units(level1)); // Trunc(987.6 + 0.9), then the step
    QCOMPARE(f.work.row(4).levelPrice[1], units(0));      // a 0 % rate
    const double cost = RoundSignificant(units(618), units(step), units(stepAddend)).toDouble();
    QCOMPARE(f.work.row(4).costPrice, units(cost)); // Trunc(617.25 + 0.9)
    // The same line of the other sheets gets the list and level prices.
    for (int n : {19, 34, 49}) {
        QCOMPARE(f.work.row(n).listPrice, units(1234.5));
        QCOMPARE(f.work.row(n).levelPrice[0], units(level1));
        QCOMPARE(f.work.row(n).costPrice, units(cost));
    }
    QCOMPARE(f.book.row(3, 4).levelPrice[0], units(level1));
}

void TestCompositePrice::ratePricingOffLeavesLevelPrices()
{
    Fixture f;
    f.work.row(1).levelPrice[0] = units(777);
    f.work.row(16).levelPrice[0] = units(555);
    CapturedControls controls;
    controls.levelRates = {80, 80, 80, 80, 80};
    controls.ratePricing = false;
    RecomputeMaterial(f.target(), controls);
    QCOMPARE(f.work.row(1).levelPrice[0], units(777));
    QCOMPARE(f.work.row(16).levelPrice[0], units(555)); // not mirrored either
    QCOMPARE(f.settings().ratePercent(Level1), units(80));
}

void TestCompositePrice::mirroringStaysWithinTheMaterial()
{
    Fixture f;
    f.book.row(4, 5).listPrice = units(42); // the next material
    f.work.row(50).listPrice = units(9);    // sheet 4: nothing after it
    ComputeRow(f.target(), 50, true);
    QCOMPARE(f.book.row(4, 5).listPrice, units(42));
    for (int n = 1; n <= 60; ++n) {
        if (n != 50)
            QCOMPARE(f.work.row(n).listPrice, units(0));
    }
}

void TestCompositePrice::listLevelUsesTheMirroredLabourSlot()
{
    Fixture f;
    f.work.row(30).listPrice = units(7); // the hidden line 15 of sheet 1
    f.work.row(1).listPrice = units(100);
    f.setRates(1, {1, 0, 0, 0, 1, 0, 0});
    ComputeMaterialRows(f.target(), false);
    QCOMPARE(f.work.labourRow().listPrice, units(7));
    // The list level of row 1 ran before row 30 mirrored: labour slot still 0.
    QCOMPARE(f.work.row(1).compositeList, units(100));
    f.setRates(46, {1, 0, 0, 0, 1, 0, 0});
    QCOMPARE(f.work.row(46).listPrice, units(100));
    ComputeRow(f.target(), 46, false);
    QCOMPARE(f.work.row(46).compositeList, units(107));
}

void TestCompositePrice::settingsAndLabourRowsAreNotComputed()
{
    Fixture f;
    f.work.row(15).rate[6] = units(3); // a setting slot
    f.work.labourRow().levelPrice[0] = units(5);
    f.work.row(15).compositeLevel[0] = units(11);
    f.work.labourRow().adoptedLevel[0] = units(12);
    ComputeMaterialRows(f.target(), false);
    QCOMPARE(f.work.row(15).compositeLevel[0], units(11));
    QCOMPARE(f.work.labourRow().adoptedLevel[0], units(12));
    QCOMPARE(f.book.row(3, 60).adoptedLevel[0], units(0)); // never written back
    // Rows 30 and 45 are computed like price rows.
    QCOMPARE(f.work.row(30).compositeLevel[0], units(0));
    f.work.row(45).levelPrice[0] = units(10);
    f.setRates(45, {1, 0, 0, 0, 0, 0, 0});
    ComputeMaterialRows(f.target(), false);
    QCOMPARE(f.book.row(3, 45).compositeLevel[0], units(10));
}

void TestCompositePrice::writeBackKeepsSizeAndReservedFields()
{
    Fixture f;
    PriceRow& stored = f.book.row(3, 7);
    stored.sizeName.setText("20A");
    stored.reserved0 = 5;
    stored.reserved1 = 6;
    stored.recordNo = units(99);
    f.work.row(7).sizeName.setText("25A");
    f.work.row(7).headerText.setText(QString::fromUtf8("品名"));
    f.work.row(7).auxValue = 17;
    ComputeRow(f.target(), 7, false);
    QCOMPARE(stored.sizeName.text(), QString("20A"));
    QCOMPARE(stored.reserved0, 5);
    QCOMPARE(stored.reserved1, 6);
    QCOMPARE(stored.recordNo, units(99));
    QCOMPARE(stored.headerText.text(), QString::fromUtf8("品名"));
    QCOMPARE(stored.auxValue, 17);
}

void TestCompositePrice::invalidSettingsAreStoredBack()
{
    Fixture f;
    f.settings().adoptedStep() = units(0);
    f.settings().componentDecimals() = units(7);
    ComputeRow(f.target(), 1, false);
    QCOMPARE(f.settings().adoptedStep(), units(1));
    QCOMPARE(f.settings().componentDecimals(), units(0));
    // The settings row itself is never written back by a computation.
    QCOMPARE(MaterialSettings{f.book.row(3, 15)}.adoptedStep(), units(1));
}

void TestCompositePrice::captureControls()
{
    Fixture f;
    f.settings().ratePriceDecimalAddend() = RoundHalfAddend;
    MaterialSettings{f.book.row(3, 15)}.ratePriceDecimalAddend() = RoundHalfAddend;
    CapturedControls c;
    c.ratePriceStepItem = 4; // 有効3桁
    c.ratePriceStepAddendItem = 0;
    c.ratePricing = true;
    c.levelRates = {80, 81.5, 12.34567, 0, 100};
    c.costRate = 60;
    c.levelLabour = {units(20000), units(21000), units(22000), units(23000), units(24000)};
    c.costLabour = Currency::fromRaw(180002500);
    CaptureControls(f.target(), c);
    for (RowFields* settingsRow : {static_cast<RowFields*>(&f.work.settingsRow()),
                                   static_cast<RowFields*>(&f.book.row(3, 15))}) {
        MaterialSettings s{*settingsRow};
        QCOMPARE(s.ratePriceStep(), units(3));
        QCOMPARE(s.ratePriceDecimalAddend(), RoundHalfAddend); // no item chosen: unchanged
        QCOMPARE(s.ratePriceStepAddend(), RoundUpAddend);
        QCOMPARE(s.ratePricingFlag(), units(1));
        QCOMPARE(s.ratePercent(Level3), Currency::fromRaw(123457));
        QCOMPARE(s.ratePercent(CostLevel), units(60));
    }
    for (RowFields* labour : {static_cast<RowFields*>(&f.work.labourRow()),
                              static_cast<RowFields*>(&f.book.row(3, 60))}) {
        QCOMPARE(BaseLabourCost(*labour, Level5), units(24000));
        QCOMPARE(BaseLabourCost(*labour, CostLevel), units(18000.25));
    }
    QCOMPARE(ItemForRatePriceStep(units(0)), 0);
    QCOMPARE(ItemForRatePriceStep(units(1000)), 3);
    QCOMPARE(ItemForRatePriceStep(units(7)), CapturedControls::NoItem);
    QCOMPARE(ItemForAddend(RoundHalfAddend), 2);
    QCOMPARE(ItemForAddend(units(0.3)), CapturedControls::NoItem);
}

void TestCompositePrice::repriceFromLevels_data()
{
    QTest::addColumn<int>("method");
    QTest::addColumn<double>("percent");
    QTest::addColumn<double>("addend");
    QTest::addColumn<int>("step");
    QTest::addColumn<double>("price");
    QTest::newRow("list × 85 %") << int(RepriceChoices::FromList) << 85.0 << 0.0 << 1 << 850.0;
    QTest::newRow("list × 85.5 %, step 10 up") << int(RepriceChoices::FromList) << 85.5 << 0.9 << 10 << 860.0;
    QTest::newRow("list, step 10000 half") << int(RepriceChoices::FromList) << 85.0 << 0.5 << 10000 << 0.0;
    QTest::newRow("cost + 10 %") << int(RepriceChoices::FromCost) << 10.0 << 0.0 << 1 << 660.0;
    QTest::newRow("cost + 12.5 %, step 100 half") << int(RepriceChoices::FromCost) << 12.5 << 0.5 << 100
                                                  << 700.0;
}

void TestCompositePrice::repriceFromLevels()
{
    QFETCH(int, method);
    QFETCH(double, percent);
    QFETCH(double, addend);
    QFETCH(int, step);
    QFETCH(double, price);
    Fixture f;
    for (int n = 1; n <= 60; ++n) {
        f.work.row(n).listPrice = units(1000);
        f.work.row(n).costPrice = units(600);
    }
    f.work.row(30).levelPrice[0] = units(3);
    RepriceChoices choices;
    choices.method = static_cast<RepriceChoices::Method>(method);
    choices.percent = {units(percent), units(percent), units(percent), units(percent), units(percent)};
    choices.addend = units(addend);
    choices.step = step;
    RepriceFromLevels(f.target(), choices, false);
    for (int n : {1, 14, 16, 44, 59})
        QCOMPARE(f.work.row(n).levelPrice[4], units(price));
    QCOMPARE(f.work.row(30).levelPrice[0], units(3)); // the hidden lines keep theirs
    QCOMPARE(f.work.row(1).costPrice, units(600));
    QCOMPARE(f.book.row(3, 1).levelPrice[4], units(price));
}

void TestCompositePrice::overflowIsAnError_data()
{
    QTest::addColumn<int>("inputs");
    QTest::newRow("two components of 9e14") << 0;
    QTest::newRow("adopted price rounded up past the end") << 1;
    QTest::newRow("component of a damaged rate") << 2;
    QTest::newRow("rate-derived price") << 3;
    QTest::newRow("labour component") << 4;
}

void TestCompositePrice::overflowIsAnError()
{
    QFETCH(int, inputs);
    Fixture f;
    const int n = MaterialRowNumber(2, 5);
    WorkRow& row = f.work.row(n);
    bool ratePricing = false;
    switch (inputs) {
    case 0:
        row.levelPrice[0] = units(9e14);
        f.setRates(n, {1, 1, 0, 0, 0, 0, 0});
        break;
    case 1:
        row.levelPrice[0] = Currency::fromUnits(922337203685477);
        f.setRates(n, {1, 0, 0, 0, 0, 0, 0});
        f.settings().adoptedStep() = units(1000);
        f.settings().adoptedStepAddend() = RoundUpAddend;
        break;
    case 2:
        row.levelPrice[0] = units(1000);
        row.rate[0] = Currency::fromRaw(INT64_MAX);
        break;
    case 3:
        ratePricing = true;
        row.listPrice = units(9e14);
        f.settings().ratePercent(Level3) = units(200);
        break;
    case 4:
        BaseLabourCost(f.work.labourRow(), Level2) = units(9e14);
        f.setRates(n, {0, 0, 0, 0, 2, 0, 0});
        break;
    }
    try {
        ComputeRow(f.target(), n, ratePricing);
        QFAIL("no error for a value that does not fit");
    } catch (const PriceOverflow& e) {
        QCOMPARE(e.material(), 3);
        QCOMPARE(e.sheet(), 2);
        QCOMPARE(e.line(), 5);
        QVERIFY2(e.message().contains(QString::fromUtf8("管材4 シート3 5行目")), qPrintable(e.message()));
    }
}

void TestCompositePrice::costLevelHasNoAdoptedPriceToOverflow()
{
    Fixture f;
    WorkRow& row = f.work.row(1);
    row.costPrice = Currency::fromUnits(922337203685477);
    f.setRates(1, {1, 0, 0, 0, 0, 0, 0});
    f.settings().adoptedStep() = units(1000);
    f.settings().adoptedStepAddend() = RoundUpAddend;
    ComputeRow(f.target(), 1, false);
    QCOMPARE(row.compositeCost, Currency::fromUnits(922337203685477));
}

void TestCompositePrice::repriceOverflowNamesTheLine()
{
    Fixture f;
    f.work.row(17).listPrice = units(9e14);
    RepriceChoices choices;
    choices.percent = {units(100), units(100), units(100), units(300), units(100)};
    try {
        RepriceFromLevels(f.target(), choices, false);
        QFAIL("no error for a price that does not fit");
    } catch (const PriceOverflow& e) {
        QCOMPARE(e.sheet(), 1);
        QCOMPARE(e.line(), 2);
    }
}

void TestCompositePrice::largeComponentAddends_data()
{
    QTest::addColumn<double>("addend");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<double>("price");
    QTest::addColumn<double>("composite");
    // Every one of the seven components and the sum get the addend.
    QTest::newRow("addend 1e11, whole yen") << 1e11 << 0 << 100.0 << 800000000100.0;
    QTest::newRow("addend 5e10, 3 decimals") << 5e10 << 3 << 45000000.0 << 50395000000.0;
}

void TestCompositePrice::largeComponentAddends()
{
    QFETCH(double, addend);
    QFETCH(int, decimals);
    QFETCH(double, price);
    QFETCH(double, composite);
    Fixture f;
    f.settings().componentAddend() = units(addend);
    f.settings().componentDecimals() = units(decimals);
    f.work.row(1).levelPrice[0] = units(price);
    f.setRates(1, {1, 0, 0, 0, 0, 0, 0});
    ComputeRow(f.target(), 1, false);
    QCOMPARE(f.work.row(1).compositeLevel[0], units(composite));
    QCOMPARE(f.book.row(3, 1).compositeLevel[0], units(composite));
}

#include "TestMain.h"
KAVREL_TEST_APPLESS_MAIN(TestCompositePrice)
#include "TestCompositePrice.moc"
