#include "ApplicationTitle.h"
#include "GuardedApplication.h"
#include "InformationCommands.h"
#include "MainWindowProgram.h"
#include "ManualWindow.h"
#include "PriceBookFile.h"
#include "SampleBooks.h"
#include "SettingsLines.h"
#include "TGradPan.h"
#include "TIconButton.h"
#include "TStrColGrid.h"
#include "TestUnits.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLayout>
#include <QScrollBar>
#include <QStatusBar>
#include <QTabBar>
#include <QTest>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QUrl>

namespace {

// The network edition on the sample book of category 1, and a file of the
// user's, "mine.FDA", holding the sample book of category 4.
struct FileProgram : MainWindowProgram {
    explicit FileProgram(const QString& name = QStringLiteral("net_kavrel"))
        : MainWindowProgram(Options().named(name).preparing([](const QString& kanzai) {
              WritePriceBookFile(kanzai + "/haikan1.FDA", SampleBook(0), 0);
              WritePriceBookFile(kanzai + "/../mine.FDA", SampleBook(3), 0);
          }))
    {
    }
    QString mine() const { return QDir::toNativeSeparators(dir.filePath("mine.FDA")); }
    // A change of the loaded book, as a price store makes it.
    void change() { session().StorePrice(ListLevel, 2, units(4321)); }
    // Answers the next message box with `button`, keeping its text.
    void answer(const char* button) { seam.dialogAnswers.push_back(Press(button, &texts)); }
    QStringList texts;
};

QString shown(const QString& text) { return QString(text).replace("\r\n", "\n"); }

} // namespace

class TestFileCommands : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { SetApplicationTitle(QStringLiteral("Zavrikon（管材編）")); }
    void loadAsksFirstAndKeepsTheBookWhenCancelled_data();
    void loadAsksFirstAndKeepsTheBookWhenCancelled();
    void loadShowsTheFirstMaterialOfTheFile();
    void failedLoadKeepsTheBook();
    void saveAsThenSaveWritesTheNewName();
    void failedSaveReportsAndKeepsTheChanges();
    void titleStripButtonSavesQuietly();
    void releaseVersion();
    void areaToggles_data();
    void areaToggles();
    void areasSurviveARestart();
    void helpOpensTheHelpFileElseTheManual_data();
    void helpOpensTheHelpFileElseTheManual();
    void helpWithoutAHandlerShowsTheManualItself();
    void manualIsInTheProgramFolder();
};

void TestFileCommands::loadAsksFirstAndKeepsTheBookWhenCancelled_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("saved");
    QTest::newRow("キャンセル, then no file") << "button2" << false;
    QTest::newRow("実行, then no file") << "button1" << true;
}

void TestFileCommands::loadAsksFirstAndKeepsTheBookWhenCancelled()
{
    QFETCH(QString, button);
    QFETCH(bool, saved);
    FileProgram p;
    p.change();
    const PriceBook book = p.session().book();
    p.answer(button.toLatin1().constData());
    p.seam.openAnswers.push_back(QString());
    p.action("file_read")->trigger();
    QCOMPARE(p.texts, QStringList{shown(QString::fromUtf8("現在の編集内容を保存しますか？\r\n") + p.book(1))});
    QVERIFY(p.seam.asked.last().startsWith("open "));
    QVERIFY(p.seam.asked.last().endsWith(QString::fromUtf8("複合単価管材ファイル (*.FDA *.fda);;全てのファイル (*)")));
    // The old book stays, and unsaved changes stay unsaved, to be asked
    // about again.
    QVERIFY(p.session().book() == book);
    QCOMPARE(p.session().currentPath(), p.book(1));
    QCOMPARE(p.session().modified(), !saved);
    QCOMPARE(p.session().recordBaseCode(), 0);
    QCOMPARE(ReadPriceBookFile(p.book(1)).row(2).listPrice == units(4321), saved);
    QVERIFY(p.seam.unexpected.isEmpty());
}

void TestFileCommands::loadShowsTheFirstMaterialOfTheFile()
{
    FileProgram p;
    p.clickTree(0, 3);
    p.window->TabControl1->setCurrentIndex(2);
    p.change();
    p.answer("button2");
    p.seam.openAnswers.push_back(p.dir.filePath("mine")); // typed without extension
    p.action("file_read")->trigger();
    const PriceBook mine = SampleBook(3);
    QCOMPARE(p.session().currentPath(), p.mine());
    QCOMPARE(p.window->statusPanels[5]->text(), p.mine());
    QCOMPARE(p.session().currentMaterial(), 0);
    QCOMPARE(p.window->TabControl1->currentIndex(), 0);
    QCOMPARE(p.window->statusPanels[0]->text(), mine.row(0, 1).headerText.text());
    QCOMPARE(p.window->StrColGrid2->Cells(0, 1), mine.row(0, 1).sizeName.text());
    QVERIFY(!p.window->N2->isEnabled());
    QVERIFY(!p.session().modified());
    // The tree still names the category, whose book the file stands in for.
    QCOMPARE(p.window->TreeView1->currentItem(), p.treeItem(0, 3));
    QCOMPARE(p.session().currentCategory(), 0);
    // Saves go to the file, numbering records from 13201.
    p.answer("button1");
    p.window->N1->trigger();
    QCOMPARE(ReadPriceBookFile(p.mine()).row(1).recordNo, units(13201));
    QCOMPARE(ReadPriceBookFile(p.book(1)).row(2).listPrice == units(4321), false);
    QVERIFY(p.seam.unexpected.isEmpty());
}

void TestFileCommands::failedLoadKeepsTheBook()
{
    FileProgram p;
    p.change();
    QFile damaged(p.dir.filePath("short.FDA"));
    QVERIFY(damaged.open(QIODevice::WriteOnly));
    damaged.write(QByteArray(1000, 'x'));
    damaged.close();
    const PriceBook book = p.session().book();
    p.answer("button2");
    p.seam.openAnswers.push_back(damaged.fileName());
    p.run("file_read");
    QCOMPARE(p.seam.errors.size(), 1);
    QVERIFY(p.seam.errors.first().contains(QDir::toNativeSeparators(damaged.fileName())));
    QVERIFY(p.session().book() == book);
    QCOMPARE(p.session().currentPath(), p.book(1));
    QCOMPARE(p.window->statusPanels[5]->text(), p.book(1));
    QCOMPARE(p.session().recordBaseCode(), 0);
    QVERIFY(p.session().modified());
}

void TestFileCommands::saveAsThenSaveWritesTheNewName()
{
    FileProgram p;
    p.change();
    const QString other = QDir::toNativeSeparators(p.dir.filePath("other.FDA"));
    p.seam.saveAnswers = {QString(), other};
    p.action("SaveAs")->trigger(); // cancelled: nothing written
    QVERIFY(!QFile::exists(other));
    QVERIFY(p.session().modified());
    p.action("SaveAs")->trigger();
    QVERIFY(p.seam.asked.last().endsWith(QString::fromUtf8("全てのファイル (*) FDA")));
    QVERIFY(!p.session().modified());
    QCOMPARE(p.window->statusPanels[5]->text(), other);
    p.session().StorePrice(ListLevel, 3, units(999));
    p.answer("button1");
    p.window->N1->trigger();
    QCOMPARE(p.texts, QStringList{shown(QString::fromUtf8("保存しました。\r\n") + other)});
    QCOMPARE(ReadPriceBookFile(other).row(3).listPrice, units(999));
    QCOMPARE(ReadPriceBookFile(p.book(1)).row(3).listPrice == units(999), false);
    QVERIFY(p.seam.unexpected.isEmpty());
}

void TestFileCommands::failedSaveReportsAndKeepsTheChanges()
{
    FileProgram p;
    p.change();
    // The folder of the book is gone, as a shared folder may go.
    QVERIFY(QDir(p.dir.filePath("kanzai")).removeRecursively());
    p.run("N1");
    QCOMPARE(p.seam.errors.size(), 1);
    QVERIFY(p.seam.errors.first().contains(p.book(1)));
    QVERIFY(p.texts.isEmpty()); // no "保存しました。"
    QVERIFY(p.seam.unexpected.isEmpty());
    QVERIFY(p.session().modified());
    QCOMPARE(p.window->statusPanels[5]->text(), p.book(1));
}

void TestFileCommands::titleStripButtonSavesQuietly()
{
    FileProgram p;
    p.change();
    p.window->IconButton11->click();
    QCOMPARE(ReadPriceBookFile(p.book(1)).row(2).listPrice, units(4321));
    QVERIFY(!p.session().modified());
    QVERIFY(p.seam.asked.isEmpty());
}

void TestFileCommands::releaseVersion()
{
    FileProgram p;
    p.answer("button1");
    p.action("N23")->trigger();
    QCOMPARE(p.texts, QStringList{shown(QString::fromUtf8("Zavrikon（管材編）\r\nRelease 20040815A"))});
}

// Each row switches the areas in turn (t title strip, b top bar, r tree,
// s status bar; upper case on, lower case off).
void TestFileCommands::areaToggles_data()
{
    QTest::addColumn<QString>("steps");
    QTest::addColumn<int>("topBarY"); // -1: hidden
    QTest::newRow("both shown") << "" << 31;
    QTest::newRow("title strip hidden") << "t" << 0;
    QTest::newRow("top bar on while the title strip is hidden") << "tbB" << 0;
    QTest::newRow("title strip back on top") << "tbBT" << 31;
    QTest::newRow("top bar on below the title strip") << "bB" << 31;
    QTest::newRow("top bar off") << "b" << -1;
    QTest::newRow("tree and status bar off and on") << "rsRS" << 31;
}

void TestFileCommands::areaToggles()
{
    QFETCH(QString, steps);
    QFETCH(int, topBarY);
    FileProgram p;
    TFTANKAREGIST& w = *p.window;
    for (QChar step : steps) {
        QAction* item = nullptr;
        switch (step.toLower().toLatin1()) {
        case 't': item = w.title_bar; break;
        case 'b': item = w.top_bar; break;
        case 'r': item = w.tree_list; break;
        case 's': item = w.status_bar; break;
        }
        QCOMPARE(item->isChecked(), !step.isUpper());
        item->trigger();
        QCOMPARE(item->isChecked(), step.isUpper());
        QCoreApplication::processEvents();
    }
    w.centralWidget()->layout()->activate();
    QCOMPARE(w.title_panel->isVisible(), w.title_bar->isChecked());
    QCOMPARE(w.TreeView1->isVisible(), w.tree_list->isChecked());
    QCOMPARE(w.StatusBar1->isVisible(), w.status_bar->isChecked());
    if (w.title_bar->isChecked())
        QCOMPARE(w.title_panel->y(), 0);
    QCOMPARE(w.top_panel->isVisible(), topBarY >= 0);
    if (topBarY >= 0) {
        QCOMPARE(w.top_panel->y(), topBarY);
        if (w.title_panel->isVisible())
            QCOMPARE(w.top_panel->y(), w.title_panel->y() + w.title_panel->height() + 1);
    }
}

void TestFileCommands::areasSurviveARestart()
{
    FileProgram p;
    p.window->top_bar->trigger();
    p.window->status_bar->trigger();
    p.close();
    const QStringList lines = ReadSettingsLines(p.dir.filePath("kavre_p.disp"));
    QCOMPARE(lines.mid(1, 4), (QStringList{"[TITLE_USE]=TRUE", "[TOP_USE]=FALSE", "[TREE_USE]=TRUE", "[STATUS_USE]=FALSE"}));
    p.open();
    QVERIFY(p.window->title_bar->isChecked());
    QVERIFY(!p.window->top_bar->isChecked());
    QVERIFY(p.window->top_panel->isHidden());
    QVERIFY(!p.window->status_bar->isChecked());
    QVERIFY(p.window->StatusBar1->isHidden());
    QVERIFY(!p.window->TreeView1->isHidden());
}

void TestFileCommands::helpOpensTheHelpFileElseTheManual_data()
{
    QTest::addColumn<bool>("helpFile");
    QTest::addColumn<bool>("helpOpens");
    QTest::addColumn<bool>("manual");
    QTest::addColumn<QString>("opened"); // "" for none
    QTest::newRow("help file") << true << true << true << "kavrel.CHM";
    QTest::newRow("help file without a handler") << true << false << true << "manual/index.html";
    QTest::newRow("no help file") << false << true << true << "manual/index.html";
    QTest::newRow("neither") << false << true << false << "";
    QTest::newRow("only a help file without a handler") << true << false << false << "";
}

void TestFileCommands::helpOpensTheHelpFileElseTheManual()
{
    QFETCH(bool, helpFile);
    QFETCH(bool, helpOpens);
    QFETCH(bool, manual);
    QFETCH(QString, opened);
    QTemporaryDir folder;
    const auto write = [&](const QString& name) {
        QDir(folder.path()).mkpath(QFileInfo(folder.filePath(name)).path());
        QFile f(folder.filePath(name));
        QVERIFY(f.open(QIODevice::WriteOnly));
    };
    if (helpFile)
        write("kavrel.CHM");
    if (manual)
        write("manual/index.html");
    QStringList tried;
    const bool result = OpenHelp(folder.path(), [&](const QUrl& url) {
        tried << QDir(folder.path()).relativeFilePath(url.toLocalFile());
        return helpOpens || !url.toLocalFile().endsWith(".CHM");
    });
    QCOMPARE(result, !opened.isEmpty());
    if (!opened.isEmpty())
        QCOMPARE(tried.last(), opened);
    QCOMPARE(tried.contains("kavrel.CHM"), helpFile);
}

// With no handler for HTML on the desktop, help shows the manual in a
// window of its own, its contents linking to its sections; without a manual
// it says so.
void TestFileCommands::helpWithoutAHandlerShowsTheManualItself()
{
    FileProgram p;
    QStringList texts;
    p.seam.dialogAnswers.push_back(Press("button1", &texts));
    p.action("N13")->trigger();
    QCOMPARE(texts.size(), 1);
    QVERIFY(texts[0].startsWith(QString::fromUtf8("取扱説明書が見つかりません。")));
    QVERIFY(!p.window->findChild<ManualWindow*>());

    QDir(p.dir.path()).mkpath("manual");
    QVERIFY(QFile::copy(qEnvironmentVariable("KAVREL_PROGRAM_DIR") + "/manual/index.html",
                        p.dir.filePath("manual/index.html")));
    p.action("N13")->trigger();
    auto* manual = p.window->findChild<ManualWindow*>();
    QVERIFY(manual);
    QVERIFY(manual->isVisible());
    QVERIFY(!manual->isModal());
    QVERIFY(manual->browser->toPlainText().contains(QString::fromUtf8("やり直し")));
    // A link of the contents moves to its section.
    QCOMPARE(manual->browser->verticalScrollBar()->value(), 0);
    manual->browser->setSource(QUrl::fromLocalFile(p.dir.filePath("manual/index.html")).resolved(QUrl("#editing")));
    QVERIFY(manual->browser->verticalScrollBar()->value() > 0);
    QVERIFY(p.seam.unexpected.isEmpty());
}

void TestFileCommands::manualIsInTheProgramFolder()
{
    QFile manual(qEnvironmentVariable("KAVREL_PROGRAM_DIR") + "/manual/index.html");
    QVERIFY2(manual.open(QIODevice::ReadOnly), qPrintable(manual.fileName()));
    const QString text = QString::fromUtf8(manual.readAll());
    QVERIFY(text.contains("<html lang=\"ja\">"));
    for (const char* section : {"起動", "管種・管材・シートの選択", "キー操作", "編集", "保存", "CSV出力と印刷", "配管材入力ダイアログ"})
        QVERIFY2(text.contains(QString::fromUtf8(section)), section);
}

static int runTestFileCommands(int argc, char** argv)
{
    GuardedApplication app(argc, argv);
    TestFileCommands test;
    return QTest::qExec(&test, argc, argv);
}

#include "TestMain.h"
KAVREL_TEST_CUSTOM_MAIN(TestFileCommands, runTestFileCommands)

#include "TestFileCommands.moc"
