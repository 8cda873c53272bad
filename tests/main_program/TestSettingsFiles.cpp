#include "DisplaySettings.h"
#include "FileError.h"
#include "ProfileFile.h"
#include "ProgramFiles.h"
#include "RecentFolders.h"
#include "SettingsLines.h"
#include "StartupArguments.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <limits>
#include <vector>

class TestSettingsFiles : public QObject {
    Q_OBJECT
private slots:
    void recentFolders();
    void startupArgument_data();
    void startupArgument();
    void edition_data();
    void edition();
    void displaySettingsRoundTrip();
    void displaySettingsLineRules();
    void displaySettingsOneLine_data();
    void displaySettingsOneLine();
    void displaySettingsSource();
    void profileFile();
    void displaySettingsFitTheScreen_data();
    void displaySettingsFitTheScreen();
    void columnsFitTheirTable_data();
    void columnsFitTheirTable();
};

void TestSettingsFiles::startupArgument_data()
{
    QTest::addColumn<QString>("argument");
    QTest::addColumn<int>("category");
    QTest::addColumn<int>("material");
    QTest::newRow("none") << "" << 1 << 1;
    QTest::newRow("3;5;") << "3;5;" << 3 << 5;
    QTest::newRow("12;2; keeps the scratch book") << "12;2;" << 12 << 2;
    QTest::newRow("3; repeats the field") << "3;" << 3 << 3;
    QTest::newRow("no semicolon") << "3" << 1 << 1;
    QTest::newRow("not numbers") << "a;b;" << 1 << 1;
    QTest::newRow("material out of range") << "2;25;" << 2 << 1;
    QTest::newRow("a path with blanks") << "/opt/my" << 1 << 1;
}

void TestSettingsFiles::startupArgument()
{
    QFETCH(QString, argument);
    QFETCH(int, category);
    QFETCH(int, material);
    const StartupChoice choice = ParseStartupArgument(argument);
    QCOMPARE(choice.category, category);
    QCOMPARE(choice.material, material);
}

void TestSettingsFiles::edition_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("edition");
    QTest::newRow("kavrel") << "kavrel" << 0;
    QTest::newRow("kavrel.exe") << "kavrel.exe" << 0;
    QTest::newRow("case matters") << "Kavrel.exe" << 1;
    QTest::newRow("network copy") << "net_kavrel" << 1;
}

void TestSettingsFiles::edition()
{
    QFETCH(QString, name);
    QFETCH(int, edition);
    QCOMPARE(EditionFromProgramName(name), edition);
}

void TestSettingsFiles::displaySettingsRoundTrip()
{
    DisplaySettings s;
    s.treeList = false;
    s.treeWidth = 222;
    s.labourTableHeight = 310;
    s.labourColumnWidths[10] = 61;
    s.compositeColumnWidths[7] = 99;
    const QStringList lines = DisplaySettingsLines(s);
    QCOMPARE(lines.size(), 34);
    QCOMPARE(lines[0], QString("[Version]=2.00"));
    QCOMPARE(lines[3], QString("[TREE_USE]=FALSE"));
    QCOMPARE(lines[7], QString("[StrColGrid1_Colwidths[0]]=35"));
    QCOMPARE(lines[33], QString("[StrColGrid3_Colwidths[7]]=99"));
    DisplaySettings read;
    ApplyDisplaySettingsLines(read, lines);
    QCOMPARE(read, s);
}

void TestSettingsFiles::displaySettingsLineRules()
{
    DisplaySettings s;
    ApplyDisplaySettingsLines(s, {"[TITLE_USE]=FALSE", "[TOP_USE]=false", "[StrColGrid1_Colwidths[3]]=abc",
                                  "[StrColGrid2_Colwidths[8]]=50", "[TREEVIEW_WIDTH]=x", "[StrColGrid1]=",
                                  "[StrColGrid3_Colwidths[2]]=40", "[StrColGrid3_Colwidths[2]]=45", "garbage",
                                  "[STATUS_USE]=FALSE", "[STATUS_USE]=TRUE"});
    QCOMPARE(s.titleBar, false);
    QCOMPARE(s.topBar, true); // only the exact upper-case line counts
    QCOMPARE(s.labourColumnWidths[3], 100);
    QCOMPARE(s.priceColumnWidths, DisplaySettings().priceColumnWidths); // no column 8
    QCOMPARE(s.treeWidth, 100);
    QCOMPARE(s.labourTableHeight, 296);
    QCOMPARE(s.compositeColumnWidths[2], 45);
    QCOMPARE(s.statusBar, true);
}

// One line over the defaults: the title bar's flag, and the widths of the
// labour table's columns 3 and 10 (its last).
void TestSettingsFiles::displaySettingsOneLine_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("titleBar");
    QTest::addColumn<int>("column3");
    QTest::addColumn<int>("column10");
    QTest::newRow("flag") << "[TITLE_USE]=FALSE" << false << 80 << 80;
    QTest::newRow("flag with a space after") << "[TITLE_USE]=FALSE " << true << 80 << 80;
    QTest::newRow("flag with a space before") << " [TITLE_USE]=FALSE" << true << 80 << 80;
    QTest::newRow("flag cut short") << "[TITLE_USE]=FALS" << true << 80 << 80;
    QTest::newRow("flag without =") << "[TITLE_USE]FALSE" << true << 80 << 80;
    QTest::newRow("flag of a longer key") << "[TITLE_USES]=FALSE" << true << 80 << 80;
    QTest::newRow("flag after a break") << "[TITLE_USE]=\r\nFALSE" << true << 80 << 80;
    QTest::newRow("width") << "[StrColGrid1_Colwidths[3]]=42" << true << 42 << 80;
    QTest::newRow("last column") << "[StrColGrid1_Colwidths[10]]=7" << true << 80 << 7;
    QTest::newRow("past the last column") << "[StrColGrid1_Colwidths[11]]=7" << true << 80 << 80;
    QTest::newRow("negative column") << "[StrColGrid1_Colwidths[-1]]=7" << true << 80 << 80;
    QTest::newRow("no column") << "[StrColGrid1_Colwidths[]]=7" << true << 80 << 80;
    QTest::newRow("one bracket short") << "[StrColGrid1_Colwidths[3]=7" << true << 80 << 80;
    QTest::newRow("empty width") << "[StrColGrid1_Colwidths[3]]=" << true << 100 << 80;
    QTest::newRow("negative width") << "[StrColGrid1_Colwidths[3]]=-5" << true << -5 << 80;
    QTest::newRow("second = in the value") << "[StrColGrid1_Colwidths[3]]=4=2" << true << 100 << 80;
}

void TestSettingsFiles::displaySettingsOneLine()
{
    QFETCH(QString, line);
    QFETCH(bool, titleBar);
    QFETCH(int, column3);
    QFETCH(int, column10);
    DisplaySettings s;
    ApplyDisplaySettingsLines(s, {line});
    QCOMPARE(s.titleBar, titleBar);
    QCOMPARE(s.labourColumnWidths[3], column3);
    QCOMPARE(s.labourColumnWidths[10], column10);
}

void TestSettingsFiles::displaySettingsSource()
{
    QTemporaryDir dir;
    QCOMPARE(DisplaySettingsSource(dir.path(), 1280, 1024), QString());
    WriteSettingsLines(dir.filePath("kavre_p_sxga.dat"), {"[TREE_USE]=FALSE"});
    QCOMPARE(DisplaySettingsSource(dir.path(), 1280, 1024), dir.filePath("kavre_p_sxga.dat"));
    QCOMPARE(DisplaySettingsSource(dir.path(), 1920, 1080), QString());
    WriteSettingsLines(dir.filePath("kavre_p.disp"), {});
    QCOMPARE(DisplaySettingsSource(dir.path(), 1280, 1024), dir.filePath("kavre_p.disp"));
    QCOMPARE(ProgramFiles::windowPositionFile("/opt/k/kavrel"), QString("/opt/k/kavrel.ini"));
    QCOMPARE(ProgramFiles::windowPositionFile("/opt/k/kavrel.exe"), QString("/opt/k/kavrel.ini"));
}

void TestSettingsFiles::profileFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("kavrel.ini");
    QCOMPARE(ReadProfileInt(path, "zelvorit_k", "top", 7), 7);
    WriteProfileInts(path, "zelvorit_k", {{"Top", 10}, {"Left", 20}});
    QCOMPARE(ReadProfileInt(path, "zelvorit_k", "top", 7), 10);
    QCOMPARE(ReadProfileInt(path, "ZELVORIT_K", "LEFT", 7), 20);
    // Other sections and keys survive a rewrite; a changed key is updated in place.
    WriteSettingsLines(path, {"[other]", "Top=99", "[Zelvorit_k]", "top=1", "Extra=5"});
    WriteProfileInts(path, "zelvorit_k", {{"Top", 11}, {"Width", 800}});
    QCOMPARE(ReadSettingsLines(path),
             (QStringList{"[other]", "Top=99", "[Zelvorit_k]", "Top=11", "Extra=5", "Width=800"}));
    QCOMPARE(ReadProfileInt(path, "other", "top", 0), 99);
    WriteSettingsLines(path, {"[zelvorit_k]", "Top=abc"});
    QCOMPARE(ReadProfileInt(path, "zelvorit_k", "Top", 3), 3);
}

void TestSettingsFiles::displaySettingsFitTheScreen_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("column"); // as fitted to a 1280 × 1024 screen
    QTest::addColumn<int>("tree");
    QTest::addColumn<int>("height");
    QTest::newRow("designed") << 80 << 80 << 80 << 80;
    QTest::newRow("zero") << 0 << 0 << 0 << 0;
    QTest::newRow("negative") << -1 << 0 << 0 << 0;
    QTest::newRow("half the height") << 512 << 512 << 512 << 512;
    QTest::newRow("just over half the height") << 513 << 513 << 513 << 512;
    QTest::newRow("half the width") << 640 << 640 << 640 << 512;
    QTest::newRow("just over half the width") << 641 << 641 << 640 << 512;
    QTest::newRow("the screen's width") << 1280 << 1280 << 640 << 512;
    QTest::newRow("just over it") << 1281 << 1280 << 640 << 512;
    QTest::newRow("largest integer") << std::numeric_limits<int>::max() << 1280 << 640 << 512;
    QTest::newRow("smallest integer") << std::numeric_limits<int>::min() << 0 << 0 << 0;
}

void TestSettingsFiles::displaySettingsFitTheScreen()
{
    QFETCH(int, stored);
    QFETCH(int, column);
    QFETCH(int, tree);
    QFETCH(int, height);
    DisplaySettings s;
    s.treeWidth = s.labourTableHeight = stored;
    s.labourColumnWidths.back() = s.priceColumnWidths.front() = s.compositeColumnWidths[3] = stored;
    FitDisplaySettings(s, QSize(1280, 1024));
    QCOMPARE(s.treeWidth, tree);
    QCOMPARE(s.labourTableHeight, height);
    QCOMPARE(s.labourColumnWidths.back(), column);
    QCOMPARE(s.priceColumnWidths.front(), column);
    QCOMPARE(s.compositeColumnWidths[3], column);
    QCOMPARE(s.labourColumnWidths.front(), DisplaySettings().labourColumnWidths.front()); // the others stay
}

using Widths = std::vector<int>;
Q_DECLARE_METATYPE(Widths)

void TestSettingsFiles::columnsFitTheirTable_data()
{
    QTest::addColumn<Widths>("wanted");
    QTest::addColumn<Widths>("needed");
    QTest::addColumn<int>("room");
    QTest::addColumn<Widths>("shown");
    QTest::newRow("room to spare") << Widths{80, 80} << Widths{20, 20} << 200 << Widths{80, 80};
    QTest::newRow("exactly the room") << Widths{80, 80} << Widths{20, 20} << 160 << Widths{80, 80};
    QTest::newRow("one pixel over") << Widths{80, 80} << Widths{20, 20} << 159 << Widths{79, 79};
    QTest::newRow("shares by slack") << Widths{100, 50} << Widths{20, 30} << 110 << Widths{68, 42};
    QTest::newRow("the room of the needs") << Widths{100, 50} << Widths{90, 45} << 135 << Widths{90, 45};
    QTest::newRow("less than the needs") << Widths{100, 50} << Widths{90, 45} << 100 << Widths{90, 45};
    QTest::newRow("narrower than its need stays") << Widths{10, 100} << Widths{30, 20} << 60 << Widths{10, 50};
    QTest::newRow("a hidden column stays hidden") << Widths{0, 100} << Widths{30, 20} << 50 << Widths{0, 50};
    QTest::newRow("no room") << Widths{80, 80} << Widths{20, 20} << 0 << Widths{20, 20};
    QTest::newRow("negative room") << Widths{80, 80} << Widths{20, 20} << -5 << Widths{20, 20};
    QTest::newRow("needs unknown") << Widths{80, 80} << Widths{} << 100 << Widths{50, 50};
}

void TestSettingsFiles::columnsFitTheirTable()
{
    QFETCH(Widths, wanted);
    QFETCH(Widths, needed);
    QFETCH(int, room);
    QFETCH(Widths, shown);
    QCOMPARE(FitColumnWidths(wanted, needed, room), shown);
}

// Each kind of file starts where the last of its kind went; first, or when
// that folder is gone, in the documents folder; never lost for a file of
// ours that cannot be written.
void TestSettingsFiles::recentFolders()
{
    QTemporaryDir dir;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString first = QFileInfo(documents).isDir() ? documents : QDir::homePath();
    RecentFolders folders(ProgramFiles::recentFolders(dir.path()));
    QCOMPARE(folders.startFolder(FileKind::Csv), first);
    QVERIFY(QDir(dir.path()).mkpath("exports/2026"));
    QVERIFY(QDir(dir.path()).mkpath("books"));
    folders.remember(FileKind::Csv, dir.filePath("exports/2026/a,b c.CSV"));
    folders.remember(FileKind::Book, dir.filePath("books/haikan1.FDA"));
    QCOMPARE(folders.startFolder(FileKind::Csv), dir.filePath("exports/2026"));
    QCOMPARE(folders.startFolder(FileKind::Book), dir.filePath("books"));
    // Read again by the next start, in our own file only.
    QCOMPARE(RecentFolders(ProgramFiles::recentFolders(dir.path())).startFolder(FileKind::Csv),
             dir.filePath("exports/2026"));
    QVERIFY(QDir(dir.filePath("exports/2026")).removeRecursively());
    QCOMPARE(folders.startFolder(FileKind::Csv), first);
    QCOMPARE(folders.startFolder(FileKind::Book), dir.filePath("books"));
    // A settings file that cannot be written costs only the memory.
    RecentFolders nowhere(dir.filePath("missing/kavrel_folders.conf"));
    nowhere.remember(FileKind::Book, dir.filePath("books/x.FDA"));
    QCOMPARE(nowhere.startFolder(FileKind::Book), first);
}

#include "TestMain.h"
KAVREL_TEST_APPLESS_MAIN(TestSettingsFiles)
#include "TestSettingsFiles.moc"
