// The engine computes in plain 64-bit arithmetic where a bound on the inputs
// proves it exact; these compare it with 128-bit arithmetic on every line.
#include "CompositePrice.h"
#include "DataFileConfig.h"
#include "MaterialSettings.h"
#include "PlainArithmeticBound.h"
#include "PriceOverflow.h"
#include "SampleBooks.h"
#include "TestUnits.h"

#include <QRandomGenerator>
#include <QTest>
#include <optional>

namespace {

// How large the random inputs are: raw values up to 10^digits, log-uniform,
// with the digits of each material drawn up to these.
struct Magnitudes {
    int priceDigits;
    int rateDigits;
    int addendDigits; // 0: only the three rounding choices
    bool negative;
};

} // namespace

Q_DECLARE_METATYPE(Magnitudes)

namespace {

class RandomMaterial {
public:
    RandomMaterial(quint32 seed, Magnitudes m) : random_(seed), m_(m) {}

    std::int64_t raw(int digits)
    {
        const double exponent = random_.generateDouble() * digits;
        auto v = static_cast<std::int64_t>(std::min(std::pow(10.0, exponent), 9.2e18));
        if (random_.bounded(8) == 0)
            v = 0;
        return m_.negative && random_.bounded(2) ? -v : v;
    }
    Currency price() { return Currency::fromRaw(raw(priceDigits_)); }
    Currency rate() { return Currency::fromRaw(raw(rateDigits_)); }
    Currency addend()
    {
        static const Currency Choices[] = {units(0), units(0.5), units(0.9)};
        if (addendDigits_ == 0 || random_.bounded(2))
            return Choices[random_.bounded(3)];
        return Currency::fromRaw(raw(addendDigits_));
    }
    template <typename T>
    T pick(std::initializer_list<T> choices)
    {
        return choices.begin()[random_.bounded(static_cast<quint32>(choices.size()))];
    }

    // Material `material` of the book with random lines, settings and labour.
    void fill(PriceBook& book, int material)
    {
        auto digits = [&](int most) { return most == 0 ? 0 : static_cast<int>(random_.bounded(1, most + 1)); };
        priceDigits_ = digits(m_.priceDigits);
        rateDigits_ = digits(m_.rateDigits);
        addendDigits_ = digits(m_.addendDigits);
        for (int n = 1; n <= RowsPerMaterial; ++n) {
            PriceRow& row = book.row(material, n);
            for (int level = Level1; level <= ListLevel; ++level)
                MaterialPrice(row, level) = price();
            for (Currency& r : row.rate)
                r = rate();
            row.compositeCost = price();
            for (Currency& c : row.compositeLevel)
                c = price();
        }
        MaterialSettings s{book.row(material, SettingsRowNumber)};
        for (int level = Level1; level <= CostLevel; ++level)
            s.ratePercent(level) = random_.bounded(4) ? units(random_.bounded(0, 200)) : rate();
        s.adoptedStep() = units(pick({0, 1, 3, 4, 10, 100, 1000, 7}));
        s.ratePriceStep() = units(pick({1, 3, 4, 10, 100, 1000, 0}));
        s.componentDecimals() = units(pick({0, 1, 2, 3, 5}));
        s.componentAddend() = addend();
        s.adoptedStepAddend() = addend();
        s.ratePriceDecimalAddend() = addend();
        s.ratePriceStepAddend() = addend();
        s.mode() = units(pick({0, 2, 2, 1}));
    }

private:
    QRandomGenerator random_;
    Magnitudes m_;
    int priceDigits_ = 0, rateDigits_ = 0, addendDigits_ = 0;
};

// The outcome of computing lines: the work set, the book, and the line of
// the overflow error if there was one.
struct Outcome {
    WorkSet work;
    PriceBook book;
    std::optional<int> overflowRow;
    bool operator==(const Outcome&) const = default;
};

template <typename Compute>
Outcome run(const PriceBook& start, int material, Compute compute)
{
    Outcome o{WorkSet(), start, std::nullopt};
    LoadMaterial(o.work, o.book, material);
    try {
        compute(MaterialInBook{o.work, o.book, material});
    } catch (const PriceOverflow& e) {
        o.overflowRow = MaterialRowNumber(e.sheet(), e.line());
    }
    return o;
}

Outcome wide(const PriceBook& start, int material, int first, int last, bool ratePricing)
{
    return run(start, material, [&](MaterialInBook t) {
        for (int n = first; n <= last; ++n)
            ComputeRowWide(t, n, ratePricing);
    });
}

bool materialFits(const PriceBook& book, int material, bool ratePricing)
{
    WorkSet work;
    LoadMaterial(work, book, material);
    LineMagnitudes lines;
    for (int n = 1; n < RowsPerMaterial; ++n) {
        if (n != SettingsRowNumber)
            lines.add(work.row(n));
    }
    return FitsPlainArithmetic(lines, work, ratePricing);
}

} // namespace

class TestPlainArithmetic : public QObject {
    Q_OBJECT
private slots:
    void randomMaterialsAgree_data();
    void randomMaterialsAgree();
    void linesAtTheBoundAgree_data();
    void linesAtTheBoundAgree();
    void sampleBooksTakeThePlainArithmetic();
    void zeroRateLinesAgree_data();
    void zeroRateLinesAgree();
};

void TestPlainArithmetic::randomMaterialsAgree_data()
{
    QTest::addColumn<Magnitudes>("magnitudes");
    QTest::addColumn<bool>("straddles"); // some materials fit the plain arithmetic, some do not
    // price, rate and addend digits of the raw values
    QTest::newRow("prices up to 10^6 yen, rates up to 10") << Magnitudes{10, 5, 0, false} << false;
    QTest::newRow("negative prices and rates") << Magnitudes{10, 5, 0, true} << false;
    QTest::newRow("large prices") << Magnitudes{15, 6, 0, false} << true;
    QTest::newRow("around the 64-bit bound") << Magnitudes{16, 8, 8, true} << true;
    QTest::newRow("large addends") << Magnitudes{9, 5, 14, true} << true;
    QTest::newRow("anything a damaged file holds") << Magnitudes{19, 19, 19, true} << true;
}

void TestPlainArithmetic::randomMaterialsAgree()
{
    QFETCH(Magnitudes, magnitudes);
    QFETCH(bool, straddles);
    int fit = 0, notFit = 0;
    for (quint32 seed = 1; seed <= 150; ++seed) {
        RandomMaterial random(seed, magnitudes);
        PriceBook book;
        const int material = static_cast<int>(seed % Materials);
        random.fill(book, material);
        const bool ratePricing = seed % 3 != 0;
        (materialFits(book, material, ratePricing) ? fit : notFit)++;

        const Outcome reference = wide(book, material, 1, RowsPerMaterial - 1, ratePricing);
        QVERIFY2(run(book, material, [&](MaterialInBook t) { ComputeMaterialRows(t, ratePricing); }) == reference,
                 qPrintable(QStringLiteral("material of seed %1").arg(seed)));

        const int sheet = static_cast<int>(seed % Sheets);
        const int first = MaterialRowNumber(sheet, 1), last = MaterialRowNumber(sheet, PriceLines);
        QVERIFY(run(book, material, [&](MaterialInBook t) { ComputeSheetRows(t, sheet, ratePricing); }) ==
                wide(book, material, first, last, ratePricing));
        const int n = first + static_cast<int>(seed % PriceLines);
        QVERIFY(run(book, material, [&](MaterialInBook t) { ComputeRow(t, n, ratePricing); }) ==
                wide(book, material, n, n, ratePricing));
    }
    // The plain arithmetic was taken, and the wide one where inputs are large.
    QVERIFY(fit > 0);
    QCOMPARE(notFit > 0, straddles);
}

void TestPlainArithmetic::linesAtTheBoundAgree_data()
{
    QTest::addColumn<std::int64_t>("rate");
    QTest::addColumn<std::int64_t>("addend");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("step");
    QTest::addColumn<bool>("ratePricing");
    QTest::addColumn<int>("sign");
    // rate and addend raw
    QTest::newRow("rate 1, round up, piping") << std::int64_t(10000) << std::int64_t(9000) << 0 << 0 << 3 << true << 1;
    QTest::newRow("rate 1, refrigerant, 3 decimals") << std::int64_t(10000) << std::int64_t(9000) << 3 << 2 << 4 << true
                                                     << 1;
    QTest::newRow("rate 25, negative") << std::int64_t(250000) << std::int64_t(-9000) << 2 << 0 << 1000 << true << -1;
    QTest::newRow("tiny rate, large addend") << std::int64_t(1) << std::int64_t(100000000) << 1 << 2 << 100 << false
                                             << 1;
    QTest::newRow("rate-priced, rounded up by a large addend") << std::int64_t(10000) << std::int64_t(100000000) << 0 << 0
                                                               << 3 << true << 1;
    QTest::newRow("rate 100, no rate pricing") << std::int64_t(1000000) << std::int64_t(5000) << 0 << 0 << 100
                                               << false << 1;
}

// Every input at the largest magnitude for which the plain arithmetic is
// still taken: the worst case the bound must cover. One step further the
// wide arithmetic takes over; both agree with it line by line.
void TestPlainArithmetic::linesAtTheBoundAgree()
{
    QFETCH(std::int64_t, rate);
    QFETCH(std::int64_t, addend);
    QFETCH(int, decimals);
    QFETCH(int, mode);
    QFETCH(int, step);
    QFETCH(bool, ratePricing);
    QFETCH(int, sign);
    const int material = 7;
    auto book = [&](std::int64_t price) {
        PriceBook b;
        for (int n = 1; n <= RowsPerMaterial; ++n) {
            PriceRow& row = b.row(material, n);
            for (int level = Level1; level <= ListLevel; ++level)
                MaterialPrice(row, level) = Currency::fromRaw(sign * price);
            row.rate.fill(Currency::fromRaw(sign * rate));
            row.compositeCost = Currency::fromRaw(sign * price);
            row.compositeLevel.fill(Currency::fromRaw(sign * price));
        }
        MaterialSettings s{b.row(material, SettingsRowNumber)};
        for (int level = Level1; level <= CostLevel; ++level)
            s.ratePercent(level) = units(100 * sign);
        for (Currency* a : {&s.componentAddend(), &s.adoptedStepAddend(), &s.ratePriceDecimalAddend(),
                            &s.ratePriceStepAddend()})
            *a = Currency::fromRaw(addend);
        s.componentDecimals() = units(decimals);
        s.mode() = units(mode);
        s.adoptedStep() = units(step);
        s.ratePriceStep() = units(step);
        return b;
    };
    // The largest price that fits, found by halving.
    std::int64_t fits = 0, fails = INT64_MAX;
    QVERIFY(materialFits(book(fits), material, ratePricing));
    QVERIFY(!materialFits(book(fails), material, ratePricing));
    while (fails - fits > 1) {
        const std::int64_t mid = fits + (fails - fits) / 2;
        (materialFits(book(mid), material, ratePricing) ? fits : fails) = mid;
    }
    QVERIFY2(fits > 10000, "the bound leaves no room for a price at all");
    for (std::int64_t price : {fits, fails}) {
        const PriceBook start = book(price);
        QCOMPARE(run(start, material, [&](MaterialInBook t) { ComputeMaterialRows(t, ratePricing); }),
                 wide(start, material, 1, RowsPerMaterial - 1, ratePricing));
    }
}

void TestPlainArithmetic::sampleBooksTakeThePlainArithmetic()
{
    for (int category = 0; category < CategoryCount; ++category) {
        const PriceBook book = SampleBook(category);
        for (int m = 0; m < Materials; ++m) {
            for (bool ratePricing : {false, true})
                QVERIFY(materialFits(book, m, ratePricing));
        }
    }
}

void TestPlainArithmetic::zeroRateLinesAgree_data()
{
    QTest::addColumn<std::int64_t>("componentAddend");
    QTest::addColumn<std::int64_t>("adoptedAddend");
    QTest::addColumn<int>("adoptedStep");
    // raw addends: 10000 is 1
    QTest::newRow("round up, step 100") << std::int64_t(9000) << std::int64_t(9000) << 100;
    QTest::newRow("just below 1") << std::int64_t(9999) << std::int64_t(9999) << 10;
    QTest::newRow("just above -1") << std::int64_t(-9999) << std::int64_t(-9999) << 1000;
    QTest::newRow("component addend 1") << std::int64_t(10000) << std::int64_t(0) << 100;
    QTest::newRow("component addend -1") << std::int64_t(-10000) << std::int64_t(5000) << 3;
    QTest::newRow("adopted addend 1, step 10") << std::int64_t(5000) << std::int64_t(10000) << 10;
    QTest::newRow("adopted addend -1, step 1000") << std::int64_t(0) << std::int64_t(-10000) << 1000;
    QTest::newRow("adopted addend 7, by characters") << std::int64_t(0) << std::int64_t(70000) << 4;
    QTest::newRow("large addends") << std::int64_t(123456789) << std::int64_t(-987654321) << 100;
}

// Blank sizes, lines whose rates are all 0, beside filled ones: computed
// in full or taken as zeros, they give what 128-bit arithmetic gives.
void TestPlainArithmetic::zeroRateLinesAgree()
{
    QFETCH(std::int64_t, componentAddend);
    QFETCH(std::int64_t, adoptedAddend);
    QFETCH(int, adoptedStep);
    const int material = Materials - 1;
    PriceBook book = SampleBook(0);
    for (int sheet = 0; sheet < Sheets; ++sheet) {
        for (int line = 1; line <= PriceLines; line += 2) {
            PriceRow& row = book.row(material, MaterialRowNumber(sheet, line));
            row.rate.fill(Currency());
            row.listPrice = units(1000 * line);
            row.compositeLevel.fill(units(77)); // stale results
            row.adoptedLevel.fill(units(77));
        }
    }
    MaterialSettings s{book.row(material, SettingsRowNumber)};
    s.componentAddend() = Currency::fromRaw(componentAddend);
    s.adoptedStepAddend() = Currency::fromRaw(adoptedAddend);
    s.adoptedStep() = units(adoptedStep);
    BaseLabourCost(book.row(material, LabourRowNumber), Level3) = units(25000);
    for (bool refrigerant : {false, true}) {
        s.mode() = units(refrigerant ? 2 : 0);
        for (bool ratePricing : {false, true}) {
            QCOMPARE(run(book, material, [&](MaterialInBook t) { ComputeMaterialRows(t, ratePricing); }),
                     wide(book, material, 1, RowsPerMaterial - 1, ratePricing));
            const int line = MaterialRowNumber(Sheets - 1, 3);
            QCOMPARE(run(book, material, [&](MaterialInBook t) { ComputeRow(t, line, ratePricing); }),
                     wide(book, material, line, line, ratePricing));
        }
    }
}

#include "TestMain.h"
KAVREL_TEST_APPLESS_MAIN(TestPlainArithmetic)
#include "TestPlainArithmetic.moc"
