#include "CompositePrice.h"
#include "MaterialSettings.h"
#include "PriceBookFile.h"
#include "SampleBooks.h"
#include "TestFiles.h"
#include "TestUnits.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray bookBytes(const QString& path, const PriceBook& book)
{
    WritePriceBookFile(path, book, 0);
    return FileBytes(path);
}

int usedMaterials(const PriceBook& book)
{
    int n = 0;
    while (n < Materials && !book.row(n, 1).headerText.isEmpty())
        ++n;
    return n;
}

// The price lines of sheet s that carry a size; they come first.
int sizedLines(const PriceBook& book, int m, int s)
{
    int n = 0;
    while (n < PriceLines && !book.row(m, MaterialRowNumber(s, n + 1)).sizeName.isEmpty())
        ++n;
    return n;
}

} // namespace

class TestSampleBooks : public QObject {
    Q_OBJECT
private slots:
    void initTestCase_data();
    void materialsAreComplete();
    void pricesAndRatesArePlausible();
    void booksRecomputeToThemselves();
};

void TestSampleBooks::initTestCase_data()
{
    QTest::addColumn<int>("category");
    for (int c = 0; c < 10; ++c)
        QTest::addRow("category %d", c + 1) << c;
}

void TestSampleBooks::materialsAreComplete()
{
    QFETCH_GLOBAL(int, category);
    const PriceBook book = SampleBook(category);
    const int used = usedMaterials(book);
    QVERIFY2(used >= 4 && used <= 8, qPrintable(QString::number(used)));
    for (int m = used; m < Materials; ++m)
        for (int n = 1; n <= RowsPerMaterial; ++n)
            QCOMPARE(static_cast<const RowFields&>(book.row(m, n)), RowFields{});

    bool someRatePricing = false;
    bool someQuotedPrices = false;
    for (int m = 0; m < used; ++m) {
        for (int line = 1; line <= 5; ++line)
            QVERIFY2(!book.row(m, line).headerText.text().trimmed().isEmpty(), qPrintable(QString::number(line)));
        ConstMaterialSettings settings{book.row(m, SettingsRowNumber)};
        // Only the refrigerant category is in refrigerant mode, all of it.
        QCOMPARE(settings.mode(), units(category == 9 ? 2 : 0));
        ((settings.ratePricingFlag() == units(1)) ? someRatePricing : someQuotedPrices) = true;
        QVERIFY(settings.ratePricingFlag() == units(0) || (settings.ratePricingFlag() == units(1)));
        QVERIFY(sizedLines(book, m, 0) >= 4);
        for (int s = 0; s < Sheets; ++s) {
            const QString sheetName = book.row(m, MaterialRowNumber(s, LinesPerSheet)).sheetName.text();
            QVERIFY(!sheetName.isEmpty());
            for (int line = 1; line <= LinesPerSheet; ++line) {
                const PriceRow& row = book.row(m, MaterialRowNumber(s, line));
                QCOMPARE(row.sheetName.text(), sheetName);
                QCOMPARE(row.unit.text(), QString::fromUtf8("ｍ"));
                if (line <= PriceLines)
                    QCOMPARE(row.sizeName, book.row(m, line).sizeName); // every sheet has the sizes of the first
            }
        }
    }
    QVERIFY(someRatePricing);
    QVERIFY(someQuotedPrices);
    // Pipe sizes from 15A to 150A, copper sizes in the refrigerant category,
    // each material's in ascending order.
    const QStringList sizes = category == 9
        ? QStringList{"6.4", "9.5", "12.7", "15.9", "19.1", "22.2", "25.4", "28.6", "31.8", "34.9", "38.1", "44.5",
                      "50.8", "53.98"}
        : QStringList{"15A", "20A", "25A", "32A", "40A", "50A", "65A", "80A", "100A", "125A", "150A"};
    for (int m = 0; m < used; ++m) {
        int previous = -1;
        for (int line = 1; line <= sizedLines(book, m, 0); ++line) {
            const int at = sizes.indexOf(book.row(m, line).sizeName.text());
            QVERIFY2(at > previous, qPrintable(book.row(m, line).sizeName.text()));
            previous = at;
        }
    }
}

void TestSampleBooks::pricesAndRatesArePlausible()
{
    QFETCH_GLOBAL(int, category);
    const PriceBook book = SampleBook(category);
    const bool refrigerant = category == 9;
    for (int m = 0; m < usedMaterials(book); ++m) {
        const QString where = QString("material %1").arg(m + 1);
        ConstMaterialSettings settings{book.row(m, SettingsRowNumber)};
        const PriceRow& labour = book.row(m, LabourRowNumber);
        for (int level = Level1; level <= CostLevel; ++level) {
            const Currency base = BaseLabourCost(labour, level);
            QVERIFY2(base >= units(15000) && base <= units(30000), qPrintable(where));
            QVERIFY2(settings.ratePercent(level) >= units(50) && settings.ratePercent(level) <= units(100),
                     qPrintable(where));
        }
        for (int s = 0; s < Sheets; ++s) {
            const int lines = sizedLines(book, m, s);
            for (int line = 1; line <= PriceLines; ++line) {
                const PriceRow& row = book.row(m, MaterialRowNumber(s, line));
                const QString at = where + QString(" sheet %1 line %2").arg(s + 1).arg(line);
                if (line > lines) {
                    QCOMPARE(row.listPrice, Currency());
                    QCOMPARE(row.compositeLevel[0], Currency());
                    continue;
                }
                const Currency fitter = row.rate[4];
                QVERIFY2(fitter >= units(0.04) && fitter <= units(0.7), qPrintable(at));
                QVERIFY2(row.rate[1] > Currency() && row.rate[6] > Currency(), qPrintable(at));
                if (refrigerant)
                    QCOMPARE(row.rate[5], Currency());
                if (line > 1) {
                    const PriceRow& smaller = book.row(m, MaterialRowNumber(s, line - 1));
                    QVERIFY2(row.listPrice > smaller.listPrice, qPrintable(at));
                    QVERIFY2(fitter > smaller.rate[4], qPrintable(at));
                }
                // Lower levels are cheaper, cost below them all, list above.
                for (int level = Level2; level <= SubmissionLevels; ++level)
                    QVERIFY2(row.compositeLevel[level - 1] < row.compositeLevel[level - 2], qPrintable(at));
                QVERIFY2(row.compositeCost < row.compositeLevel[4], qPrintable(at));
                QVERIFY2(row.costPrice < row.levelPrice[4] && row.levelPrice[0] < row.listPrice, qPrintable(at));
                QVERIFY2(row.listPrice >= units(100) && row.listPrice <= units(100000), qPrintable(at));
                QVERIFY2(row.adoptedLevel[0] > Currency(), qPrintable(at));
            }
        }
    }
}

void TestSampleBooks::booksRecomputeToThemselves()
{
    QFETCH_GLOBAL(int, category);
    QTemporaryDir dir;
    const QString path = dir.filePath("haikan.FDA");
    const QByteArray written = bookBytes(path, SampleBook(category));

    PriceBook book = ReadPriceBookFile(path);
    WorkSet work;
    for (int m = 0; m < Materials; ++m)
        SelectAndComputeMaterial(work, book, m);
    QCOMPARE(bookBytes(dir.filePath("recomputed.FDA"), book), written);
}

#include "TestMain.h"
KAVREL_TEST_APPLESS_MAIN(TestSampleBooks)
#include "TestSampleBooks.moc"
