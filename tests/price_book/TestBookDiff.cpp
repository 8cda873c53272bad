#include "BookDiff.h"
#include "NumberText.h"
#include "SampleBooks.h"
#include "WorkSet.h"

#include <QTest>
#include <cmath>
#include <functional>

// Stores a value given as text in one field of a row.
using Set = std::function<void(PriceRow&, const QString&)>;
Q_DECLARE_METATYPE(Set)

namespace {

template <int N>
Set text(ShortText<N> RowFields::*field)
{
    return [field](PriceRow& row, const QString& v) { (row.*field).setText(v); };
}
Set money(Currency RowFields::*field)
{
    return [field](PriceRow& row, const QString& v) { row.*field = ParseCurrency(v); };
}
template <std::size_t N>
Set slot(std::array<Currency, N> RowFields::*field, int i)
{
    return [field, i](PriceRow& row, const QString& v) { (row.*field)[static_cast<std::size_t>(i)] = ParseCurrency(v); };
}

constexpr double None = -1e300; // no percent expected

} // namespace

class TestBookDiff : public QObject {
    Q_OBJECT
private slots:
    void oneChange_data();
    void oneChange();
    void everyFieldIsCompared();
    void recordNumbersAndReservedAreNoDifference();
    void materialsAndPricesOnly();
    void textAndCsv();
};

void TestBookDiff::oneChange_data()
{
    QTest::addColumn<int>("material");
    QTest::addColumn<int>("sheet");
    QTest::addColumn<int>("line");
    QTest::addColumn<Set>("set");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("oldText");
    QTest::addColumn<QString>("newText");
    QTest::addColumn<double>("percent");
    const QString header = QString::fromUtf8("鋼管,白\n管");
    QTest::newRow("text with a comma and a line break, first line of the first material")
        << 0 << 0 << 1 << text(&RowFields::headerText) << QString::fromUtf8("鋼管") << header
        << QString::fromUtf8("見出し") << QString::fromUtf8("鋼管") << header << None;
    QTest::newRow("size name") << 2 << 1 << 3 << text(&RowFields::sizeName) << "15A" << "20A"
                               << QString::fromUtf8("サイズ") << "15A" << "20A" << None;
    QTest::newRow("list price") << 4 << 0 << 2 << money(&RowFields::listPrice) << "1150" << "1200"
                                << QString::fromUtf8("定価") << "1,150" << "1,200" << 50.0 / 1150 * 100;
    QTest::newRow("LEVEL3 price down") << 4 << 2 << 14 << slot(&RowFields::levelPrice, 2) << "1000" << "900"
                                       << QString::fromUtf8("提出単価 LEVEL3") << "1,000" << "900" << -10.0;
    QTest::newRow("old price 0: no percent") << 1 << 0 << 5 << money(&RowFields::costPrice) << "0" << "500"
                                             << QString::fromUtf8("原価") << "0" << "500" << None;
    QTest::newRow("negative old price rising") << 1 << 1 << 1 << slot(&RowFields::compositeLevel, 0) << "-200" << "-100"
                                               << QString::fromUtf8("複合単価 LEVEL1") << "-200" << "-100" << 50.0;
    QTest::newRow("adopted price turning negative") << 1 << 3 << 7 << slot(&RowFields::adoptedLevel, 4) << "100" << "-50"
                                                    << QString::fromUtf8("採用単価 LEVEL5") << "100" << "-50" << -150.0;
    QTest::newRow("a change below a yen shows its decimals")
        << 3 << 0 << 9 << money(&RowFields::listPrice) << "1000.2" << "1000.4" << QString::fromUtf8("定価") << "1000.2"
        << "1000.4" << 0.2 / 1000.2 * 100;
    QTest::newRow("a rate") << 6 << 0 << 4 << slot(&RowFields::rate, 4) << "0.25" << "0.3"
                            << QString::fromUtf8("配管工") << "0.25" << "0.3" << None;
    QTest::newRow("settings row: rate pricing") << 5 << 0 << 15 << slot(&RowFields::adoptedLevel, 3) << "0" << "1"
                                                << QString::fromUtf8("単価に掛け率を使用") << "0" << "1" << None;
    QTest::newRow("settings row: LEVEL1 percentage") << 5 << 0 << 15 << slot(&RowFields::levelPrice, 0) << "1500" << "75.5"
                                                     << QString::fromUtf8("掛け率 LEVEL1") << "1500" << "75.5" << None;
    QTest::newRow("labour row: a base labour cost") << 5 << 3 << 15 << slot(&RowFields::compositeLevel, 1) << "20000"
                                                    << "21000" << QString::fromUtf8("基礎工費 LEVEL2") << "20,000"
                                                    << "21,000" << None;
    QTest::newRow("a sheet's name") << 7 << 2 << 15 << text(&RowFields::sheetName) << "a" << "b"
                                    << QString::fromUtf8("シート名") << "a" << "b" << None;
    QTest::newRow("last line of the last material") << 19 << 3 << 15 << text(&RowFields::unit) << "m" << QString::fromUtf8("本")
                                                    << QString::fromUtf8("単位") << "m" << QString::fromUtf8("本") << None;
    QTest::newRow("last price line of the last material")
        << 19 << 3 << 14 << money(&RowFields::compositeCost) << "3000" << "3300" << QString::fromUtf8("複合単価 原価")
        << "3,000" << "3,300" << 10.0;
}

void TestBookDiff::oneChange()
{
    QFETCH(int, material);
    QFETCH(int, sheet);
    QFETCH(int, line);
    QFETCH(Set, set);
    QFETCH(QString, before);
    QFETCH(QString, after);
    PriceBook a = SampleBook(0);
    set(a.row(RowNumber(material, sheet, line)), before);
    PriceBook b = a;
    set(b.row(RowNumber(material, sheet, line)), after);

    const std::vector<BookDifference> d = CompareBooks(a, b, {});
    QCOMPARE(d.size(), 1u);
    QCOMPARE(d[0].material, material);
    QCOMPARE(d[0].sheet, sheet);
    QCOMPARE(d[0].line, line);
    QTEST(d[0].name, "name");
    QTEST(d[0].oldText, "oldText");
    QTEST(d[0].newText, "newText");
    QFETCH(double, percent);
    QCOMPARE(d[0].percent.has_value(), percent != None);
    if (d[0].percent)
        QVERIFY2(std::abs(*d[0].percent - percent) < 1e-9, qPrintable(QString::number(*d[0].percent)));
    QVERIFY(CompareBooks(b, b, {}).empty());
}

// Each field of a row holds a value of its own, written here in the record's
// layout: each is found as its field, in the table's order, under its name.
void TestBookDiff::everyFieldIsCompared()
{
    const PriceBook a = BlankPriceBook(0);
    PriceBook b = a;
    PriceRow& row = b.row(3, MaterialRowNumber(1, 6));
    row.headerText.setText("head");
    row.sheetName.setText("sheet");
    row.sizeName.setText("size");
    row.unit.setText("unit");
    row.auxValue = 5;
    const auto number = [](int n) { return Currency::fromUnits(n); };
    row.costPrice = number(6);
    for (int i = 0; i < SubmissionLevels; ++i) {
        row.levelPrice[i] = number(7 + i);
        row.compositeLevel[i] = number(21 + i);
        row.adoptedLevel[i] = number(26 + i);
    }
    row.listPrice = number(12);
    for (int j = 0; j < RateInputs; ++j)
        row.rate[j] = number(13 + j);
    row.compositeCost = number(20);

    const std::vector<BookDifference> d = CompareBooks(a, b, {});
    QCOMPARE(d.size(), std::size_t(BookFieldCount));
    const QStringList texts{"head", "sheet", "size", "unit"};
    QStringList names;
    for (int i = 0; i < BookFieldCount; ++i) {
        QCOMPARE(d[i].field, BookField(i));
        QCOMPARE(BookFields()[i].field, BookField(i));
        QCOMPARE(d[i].name, BookFields()[i].name);
        QCOMPARE(d[i].newText, i < 4 ? texts[i] : QString::number(i + 1));
        names << d[i].name;
    }
    names.removeDuplicates();
    QCOMPARE(names.size(), BookFieldCount);
}

void TestBookDiff::recordNumbersAndReservedAreNoDifference()
{
    const PriceBook a = SampleBook(0);
    PriceBook b = a;
    for (int k = 1; k <= BookRows; ++k) {
        b.row(k).recordNo = Currency::fromUnits(13200 + k);
        b.row(k).reserved0 = 7;
        b.row(k).reserved1 = -7;
    }
    QVERIFY(CompareBooks(a, b, {}).empty());
    QVERIFY(BookDiffText({}, b).isEmpty());
}

void TestBookDiff::materialsAndPricesOnly()
{
    PriceBook a = SampleBook(0);
    const auto yen = [](int n) { return Currency::fromUnits(n); };
    for (int m : {0, 2, 19}) {
        a.row(m, 2).listPrice = yen(1000);
        a.row(m, 17).compositeLevel[1] = yen(2000);
    }
    PriceBook b = a;
    for (int m : {0, 2, 19}) {
        b.row(m, 2).listPrice = yen(1100);                             // a price
        b.row(m, 17).compositeLevel[1] = yen(1900);                    // a computed price
        b.row(m, 3).rate[0] = a.row(m, 3).rate[0] == yen(1) ? yen(2) : yen(1); // a rate
        b.row(m, 4).sizeName.setText("X");                             // a text
        b.row(m, SettingsRowNumber).listPrice = yen(-1);               // line 15: no price
    }
    QCOMPARE(CompareBooks(a, b, {}).size(), 15u);
    const std::vector<BookDifference> picked = CompareBooks(a, b, {{19, 2}, false});
    QCOMPARE(picked.size(), 10u);
    QCOMPARE(picked.front().material, 19); // in the order asked for
    QCOMPARE(picked.back().material, 2);
    const std::vector<BookDifference> prices = CompareBooks(a, b, {{2}, true});
    QCOMPARE(prices.size(), 2u);
    QCOMPARE(prices[0].field, BookField::ListPrice);
    QCOMPARE(prices[0].line, 2);
    QCOMPARE(prices[1].field, BookField::Composite2);
    QCOMPARE(prices[1].sheet, 1);
    QCOMPARE(*prices[0].percent, 10.0);
    QCOMPARE(*prices[1].percent, -5.0);
}

void TestBookDiff::textAndCsv()
{
    PriceBook a = SampleBook(0);
    a.row(0, 1).headerText.setText(QString::fromUtf8("鋼管"));
    a.row(2, 1).headerText.setText(QString());
    a.row(0, 3).listPrice = Currency::fromUnits(1150);
    PriceBook b = a;
    b.row(0, 1).headerText.setText(QString::fromUtf8("鋼管,\"白\"\n管"));
    b.row(0, 3).listPrice = Currency::fromUnits(1200);
    b.row(2, MaterialRowNumber(3, 2)).rate[6] = Currency::fromDouble(0.125);
    const std::vector<BookDifference> d = CompareBooks(a, b, {});
    QCOMPARE(d.size(), 3u);
    const QString oldRate = PlainText(a.row(2, MaterialRowNumber(3, 2)).rate[6]);

    QCOMPARE(BookDiffText(d, b),
             QString::fromUtf8("material 1: \"鋼管,\\\"白\\\"\\n管\"\n"
                               "  sheet 1 line 1 見出し: \"鋼管\" -> \"鋼管,\\\"白\\\"\\n管\"\n"
                               "  sheet 1 line 3 定価: 1,150 -> 1,200 (4.3%)\n"
                               "material 3: \"----\"\n"
                               "  sheet 4 line 2 その他: ")
                 + oldRate + " -> 0.125\n");
    QCOMPARE(BookDiffCsv(d, b),
             QString::fromUtf8("材料,品名,シート,行,項目,旧,新,増減(%)\r\n"
                               "1,\"鋼管,\"\"白\"\"\n管\",1,1,見出し,鋼管,\"鋼管,\"\"白\"\"\n管\",\r\n"
                               "1,\"鋼管,\"\"白\"\"\n管\",1,3,定価,\"1,150\",\"1,200\",4.3\r\n"
                               "3,----,4,2,その他,")
                 + oldRate + ",0.125,\r\n");
}

#include "TestMain.h"
KAVREL_TEST_APPLESS_MAIN(TestBookDiff)
#include "TestBookDiff.moc"
