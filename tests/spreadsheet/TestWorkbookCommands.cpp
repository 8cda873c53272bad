#include "CompositePrice.h"
#include "MaterialWorkbook.h"
#include "ToolTestSupport.h"
#include "XlsxContents.h"

#include <QDir>
#include <QRegularExpression>
#include <QTest>

// The workbooks of pricebook export --xlsx and export-book are those the
// window's export writes, from the book on disk, which stays as it is.
class TestWorkbookCommands : public QObject {
    Q_OBJECT
private slots:
    void commandsWriteTheExportsWorkbook_data();
    void commandsWriteTheExportsWorkbook();
    void failuresWriteNothing_data();
    void failuresWriteNothing();
};

void TestWorkbookCommands::commandsWriteTheExportsWorkbook_data()
{
    QTest::addColumn<int>("category");
    QTest::addColumn<int>("material"); // 0: the whole book
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<ExportChoices>("choices");
    QTest::newRow("export, LEVEL2, headings") << 0 << 2 << QStringList{"--level", "2", "--headings"}
                                              << ExportChoices{2, true, false};
    QTest::newRow("export, refrigerant, cost level, results")
        << 9 << 1 << QStringList{"--results", "--level", "6"} << ExportChoices{6, false, true};
    QTest::newRow("export-book, LEVEL1 by default") << 3 << 0 << QStringList{} << ExportChoices{1, false, false};
    QTest::newRow("export-book, LEVEL5, headings, results")
        << 7 << 0 << QStringList{"--headings", "--level", "5", "--results"} << ExportChoices{5, true, true};
}

void TestWorkbookCommands::commandsWriteTheExportsWorkbook()
{
    QFETCH(int, category);
    QFETCH(int, material);
    QFETCH(QStringList, options);
    QFETCH(ExportChoices, choices);
    QTemporaryDir dir;
    const QString path = dir.filePath("haikan.FDA"), output = dir.filePath("tool.xlsx"),
                  expected = dir.filePath("export.xlsx");
    PriceBook book = SampleBook(category);
    WritePriceBookFile(path, book, 0);
    const QByteArray before = FileBytes(path);

    const QStringList args = material == 0
        ? QStringList{"export-book", path, "--xlsx", output} + options
        : QStringList{"export", path, "--material", QString::number(material), "--xlsx", "--output", output} + options;
    const Run r = pricebook(args);
    QCOMPARE(r.err, QString());
    QCOMPARE(r.status, 0);
    QCOMPARE(r.bytes, QByteArray());
    QCOMPARE(FileBytes(path), before);

    if (material == 0) {
        WriteBookWorkbook(expected, book, path, choices);
    } else {
        WorkSet work;
        SelectAndComputeMaterial(work, book, material - 1);
        WriteMaterialWorkbook(expected, work, ShownExportView(work), choices, path, material - 1);
    }
    const XlsxContents written = ReadXlsx(output), wanted = ReadXlsx(expected);
    QCOMPARE(wanted.error, QString());
    QVERIFY(!wanted.sheets.isEmpty());
    QVERIFY(written == wanted);
}

namespace {

QByteArray bookBytes(const PriceBook& book)
{
    QTemporaryDir dir;
    WritePriceBookFile(dir.filePath("book.FDA"), book, 0);
    return FileBytes(dir.filePath("book.FDA"));
}

} // namespace

void TestWorkbookCommands::failuresWriteNothing_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QByteArray>("book");
    QTest::addColumn<QString>("named"); // the file the message names
    QTest::addColumn<QString>("reason");
    const QByteArray sample = bookBytes(SampleBook(0));
    PriceBook tooLarge = SampleBook(0);
    PriceRow& line = tooLarge.row(2, 5);
    line.listPrice = line.levelPrice[0] = Currency::fromUnits(900'000'000'000'000);
    line.rate = {Currency::fromUnits(1), Currency::fromUnits(1)};
    const QStringList toBook{"export-book", "BOOK", "--xlsx", "OUT"};
    QTest::newRow("export --xlsx into a missing folder")
        << QStringList{"export", "BOOK", "--material", "1", "--level", "1", "--xlsx", "--output", "missing/OUT"}
        << sample << "missing/OUT" << "見つかりません";
    QTest::newRow("export-book into a missing folder")
        << QStringList{"export-book", "BOOK", "--xlsx", "missing/OUT"} << sample << "missing/OUT" << "見つかりません";
    QTest::newRow("export-book, no goods names") << toBook << bookBytes(BlankPriceBook(0)) << "BOOK" << "品名のある材料がない";
    QTest::newRow("export-book, a short book") << toBook << sample.left(431640) << "BOOK" << "";
    QTest::newRow("export-book, material 3 too large")
        << toBook << bookBytes(tooLarge) << "BOOK" << "material 3, sheet 1, line 5";
}

void TestWorkbookCommands::failuresWriteNothing()
{
    QFETCH(QStringList, args);
    QFETCH(QByteArray, book);
    QFETCH(QString, named);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    PutFileBytes(dir.filePath("BOOK"), book);
    args.replaceInStrings(QRegularExpression("^(BOOK|missing/OUT|OUT)$"), dir.path() + "/\\1");
    const Run r = pricebook(args);
    QCOMPARE(r.status, 1);
    QCOMPARE(r.err.count('\n'), 1);
    QVERIFY2(r.err.startsWith("pricebook: " + dir.filePath(named) + ": ") && r.err.contains(reason), qPrintable(r.err));
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList{"BOOK"});
    QCOMPARE(FileBytes(dir.filePath("BOOK")), book);
}

#include "TestMain.h"
KAVREL_TEST_APPLESS_MAIN(TestWorkbookCommands)
#include "TestWorkbookCommands.moc"
