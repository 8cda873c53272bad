#include "EstimateLine.h"
#include "FileError.h"
#include "MaterialSettings.h"
#include "NumberText.h"
#include "PriceBookFile.h"
#include "PriceLookup.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Every record of the book tells where it lies: the texts name material,
// sheet and line, and the pipe fitter rate is the record number / 1000.
PriceBook PositionBook()
{
    PriceBook book = BlankPriceBook(BlankRecordBase);
    for (int m = 0; m < Materials; ++m) {
        for (int s = 0; s < Sheets; ++s) {
            for (int l = 1; l <= LinesPerSheet; ++l) {
                PriceRow& row = book.row(RowNumber(m, s, l));
                row.headerText.setText(QStringLiteral("H%1-%2-%3").arg(m).arg(s).arg(l));
                row.sheetName.setText(QStringLiteral("%1%2-%3").arg(l == LinesPerSheet ? "T" : "S").arg(m).arg(s));
                row.sizeName.setText(s == 0 && l < LinesPerSheet ? QStringLiteral("%1-%2").arg(m).arg(l) : QStringLiteral("x"));
                if (l < LinesPerSheet) {
                    row.listPrice = Currency::fromUnits(1000 + m);
                    row.rate[4] = Currency::fromRaw(RowNumber(m, s, l) * 10);
                }
            }
        }
        // Base labour costs, so that the composite prices are not zero.
        PriceRow& labour = book.row(m, LabourRowNumber);
        labour.compositeCost = Currency::fromUnits(18000);
        for (Currency& cost : labour.compositeLevel)
            cost = Currency::fromUnits(20000);
    }
    // The last material is in refrigerant mode; the first has the mode value
    // in the wrong row (line 15 of its second sheet), which must not count.
    MaterialSettings{book.row(19, SettingsRowNumber)}.mode() = Currency::fromUnits(2);
    MaterialSettings{book.row(0, 30)}.mode() = Currency::fromUnits(2);
    return book;
}

bool RunPricebook(const QStringList& args)
{
    QProcess p;
    p.start(qEnvironmentVariable("KAVREL_PROGRAM_DIR") + QStringLiteral("/pricebook"), args);
    return p.waitForFinished(30000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

} // namespace

class TestPriceLookup : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void materialNames();
    void materialView_data();
    void materialView();
    void lookedUpLine_data();
    void lookedUpLine();
    void shortBook();

private:
    QTemporaryDir dir_;
    QString path_;
    PriceBook written_; // the book as the tool left it
};

void TestPriceLookup::initTestCase()
{
    QVERIFY(dir_.isValid());
    path_ = dir_.filePath(QStringLiteral("haikan4.FDA"));
    WritePriceBookFile(path_, PositionBook(), 0);
    // The tool computes and rewrites the book, as the main program would.
    QVERIFY(RunPricebook({QStringLiteral("recompute"), path_}));
    written_ = ReadPriceBookFile(path_);
    QVERIFY(written_.row(RowNumber(3, 1, 2)).compositeCost > Currency());
}

void TestPriceLookup::materialNames()
{
    const QStringList names = ReadMaterialNames(path_);
    QCOMPARE(names.size(), Materials);
    for (int m = 0; m < Materials; ++m)
        QCOMPARE(names[m], QStringLiteral("H%1-0-1").arg(m));
}

void TestPriceLookup::materialView_data()
{
    QTest::addColumn<int>("material");
    QTest::addColumn<bool>("refrigerant");
    QTest::newRow("first") << 0 << false;
    QTest::newRow("middle") << 7 << false;
    QTest::newRow("last, refrigerant") << 19 << true;
}

void TestPriceLookup::materialView()
{
    QFETCH(int, material);
    const MaterialView view = ReadMaterialView(path_, material);
    for (int s = 0; s < Sheets; ++s)
        QCOMPARE(view.sheetNames[s], QStringLiteral("T%1-%2").arg(material).arg(s));
    for (int row = 0; row < PriceLines; ++row)
        QCOMPARE(view.sizeNames[row], QStringLiteral("%1-%2").arg(material).arg(row + 1));
    QTEST(view.refrigerantMode, "refrigerant");
}

void TestPriceLookup::lookedUpLine_data()
{
    QTest::addColumn<int>("material");
    QTest::addColumn<int>("sheet");
    QTest::addColumn<int>("row");
    QTest::newRow("first line") << 0 << 0 << 0;
    QTest::newRow("last price line of a sheet") << 0 << 0 << 13;
    QTest::newRow("second sheet") << 4 << 1 << 6;
    QTest::newRow("last sheet") << 12 << 3 << 0;
    QTest::newRow("last material, last price line") << 19 << 3 << 13;
}

void TestPriceLookup::lookedUpLine()
{
    QFETCH(int, material);
    QFETCH(int, sheet);
    QFETCH(int, row);
    EstimateChoice c;
    c.bookPath = QStringLiteral("  ") + path_ + QStringLiteral(" "); // opened trimmed
    c.category = 4;
    c.materialShown = QStringLiteral("m");
    c.material = material;
    c.sheet = sheet;
    c.row = row;
    c.levelIndex = 3;
    const int k = RowNumber(material, sheet, row + 1);
    const PriceRow& record = written_.row(k);

    const EstimateLine general = LookupEstimateLine(c);
    QCOMPARE(general.fitterRate, Currency::fromRaw(k * 10));
    QCOMPARE(general.priceA, record.costPrice);
    QCOMPARE(general.priceB, record.levelPrice[3]);
    QCOMPARE(general.compositeCost, record.compositeCost);
    QCOMPARE(general.adoptedPrice, record.adoptedLevel[3]);
    QCOMPARE(general.listPrice, Currency::fromUnits(1000 + material));
    QCOMPARE(PlainText(general.lineCode), QString::number(3 * BookRows + k));

    c.useComposite = true;
    c.work = WorkKind::Removal;
    const EstimateLine removal = LookupEstimateLine(c);
    QCOMPARE(removal.priceA, Currency());
    QCOMPARE(removal.priceB, record.adoptedLevel[3]);
    QVERIFY(removal.priceB > Currency());
    QCOMPARE(removal.compositeCost, Currency());
    QCOMPARE(removal.fitterRate, RemovalRate(record.rate[4], Currency::fromRaw(3000), 1, 1));
}

void TestPriceLookup::shortBook()
{
    // A book one record short: the material list reads, the last record does not.
    const QString path = dir_.filePath(QStringLiteral("short.FDA"));
    QFile::copy(path_, path);
    QFile file(path);
    QVERIFY(file.resize(PriceBookFileSize - 360));
    QCOMPARE(ReadMaterialNames(path).size(), Materials);
    QVERIFY_THROWS_EXCEPTION(FileError, ReadMaterialView(path, 19));
    EstimateChoice c;
    c.bookPath = path;
    c.category = 1;
    c.material = 19;
    c.sheet = 3;
    c.row = 13;
    QCOMPARE(LookupEstimateLine(c).fitterRate, Currency::fromRaw(1199 * 10));
    c.row = 14;
    QVERIFY_THROWS_EXCEPTION(FileError, LookupEstimateLine(c));
    c.bookPath = dir_.filePath(QStringLiteral("missing.FDA"));
    QVERIFY_THROWS_EXCEPTION(FileError, LookupEstimateLine(c));
}

#include "TestMain.h"
KAVREL_TEST_GUILESS_MAIN(TestPriceLookup)
#include "TestPriceLookup.moc"
