#include "NumberText.h"
#include "Rounding.h"
#include "SettingsCapture.h"
#include "TestUnits.h"

#include <QTest>

Q_DECLARE_METATYPE(Currency)
Q_DECLARE_METATYPE(RoundingChoice)

namespace {
}

class TestRounding : public QObject {
    Q_OBJECT
private slots:
    void roundSignificant_data();
    void roundSignificant();
    void roundingPastTheEndIsAnError();
    void plainTextLengthMatchesThePlainForm();
    void quantizeComponent_data();
    void quantizeComponent();
    void roundingChoices_data();
    void roundingChoices();
};

void TestRounding::roundSignificant_data()
{
    QTest::addColumn<Currency>("value");
    QTest::addColumn<Currency>("mode");
    QTest::addColumn<Currency>("addend");
    QTest::addColumn<Currency>("result");
    const Currency up = RoundUpAddend, half = RoundHalfAddend, down = TruncateAddend;
    QTest::newRow("3 digits up") << units(1234) << units(3) << up << units(1240);
    QTest::newRow("3 digits half") << units(1234) << units(3) << half << units(1230);
    QTest::newRow("3 digits down") << units(1234) << units(3) << down << units(1230);
    QTest::newRow("3 digits on 3 characters") << units(988) << units(3) << up << units(988);
    QTest::newRow("4 digits") << units(123456) << units(4) << half << units(123500);
    QTest::newRow("a point counts as a character") << units(12.5) << units(3) << half << units(10);
    QTest::newRow("a minus sign counts too") << units(-1234) << units(4) << down << units(-1230);
    QTest::newRow("step 100 up, small remainder") << units(1201) << units(100) << up << units(1200);
    QTest::newRow("step 100 up") << units(1211) << units(100) << up << units(1300);
    QTest::newRow("step 100 half") << units(988) << units(100) << half << units(1000);
    QTest::newRow("step 100 down") << units(988) << units(100) << down << units(900);
    QTest::newRow("step 10 negative truncates toward zero") << units(-1234) << units(10) << up << units(-1220);
    QTest::newRow("step 1000") << units(12500) << units(1000) << half << units(13000);
    QTest::newRow("fractional mode uses its integer part") << units(1234) << units(10.7) << down << units(1230);
    QTest::newRow("step 1 leaves the value") << units(1234.5678) << units(1) << up << units(1234.5678);
    QTest::newRow("unknown mode leaves the value") << units(1234) << units(50) << up << units(1234);
    QTest::newRow("zero mode leaves the value") << units(1234) << units(0) << up << units(1234);
    QTest::newRow("largest value, step 1000 down") << Currency::fromRaw(INT64_MAX) << units(1000) << down
                                                  << Currency::fromUnits(922337203685000);
}

void TestRounding::roundSignificant()
{
    QFETCH(Currency, value);
    QFETCH(Currency, mode);
    QFETCH(Currency, addend);
    QFETCH(Currency, result);
    QCOMPARE(RoundSignificant(value, mode, addend), result);
}

void TestRounding::roundingPastTheEndIsAnError()
{
    // Rounding up the largest values gives a step multiple that does not fit.
    const Currency largest = Currency::fromRaw(INT64_MAX);
    QVERIFY_THROWS_EXCEPTION(ValueOverflow, RoundSignificant(largest, units(1000), RoundUpAddend));
    QVERIFY_THROWS_EXCEPTION(ValueOverflow,
                             RoundSignificant(Currency::fromUnits(922337203685477), units(3), RoundUpAddend));
    QVERIFY_THROWS_EXCEPTION(ValueOverflow, QuantizeComponent(exact::times(largest, largest), {1, TruncateAddend}));
    QVERIFY_THROWS_EXCEPTION(ValueOverflow, TruncateWithAddend(exact::Int(INT64_MAX) + 10000, TruncateAddend));
    QCOMPARE(TruncateWithAddend(exact::Int(INT64_MAX), TruncateAddend), Currency::fromUnits(922337203685477));
}

void TestRounding::plainTextLengthMatchesThePlainForm()
{
    for (std::int64_t raw : std::initializer_list<std::int64_t>{0LL, 1LL, -1LL, 9999LL, 10000LL, 12345000LL, -12345678LL, 1000000000LL, INT64_MAX,
                             INT64_MIN, 990000LL, -5000LL}) {
        const Currency v = Currency::fromRaw(raw);
        QCOMPARE(PlainTextLength(v), PlainText(v).size());
    }
}

void TestRounding::quantizeComponent_data()
{
    QTest::addColumn<Currency>("a");
    QTest::addColumn<Currency>("b");
    QTest::addColumn<int>("multiplier");
    QTest::addColumn<Currency>("addend");
    QTest::addColumn<Currency>("result");
    QTest::newRow("1 decimal half, below") << units(12.34) << units(1) << 10 << RoundHalfAddend << units(12.3);
    QTest::newRow("1 decimal half, at") << units(12.35) << units(1) << 10 << RoundHalfAddend << units(12.4);
    QTest::newRow("whole yen up") << units(1000) << units(0.1234) << 1 << RoundUpAddend << units(124);
    QTest::newRow("up does not raise a tiny remainder") << units(10000.5) << units(0.01) << 1 << RoundUpAddend
                                                        << units(100);
    QTest::newRow("3 decimals truncate") << units(3.3333) << units(3.3333) << 1000 << TruncateAddend
                                         << units(11.11);
    QTest::newRow("product of four-decimal values is exact") << units(0.0001) << units(0.0001) << 1000
                                                             << RoundUpAddend << units(0);
    QTest::newRow("negative truncates toward zero") << units(-12.37) << units(1) << 10 << TruncateAddend
                                                    << units(-12.3);
    // Addends are settings read from the file: any size must stay exact.
    QTest::newRow("addend 1e11") << units(100) << units(1) << 1 << units(1e11) << units(100000000100);
    QTest::newRow("addend 5e10, 3 decimals") << units(45000000) << units(1) << 1000 << units(5e10)
                                             << units(95000000);
    QTest::newRow("negative addend 5e10, 3 decimals") << units(-45000000) << units(1) << 1000 << units(-5e10)
                                                      << units(-95000000);
    QTest::newRow("largest addend on a small product") << units(0.0001) << units(1) << 1
                                                       << Currency::fromRaw(INT64_MAX / 10000 * 10000)
                                                       << Currency::fromRaw(INT64_MAX / 10000 * 10000);
}

void TestRounding::quantizeComponent()
{
    QFETCH(Currency, a);
    QFETCH(Currency, b);
    QFETCH(int, multiplier);
    QFETCH(Currency, addend);
    QFETCH(Currency, result);
    QCOMPARE(QuantizeComponent(exact::times(a, b), {multiplier, addend}), result);
}

// Each choice's addend at the edges of its rounding, and the item of the
// settings lists that stands for it, both ways.
void TestRounding::roundingChoices_data()
{
    QTest::addColumn<RoundingChoice>("choice");
    QTest::addColumn<int>("item");
    QTest::addColumn<Currency>("value");
    QTest::addColumn<Currency>("whole");
    const RoundingChoice up = RoundingChoice::Up, down = RoundingChoice::Truncate, half = RoundingChoice::Half;
    QTest::newRow("up raises a tenth") << up << 0 << units(1.1) << units(2);
    QTest::newRow("up keeps less than a tenth") << up << 0 << units(1.0999) << units(1);
    QTest::newRow("up keeps a whole value") << up << 0 << units(7) << units(7);
    QTest::newRow("up on a negative value truncates the sum") << up << 0 << units(-1.1) << units(0);
    QTest::newRow("truncate just below the next") << down << 1 << units(1.9999) << units(1);
    QTest::newRow("truncate negative toward zero") << down << 1 << units(-1.9999) << units(-1);
    QTest::newRow("half at half") << half << 2 << units(1.5) << units(2);
    QTest::newRow("half just below") << half << 2 << units(1.4999) << units(1);
    QTest::newRow("half negative at half") << half << 2 << units(-1.5) << units(-1);
}

void TestRounding::roundingChoices()
{
    QFETCH(RoundingChoice, choice);
    QFETCH(int, item);
    QFETCH(Currency, value);
    QFETCH(Currency, whole);
    const Currency addend = RoundingAddend(choice);
    QCOMPARE(TruncateWithAddend(value.raw(), addend), whole);
    QCOMPARE(RoundingChoiceOf(addend), std::optional<RoundingChoice>(choice));
    QCOMPARE(AddendForItem(item), addend);
    QCOMPARE(ItemForAddend(addend), item);
    QVERIFY(!RoundingChoiceOf(Currency::fromRaw(addend.raw() + 1)));
}

#include "TestMain.h"
KAVREL_TEST_APPLESS_MAIN(TestRounding)
#include "TestRounding.moc"
