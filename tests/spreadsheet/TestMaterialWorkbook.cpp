#include "AtomicFile.h"
#include "ChildProcessRun.h"
#include "CompositePrice.h"
#include "FileError.h"
#include "MaterialWorkbook.h"
#include "NumberText.h"
#include "SampleBooks.h"
#include "TestFiles.h"
#include "WorksheetNames.h"
#include "XlsxContents.h"
#include "TestUnits.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>

namespace {

WorkSet computed(PriceBook book, int material)
{
    WorkSet work;
    SelectAndComputeMaterial(work, book, material);
    return work;
}

QList<QStringList> csvRecords(const WorkSet& work, const ExportChoices& choices)
{
    return CsvRecords(ExportMaterialText(work, ShownExportView(work), ExportMode::File, choices));
}

// Category 1, material 1 with the texts a worksheet or a CSV field cannot
// take as they are, and a negative labour rate.
PriceBook awkwardBook()
{
    PriceBook book = SampleBook(0);
    for (int sheet : {0, 1})
        book.row(0, MaterialRowNumber(sheet, LinesPerSheet)).sheetName.setText(QStringLiteral("屋内/屋外[A]"));
    book.row(0, MaterialRowNumber(2, LinesPerSheet)).sheetName.setText(QString());
    book.row(0, MaterialRowNumber(3, LinesPerSheet)).sheetName.setText(QStringLiteral("_x0041_地中"));
    book.row(0, 1).headerText.setText(QStringLiteral("配管\"A\",B"));
    book.row(0, 1).sizeName.setText(QStringLiteral("1,1/4"));
    book.row(0, 2).sizeName.setText(QStringLiteral("15\nA"));
    book.row(0, 3).unit.setText(QStringLiteral("m\x01"));
    book.row(0, 3).rate[0] = units(-0.5);
    return book;
}

const QStringList PipingSheets{"屋内一般", "機械室", "屋外架空", "地中配管"};

} // namespace

class TestMaterialWorkbook : public QObject {
    Q_OBJECT
private slots:
    void worksheetNames_data();
    void worksheetNames();
    void materialWorkbookIsTheCsv_data();
    void materialWorkbookIsTheCsv();
    void bookWorkbookHasEachMaterialsCsv();
    void bookWithoutGoodsNamesIsRefused();
    void failedSaveLeavesTheFile_data();
    void failedSaveLeavesTheFile();
    void anotherProgramReadsTheSameNumbers();
};

void TestMaterialWorkbook::worksheetNames_data()
{
    QTest::addColumn<QStringList>("wanted");
    QTest::addColumn<QStringList>("expected");
    const QString a31(31, 'a'), a40(40, 'a');
    QTest::newRow("valid names stay") << PipingSheets << PipingSheets;
    QTest::newRow("refused characters") << QStringList{"a\\b/c?d*e:f[g]"} << QStringList{"a＼b／c？d＊e：f［g］"};
    QTest::newRow("line breaks and controls") << QStringList{"屋内\r\n一般\tB\x01"} << QStringList{"屋内 一般 B"};
    QTest::newRow("apostrophes at the ends") << QStringList{"'屋外'", "a'b"} << QStringList{"＇屋外＇", "a'b"};
    QTest::newRow("blank names") << QStringList{"", "x", "  \n"} << QStringList{"シート1", "x", "シート3"};
    QTest::newRow("exactly at the limit") << QStringList{a31} << QStringList{a31};
    QTest::newRow("one over the limit") << QStringList{a31 + "b"} << QStringList{a31};
    QTest::newRow("a pair not split") << QStringList{QString(30, 'a') + "𠮷b"} << QStringList{QString(30, 'a')};
    QTest::newRow("an apostrophe at the cut") << QStringList{QString(30, 'a') + "'b"} << QStringList{QString(30, 'a') + "＇"};
    QTest::newRow("same name, any case") << QStringList{"Sheet", "sheet", "SHEET"}
                                         << QStringList{"Sheet", "sheet (2)", "SHEET (3)"};
    QTest::newRow("long names the same after the cut")
        << QStringList{a40, a40 + "b"} << QStringList{a31, QString(27, 'a') + " (2)"};
    QTest::newRow("a number taken by a name") << QStringList{"x (2)", "x", "x"} << QStringList{"x (2)", "x", "x (3)"};
    QTest::newRow("the reserved name") << QStringList{"history"} << QStringList{"history (2)"};
}

void TestMaterialWorkbook::worksheetNames()
{
    QFETCH(QStringList, wanted);
    QFETCH(QStringList, expected);
    QCOMPARE(WorksheetNames(wanted), expected);
}

void TestMaterialWorkbook::materialWorkbookIsTheCsv_data()
{
    QTest::addColumn<PriceBook>("book");
    QTest::addColumn<int>("material");
    QTest::addColumn<ExportChoices>("choices");
    QTest::addColumn<QStringList>("sheets");
    QTest::addColumn<QString>("title");
    QTest::newRow("piping, LEVEL1, headings") << SampleBook(0) << 0 << ExportChoices{1, true, false} << PipingSheets
                                              << "水道用硬質塩化ﾋﾞﾆﾙﾗｲﾆﾝｸﾞ鋼管(VA)";
    QTest::newRow("piping, cost level, results") << SampleBook(4) << 5 << ExportChoices{6, false, true}
                                                 << PipingSheets << "配管用炭素鋼鋼管（白）";
    // One sheet; the chipping component it lacks is no cell.
    QTest::newRow("refrigerant, LEVEL3, headings, results")
        << SampleBook(9) << 3 << ExportChoices{3, true, true} << QStringList{"一般"} << "保温付被覆銅管";
    QTest::newRow("awkward texts, LEVEL5") << awkwardBook() << 0 << ExportChoices{5, true, false}
                                           << QStringList{"屋内／屋外［A］", "屋内／屋外［A］ (2)", "シート3", "_x0041_地中"}
                                           << "配管\"A\",B";
}

void TestMaterialWorkbook::materialWorkbookIsTheCsv()
{
    QFETCH(PriceBook, book);
    QFETCH(int, material);
    QFETCH(ExportChoices, choices);
    QFETCH(QStringList, sheets);
    QFETCH(QString, title);
    const WorkSet work = computed(book, material);
    QTemporaryDir dir;
    const QString path = dir.filePath("out.xlsx");
    WriteMaterialWorkbook(path, work, ShownExportView(work), choices, "/data/kanzai/haikan3.FDA", material);

    const XlsxContents xlsx = ReadXlsx(path);
    QCOMPARE(xlsx.error, QString());
    QCOMPARE(xlsx.title, title);
    QCOMPARE(xlsx.subject, QStringLiteral("haikan3.FDA の材料 %1（%2）")
                               .arg(material + 1)
                               .arg(choices.level == 6 ? QStringLiteral("原価") : QStringLiteral("LEVEL%1").arg(choices.level)));
    QCOMPARE(xlsx.sheets.size(), sheets.size());
    const QList<QStringList> records = csvRecords(work, choices);
    const int block = 1 + (choices.headings ? 1 : 0) + PriceLines;
    QCOMPARE(records.size(), block * sheets.size());
    for (int s = 0; s < sheets.size(); ++s) {
        QCOMPARE(xlsx.sheets[s].name, sheets[s]);
        CompareWithCsv(xlsx.sheets[s], records.mid(s * block, block), !choices.computedResults);
        if (QTest::currentTestFailed())
            return;
    }
    QCOMPARE(xlsx.sheets[0].cells.value({choices.headings ? 1 : 0, 0}).text,
             choices.headings ? QStringLiteral("呼び径") : work.row(MaterialRowNumber(0, LinesPerSheet)).sheetName.text());
}

// Unused places are left out; every worksheet is the CSV of its material,
// all sheets one after the other.
void TestMaterialWorkbook::bookWorkbookHasEachMaterialsCsv()
{
    PriceBook book = SampleBook(1);
    book.row(2, 1).headerText.setText(QStringLiteral("  "));
    for (int n = 1; n <= RowsPerMaterial; ++n)
        book.row(11, n) = book.row(0, n);
    book.row(11, 1).headerText.setText(QString(40, QChar(0x7BA1)));
    QTemporaryDir dir;
    const QString path = dir.filePath("book.xlsx");
    const ExportChoices choices{6, true, true};
    WriteBookWorkbook(path, book, dir.filePath("kanzai/haikan2.FDA"), choices);

    const XlsxContents xlsx = ReadXlsx(path);
    QCOMPARE(xlsx.error, QString());
    QCOMPARE(xlsx.title, QStringLiteral("haikan2.FDA"));
    QCOMPARE(xlsx.subject, QStringLiteral("haikan2.FDA の全材料（原価）"));
    const QStringList names{"1 排水用硬質塩化ﾋﾞﾆﾙﾗｲﾆﾝｸﾞ鋼管（黒）", "2 排水用ﾀ-ﾙｴﾎﾟｷｼ塗装鋼管", "4 配管用炭素鋼鋼管（白）",
                            "5 鋳鉄管", "12 " + QString(28, QChar(0x7BA1))};
    const QList<int> materials{0, 1, 3, 4, 11};
    QCOMPARE(xlsx.sheets.size(), names.size());
    for (int i = 0; i < names.size(); ++i) {
        QCOMPARE(xlsx.sheets[i].name, names[i]);
        CompareWithCsv(xlsx.sheets[i], csvRecords(computed(book, materials[i]), choices), false);
        if (QTest::currentTestFailed())
            return;
    }
}

void TestMaterialWorkbook::bookWithoutGoodsNamesIsRefused()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("book.xlsx"), bookFile = dir.filePath("haikan1.FDA");
    PriceBook book = BlankPriceBook(0);
    book.row(4, 3).listPrice = units(100); // prices alone do not make a material
    try {
        WriteBookWorkbook(path, book, bookFile, ExportChoices{});
        QFAIL("a book without goods names was written");
    } catch (const FileError& e) {
        QCOMPARE(e.file(), bookFile);
    }
    QVERIFY(!QFile::exists(path));
}

void TestMaterialWorkbook::failedSaveLeavesTheFile_data()
{
    QTest::addColumn<int>("failure");
    QTest::addColumn<QString>("reason");
    QTest::newRow("the folder refuses new files") << 0 << "書き込みまたは読み込みが許可されていません";
    QTest::newRow("no temporary folder") << 1 << "一時フォルダー：フォルダーが見つかりません";
    QTest::newRow("the disk is full") << 2 << "空き容量がありません";
}

void TestMaterialWorkbook::failedSaveLeavesTheFile()
{
    QFETCH(int, failure);
    QFETCH(QString, reason);
    QTemporaryDir dir; // others may look into it, not add to it
    QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther
                                                  | QFile::ExeOther));
    const QString path = dir.filePath("out.xlsx");
    PutFileBytes(path, "the old workbook");
    const WorkSet work = computed(SampleBook(0), 0);
    const auto prepare = [failure, &dir] {
        if (failure == 0)
            return ::setgid(65534) == 0 && ::setuid(65534) == 0;
        if (failure == 1) // a file where the temporary folder should be
            qputenv("TMPDIR", QFile::encodeName(dir.filePath("out.xlsx")));
        if (failure == 2)
            SaveDiskCalls().write = [](int, const void*, size_t) -> ssize_t { return errno = ENOSPC, -1; };
        return true;
    };
    QString message;
    const int status = RunInChildProcess(prepare, [&] {
        WriteMaterialWorkbook(path, work, ShownExportView(work), ExportChoices{}, "haikan1.FDA", 0);
    }, &message);
    QCOMPARE(status, 1);
    QVERIFY2(message.startsWith(path + ": ") && message.contains(reason), qPrintable(message));
    QCOMPARE(FileBytes(path), QByteArray("the old workbook"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"out.xlsx"});
}

// What a spreadsheet program reads of the workbook, saved as CSV, has the
// numbers of the CSV export.
void TestMaterialWorkbook::anotherProgramReadsTheSameNumbers()
{
    const QString office = QStandardPaths::findExecutable("soffice");
    if (office.isEmpty())
        QSKIP("LibreOffice (soffice) is not installed");
    const WorkSet work = computed(SampleBook(3), 0);
    const ExportChoices choices{2, true, false};
    QTemporaryDir dir;
    WriteMaterialWorkbook(dir.filePath("book.xlsx"), work, ShownExportView(work), choices, "haikan4.FDA", 0);
    QProcess p;
    p.setWorkingDirectory(dir.path());
    // Comma, quote, UTF-8, English numbers, values as stored rather than as
    // shown, every sheet in a file of its own.
    p.start(office, {"-env:UserInstallation=file://" + dir.filePath("profile"), "--headless", "--convert-to",
                     "csv:Text - txt - csv (StarCalc):44,34,76,1,,1033,false,true,false,false,false,-1", "book.xlsx"});
    QVERIFY(p.waitForFinished(120000));
    QCOMPARE(p.exitCode(), 0);
    const QList<QStringList> records = csvRecords(work, choices);
    const QStringList sheets = ShownExportView(work).sheetNames;
    for (int s = 0; s < sheets.size(); ++s) {
        const QList<QStringList> read = CsvRecords(QString::fromUtf8(FileBytes(dir.filePath("book-" + sheets[s] + ".csv"))));
        for (int line = 0; line < PriceLines; ++line) {
            const QStringList& expected = records[s * (PriceLines + 2) + 2 + line];
            const QStringList& got = read.value(2 + line);
            for (int column = 2; column < 12; ++column)
                QCOMPARE(ReadDecimal(got.value(column)), ReadDecimal(expected[column]));
        }
    }
}

#include "TestMain.h"
KAVREL_TEST_APPLESS_MAIN(TestMaterialWorkbook)
#include "TestMaterialWorkbook.moc"
