#include "ApplicationTitle.h"
#include "GuardedApplication.h"
#include "MainWindowProgram.h"
#include "MaterialSettings.h"
#include "NumberText.h"
#include "PriceBookFile.h"
#include "PriceListTable.h"
#include "RecentFolders.h"
#include "SettingsLines.h"
#include "ShiftJis.h"
#include "TBorRadio.h"
#include "TFTANKAREGIST.h"
#include "TStrColGrid.h"
#include "Tflevel_select.h"
#include "Tkvconfig.h"
#include "TestFiles.h"
#include "TestUnits.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace {

// Material 1 is in piping mode, with a negative price and a size that holds
// a comma; material 2 is in refrigerant mode.
PriceBook outputBook()
{
    PriceBook book = BlankPriceBook(0);
    for (int m : {0, 1}) {
        const char* const sheets[] = {"屋内一般", "機械室", "地中", "屋外"};
        for (int s = 0; s < Sheets; ++s)
            book.row(m, MaterialRowNumber(s, LinesPerSheet)).sheetName.setText(QString::fromUtf8(sheets[s]));
        book.row(m, 1).headerText.setText(QString::fromUtf8(m == 0 ? "配管用炭素鋼鋼管" : "冷媒用銅管"));
        book.row(m, 2).headerText.setText(QString::fromUtf8("給水"));
        book.row(m, 3).headerText.setText(QString::fromUtf8("ねじ接合"));
        MaterialSettings{book.row(m, SettingsRowNumber)}.mode() = units(m == 0 ? 0 : 2);
        RowFields& labour = book.row(m, LabourRowNumber);
        labour.compositeLevel = {units(24500), units(23800), units(23100), units(22400), units(21700)};
        labour.compositeCost = units(19600);
        for (int line = 1; line <= 2; ++line) {
            PriceRow& row = book.row(m, line);
            row.sizeName.setText(line == 1 ? QStringLiteral("15A") : QStringLiteral("1,1/4"));
            row.unit.setText(QString::fromUtf8("ｍ"));
            row.listPrice = units(1234.5);
            row.costPrice = units(555.5);
            row.levelPrice = {units(890), units(850), units(line == 2 ? -500 : 800), units(760), units(720)};
            row.rate = {units(1.1), units(0.6), units(0.12), units(0.1), units(0.045), units(0.05), units(0.02)};
        }
    }
    return book;
}

struct OutputProgram : MainWindowProgram {
    OutputProgram()
        : MainWindowProgram(Options().preparing([](const QString& kanzai) {
              WritePriceBookFile(kanzai + "/haikan1.FDA", outputBook(), 0);
          }))
    {
    }
    QString book() const { return MainWindowProgram::book(1); }
    void selectMaterial(int material) { window->materialItems[0][static_cast<std::size_t>(material)]->trigger(); }

    // The level dialog's answer: the level, the two options, and whether
    // "実　行" is pressed.
    void answerLevelDialog(int level, bool headings, bool results, bool confirm)
    {
        seam.dialogAnswers.push_back([=](QDialog& d) {
            auto& dialog = static_cast<Tflevel_select&>(d);
            dialog.level[static_cast<std::size_t>(level - 1)]->setChecked(true);
            dialog.CheckBox7->setChecked(headings);
            dialog.CheckBox8->setChecked(results);
            (confirm ? dialog.Button1 : dialog.Button2)->click();
            return dialog.result();
        });
    }
    // A message box answered with its button; its text is kept in `notices`.
    void answerNotice()
    {
        seam.dialogAnswers.push_back([this](QDialog& box) {
            notices << box.findChild<QLabel*>("text")->text() + "|" + box.findChild<QPushButton*>("button1")->text();
            return 6;
        });
    }
    QStringList notices;
};

QByteArray pricebookExport(const QString& book, int material, int level, bool headings, bool results, bool utf8)
{
    QStringList args{"export", book, "--material", QString::number(material), "--level", QString::number(level)};
    if (headings)
        args << "--headings";
    if (results)
        args << "--results";
    if (utf8)
        args << "--utf8";
    QProcess p;
    p.start(qEnvironmentVariable("KAVREL_PROGRAM_DIR") + "/pricebook", args);
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return "pricebook failed: " + p.readAllStandardError();
    return p.readAllStandardOutput();
}

// A stand-in for the print program that says how it was started.
void installPrintProgram(const QString& folder)
{
    QFile script(QDir(folder).filePath("Dorvisk"));
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\nprintf '%s|%s' \"$#\" \"$(pwd)\" > started.part && mv started.part started.txt\n");
    script.close();
    QVERIFY(script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
}

} // namespace

class TestOutputCommands : public QObject {
    Q_OBJECT
private slots:
    void csvFileIsWhatTheToolWrites_data();
    void csvFileIsWhatTheToolWrites();
    void clipboardHoldsTheTextWithoutTheLastLineEnd();
    void cancelWritesNothingButShowsTheLevel_data();
    void cancelWritesNothingButShowsTheLevel();
    void workbookHoldsTheCsvsNumbers();
    void csvFileThatCannotBeWrittenIsReported();
    void printWritesTheJobAndStartsTheProgram_data();
    void printWritesTheJobAndStartsTheProgram();
    void printStopsWhenAJobFileCannotBeWritten();
};

void TestOutputCommands::csvFileIsWhatTheToolWrites_data()
{
    QTest::addColumn<int>("material");
    QTest::addColumn<int>("level");
    QTest::addColumn<bool>("headings");
    QTest::addColumn<bool>("results");
    QTest::newRow("piping, LEVEL3, headings") << 1 << 3 << true << false;
    QTest::newRow("piping, cost level, results") << 1 << 6 << false << true;
    QTest::newRow("refrigerant, LEVEL1, both") << 2 << 1 << true << true;
}

void TestOutputCommands::csvFileIsWhatTheToolWrites()
{
    QFETCH(int, material);
    QFETCH(int, level);
    QFETCH(bool, headings);
    QFETCH(bool, results);
    OutputProgram p;
    const QByteArray fromTool = pricebookExport(p.book(), material, level, headings, results, false);
    p.selectMaterial(material - 1);
    p.answerLevelDialog(level, headings, results, true);
    const QString target = p.dir.filePath("out.CSV");
    p.seam.saveAnswers.push_back(target);
    p.answerNotice();
    p.action("CSV1")->trigger();

    QCOMPARE(p.seam.unexpected, QStringList());
    // Never in the program folder: the documents folder the first time.
    const QString documents = RecentFolders(p.dir.filePath("none/x.conf")).startFolder(FileKind::Csv);
    QVERIFY(documents != p.dir.path());
    QVERIFY(p.seam.asked.contains(
        QStringLiteral("save %1 %2 *.CSV (*.CSV *.csv) CSV").arg(ApplicationTitle(), documents)));
    QCOMPARE(p.notices, QStringList{QString::fromUtf8("ＣＳＶ出力しました。\n%1|確認").arg(target)});
    const QByteArray written = FileBytes(target);
    QCOMPARE(written, fromTool);
    // Shift-JIS, the first sheet's name first, a line end last.
    QVERIFY(written.startsWith(material == 1 ? "\x89\xae\x93\xe0\x88\xea\x94\xca\r\n" : "\x88\xea\x94\xca\r\n"));
    QVERIFY(written.endsWith(",\r\n"));
    QVERIFY(written.contains("\r\n\"1,1/4\",\x82\x8d,")); // the comma is quoted
    QCOMPARE(p.window->StrColGrid2->Selection().Left, level);
}

void TestOutputCommands::clipboardHoldsTheTextWithoutTheLastLineEnd()
{
    OutputProgram p;
    p.answerLevelDialog(3, true, true, true);
    p.answerNotice();
    p.action("N19")->trigger();
    QCOMPARE(p.seam.unexpected, QStringList());
    QCOMPARE(p.notices, QStringList{QString::fromUtf8("クリップボ－ドへコピ－しました。|確認")});
    const QString expected = QString::fromUtf8(pricebookExport(p.book(), 1, 3, true, true, true)).chopped(2);
    QCOMPARE(QGuiApplication::clipboard()->text(), expected);
    QVERIFY(expected.startsWith(QString::fromUtf8("屋内一般\r\n呼び径,単位,")));
    QVERIFY(expected.endsWith(QStringLiteral(",")));
}

void TestOutputCommands::cancelWritesNothingButShowsTheLevel_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("confirmLevel"); // then the save dialog is cancelled
    QTest::newRow("file, level dialog") << "CSV1" << false;
    QTest::newRow("file, save dialog") << "CSV1" << true;
    QTest::newRow("clipboard") << "N19" << false;
    QTest::newRow("print") << "N8" << false;
}

void TestOutputCommands::cancelWritesNothingButShowsTheLevel()
{
    QFETCH(QString, command);
    QFETCH(bool, confirmLevel);
    OutputProgram p;
    installPrintProgram(p.dir.path());
    const QStringList before = FileNames(p.dir.path());
    QGuiApplication::clipboard()->setText("untouched");
    p.window->StrColGrid2->SetSelection({2, 4, 2, 6});
    p.answerLevelDialog(5, true, false, confirmLevel);
    if (confirmLevel)
        p.seam.saveAnswers.push_back(QString());
    p.action(qPrintable(command))->trigger();

    QCOMPARE(p.seam.unexpected, QStringList());
    QCOMPARE(p.seam.dialogAnswers.size(), std::size_t(0)); // no message box followed
    QCOMPARE(p.seam.asked.size(), confirmLevel ? 2 : 1);
    QCOMPARE(p.window->StrColGrid2->Selection(), (TGridRect{5, 4, 5, 6}));
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("untouched"));
    QTest::qWait(200);
    QCOMPARE(FileNames(p.dir.path()), before);
}

// The workbook holds the numbers of the CSV export of the same choices, one
// worksheet a sheet, read back as a price list is.
void TestOutputCommands::workbookHoldsTheCsvsNumbers()
{
    OutputProgram p;
    const QStringList csv = ShiftJis::decode(pricebookExport(p.book(), 1, 3, true, false, false)).split("\r\n");
    p.selectMaterial(0);
    p.answerLevelDialog(3, true, false, true);
    const QString target = p.dir.filePath("out.xlsx");
    p.seam.saveAnswers.push_back(target);
    p.answerNotice();
    p.action("workbookExport")->trigger();
    QCOMPARE(p.seam.unexpected, QStringList());
    QCOMPARE(p.notices, QStringList{QString::fromUtf8("Excel ブックに出力しました。\n%1|確認").arg(target)});
    const QStringList sheets = PriceListSheetNames(target);
    QCOMPARE(sheets.first(), csv.first()); // the first sheet's name
    PriceListReadOptions first;
    first.sheetName = sheets.first();
    const PriceListTable table = ReadPriceListTable(target, first);
    // Row 3 is the first price line, under the sheet name and the headings.
    const QStringList line = csv[2].split(',');
    QCOMPARE(table.row(3)->cell(0), line[0]);
    QCOMPARE(ParseCurrency(table.row(3)->cell(2)), ParseCurrency(QString(line[2]).remove(QChar(0x22))));
}

void TestOutputCommands::csvFileThatCannotBeWrittenIsReported()
{
    OutputProgram p;
    const QString target = p.dir.filePath("taken.CSV");
    QVERIFY(QDir(p.dir.path()).mkdir("taken.CSV"));
    p.answerLevelDialog(1, false, false, true);
    p.seam.saveAnswers.push_back(target);
    p.run("CSV1");
    QCOMPARE(p.seam.errors.size(), 1);
    QVERIFY2(p.seam.errors.first().contains(target), qPrintable(p.seam.errors.first()));
    QCOMPARE(p.notices, QStringList()); // no success message
    QCOMPARE(p.seam.unexpected, QStringList());
}

void TestOutputCommands::printWritesTheJobAndStartsTheProgram_data()
{
    QTest::addColumn<int>("material");
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("mask");
    QTest::addColumn<QString>("levelLine");
    QTest::addColumn<int>("dataLines");
    QTest::newRow("piping, cost level") << 1 << 6 << "kvk" << QString::fromUtf8("[ti]=19600(仕切)") << 56;
    QTest::newRow("refrigerant, LEVEL3") << 2 << 3 << "kvr" << "[ti]=23100(Level3)" << 14;
}

void TestOutputCommands::printWritesTheJobAndStartsTheProgram()
{
    QFETCH(int, material);
    QFETCH(int, level);
    QFETCH(QString, mask);
    QFETCH(QString, levelLine);
    QFETCH(int, dataLines);
    OutputProgram p;
    installPrintProgram(p.dir.path());
    p.selectMaterial(material - 1);
    bool optionsHidden = false;
    p.seam.dialogAnswers.push_back([&](QDialog& d) {
        auto& dialog = static_cast<Tflevel_select&>(d);
        optionsHidden = dialog.CheckBox7->isHidden() && dialog.CheckBox8->isHidden();
        dialog.level[static_cast<std::size_t>(level - 1)]->setChecked(true);
        dialog.Button1->click();
        return dialog.result();
    });
    p.action("N8")->trigger();
    QCOMPARE(p.seam.unexpected, QStringList());
    QVERIFY(optionsHidden);

    const QString folder = p.dir.path();
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(p.dir.filePath("started.txt")), 10000);
    QCOMPARE(QString::fromUtf8(FileBytes(p.dir.filePath("started.txt"))),
             QStringLiteral("0|%1").arg(QDir(folder).canonicalPath()));

    const QStringList conf = ReadSettingsLines(p.dir.filePath("Print.conf"));
    QCOMPARE(conf.size(), 6);
    QCOMPARE(conf[4], "[Icon_File]=" + p.dir.filePath("Application.ico"));
    QCOMPARE(conf[5], "[File_Mask]=" + mask);
    const QStringList header = ReadSettingsLines(p.dir.filePath("print_header.dat"));
    QCOMPARE(header.size(), 10);
    QCOMPARE(header[8], levelLine);
    QCOMPARE(header[9], QStringLiteral("[tj]=19600"));
    const QStringList data = ReadSettingsLines(p.dir.filePath("print_Data.dat"));
    QCOMPARE(data.size(), dataLines);
    QVERIFY(FileBytes(p.dir.filePath("print_Data.dat")).endsWith(";\r\n"));
    const QStringList first = data.first().split(';');
    QCOMPARE(first.size(), 24);
    QCOMPARE(first.mid(0, 6), QStringList({QString::fromUtf8(material == 1 ? "配管用炭素鋼鋼管" : "冷媒用銅管"),
                                           QString::fromUtf8("給水"), QString::fromUtf8("ねじ接合"),
                                           QString::fromUtf8(material == 1 ? "屋内一般" : "一般"), "15A",
                                           QString::fromUtf8("ｍ")}));
    QCOMPARE(first[20].isEmpty(), material == 2); // no chipping in refrigerant mode
    QCOMPARE(data[1].split(';')[4], QStringLiteral("1,1/4")); // no quoting in the print file
}

void TestOutputCommands::printStopsWhenAJobFileCannotBeWritten()
{
    OutputProgram p;
    installPrintProgram(p.dir.path());
    QVERIFY(QDir(p.dir.path()).mkdir("print_Data.dat"));
    p.answerLevelDialog(1, false, false, true);
    p.run("N8");
    QCOMPARE(p.seam.errors.size(), 1);
    QVERIFY2(p.seam.errors.first().contains("print_Data.dat"), qPrintable(p.seam.errors.first()));
    QTest::qWait(300);
    QVERIFY(!QFile::exists(p.dir.filePath("Print.conf")));
    QVERIFY(!QFile::exists(p.dir.filePath("started.txt")));
}

static int runTestOutputCommands(int argc, char** argv)
{
    GuardedApplication app(argc, argv);
    SetApplicationTitle(QStringLiteral("Zavrikon（管材編）"));
    TestOutputCommands test;
    return QTest::qExec(&test, argc, argv);
}

#include "TestMain.h"
KAVREL_TEST_CUSTOM_MAIN(TestOutputCommands, runTestOutputCommands)

#include "TestOutputCommands.moc"
