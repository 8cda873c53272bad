#include "AtomicFile.h"
#include "BadInputCorpus.h"
#include "CommandCancelled.h"
#include "DataFileConfig.h"
#include "FileError.h"
#include "MainWindowFixture.h"
#include "MaterialSettings.h"
#include "PriceBookFile.h"
#include "ProfileFile.h"
#include "SettingsLines.h"
#include "ShiftJis.h"
#include "TStrColGrid.h"
#include "TestFiles.h"
#include "ValueOverflow.h"
#include "TestUnits.h"

#include <QAction>
#include <QHostInfo>
#include <QProcess>
#include <QScopeGuard>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QTreeWidget>

#include <cerrno>
#include <cstring>
#include <limits>
#include <sys/stat.h>

Q_DECLARE_METATYPE(BadInput)

namespace {

bool isPipe(const QString& path)
{
    struct stat st {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 && S_ISFIFO(st.st_mode);
}

// The configuration lines of the defaults, with line ends of the caller's choice.
QByteArray configBytes(const QString& folder, const QByteArray& lineEnd, int leaveOutFile = -1)
{
    const DataFileConfig config = DefaultDataFileConfig(folder);
    QByteArray bytes;
    for (int k = 0; k < CategoryCount; ++k)
        bytes += ShiftJis::encode(GroupNameKey(k) + "=" + config.groupName[k]) + lineEnd;
    for (int k = 0; k < CategoryCount; ++k) {
        if (k != leaveOutFile)
            bytes += ShiftJis::encode(FileNameKey(k) + "=" + config.fileName[k]) + lineEnd;
    }
    return bytes;
}

} // namespace

class TestMainWindowFiles : public QObject {
    Q_OBJECT
private slots:
    void colleaguesSaveIsNotOverwrittenSilently();
    void anotherProcessesSaveIsNotOverwrittenSilently();
    void fullDiskKeepsTheEdits();
    void pipeAsCategoryBookAtStartUp();
    void categoryWithoutAFileNamesTheConfiguration();
    void configurationWithBareCarriageReturns();
    void hugeWindowSizeIsFitted_data();
    void hugeWindowSizeIsFitted();
    void displaySettingsFitTheScreen();
    void columnsSetByHandStand();
    void badInputsInTheWindow_data();
    void badInputsInTheWindow();
};

// Two programs on one folder: the second to save is asked before it
// replaces the first one's save, and keeps its edits when it declines.
void TestMainWindowFiles::colleaguesSaveIsNotOverwrittenSilently()
{
    Program a("1;1;");
    // The second program runs from the same folder; the seam answers for both.
    TFTANKAREGIST b(a.dir.filePath("kavrel"), QStringList{"1;1;"});
    Tkvconfig bConfig(a.dir.path(), &b);
    b.setConfigDialog(&bConfig);
    // It is told once that the book is open elsewhere, and by whom.
    QStringList opened;
    a.seam.dialogAnswers.push_back(Press("button1", &opened));
    b.show();
    QVERIFY(QTest::qWaitForWindowExposed(&b));
    const QString book = a.book(1);
    QCOMPARE(b.session().currentPath(), book);
    QCOMPARE(opened.size(), 1);
    QVERIFY2(opened[0].contains(QHostInfo::localHostName()) && opened[0].contains(QString::fromUtf8("開いています")),
             qPrintable(opened[0]));

    b.session().StorePrice(ListLevel, 2, units(777));
    a.seam.dialogAnswers.push_back(Press("button1")); // the notice after the save
    b.N1->trigger();
    const QByteArray theirs = FileBytes(book);

    a.session().StorePrice(ListLevel, 2, units(5));
    QStringList texts;
    a.seam.dialogAnswers.push_back(Press("button2", &texts)); // キャンセル: keep theirs
    a.window->N1->trigger(); // cancelled: nothing written, nothing to report
    QCOMPARE(texts.size(), 1);
    QVERIFY2(texts[0].contains(book) && texts[0].contains(QString::fromUtf8("変更されています")), qPrintable(texts[0]));
    QCOMPARE(FileBytes(book), theirs);
    QVERIFY(a.session().modified());

    // Closing asks to save; declining the overwrite keeps the window open.
    a.seam.dialogAnswers.push_back(Press("button1", &texts)); // 実行: save
    a.seam.dialogAnswers.push_back(Press("button2", &texts)); // キャンセル: do not overwrite
    a.window->close();
    QVERIFY(a.window->isVisible());
    QCOMPARE(FileBytes(book), theirs);
    QCOMPARE(a.session().work().row(2).listPrice, units(5));

    a.seam.dialogAnswers.push_back(Press("button1")); // 実行: save
    a.seam.dialogAnswers.push_back(Press("button1")); // 実行: overwrite
    a.window->close();
    QVERIFY(!a.window->isVisible());
    QCOMPARE(ReadPriceBookFile(book).row(0, 2).listPrice, units(5));
    QVERIFY(a.seam.unexpected.isEmpty());
    QVERIFY(a.seam.errors.isEmpty());
}

// The other program a process of its own: the command-line tool recomputes
// and saves the book on the shared folder while the window holds edits.
void TestMainWindowFiles::anotherProcessesSaveIsNotOverwrittenSilently()
{
    Program a("1;1;");
    const QString book = a.book(1);
    const QByteArray loaded = FileBytes(book);
    a.session().StorePrice(ListLevel, 2, units(5));
    QProcess other;
    other.start(qEnvironmentVariable("KAVREL_PROGRAM_DIR") + "/pricebook", {"recompute", book});
    QVERIFY(other.waitForFinished(60000));
    QCOMPARE(other.exitCode(), 0);
    const QByteArray theirs = FileBytes(book);
    QVERIFY(theirs != loaded); // numbered from 1 as its save numbers them

    QStringList texts;
    a.seam.dialogAnswers.push_back(Press("button2", &texts)); // キャンセル: keep theirs
    a.window->N1->trigger();
    QCOMPARE(FileBytes(book), theirs);
    a.seam.dialogAnswers.push_back(Press("button1", &texts)); // 実行: overwrite
    a.seam.dialogAnswers.push_back(Press("button1")); // the notice after the save
    a.window->N1->trigger();
    QCOMPARE(ReadPriceBookFile(book).row(0, 2).listPrice, units(5));
    // Nobody wrote it since: the next save asks nothing.
    a.session().StorePrice(ListLevel, 2, units(6));
    a.seam.dialogAnswers.push_back(Press("button1")); // the notice after the save
    a.window->N1->trigger();
    QCOMPARE(ReadPriceBookFile(book).row(0, 2).listPrice, units(6));
    QCOMPARE(texts.size(), 2);
    QVERIFY(texts[0].contains(book));
    QVERIFY(a.seam.unexpected.isEmpty());
    QVERIFY(a.seam.errors.isEmpty());
}

namespace {

ssize_t diskFull(int, const void*, size_t)
{
    errno = ENOSPC;
    return -1;
}

} // namespace

// A save on a full disk is a failed save: its reason is shown, the book on
// disk is the old one and the edits stay, also through a close.
void TestMainWindowFiles::fullDiskKeepsTheEdits()
{
    Program p("1;1;");
    const QString book = p.book(1);
    const QByteArray before = FileBytes(book);
    p.session().StorePrice(ListLevel, 2, units(5));
    const DiskCalls saved = SaveDiskCalls();
    const auto restore = qScopeGuard([saved] { SaveDiskCalls() = saved; });
    SaveDiskCalls().write = diskFull;
    p.window->N1->trigger();
    QCOMPARE(p.seam.errors.size(), 1);
    for (const QString& part : {book, QString::fromUtf8("空き容量がありません")})
        QVERIFY2(p.seam.errors[0].contains(part), qPrintable(p.seam.errors[0]));
    QVERIFY(p.session().modified());
    QCOMPARE(FileBytes(book), before);

    p.seam.dialogAnswers.push_back(Press("button1")); // 実行: save
    p.window->close();
    QVERIFY(p.window->isVisible());
    QCOMPARE(p.seam.errors.size(), 2);
    QVERIFY2(p.seam.errors[1].contains(QString::fromUtf8("空き容量がありません")), qPrintable(p.seam.errors[1]));
    QCOMPARE(FileBytes(book), before);

    SaveDiskCalls() = saved; // room again
    p.seam.dialogAnswers.push_back(Press("button1"));
    p.window->close();
    QVERIFY(!p.window->isVisible());
    QCOMPARE(ReadPriceBookFile(book).row(0, 2).listPrice, units(5));
}

void TestMainWindowFiles::pipeAsCategoryBookAtStartUp()
{
    Program p("", false);
    QCOMPARE(::mkfifo(QFile::encodeName(p.book(3)).constData(), 0644), 0);
    p.open("3;1;"); // must not block on the pipe
    // Its labels cannot be read, nor can it be opened.
    QCOMPARE(p.seam.errors.size(), 2);
    for (const QString& error : p.seam.errors) {
        for (const QString& part : {p.book(3), QString::fromUtf8("カテゴリ 3「通気」"), QString::fromUtf8("名前付きパイプ")})
            QVERIFY2(error.contains(part), qPrintable(error));
    }
    QCOMPARE(p.session().currentPath(), p.session().scratchFile());
    // Still usable: another category opens.
    p.window->TreeView1->setCurrentItem(p.treeItem(1, 1));
    emit p.window->TreeView1->itemClicked(p.treeItem(1, 1), 0);
    QCOMPARE(p.session().currentPath(), p.book(2));
    QCOMPARE(p.session().currentMaterial(), 1);
    QVERIFY(isPipe(p.book(3)));
}

void TestMainWindowFiles::categoryWithoutAFileNamesTheConfiguration()
{
    Program p("", false);
    PutFileBytes(p.dir.filePath("kavre_p.conf"), configBytes(p.dir.path(), "\r\n", 2));
    p.open("3;1;");
    QCOMPARE(p.seam.errors.size(), 1);
    const QString error = p.seam.errors.first();
    for (const QString& part : {QDir::toNativeSeparators(p.dir.filePath("kavre_p.conf")), QString("[FILE_NAME3]"),
                                QString::fromUtf8("カテゴリ 3「通気」")})
        QVERIFY2(error.contains(part), qPrintable(error));
    QCOMPARE(p.session().currentPath(), p.session().scratchFile());
    // Choosing it later says the same.
    emit p.window->TreeView1->itemClicked(p.treeItem(2, 0), 0);
    QCOMPARE(p.seam.errors.size(), 2);
    QCOMPARE(p.seam.errors.last(), error);
}

// Lines ended by CR alone are lines all the same.
void TestMainWindowFiles::configurationWithBareCarriageReturns()
{
    Program p("", false);
    PutFileBytes(p.dir.filePath("kavre_p.conf"), configBytes(p.dir.path(), "\r"));
    p.open("3;2;");
    QVERIFY2(p.seam.errors.isEmpty(), qPrintable(p.seam.errors.join('\n')));
    QCOMPARE(p.session().currentPath(), p.book(3));
    QCOMPARE(p.window->TreeView1->topLevelItem(9)->text(0), QString::fromUtf8("冷媒"));
}

void TestMainWindowFiles::hugeWindowSizeIsFitted_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::newRow("32767") << 32767 << 32767;
    QTest::newRow("largest integer") << std::numeric_limits<int>::max() << std::numeric_limits<int>::max();
    QTest::newRow("wide only") << 100000 << 700;
    QTest::newRow("negative") << -2147483647 << -5;
}

void TestMainWindowFiles::hugeWindowSizeIsFitted()
{
    QFETCH(int, width);
    QFETCH(int, height);
    Program p("", false);
    WriteProfileInts(p.dir.filePath("kavrel.ini"), "zelvorit_k", {{"Width", width}, {"Height", height}});
    p.open("");
    const QRect work = p.window->screen()->availableGeometry();
    const QSize outer = p.window->frameGeometry().size();
    QVERIFY2(outer.width() <= work.width() && outer.height() <= work.height(),
             qPrintable(QStringLiteral("%1 x %2").arg(outer.width()).arg(outer.height())));
    QVERIFY(outer.width() >= 100 && outer.height() >= 100);
    if (height == 700)
        QCOMPARE(outer.height(), 700);
    // The table paints in bounded time and memory.
    p.window->StrColGrid3->grab();
    p.close();
    const int written = ReadProfileInt(p.dir.filePath("kavrel.ini"), "zelvorit_k", "Width", 0);
    QVERIFY(written <= work.width());
}

void TestMainWindowFiles::displaySettingsFitTheScreen()
{
    Program p("", false);
    WriteSettingsLines(p.dir.filePath("kavre_p.disp"),
                       {"[TREEVIEW_WIDTH]=2147483647", "[StrColGrid1]=2147483647", "[StrColGrid1_Colwidths[10]]=2147483647",
                        "[StrColGrid2_Colwidths[0]]=-2147483647", "[StrColGrid3_Colwidths[7]]=99999"});
    p.open("");
    const QRect work = p.window->screen()->availableGeometry();
    QVERIFY(p.window->StrColGrid1->ColWidths(10) <= work.width());
    QCOMPARE(p.window->StrColGrid2->ColWidths(0), 0);
    QVERIFY(p.window->StrColGrid3->ColWidths(7) <= work.width());
    // The tree and the labour table leave room for the other tables.
    QVERIFY(p.window->TreeView1->width() <= work.width() / 2);
    QVERIFY(p.window->StrColGrid1->height() <= work.height() / 2);
    p.close();
    // Nothing out of reach is written back.
    for (const QString& line : ReadSettingsLines(p.dir.filePath("kavre_p.disp"))) {
        bool ok = false;
        const int value = SplitSettingsLine(line).value.toInt(&ok);
        if (ok)
            QVERIFY2(value >= 0 && value <= work.width(), qPrintable(line));
    }
}

// Columns too wide for the table are shown narrowed, and the widths the user
// had are written back for the screen they came from; a width set by hand
// is shown and written as set.
void TestMainWindowFiles::columnsSetByHandStand()
{
    Program p("", false);
    QStringList wide;
    for (int c = 0; c < 8; ++c)
        wide << QStringLiteral("[StrColGrid2_Colwidths[%1]]=400").arg(c);
    WriteSettingsLines(p.dir.filePath("kavre_p.disp"), wide);
    const auto written = [&p](int column) {
        const QString key = QStringLiteral("[StrColGrid2_Colwidths[%1]]").arg(column);
        for (const QString& line : ReadSettingsLines(p.dir.filePath("kavre_p.disp")))
            if (SplitSettingsLine(line).key == key)
                return SplitSettingsLine(line).value.toInt();
        return -1;
    };
    p.open("");
    QTRY_VERIFY(!p.window->StrColGrid2->horizontalScrollBar()->isVisible());
    QVERIFY(p.window->StrColGrid2->ColWidths(1) < 400);
    p.close();
    QCOMPARE(written(1), 400);

    p.open("");
    p.seam.inputAnswers.push_back(QStringLiteral("150"));
    p.action("N14")->trigger();
    const int first = p.window->StrColGrid2->ColWidths(0); // as shown when the user set the others
    p.window->resize(p.window->size() - QSize(100, 0));
    QTest::qWait(20);
    QCOMPARE(p.window->StrColGrid2->ColWidths(1), 150);
    QCOMPARE(p.window->StrColGrid2->ColWidths(0), first);
    p.close();
    QCOMPARE(written(0), first);
    QCOMPARE(written(7), 150);
}

void TestMainWindowFiles::badInputsInTheWindow_data()
{
    QTest::addColumn<BadInput>("input");
    for (const BadInput& input : BadInputs()) {
        if (QStringList{"book", "disp", "conf", "ini"}.contains(input.kind))
            QTest::newRow(qPrintable(input.file + " as " + input.kind)) << input;
    }
}

// The window opens each bad file of the corpus where it would find it: a
// message naming the file where one is due, a window that still works, and
// the file as it was.
void TestMainWindowFiles::badInputsInTheWindow()
{
    QFETCH(BadInput, input);
    Program p("", false);
    const QMap<QString, QString> places{{"book", p.book(3)},
                                        {"disp", p.dir.filePath("kavre_p.disp")},
                                        {"conf", p.dir.filePath("kavre_p.conf")},
                                        {"ini", p.dir.filePath("kavrel.ini")}};
    const QString path = QDir::toNativeSeparators(places[input.kind]);
    if (!PlaceBadInput(input, path, p.dir.path()))
        QSKIP("this process may not make such a file");
    const QByteArray before = StateOf(path);
    p.open(input.kind == "book" ? "3;1;" : "");

    const QString shown = input.window();
    const QString errors = p.seam.errors.join("\n");
    if (shown == "quiet")
        QVERIFY2(p.seam.errors.isEmpty(), qPrintable(errors));
    else if (shown == "overflow")
        QVERIFY2(p.seam.errors.size() == 1 && errors.contains(QString::fromUtf8("管材1")), qPrintable(errors));
    else
        QVERIFY2(!p.seam.errors.isEmpty() && errors.contains(path), qPrintable(errors));
    QCOMPARE(StateOf(path), before);

    // Still usable: another material of the loaded book is shown.
    const int category = p.session().currentCategory();
    p.window->TreeView1->setCurrentItem(p.treeItem(category, 2));
    try {
        emit p.window->TreeView1->itemClicked(p.treeItem(category, 2), 0);
    } catch (const ValueOverflow&) {
        // A book of junk cannot be computed anywhere; the material is shown as stored.
        QCOMPARE(shown, QString("overflow"));
    }
    QCOMPARE(p.session().currentMaterial(), 2);
    QVERIFY(p.seam.unexpected.isEmpty());
    p.window->close();
    QVERIFY(!p.window->isVisible());
    // A book is not written by a close without changes; a settings file that
    // is no regular file stays what it is.
    if (input.kind == "book" || input.error)
        QCOMPARE(StateOf(path), before);
}

#include "TestMain.h"
KAVREL_TEST_MAIN(TestMainWindowFiles)
#include "TestMainWindowFiles.moc"
