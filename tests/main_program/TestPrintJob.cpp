#include "FileError.h"
#include "MaterialSettings.h"
#include "PrintJob.h"
#include "TestFiles.h"
#include "TestUnits.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

WorkSet labourWork()
{
    WorkSet work;
    work.row(4).headerText.setText(QString::fromUtf8("建設物価 2024年4月"));
    work.row(5).headerText.setText(QStringLiteral("P.312"));
    RowFields& labour = work.labourRow();
    labour.compositeLevel = {units(24500), units(23800), units(23100.5), units(22400), units(21700)};
    labour.compositeCost = units(19600.25);
    return work;
}

} // namespace

class TestPrintJob : public QObject {
    Q_OBJECT
private slots:
    void confLines_data();
    void confLines();
    void headerLines_data();
    void headerLines();
    void filesAreWrittenWhole();
    void aFileThatCannotBeWrittenStopsTheJob_data();
    void aFileThatCannotBeWrittenStopsTheJob();
};

void TestPrintJob::confLines_data()
{
    QTest::addColumn<bool>("refrigerant");
    QTest::addColumn<QString>("mask");
    QTest::newRow("piping") << false << "[File_Mask]=kvk";
    QTest::newRow("refrigerant") << true << "[File_Mask]=kvr";
}

void TestPrintJob::confLines()
{
    QFETCH(bool, refrigerant);
    QFETCH(QString, mask);
    const QStringList lines = PrintJob::ConfLines(QString::fromUtf8("Zavrikon（管材編）"), "/opt/kavrel", refrigerant);
    QCOMPARE(lines, QStringList({"[Version]=2.00", QString::fromUtf8("[Application_Title]=Zavrikon（管材編）"),
                                 QString::fromUtf8("[Data_Title]=複合単価印刷"), "[STYLE_FILE]=",
                                 "[Icon_File]=/opt/kavrel/Application.ico", mask}));
}

void TestPrintJob::headerLines_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QStringList>("dateLines");
    QTest::addColumn<QString>("levelLine");
    QTest::newRow("LEVEL3 on the first day of an era")
        << 3 << QDate(2019, 5, 1)
        << QStringList{"[ta]=2019", QString::fromUtf8("[tb]=令和01"), "[tc]=05", "[td]=01", QString::fromUtf8("[te]=水")}
        << "[ti]=23100.5(Level3)";
    QTest::newRow("LEVEL5 at the turn of the year")
        << 5 << QDate(2024, 12, 31)
        << QStringList{"[ta]=2024", QString::fromUtf8("[tb]=令和06"), "[tc]=12", "[td]=31", QString::fromUtf8("[te]=火")}
        << "[ti]=21700(Level5)";
    // The cost level's line repeats the value of the last line.
    QTest::newRow("cost level")
        << static_cast<int>(CostLevel) << QDate(1989, 1, 7)
        << QStringList{"[ta]=1989", QString::fromUtf8("[tb]=昭和64"), "[tc]=01", "[td]=07", QString::fromUtf8("[te]=土")}
        << QString::fromUtf8("[ti]=19600.25(仕切)");
}

void TestPrintJob::headerLines()
{
    QFETCH(int, level);
    QFETCH(QDate, today);
    QFETCH(QStringList, dateLines);
    QFETCH(QString, levelLine);
    const QStringList expected = dateLines + QStringList{"[tf]=", "[tg]=", QString::fromUtf8("[th]=建設物価 2024年4月P.312"),
                                                         levelLine, "[tj]=19600.25"};
    QCOMPARE(PrintJob::HeaderLines(labourWork(), level, today), expected);
}

void TestPrintJob::filesAreWrittenWhole()
{
    QTemporaryDir folder;
    QFile other(folder.filePath("kavre_p.conf"));
    QVERIFY(other.open(QIODevice::WriteOnly));
    other.write("[GROUP_NAME1]=x\r\n");
    other.close();
    for (const char* data : {"old;\r\nrows;", "a;b;"}) {
        PrintJob::Write(folder.path(), QString::fromUtf8(data), {QString::fromUtf8("[Data_Title]=複合単価印刷"), "[x]="},
                        {QString::fromUtf8("[te]=水")});
    }
    QCOMPARE(FileBytes(folder.filePath("print_Data.dat")), QByteArray("a;b;\r\n"));
    QCOMPARE(FileBytes(folder.filePath("Print.conf")), QByteArray("[Data_Title]=\x95\xa1\x8d\x87\x92\x50\x89\xbf\x88\xf3\x8d\xfc\r\n[x]=\r\n"));
    QCOMPARE(FileBytes(folder.filePath("print_header.dat")), QByteArray("[te]=\x90\x85\r\n"));
    QCOMPARE(FileNames(folder.path()), QStringList({"Print.conf", "kavre_p.conf", "print_Data.dat", "print_header.dat"}));
    QCOMPARE(FileBytes(folder.filePath("kavre_p.conf")), QByteArray("[GROUP_NAME1]=x\r\n"));
}

void TestPrintJob::aFileThatCannotBeWrittenStopsTheJob_data()
{
    QTest::addColumn<QString>("blocked");
    QTest::addColumn<QStringList>("written");
    QTest::newRow("data") << "print_Data.dat" << QStringList{};
    QTest::newRow("job description") << "Print.conf" << QStringList{"print_Data.dat"};
    QTest::newRow("header") << "print_header.dat" << QStringList{"Print.conf", "print_Data.dat"};
}

void TestPrintJob::aFileThatCannotBeWrittenStopsTheJob()
{
    QFETCH(QString, blocked);
    QFETCH(QStringList, written);
    QTemporaryDir folder;
    // A folder in the file's place cannot be replaced by a file.
    QVERIFY(QDir(folder.path()).mkdir(blocked));
    try {
        PrintJob::Write(folder.path(), "a;", {"[Version]=2.00"}, {"[ta]=2024"});
        QFAIL("no error for a file that cannot be written");
    } catch (const FileError& e) {
        QVERIFY2(e.file().endsWith(blocked), qPrintable(e.message()));
    }
    QStringList expected = written;
    expected.sort();
    QCOMPARE(FileNames(folder.path()), expected);
}

#include "TestMain.h"
KAVREL_TEST_APPLESS_MAIN(TestPrintJob)
#include "TestPrintJob.moc"
