// Installs the build under a temporary prefix as a package would lay it out
// and checks what a user meets there: the launchers, the desktop entries and
// their icons, the manual pages, the sample books, and a start through the
// launcher that sets up the user's program folder.
#include "ToolTestSupport.h"

#include <QDir>
#include <QDirIterator>
#include <QImage>

namespace {

QStringList listFrom(const char* commaList) { return QString(commaList).split(',', Qt::SkipEmptyParts); }

// The keys of a desktop entry file, as "key=value" lines below its group line.
QMap<QString, QString> desktopEntry(const QString& path)
{
    QMap<QString, QString> keys;
    for (const QString& line : QString::fromUtf8(readAll(path)).split('\n')) {
        const qsizetype eq = line.indexOf('=');
        if (eq > 0)
            keys.insert(line.left(eq), line.mid(eq + 1));
    }
    return keys;
}

struct Install {
    QTemporaryDir root;
    QString prefix = root.filePath("prefix");
    QString programs = QDir(prefix).filePath(KAVREL_INSTALL_DIR);
    QString bin = QDir(prefix).filePath(KAVREL_BIN_DIR);
    QString share = QDir(prefix).filePath(KAVREL_SHARE_DIR);
    QString error;

    Install()
    {
        QProcess p;
        p.start(KAVREL_CMAKE_COMMAND, {"--install", KAVREL_BUILD_DIR, "--prefix", prefix});
        if (!p.waitForFinished(120000) || p.exitCode() != 0)
            error = QString::fromUtf8(p.readAllStandardError() + p.readAllStandardOutput());
    }
    QString inShare(const QString& path) const { return QDir(share).filePath(path); }
};

// The launcher as the desktop starts it: no display to report on, the
// user's data folder where the test says.
Run launch(const QString& launcher, const QStringList& args, const QString& dataHome)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("DISPLAY");
    env.remove("WAYLAND_DISPLAY");
    env.insert("XDG_DATA_HOME", dataHome);
    p.setProcessEnvironment(env);
    p.start(launcher, args);
    return finish(p);
}

} // namespace

class TestInstalledLayout : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void demoFolderHoldsWhatTheProgramFolderHolds();
    void desktopEntriesNameTheirLauncherAndIcons();
    void everyCommandHasAManualPage();
    void programFolderShipsTheSampleBooks();
    void programFolderShipsTheManual();
    void launcherSetsUpTheUserFolderAndRunsTheProgram();
    void launcherRefusesAnUnknownProgram();

private:
    Install* install_ = nullptr;
};

void TestInstalledLayout::initTestCase()
{
    install_ = new Install;
    QVERIFY2(install_->error.isEmpty(), qPrintable(install_->error));
}

void TestInstalledLayout::demoFolderHoldsWhatTheProgramFolderHolds()
{
    const QStringList demo = listFrom(KAVREL_DEMO_FILES);
    for (const QFileInfo& file : QDir(install_->programs).entryInfoList(QDir::Files))
        QVERIFY2(demo.contains(file.fileName()), qPrintable(file.fileName() + " is missing from the demo folder"));
}

void TestInstalledLayout::desktopEntriesNameTheirLauncherAndIcons()
{
    for (const QString& name : listFrom(KAVREL_LAUNCHED_PROGRAMS)) {
        const QString path = install_->inShare("applications/" + name + ".desktop");
        QVERIFY2(QFileInfo::exists(path), qPrintable(path));
        QCOMPARE(readAll(path).left(16), QByteArray("[Desktop Entry]\n"));
        const QMap<QString, QString> entry = desktopEntry(path);
        for (const char* key : {"Name", "Name[ja]", "Comment", "Comment[ja]", "Icon", "Exec", "Categories"})
            QVERIFY2(!entry.value(key).isEmpty(), qPrintable(name + ": no " + key));
        QVERIFY(entry.value("Name[ja]") != entry.value("Name"));

        const QString command = entry.value("Exec").section(' ', 0, 0);
        QVERIFY2(QFileInfo(QDir(install_->bin).filePath(command)).isExecutable(), qPrintable(command));

        const QString icon = entry.value("Icon");
        QVERIFY(QFileInfo::exists(install_->inShare("icons/hicolor/scalable/apps/" + icon + ".svg")));
        for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
            const QString png = install_->inShare(QString("icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(icon));
            const QImage image(png);
            QVERIFY2(!image.isNull(), qPrintable(png));
            QCOMPARE(image.size(), QSize(size, size));
        }
    }
}

void TestInstalledLayout::everyCommandHasAManualPage()
{
    const QFileInfoList commands = QDir(install_->bin).entryInfoList(QDir::Files);
    QVERIFY(!commands.isEmpty());
    for (const QFileInfo& command : commands) {
        const QString page = install_->inShare("man/man1/" + command.fileName() + ".1.gz");
        QVERIFY2(QFileInfo(page).size() > 0, qPrintable(page));
        QVERIFY2(command.isExecutable(), qPrintable(command.filePath()));
    }
}

void TestInstalledLayout::programFolderShipsTheSampleBooks()
{
    for (int c = 0; c < 10; ++c) {
        const QString book = QString("%1/kanzai/haikan%2.FDA").arg(install_->programs).arg(c + 1);
        QCOMPARE(readAll(book), sampleBytes(c));
    }
}

// Help opens the program's own manual where no help file is installed.
void TestInstalledLayout::programFolderShipsTheManual()
{
    const QString manual = install_->programs + "/manual/index.html";
    QVERIFY2(readAll(manual).contains("<html lang=\"ja\">"), qPrintable(manual));
    QVERIFY(listFrom(KAVREL_DEMO_FILES).contains("manual/index.html"));
}

void TestInstalledLayout::launcherSetsUpTheUserFolderAndRunsTheProgram()
{
    // Started under the name of the command-line tool, which runs headless
    // and prints what it read; a blank in the path checks the arguments
    // arrive as they were given.
    const QString alias = install_->root.filePath("alias/pricebook");
    QVERIFY(QDir().mkpath(QFileInfo(alias).path()));
    QVERIFY(QFile::link(QDir(install_->bin).filePath("kavrel"), alias));
    const QString dataHome = install_->root.filePath("my data");
    const QString user = dataHome + "/kavrel";

    const Run first = launch(alias, {"dump", user + "/kanzai/haikan3.FDA", "--material", "2"}, dataHome);
    QVERIFY2(first.status == 0, qPrintable(first.err));
    QCOMPARE(first.out.count('\n'), 60);
    QDirIterator it(install_->programs, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString installed = it.next();
        const QString copy = user + "/" + QDir(install_->programs).relativeFilePath(installed);
        QVERIFY2(readAll(copy) == readAll(installed), qPrintable(copy));
        QCOMPARE(QFileInfo(copy).isExecutable(), QFileInfo(installed).isExecutable());
    }

    // A second start keeps the user's book.
    writeFile(user + "/kanzai/haikan3.FDA", "own", QIODevice::Append);
    const QByteArray own = readAll(user + "/kanzai/haikan3.FDA");
    const Run second = launch(alias, {"dump", user + "/kanzai/haikan1.FDA"}, dataHome);
    QVERIFY2(second.status == 0, qPrintable(second.err));
    QCOMPARE(second.out.count('\n'), 1200);
    QCOMPARE(readAll(user + "/kanzai/haikan3.FDA"), own);
}

void TestInstalledLayout::launcherRefusesAnUnknownProgram()
{
    const QString alias = install_->root.filePath("other/kavrel_helper");
    QVERIFY(QDir().mkpath(QFileInfo(alias).path()));
    QVERIFY(QFile::link(QDir(install_->bin).filePath("kavrel"), alias));
    const QString dataHome = install_->root.filePath("unused");
    const Run r = launch(alias, {}, dataHome);
    QCOMPARE(r.status, 1);
    QVERIFY2(r.err.contains(QDir(install_->programs).filePath("kavrel_helper")), qPrintable(r.err));
    QVERIFY(!QFileInfo::exists(dataHome));
}

QTEST_APPLESS_MAIN(TestInstalledLayout)
#include "TestInstalledLayout.moc"
