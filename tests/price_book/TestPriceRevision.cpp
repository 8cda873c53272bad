#include "MaterialSettings.h"
#include "PriceRevision.h"
#include "RevisionReport.h"
#include "Rounding.h"
#include "SampleBooks.h"
#include "TestUnits.h"

#include <QTest>

namespace {

// The first sample book: material 1 is "水道用硬質塩化ﾋﾞﾆﾙﾗｲﾆﾝｸﾞ鋼管(VA)" with the
// sizes 15A to 150A on lines 1 to 11 (15A: list 1150, cost 750).
const PriceBook& sample()
{
    static const PriceBook book = SampleBook(0);
    return book;
}

RevisionRow row(int number, const QString& goods, const QString& size, double list, int material = -1)
{
    RevisionRow r{number, goods, size, std::nullopt, units(list), std::nullopt};
    if (material >= 0)
        r.material = material;
    return r;
}

const QString VA = QString::fromUtf8("水道用硬質塩化ﾋﾞﾆﾙﾗｲﾆﾝｸﾞ鋼管(VA)");

} // namespace

Q_DECLARE_METATYPE(BookLine)

class TestPriceRevision : public QObject {
    Q_OBJECT
private slots:
    void rowsMeetTheirLine_data();
    void rowsMeetTheirLine();
    void conflictsUnmatchedAndUncovered();
    void aNameTwoLinesShareNamesNeither();
    void flags_data();
    void flags();
    void percentRoundsAsTheMaterialSays_data();
    void percentRoundsAsTheMaterialSays();
    void appliedOnEverySheet();
    void reportRowsAndCsv();
};

// Half-width and full-width kana, digits and letters, and spaces do not keep
// a row from its line; a row may name its material by number.
void TestPriceRevision::rowsMeetTheirLine_data()
{
    QTest::addColumn<QString>("goods");
    QTest::addColumn<QString>("size");
    QTest::addColumn<int>("material"); // -1: by name
    QTest::addColumn<int>("line");     // 0: matches nothing
    QTest::newRow("as the book spells it") << VA << "15A" << -1 << 1;
    QTest::newRow("full-width kana and size") << QString::fromUtf8("水道用硬質塩化ビニルライニング鋼管（ＶＡ）")
                                              << QString::fromUtf8("２０Ａ") << -1 << 2;
    QTest::newRow("spaces anywhere") << QString::fromUtf8(" 水道用硬質塩化 ﾋﾞﾆﾙﾗｲﾆﾝｸﾞ鋼管　(VA) ") << "25 A" << -1 << 3;
    QTest::newRow("by material number") << "" << "150A" << 0 << 11;
    QTest::newRow("a size the material lacks") << VA << "16A" << -1 << 0;
    QTest::newRow("a blank line's size") << VA << "" << -1 << 0;
    QTest::newRow("another material's number") << "" << "15A" << 19 << 0;
    QTest::newRow("a name the book lacks") << QString::fromUtf8("存在しない管") << "15A" << -1 << 0;
}

void TestPriceRevision::rowsMeetTheirLine()
{
    QFETCH(QString, goods);
    QFETCH(QString, size);
    QFETCH(int, material);
    QFETCH(int, line);
    const RevisionPreview preview = PreviewPriceList(sample(), {row(7, goods, size, 99999, material)});
    if (line == 0) {
        QVERIFY(preview.changes.empty());
        QCOMPARE(preview.unmatched.size(), std::size_t(1));
        QCOMPARE(preview.unmatched[0].rowNumber, 7);
        return;
    }
    QCOMPARE(preview.changes.size(), std::size_t(1));
    QCOMPARE(preview.changes[0].at, (BookLine{0, line}));
    QCOMPARE(preview.changes[0].rowNumber, 7);
    QCOMPARE(preview.changes[0].newList, std::optional<Currency>(units(99999)));
    QVERIFY(preview.unmatched.empty());
}

// Two rows for one line leave it as it is and are both reported; a row with
// the line's own price is no change but covers it.
void TestPriceRevision::conflictsUnmatchedAndUncovered()
{
    const RevisionPreview preview = PreviewPriceList(
        sample(), {row(2, VA, "15A", 1200), row(3, VA, "20A", 1470), row(4, VA, "25A", 2200), row(5, VA, "１５Ａ", 1300),
                   row(6, "", "99A", 5)});
    QCOMPARE(preview.conflicts.size(), std::size_t(1));
    QCOMPARE(preview.conflicts[0].at, (BookLine{0, 1}));
    QCOMPARE(preview.conflicts[0].rowNumbers, (std::vector<int>{2, 5}));
    QCOMPARE(preview.changes.size(), std::size_t(1));
    QCOMPARE(preview.changes[0].at, (BookLine{0, 3}));
    QCOMPARE(preview.changes[0].oldList, units(2130));
    QCOMPARE(preview.unmatched.size(), std::size_t(1));
    QCOMPARE(preview.unmatched[0].rowNumber, 6);
    const std::vector<BookLine>& uncovered = preview.uncovered;
    for (int line : {1, 2, 3})
        QVERIFY(std::find(uncovered.begin(), uncovered.end(), BookLine{0, line}) == uncovered.end());
    QVERIFY(std::find(uncovered.begin(), uncovered.end(), BookLine{0, 4}) != uncovered.end());
    QCOMPARE(uncovered.size(), PricedLines(sample()).size() - 3);
}

// A book that has one name and size on two lines cannot tell which a row
// means: the row matches neither, rather than one silently.
void TestPriceRevision::aNameTwoLinesShareNamesNeither()
{
    PriceBook book = sample();
    book.row(5, 1).headerText.setText(VA);
    book.row(5, 1).sizeName.setText(QStringLiteral("15A"));
    const RevisionPreview preview = PreviewPriceList(book, {row(1, VA, "15A", 1)});
    QVERIFY(preview.changes.empty());
    QCOMPARE(preview.unmatched.size(), std::size_t(1));
}

void TestPriceRevision::flags_data()
{
    QTest::addColumn<double>("oldPrice");
    QTest::addColumn<double>("newPrice");
    QTest::addColumn<double>("percent"); // NaN: none
    QTest::addColumn<bool>("beyond");    // ±30 %
    QTest::addColumn<bool>("toZero");
    QTest::newRow("exactly +30 %") << 1000.0 << 1300.0 << 30.0 << false << false;
    QTest::newRow("just beyond") << 1000.0 << 1300.1 << 30.01 << true << false;
    QTest::newRow("down beyond") << 1000.0 << 699.0 << -30.1 << true << false;
    QTest::newRow("to zero") << 1000.0 << 0.0 << -100.0 << true << true;
    QTest::newRow("from zero") << 0.0 << 5.0 << qQNaN() << false << false;
    QTest::newRow("a negative old price") << -200.0 << -100.0 << 50.0 << true << false;
}

void TestPriceRevision::flags()
{
    QFETCH(double, oldPrice);
    QFETCH(double, newPrice);
    QFETCH(double, percent);
    QFETCH(bool, beyond);
    QFETCH(bool, toZero);
    LinePriceChange change;
    change.oldList = units(oldPrice);
    change.newList = units(newPrice);
    const std::optional<double> found = change.changePercent();
    QCOMPARE(found.has_value(), !qIsNaN(percent));
    if (found)
        QVERIFY2(qAbs(*found - percent) < 1e-9, qPrintable(QString::number(*found)));
    QCOMPARE(change.beyond(30.0), beyond);
    QCOMPARE(change.toZero(), toZero);
}

// 15A of material 1: list 1150, cost 750. Trunc(price × (100 + p) / 100),
// then the rate-price step with its rounding.
void TestPriceRevision::percentRoundsAsTheMaterialSays_data()
{
    QTest::addColumn<double>("percent");
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("rounding"); // RoundingChoice
    QTest::addColumn<bool>("cost");
    QTest::addColumn<double>("expected"); // 0: no change
    const int up = int(RoundingChoice::Up), truncate = int(RoundingChoice::Truncate), half = int(RoundingChoice::Half);
    QTest::newRow("+1 %, to 10, truncated") << 1.0 << 10 << truncate << false << 1160.0;
    QTest::newRow("+1 %, to 10, half") << 1.0 << 10 << half << false << 1160.0;
    QTest::newRow("+1 %, to 10, up") << 1.0 << 10 << up << false << 1170.0;
    QTest::newRow("+1 %, to 100, truncated") << 1.0 << 100 << truncate << false << 1100.0;
    QTest::newRow("+1 %, to 100, half") << 1.0 << 100 << half << false << 1200.0;
    QTest::newRow("+1 %, to 100, up") << 1.0 << 100 << up << false << 1200.0;
    QTest::newRow("+1 %, no step") << 1.0 << 1 << truncate << false << 1161.0;
    QTest::newRow("-3.5 %, to 10, truncated") << -3.5 << 10 << truncate << false << 1100.0;
    QTest::newRow("cost +1 % rounds back to the old price") << 1.0 << 10 << truncate << true << 0.0;
    QTest::newRow("cost +5 %, to 10, half") << 5.0 << 10 << half << true << 790.0;
}

void TestPriceRevision::percentRoundsAsTheMaterialSays()
{
    QFETCH(double, percent);
    QFETCH(int, step);
    QFETCH(int, rounding);
    QFETCH(bool, cost);
    QFETCH(double, expected);
    PriceBook book = sample();
    MaterialSettings settings{book.row(0, SettingsRowNumber)};
    settings.ratePriceStep() = Currency::fromUnits(step);
    settings.ratePriceDecimalAddend() = Currency();
    settings.ratePriceStepAddend() = RoundingAddend(RoundingChoice(rounding));
    const RevisionPreview preview = PreviewPercentRevision(book, {0, 7}, units(percent), cost);
    const auto first = std::find_if(preview.changes.begin(), preview.changes.end(),
                                    [](const LinePriceChange& c) { return c.at == BookLine{0, 1}; });
    if (expected == 0.0) {
        QVERIFY(first == preview.changes.end());
        return;
    }
    QVERIFY(first != preview.changes.end());
    QCOMPARE(cost ? first->newCost : first->newList, std::optional<Currency>(units(expected)));
    QVERIFY(!(cost ? first->newList : first->newCost));
    for (const LinePriceChange& change : preview.changes)
        QVERIFY(change.at.material == 0); // material 8 has no lines
}

// Stored as typing stores it: on every sheet, the line computed.
void TestPriceRevision::appliedOnEverySheet()
{
    PriceBook book = sample();
    RevisionPreview preview = PreviewPriceList(book, {row(1, VA, "20A", 1600), row(2, VA, "25A", 0)});
    QCOMPARE(preview.changes.size(), std::size_t(2));
    ApplyPriceChanges(book, preview.changes, false);
    for (int sheet = 0; sheet < Sheets; ++sheet) {
        QCOMPARE(book.row(0, MaterialRowNumber(sheet, 2)).listPrice, units(1600));
        QCOMPARE(book.row(0, MaterialRowNumber(sheet, 3)).listPrice, units(0));
        QCOMPARE(book.row(0, MaterialRowNumber(sheet, 4)).listPrice, sample().row(0, MaterialRowNumber(sheet, 4)).listPrice);
    }
    // Rate pricing (on for this material) derives the levels: 95 % of 1600.
    QCOMPARE(book.row(0, MaterialRowNumber(0, 2)).levelPrice[0], units(1520));
    QVERIFY(PreviewPriceList(book, {row(1, VA, "20A", 1600)}).changes.empty());
}

// The report lists changes first, then each conflicting row, the unmatched
// rows and the uncovered lines; a text with a separator, a quote or a line
// break stays one CSV field.
void TestPriceRevision::reportRowsAndCsv()
{
    const RevisionPreview preview = PreviewPriceList(
        sample(), {row(2, VA, "15A", 0), row(3, VA, "20A", 1500), row(4, VA, "20A", 1600),
                   row(9, QString::fromUtf8("管,\"特\"\n製"), "15A", 10)});
    const std::vector<RevisionReportRow> rows = RevisionReportRows(sample(), preview, 30);
    QCOMPARE(rows.size(), 1 + 2 + 1 + preview.uncovered.size());
    QCOMPARE(rows[0].kind, RevisionRowKind::Change);
    QVERIFY(rows[0].flagged); // to zero
    QCOMPARE(rows[0].cells, (QStringList{"変更", "2", "1", VA, "15A", "1,150", "0", "750", "", "-100.0", "±30%超 新価格0"}));
    QCOMPARE(rows[1].kind, RevisionRowKind::Conflict);
    QCOMPARE(rows[2].cells[1], QString("4"));
    QCOMPARE(rows[3].kind, RevisionRowKind::Unmatched);
    QCOMPARE(rows.back().kind, RevisionRowKind::Uncovered);
    const QString csv = RevisionReportCsv(sample(), preview, 30);
    QVERIFY(csv.startsWith(RevisionReportHeadings().join(',') + "\r\n"));
    QVERIFY2(csv.contains(QString::fromUtf8("一致なし,9,,\"管,\"\"特\"\"\n製\",15A,,10,")), qPrintable(csv));
    QCOMPARE(csv.count("\r\n"), int(rows.size()));
}

#include "TestMain.h"
KAVREL_TEST_APPLESS_MAIN(TestPriceRevision)
#include "TestPriceRevision.moc"
