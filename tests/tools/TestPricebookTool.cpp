#include "CompositePrice.h"
#include "MaterialExport.h"
#include "MaterialSettings.h"
#include "PriceBookFile.h"
#include "ShiftJis.h"
#include "TestUnits.h"
#include "ToolTestSupport.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <sys/resource.h>

#include <cerrno>
#include <cstring>
#include <sys/resource.h>

namespace {

// Material 2 prices its levels from the list price; material 5 does not.
PriceBook sampleBook()
{
    PriceBook book = BlankPriceBook(BlankRecordBase);
    for (int m : {1, 4}) {
        MaterialSettings s{book.row(m, SettingsRowNumber)};
        s.ratePricingFlag() = units(m == 1 ? 1 : 0);
        s.ratePercent(Level1) = units(80);
        s.ratePriceDecimalAddend() = units(0.9);
        s.ratePriceStep() = units(1);
        book.row(m, LabourRowNumber).compositeLevel[0] = units(20000);
        PriceRow& line = book.row(m, 3);
        line.listPrice = units(1234.5);
        line.levelPrice[0] = units(500);
        line.rate = {units(1), units(0.2), units(0), units(0), units(0.1), units(0), units(0)};
        line.headerText.setText(QString::fromUtf8("配管用炭素鋼鋼管"));
    }
    return book;
}

} // namespace

class TestPricebookTool : public QObject {
    Q_OBJECT
private slots:
    void newCreatesABlankBook();
    void recomputeDoesWhatSelectingDoes();
    void recomputeCarriesRatePricingLikeTheWindow();
    void recomputeOverflowLeavesTheFile();
    void recomputeSeveralBooks();
    void recomputeSaveFailureLeavesEachBook();
    void badInputLeavesTheFile_data();
    void badInputLeavesTheFile();
    void fullDiskLeavesTheBook();
    void dumpOneMaterial();
    void exportIsTheWindowsCsv_data();
    void exportIsTheWindowsCsv();
    void usageErrors_data();
    void usageErrors();
    void importAndReviseStoreWhatTheyShow();
    void everySaveKeepsAVersionToRestore();
    void diffListsWhatDiffers();
};

void TestPricebookTool::newCreatesABlankBook()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("haikan1.FDA");
    const Run r = pricebook({"new", path});
    QCOMPARE(r.status, 0);
    QCOMPARE(ReadPriceBookFile(path), BlankPriceBook(BlankRecordBase));
    QCOMPARE(FileBytes(path).size(), 432000);
}

void TestPricebookTool::recomputeDoesWhatSelectingDoes()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("haikan3.FDA");
    const PriceBook original = sampleBook();
    WritePriceBookFile(path, original, BlankRecordBase);
    QCOMPARE(pricebook({"recompute", path}).status, 0);

    const PriceBook saved = ReadPriceBookFile(path);
    QCOMPARE(saved.row(1, 3).levelPrice[0], units(988)); // rate pricing on
    QCOMPARE(saved.row(1, 18).levelPrice[0], units(988)); // mirrored to sheet 2
    QCOMPARE(saved.row(1, 3).compositeLevel[0], units(988 + 197 + 2000));
    QCOMPARE(saved.row(4, 3).levelPrice[0], units(500)); // rate pricing off
    QCOMPARE(saved.row(4, 3).compositeLevel[0], units(500 + 100 + 2000));
    QCOMPARE(saved.row(1).recordNo, units(1));
    QCOMPARE(saved.row(1200).recordNo, units(1200));

    PriceBook expected = original;
    WorkSet work;
    bool ratePricing = false;
    for (int m = 0; m < Materials; ++m)
        SelectAndComputeMaterial(work, expected, m, ratePricing);
    for (int k = 1; k <= BookRows; ++k) {
        expected.row(k).recordNo = units(k);
        QCOMPARE(saved.row(k), expected.row(k));
    }
}

void TestPricebookTool::recomputeCarriesRatePricingLikeTheWindow()
{
    // A flag of neither 1 nor 0 leaves the check box as the previous material
    // left it; before the first material it is off.
    const std::array<double, 6> flags = {7, 1, 7, 0, 7, 1};
    const std::array<double, 6> level1 = {500, 988, 988, 500, 500, 988};
    QTemporaryDir dir;
    const QString path = dir.filePath("haikan3.FDA");
    PriceBook book = BlankPriceBook(0);
    for (int m = 0; m < 6; ++m) {
        MaterialSettings s{book.row(m, SettingsRowNumber)};
        s.ratePricingFlag() = units(flags[m]);
        s.ratePercent(Level1) = units(80);
        s.ratePriceDecimalAddend() = units(0.9);
        book.row(m, 3).listPrice = units(1234.5);
        book.row(m, 3).levelPrice[0] = units(500);
    }
    WritePriceBookFile(path, book, 0);
    QCOMPARE(pricebook({"recompute", path}).status, 0);
    const PriceBook saved = ReadPriceBookFile(path);
    for (int m = 0; m < 6; ++m)
        QCOMPARE(saved.row(m, 3).levelPrice[0], units(level1[m]));
    QVERIFY(pricebook({"--help"}).out.contains("1 to 20"));
}

void TestPricebookTool::recomputeOverflowLeavesTheFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("haikan3.FDA");
    PriceBook book = sampleBook();
    // Two components of 900 trillion yen: their sum does not fit a price.
    PriceRow& line = book.row(6, MaterialRowNumber(1, 5));
    line.levelPrice[0] = units(9e14);
    line.rate[0] = units(1);
    line.rate[1] = units(1);
    WritePriceBookFile(path, book, 0);
    const QByteArray before = FileBytes(path);
    const Run r = pricebook({"recompute", path});
    QCOMPARE(r.status, 1);
    QCOMPARE(r.err.count('\n'), 1);
    for (const QString& part : {path, QString("material 7"), QString("sheet 2"), QString("line 5")})
        QVERIFY2(r.err.contains(part), qPrintable(r.err));
    QCOMPARE(FileBytes(path), before);
}

// Each book is done on its own: the good ones are saved recomputed, the
// failing ones are reported one line each and left as they were.
void TestPricebookTool::recomputeSeveralBooks()
{
    QTemporaryDir dir;
    const QString first = dir.filePath("haikan1.FDA"), shortFile = dir.filePath("haikan2.FDA"),
                  overflow = dir.filePath("haikan3.FDA"), last = dir.filePath("haikan10.FDA"),
                  missing = dir.filePath("haikan4.FDA");
    WritePriceBookFile(first, sampleBook(), BlankRecordBase);
    PutFileBytes(shortFile, QByteArray(431640, 'x'));
    PriceBook tooLarge = sampleBook();
    tooLarge.row(19, 59).levelPrice[0] = units(9e14); // the last line of the last material
    tooLarge.row(19, 59).rate = {units(1), units(1), units(0), units(0), units(0), units(0), units(0)};
    WritePriceBookFile(overflow, tooLarge, 0);
    WritePriceBookFile(last, SampleBook(9), BlankRecordBase);
    const QByteArray shortBefore = FileBytes(shortFile), overflowBefore = FileBytes(overflow);

    const Run r = pricebook({"recompute", first, shortFile, overflow, missing, last});
    QCOMPARE(r.status, 1);
    const QStringList errors = r.err.split('\n', Qt::SkipEmptyParts);
    QCOMPARE(errors.size(), 3);
    QVERIFY2(errors[0].contains(shortFile), qPrintable(r.err));
    QVERIFY2(errors[1].contains(overflow) && errors[1].contains("material 20, sheet 4, line 14"), qPrintable(r.err));
    QVERIFY2(errors[2].contains(missing), qPrintable(r.err));
    QCOMPARE(FileBytes(shortFile), shortBefore);
    QCOMPARE(FileBytes(overflow), overflowBefore);
    QVERIFY(!QFile::exists(missing));

    // The good books as each alone gives them; the rate pricing state starts
    // afresh with each book.
    for (const auto& [path, book] : {std::pair{first, sampleBook()}, std::pair{last, SampleBook(9)}}) {
        PriceBook expected = book;
        WorkSet work;
        bool ratePricing = false;
        for (int m = 0; m < Materials; ++m)
            SelectAndComputeMaterial(work, expected, m, ratePricing);
        for (int k = 1; k <= BookRows; ++k)
            expected.row(k).recordNo = units(k);
        QVERIFY(ReadPriceBookFile(path) == expected);
    }
    QCOMPARE(pricebook({"recompute", first, last}).status, 0);
}

// A save that fails (here every file may grow to only 100000 bytes) is
// reported for each book in turn, and each book keeps its bytes.
void TestPricebookTool::recomputeSaveFailureLeavesEachBook()
{
    QTemporaryDir dir;
    const QString a = dir.filePath("haikan1.FDA"), b = dir.filePath("haikan2.FDA");
    WritePriceBookFile(a, sampleBook(), BlankRecordBase);
    WritePriceBookFile(b, SampleBook(3), BlankRecordBase);
    const QByteArray beforeA = FileBytes(a), beforeB = FileBytes(b);
    QProcess p;
    p.setChildProcessModifier([] {
        std::signal(SIGXFSZ, SIG_IGN); // a failing write instead of the signal
        rlimit limit{100000, 100000};
        setrlimit(RLIMIT_FSIZE, &limit);
    });
    p.start(qEnvironmentVariable("KAVREL_PROGRAM_DIR") + "/pricebook", {"recompute", a, b});
    const Run r = finish(p);
    QCOMPARE(r.status, 1);
    const QStringList errors = r.err.split('\n', Qt::SkipEmptyParts);
    QCOMPARE(errors.size(), 2);
    QVERIFY2(errors[0].contains(a) && errors[1].contains(b), qPrintable(r.err));
    QCOMPARE(FileBytes(a), beforeA);
    QCOMPARE(FileBytes(b), beforeB);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 2); // no temporary file left
}

void TestPricebookTool::badInputLeavesTheFile_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QByteArray>("contents");
    QTest::newRow("recompute a short file") << "recompute" << QByteArray(431640, 'x');
    QTest::newRow("dump a short file") << "dump" << QByteArray(10, 'x');
    QTest::newRow("new over an existing file") << "new" << QByteArray(432000, 'y');
}

void TestPricebookTool::badInputLeavesTheFile()
{
    QFETCH(QString, command);
    QFETCH(QByteArray, contents);
    QTemporaryDir dir;
    const QString path = dir.filePath("bad.FDA");
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(contents);
    }
    const Run r = pricebook({command, path});
    QVERIFY(r.status > 0);
    QCOMPARE(r.err.count('\n'), 1);
    QVERIFY2(r.err.contains(path), qPrintable(r.err));
    QCOMPARE(FileBytes(path), contents);

    const QString missing = dir.filePath("missing/haikan1.FDA");
    const Run m = pricebook({command, missing});
    QVERIFY(m.status > 0);
    QVERIFY2(m.err.contains(missing), qPrintable(m.err));
    QVERIFY(!QFile::exists(missing));
}

// The tool itself must turn a write past the file-size limit into a failed
// save with its reason: the test does not ignore the signal for it.
void TestPricebookTool::fullDiskLeavesTheBook()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("haikan1.FDA");
    QByteArray before = sampleBytes(0);
    before.replace(128, 8, QByteArray(8, '\x7f')); // a record number a recompute rewrites
    PutFileBytes(path, before);
    for (const rlim_t limit : {rlim_t(0), rlim_t(1), rlim_t(359), rlim_t(360), rlim_t(200000), rlim_t(431999)}) {
        QProcess p;
        p.setChildProcessModifier([limit] {
            const rlimit rl{limit, limit};
            ::setrlimit(RLIMIT_FSIZE, &rl);
        });
        p.start(qEnvironmentVariable("KAVREL_PROGRAM_DIR") + "/pricebook", {"recompute", path});
        const Run r = finish(p);
        QCOMPARE(r.status, 1);
        QCOMPARE(r.err, "pricebook: " + path + ": " + QString::fromUtf8("ファイルが大きすぎます") + "\n");
        QCOMPARE(FileBytes(path), before);
    }
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"haikan1.FDA"});
    QCOMPARE(pricebook({"recompute", path}).status, 0);
    QVERIFY(FileBytes(path) != before);
}

void TestPricebookTool::dumpOneMaterial()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("haikan3.FDA");
    WritePriceBookFile(path, sampleBook(), 0);
    const Run r = pricebook({"dump", path, "--material", "2"});
    QCOMPARE(r.status, 0);
    const QStringList lines = r.out.split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 60);
    QVERIFY(lines.first().startsWith("record=61 material=2 sheet=1 line=1 "));
    QVERIFY(lines.last().startsWith("record=120 material=2 sheet=4 line=15 "));
    const QString line3 = lines[2];
    QVERIFY2(line3.contains(QString::fromUtf8("headerText=\"配管用炭素鋼鋼管\"")), qPrintable(line3));
    QVERIFY(line3.contains(" listPrice=1234.5 "));
    QVERIFY(line3.contains(" rate[2]=0.2 "));
    QVERIFY(line3.contains(" recordNo=63 "));
    QVERIFY(line3.endsWith(" adoptedLevel[5]=0"));
    QCOMPARE(pricebook({"dump", path}).out.count('\n'), 1200);
}

void TestPricebookTool::exportIsTheWindowsCsv_data()
{
    QTest::addColumn<int>("material");
    QTest::addColumn<int>("level");
    QTest::addColumn<QStringList>("options");
    QTest::newRow("rate pricing, LEVEL1, to a file") << 2 << 1 << QStringList{"--headings", "--output"};
    QTest::newRow("cost level, results, standard output") << 5 << 6 << QStringList{"--results"};
    QTest::newRow("LEVEL3, UTF-8") << 2 << 3 << QStringList{"--utf8", "--headings", "--results"};
    QTest::newRow("last material, LEVEL5, UTF-8 to a file") << 20 << 5 << QStringList{"--output", "--utf8"};
}

void TestPricebookTool::exportIsTheWindowsCsv()
{
    QFETCH(int, material);
    QFETCH(int, level);
    QFETCH(QStringList, options);
    QTemporaryDir dir;
    const QString path = dir.filePath("haikan3.FDA");
    PriceBook book = sampleBook();
    book.row(material - 1, 1).sizeName.setText(QStringLiteral("1,1/4"));
    WritePriceBookFile(path, book, 0);
    const QByteArray before = FileBytes(path);

    const QString output = dir.filePath("out.CSV");
    QStringList args{"export", path, "--material", QString::number(material), "--level", QString::number(level)};
    for (const QString& option : options) {
        args << option;
        if (option == "--output")
            args << output;
    }
    const Run r = pricebook(args);
    QCOMPARE(r.status, 0);
    QCOMPARE(r.err, QString());

    WorkSet work;
    SelectAndComputeMaterial(work, book, material - 1);
    const ExportChoices choices{level, options.contains("--headings"), options.contains("--results")};
    const QString text = ExportMaterialText(work, ShownExportView(work), ExportMode::File, choices);
    const QByteArray expected =
        options.contains("--utf8") ? (text + QStringLiteral("\r\n")).toUtf8() : ExportFileBytes(text);
    QCOMPARE(options.contains("--output") ? FileBytes(output) : r.bytes, expected);
    QVERIFY(expected.contains("\r\n\"1,1/4\",")); // the recomputed first line, its size quoted
    QCOMPARE(FileBytes(path), before); // the book stays as it was
}

void TestPricebookTool::usageErrors_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::newRow("no command") << QStringList{};
    QTest::newRow("unknown command") << QStringList{"print", "x.FDA"};
    QTest::newRow("missing file") << QStringList{"recompute"};
    QTest::newRow("material out of range") << QStringList{"dump", "x.FDA", "--material", "21"};
    QTest::newRow("material not a number") << QStringList{"dump", "x.FDA", "--material", "two"};
    QTest::newRow("export without a level") << QStringList{"export", "x.FDA", "--material", "1"};
    QTest::newRow("export at level 7") << QStringList{"export", "x.FDA", "--material", "1", "--level", "7"};
    QTest::newRow("export of material 0") << QStringList{"export", "x.FDA", "--material", "0", "--level", "1"};
    QTest::newRow("export, unknown option") << QStringList{"export", "x.FDA", "--material", "1", "--level", "1", "--csv"};
    QTest::newRow("export, output without a name") << QStringList{"export", "x.FDA", "--material", "1", "--level", "1", "--output"};
    // A workbook is no text for standard output, and has no choice of encoding.
    const QStringList exportLevel1{"export", "x.FDA", "--material", "1", "--level", "1"};
    QTest::newRow("export, --xlsx without --output") << exportLevel1 + QStringList{"--xlsx"};
    QTest::newRow("export, --xlsx with --utf8") << exportLevel1 + QStringList{"--xlsx", "--utf8", "--output", "o.xlsx"};
    QTest::newRow("export-book without a book") << QStringList{"export-book"};
    QTest::newRow("export-book, an option first") << QStringList{"export-book", "--xlsx", "o.xlsx"};
    QTest::newRow("export-book without --xlsx") << QStringList{"export-book", "x.FDA", "--level", "2"};
    QTest::newRow("export-book, --xlsx without a name") << QStringList{"export-book", "x.FDA", "--xlsx"};
    QTest::newRow("export-book at level 7") << QStringList{"export-book", "x.FDA", "--xlsx", "o.xlsx", "--level", "7"};
    QTest::newRow("export-book of one material") << QStringList{"export-book", "x.FDA", "--xlsx", "o.xlsx", "--material", "1"};
    QTest::newRow("export-book to standard output") << QStringList{"export-book", "x.FDA", "--xlsx", "o.xlsx", "--output", "-"};
    const QStringList import{"import", "x.FDA", "l.csv"};
    QTest::newRow("import without a list") << QStringList{"import", "x.FDA", "--size", "B", "--list", "C", "--name", "A"};
    QTest::newRow("import without --list") << import + QStringList{"--name", "A", "--size", "B"};
    QTest::newRow("import without a name or number") << import + QStringList{"--size", "B", "--list", "C"};
    QTest::newRow("import, an unknown encoding") << import + QStringList{"--name", "A", "--size", "B", "--list", "C", "--encoding", "latin1"};
    QTest::newRow("import, --sheet without a name") << import + QStringList{"--name", "A", "--size", "B", "--list", "C", "--sheet"};
    QTest::newRow("revise without --percent") << QStringList{"revise", "x.FDA"};
    QTest::newRow("revise by a text") << QStringList{"revise", "x.FDA", "--percent", "5%"};
    QTest::newRow("revise below -100 %") << QStringList{"revise", "x.FDA", "--percent", "-100.01"};
    QTest::newRow("revise material 21") << QStringList{"revise", "x.FDA", "--percent", "5", "--materials", "3,21"};
    QTest::newRow("history of two books") << QStringList{"history", "x.FDA", "y.FDA"};
    QTest::newRow("restore without a version") << QStringList{"restore", "x.FDA"};
    QTest::newRow("revise, an unknown option") << QStringList{"revise", "x.FDA", "--percent", "5", "--list"};
    QTest::newRow("diff of one book") << QStringList{"diff", "x.FDA"};
    QTest::newRow("diff of three books") << QStringList{"diff", "x.FDA", "y.FDA", "z.FDA"};
    QTest::newRow("diff, an unknown format") << QStringList{"diff", "x.FDA", "y.FDA", "--format", "xml"};
    QTest::newRow("diff, --format without a value") << QStringList{"diff", "x.FDA", "y.FDA", "--format"};
    QTest::newRow("diff, material 0") << QStringList{"diff", "x.FDA", "y.FDA", "--materials", "0,3"};
    QTest::newRow("diff, materials not numbers") << QStringList{"diff", "x.FDA", "y.FDA", "--materials", "3;4"};
    QTest::newRow("diff, an unknown option") << QStringList{"diff", "x.FDA", "y.FDA", "--cost"};
}

void TestPricebookTool::usageErrors()
{
    QFETCH(QStringList, args);
    const Run r = pricebook(args);
    QCOMPARE(r.status, 2);
    QCOMPARE(r.err.count('\n'), 1);
    QVERIFY(r.err.startsWith("pricebook: "));
    QVERIFY2(!r.err.contains(".FDA: "), qPrintable(r.err)); // refused before any file is read
    QVERIFY(pricebook({"--help"}).out.contains("recompute FILE..."));
}

// A dry run shows and reports the changes and writes no book; the run stores
// them; a list that cannot be read changes nothing and fails with 1.
void TestPricebookTool::importAndReviseStoreWhatTheyShow()
{
    QTemporaryDir dir;
    const QString book = dir.filePath("haikan1.FDA");
    WritePriceBookFile(book, SampleBook(0), 0);
    const QByteArray before = FileBytes(book);
    const QString list = dir.filePath("list.csv");
    QFile file(list);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QString::fromUtf8("\xEF\xBB\xBF品名,サイズ,定価\r\n水道用硬質塩化ビニルライニング鋼管（ＶＡ）,１５Ａ,\"1,200\"\r\n").toUtf8());
    file.close();
    const QStringList import{"import", book, list, "--name", QString::fromUtf8("品名"), "--size", "B", "--list", "C"};

    const Run dry = pricebook(import + QStringList{"--dry-run", "--report", dir.filePath("report.csv")});
    QVERIFY2(dry.status == 0, qPrintable(dry.err));
    QVERIFY2(dry.out.contains("1 changes, 0 conflicts"), qPrintable(dry.out));
    QCOMPARE(FileBytes(book), before);
    const QString report = ShiftJis::decode(FileBytes(dir.filePath("report.csv")));
    QVERIFY2(report.contains(QString::fromUtf8("\r\n変更,2,1,水道用硬質塩化ﾋﾞﾆﾙﾗｲﾆﾝｸﾞ鋼管(VA),15A,\"1,150\",\"1,200\"")), qPrintable(report));
    const Run stored = pricebook(import);
    QVERIFY2(stored.status == 0, qPrintable(stored.err));
    QCOMPARE(ReadPriceBookFile(book).row(0, MaterialRowNumber(2, 1)).listPrice, Currency::fromUnits(1200));

    const QByteArray imported = FileBytes(book);
    const Run refused = pricebook({"import", book, list, "--name", "A", "--size", "B", "--list", "F"});
    QCOMPARE(refused.status, 1);
    QVERIFY2(refused.err.contains("list.csv"), qPrintable(refused.err));
    QCOMPARE(FileBytes(book), imported);
    const Run revised = pricebook({"revise", book, "--percent", "-50", "--materials", "1"});
    QVERIFY2(revised.status == 0, qPrintable(revised.err));
    QVERIFY(ReadPriceBookFile(book).row(0, MaterialRowNumber(0, 1)).listPrice < Currency::fromUnits(1200));
}

// Two saves of one book differ only in their record numbers: equal. A changed
// price is listed under its material; a book that cannot be read is 2, not
// the 1 of books that differ.
void TestPricebookTool::diffListsWhatDiffers()
{
    QTemporaryDir dir;
    const QString a = dir.filePath("a.FDA"), b = dir.filePath("b.FDA"), missing = dir.filePath("none.FDA");
    PriceBook book = SampleBook(0);
    WritePriceBookFile(a, book, 0);
    WritePriceBookFile(b, book, BlankRecordBase);
    const Run same = pricebook({"diff", a, b});
    QCOMPARE(same.status, 0);
    QCOMPARE(same.out, QString());

    book.row(19, MaterialRowNumber(3, 14)).listPrice = units(-2500); // the last price line of the book
    book.row(1, 4).sizeName.setText("20A");
    WritePriceBookFile(b, book, 0);
    const Run changed = pricebook({"diff", a, b, "--materials", "20,2"});
    QCOMPARE(changed.status, 1);
    const QStringList lines = changed.out.split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 4);
    QVERIFY2(lines[0].startsWith("material 2: \""), qPrintable(changed.out));
    QVERIFY2(lines[1].contains(QString::fromUtf8("sheet 1 line 4 サイズ: ")), qPrintable(changed.out));
    QVERIFY2(lines[3].contains(QString::fromUtf8("sheet 4 line 14 定価: ")) && lines[3].endsWith(" -> -2,500"),
             qPrintable(changed.out));
    const Run csv = pricebook({"diff", a, b, "--format", "csv", "--prices-only"});
    QCOMPARE(csv.status, 1);
    QCOMPARE(csv.out.count("\r\n"), 2);
    QVERIFY2(csv.out.contains(QString::fromUtf8(",4,14,定価,")), qPrintable(csv.out));
    QCOMPARE(pricebook({"diff", a, b, "--materials", "2", "--prices-only"}).status, 0);

    const Run unreadable = pricebook({"diff", a, missing});
    QCOMPARE(unreadable.status, 2);
    QCOMPARE(unreadable.err.count('\n'), 1);
    QVERIFY2(unreadable.err.startsWith("pricebook: " + missing), qPrintable(unreadable.err));
    QCOMPARE(unreadable.out, QString());
}

// Each command that writes a book keeps the version it replaces; restore
// writes one back, keeping the one it replaces too.
void TestPricebookTool::everySaveKeepsAVersionToRestore()
{
    QTemporaryDir dir;
    const QString book = dir.filePath("haikan1.FDA");
    WritePriceBookFile(book, SampleBook(0), 0);
    const QByteArray original = FileBytes(book);
    QCOMPARE(pricebook({"revise", book, "--percent", "10"}).status, 0);
    QCOMPARE(pricebook({"revise", book, "--percent", "10"}).status, 0);
    const Run listed = pricebook({"history", book});
    QCOMPARE(listed.status, 0);
    const QStringList lines = listed.out.split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 2);
    const QString oldest = lines.last().section('\t', 0, 0);
    QVERIFY2(lines.last().endsWith(QStringLiteral("lines differ")) && !lines.last().contains("\t0 lines"), qPrintable(lines.last()));
    const Run restored = pricebook({"restore", book, oldest});
    QVERIFY2(restored.status == 0, qPrintable(restored.err));
    QCOMPARE(FileBytes(book), original);
    QCOMPARE(pricebook({"history", book}).out.count('\n'), 3);
    const Run unknown = pricebook({"restore", book, "20000101-000000-00000000"});
    QCOMPARE(unknown.status, 1);
    QCOMPARE(FileBytes(book), original);
}

#include "TestMain.h"
KAVREL_TEST_APPLESS_MAIN(TestPricebookTool)
#include "TestPricebookTool.moc"
