// Installs the build under a temporary prefix as a package would lay it out
// and checks what a user meets there: the commands, the desktop entries and
// their icons, the manual pages, the sample books, and a start that sets up
// the user's data folder.
#include "ToolTestSupport.h"

#include <QDir>
#include <QDirIterator>
#include <QImage>

#include <unistd.h>

namespace {

QStringList listFrom(const char* commaList) { return QString(commaList).split(',', Qt::SkipEmptyParts); }

// The keys of a desktop entry file, as "key=value" lines below its group line.
QMap<QString, QString> desktopEntry(const QString& path)
{
    QMap<QString, QString> keys;
    for (const QString& line : QString::fromUtf8(FileBytes(path)).split('\n')) {
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
    QString data = QDir(prefix).filePath(KAVREL_DATA_DIR);
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

// A command as the desktop starts it: the user's data folder where the test
// says, the window drawn off screen and the program ended at its first paint.
Run start(const QString& command, const QStringList& args, const QString& dataHome)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("KAVREL_EXIT_AFTER_FIRST_PAINT", "1");
    env.insert("XDG_DATA_HOME", dataHome);
    p.setProcessEnvironment(env);
    p.start(command, args);
    return finish(p);
}

} // namespace

class TestInstalledLayout : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void demoFolderHoldsWhatTheInstallHolds();
    void desktopEntriesNameTheirCommandAndIcons();
    void everyCommandHasAManualPage();
    void commandsAreRelativeLinksToThePrograms();
    void dataFolderShipsTheSampleBooks();
    void dataFolderShipsTheManual();
    void startSetsUpTheUsersDataFolder();

private:
    Install* install_ = nullptr;
};

void TestInstalledLayout::initTestCase()
{
    install_ = new Install;
    QVERIFY2(install_->error.isEmpty(), qPrintable(install_->error));
}

// The demo folder is a program folder of its own: the programs and the
// installation data in one, without the mark of an installed package.
void TestInstalledLayout::demoFolderHoldsWhatTheInstallHolds()
{
    const QStringList demo = listFrom(KAVREL_DEMO_FILES);
    for (const QString& folder : {install_->programs, install_->data}) {
        for (const QFileInfo& file : QDir(folder).entryInfoList(QDir::Files)) {
            if (file.fileName() != "installed-data")
                QVERIFY2(demo.contains(file.fileName()), qPrintable(file.fileName() + " is missing from the demo folder"));
        }
    }
    QVERIFY(!demo.contains("installed-data"));
    QVERIFY(QFileInfo::exists(QDir(install_->programs).filePath("installed-data")));
}

void TestInstalledLayout::desktopEntriesNameTheirCommandAndIcons()
{
    for (const QString& name : listFrom(KAVREL_LAUNCHED_PROGRAMS)) {
        const QString path = install_->inShare("applications/" + name + ".desktop");
        QVERIFY2(QFileInfo::exists(path), qPrintable(path));
        QCOMPARE(FileBytes(path).left(16), QByteArray("[Desktop Entry]\n"));
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

// The commands on the search path start the programs where the package put
// them, whatever the prefix.
void TestInstalledLayout::commandsAreRelativeLinksToThePrograms()
{
    for (const char* name : {"kavrel", "kanzai_input", "pricebook"}) {
        const QFileInfo command(QDir(install_->bin).filePath(name));
        QVERIFY2(command.isSymLink(), name);
        QCOMPARE(command.canonicalFilePath(), QFileInfo(QDir(install_->programs).filePath(name)).canonicalFilePath());
        char target[4096] = {};
        QVERIFY(::readlink(QFile::encodeName(command.filePath()).constData(), target, sizeof target - 1) > 0);
        QVERIFY2(target[0] != '/', target);
    }
}

void TestInstalledLayout::dataFolderShipsTheSampleBooks()
{
    for (int c = 0; c < 10; ++c) {
        const QString book = QString("%1/kanzai/haikan%2.FDA").arg(install_->data).arg(c + 1);
        QCOMPARE(FileBytes(book), sampleBytes(c));
    }
}

// Help opens the program's own manual where no help file is installed.
void TestInstalledLayout::dataFolderShipsTheManual()
{
    const QString manual = install_->data + "/manual/index.html";
    QVERIFY2(FileBytes(manual).contains("<html lang=\"ja\">"), qPrintable(manual));
    // It names the one version, which the software centre's entry names too.
    QVERIFY(FileBytes(manual).contains(QString::fromUtf8("バージョン " KAVREL_VERSION " のもの").toUtf8()));
    QVERIFY(!FileBytes(manual).contains("@"));
    const QByteArray entry = FileBytes(install_->inShare("metainfo/org.example.kavrel.metainfo.xml"));
    QVERIFY2(entry.contains("<release version=\"" KAVREL_VERSION "\""), entry.constData());
    QVERIFY(listFrom(KAVREL_DEMO_FILES).contains("manual/index.html"));
}

// The first start of a user makes the data folder from the package's data,
// without any program or the manual; the next keeps what the user has there.
void TestInstalledLayout::startSetsUpTheUsersDataFolder()
{
    const QString dataHome = install_->root.filePath("my data");
    const QString user = dataHome + "/kavrel";
    const Run first = start(QDir(install_->bin).filePath("kavrel"), {"3;2;"}, dataHome);
    QVERIFY2(first.status == 0, qPrintable(first.err));
    QDirIterator it(install_->data, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString installed = it.next();
        const QString relative = QDir(install_->data).relativeFilePath(installed);
        const QString copy = user + "/" + relative;
        if (relative.startsWith("manual/"))
            QVERIFY2(!QFileInfo::exists(copy), qPrintable(copy));
        else
            QVERIFY2(FileBytes(copy) == FileBytes(installed), qPrintable(copy));
    }
    QDirIterator copies(user, QDir::Files, QDirIterator::Subdirectories);
    while (copies.hasNext())
        QVERIFY2(!QFileInfo(copies.next()).isExecutable(), qPrintable(copies.filePath()));

    // A second start keeps the user's book.
    PutFileBytes(user + "/kanzai/haikan3.FDA", "own", QIODevice::Append);
    const QByteArray own = FileBytes(user + "/kanzai/haikan3.FDA");
    const Run second = start(QDir(install_->bin).filePath("kavrel"), {"1;1;"}, dataHome);
    QVERIFY2(second.status == 0, qPrintable(second.err));
    QCOMPARE(FileBytes(user + "/kanzai/haikan3.FDA"), own);
}

#include "TestMain.h"
KAVREL_TEST_APPLESS_MAIN(TestInstalledLayout)
#include "TestInstalledLayout.moc"
