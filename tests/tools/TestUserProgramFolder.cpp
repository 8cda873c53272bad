#include "FileError.h"
#include "ChildProcessRun.h"
#include "UserProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace {

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

void writeFile(const QString& path, const QByteArray& bytes, QFileDevice::Permissions permissions = {})
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(bytes), bytes.size());
    f.close();
    if (permissions)
        QVERIFY(QFile::setPermissions(path, permissions));
}

constexpr QFileDevice::Permissions Program = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
    | QFileDevice::ReadGroup | QFileDevice::ExeGroup | QFileDevice::ReadOther | QFileDevice::ExeOther;
constexpr QFileDevice::Permissions ReadOnly = QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;

// Identity of a file on disk: unchanged when nothing wrote it.
std::pair<ino_t, long> identity(const QString& path)
{
    struct stat s{};
    ::stat(QFile::encodeName(path).constData(), &s);
    return {s.st_ino, s.st_mtim.tv_nsec + 1000000000L * (s.st_mtim.tv_sec % 1000)};
}

// An installed program folder as the package lays it out (read-only data,
// runnable programs) and the user's folder that is made from it.
struct Folders {
    QTemporaryDir root;
    QString installed = root.filePath("opt/kavrel");
    QString user = root.filePath("home/.local/share/kavrel");

    Folders()
    {
        writeFile(installedFile("kavrel"), "kavrel 1", Program);
        writeFile(installedFile("kanzai_input"), "kanzai_input 1", Program);
        writeFile(installedFile("dialog.ico"), "icon 1", ReadOnly);
        writeFile(installedFile("kavre_p_xga.dat"), "[TREEVIEW_WIDTH]=150\r\n", ReadOnly);
        writeFile(installedFile("kanzai/haikan1.FDA"), "sample 1", ReadOnly);
        writeFile(installedFile("kanzai/haikan2.FDA"), "sample 2", ReadOnly);
        writeFile(installedFile("manual/index.html"), "manual 1", ReadOnly);
    }
    QString installedFile(const QString& name) const { return QDir(installed).filePath(name); }
    QString userFile(const QString& name) const { return QDir(user).filePath(name); }
    UserFolderChanges setUp() const { return SetUpUserProgramFolder(installed, user); }
};

const QStringList AllFiles{"dialog.ico",           "kanzai/haikan1.FDA", "kanzai/haikan2.FDA", "kanzai_input",
                           "kavre_p_xga.dat",      "kavrel",             "manual/index.html"};

} // namespace

class TestUserProgramFolder : public QObject {
    Q_OBJECT
private slots:
    void firstRunCopiesEverything();
    void secondRunWritesNothing();
    void newerPackageRefreshesProgramsAndAddsMissingFiles();
    void replacesAProgramThatIsRunning();
    void leavesTheUsersLinks();
    void failures_data();
    void failures();
    void fullDiskLeavesNoHalfFile_data();
    void fullDiskLeavesNoHalfFile();
    void folderFollowsXdgDataHome_data();
    void folderFollowsXdgDataHome();
};

void TestUserProgramFolder::firstRunCopiesEverything()
{
    const Folders f;
    const UserFolderChanges changes = f.setUp();
    QCOMPARE(changes.added, AllFiles);
    QVERIFY(changes.refreshed.isEmpty());
    for (const QString& name : AllFiles) {
        QCOMPARE(readAll(f.userFile(name)), readAll(f.installedFile(name)));
        QVERIFY2(!QFileInfo(f.userFile(name)).isSymLink(), qPrintable(name));
        // Read-only installed data becomes the user's to change.
        QVERIFY2(QFileInfo(f.userFile(name)).permissions() & QFileDevice::WriteOwner, qPrintable(name));
    }
    QVERIFY(QFileInfo(f.userFile("kavrel")).isExecutable());
    QVERIFY(QFileInfo(f.userFile("kanzai_input")).isExecutable());
    QVERIFY(!QFileInfo(f.userFile("dialog.ico")).isExecutable());
}

void TestUserProgramFolder::secondRunWritesNothing()
{
    const Folders f;
    f.setUp();
    // The user works: a price book and a display default are changed, settings written.
    writeFile(f.userFile("kanzai/haikan1.FDA"), "own prices");
    writeFile(f.userFile("kavre_p_xga.dat"), "[TREEVIEW_WIDTH]=222\r\n");
    writeFile(f.userFile("kavre_p.conf"), "[GROUP_NAME1]=own\r\n");
    QMap<QString, std::pair<ino_t, long>> before;
    for (const QString& name : AllFiles)
        before[name] = identity(f.userFile(name));

    const UserFolderChanges changes = f.setUp();
    QVERIFY(changes.added.isEmpty());
    QVERIFY(changes.refreshed.isEmpty());
    for (const QString& name : AllFiles)
        QVERIFY2(identity(f.userFile(name)) == before[name], qPrintable(name + " was written again"));
    QCOMPARE(readAll(f.userFile("kanzai/haikan1.FDA")), QByteArray("own prices"));
    QCOMPARE(readAll(f.userFile("kavre_p_xga.dat")), QByteArray("[TREEVIEW_WIDTH]=222\r\n"));
    QCOMPARE(readAll(f.userFile("kavre_p.conf")), QByteArray("[GROUP_NAME1]=own\r\n"));
}

void TestUserProgramFolder::newerPackageRefreshesProgramsAndAddsMissingFiles()
{
    const Folders f;
    f.setUp();
    writeFile(f.userFile("kanzai/haikan1.FDA"), "own prices");
    QVERIFY(QFile::remove(f.userFile("kanzai/haikan2.FDA")));
    writeFile(f.userFile("kavrel.ini"), "[zelvorit_k]\r\nTop=5\r\n");

    // The package is upgraded: a changed program, a new program, changed and
    // new installation data, changed samples, a changed manual page.
    writeFile(f.installedFile("kavrel"), "kavrel 2", Program);
    writeFile(f.installedFile("Dorvisk"), "Dorvisk 1", Program);
    writeFile(f.installedFile("dialog.ico"), "icon 2", ReadOnly);
    writeFile(f.installedFile("kavre_p_sxga.dat"), "[TREEVIEW_WIDTH]=180\r\n", ReadOnly);
    writeFile(f.installedFile("kanzai/haikan1.FDA"), "sample 1, newer", ReadOnly);
    writeFile(f.installedFile("kanzai/haikan2.FDA"), "sample 2, newer", ReadOnly);
    writeFile(f.installedFile("manual/index.html"), "manual 2", ReadOnly);
    writeFile(f.installedFile("manual/images/tree.png"), "png", ReadOnly);

    const UserFolderChanges changes = f.setUp();
    QCOMPARE(changes.refreshed, (QStringList{"kavrel", "manual/index.html"}));
    QCOMPARE(changes.added,
             (QStringList{"Dorvisk", "kanzai/haikan2.FDA", "kavre_p_sxga.dat", "manual/images/tree.png"}));
    for (const char* name : {"kavrel", "Dorvisk", "kavre_p_sxga.dat", "manual/index.html", "kanzai/haikan2.FDA"})
        QCOMPARE(readAll(f.userFile(name)), readAll(f.installedFile(name)));
    QVERIFY(QFileInfo(f.userFile("Dorvisk")).isExecutable());
    // What was there stays: the user's book, settings, and the older default file.
    QCOMPARE(readAll(f.userFile("kanzai/haikan1.FDA")), QByteArray("own prices"));
    QCOMPARE(readAll(f.userFile("kavrel.ini")), QByteArray("[zelvorit_k]\r\nTop=5\r\n"));
    QCOMPARE(readAll(f.userFile("dialog.ico")), QByteArray("icon 1"));
    QCOMPARE(readAll(f.userFile("kanzai_input")), QByteArray("kanzai_input 1"));
}

void TestUserProgramFolder::replacesAProgramThatIsRunning()
{
    const Folders f;
    QVERIFY(QFile::remove(f.installedFile("kavrel")));
    QVERIFY(QFile::copy("/bin/sleep", f.installedFile("kavrel")));
    f.setUp();
    QProcess running;
    running.start(f.userFile("kavrel"), {"60"});
    QVERIFY(running.waitForStarted());
    writeFile(f.installedFile("kavrel"), "newer", Program);

    const UserFolderChanges changes = f.setUp();
    running.kill();
    running.waitForFinished();
    QCOMPARE(changes.refreshed, QStringList{"kavrel"});
    QCOMPARE(readAll(f.userFile("kavrel")), QByteArray("newer"));
}

void TestUserProgramFolder::leavesTheUsersLinks()
{
    const Folders f;
    // A book kept on a shared folder that is not mounted now.
    QVERIFY(QDir().mkpath(f.userFile("kanzai")));
    QVERIFY(QFile::link(f.root.filePath("share/haikan1.FDA"), f.userFile("kanzai/haikan1.FDA")));
    const UserFolderChanges changes = f.setUp();
    QVERIFY(!changes.added.contains("kanzai/haikan1.FDA"));
    QCOMPARE(QFileInfo(f.userFile("kanzai/haikan1.FDA")).symLinkTarget(), f.root.filePath("share/haikan1.FDA"));
    QVERIFY(!QFileInfo::exists(f.root.filePath("share/haikan1.FDA")));
}

void TestUserProgramFolder::failures_data()
{
    QTest::addColumn<QString>("inTheWay"); // a file made where the set-up needs something else
    QTest::addColumn<QString>("reported");
    QTest::newRow("the user folder is a file") << "home/.local/share/kavrel" << "home/.local/share/kavrel";
    QTest::newRow("the book folder is a file") << "home/.local/share/kavrel/kanzai"
                                               << "home/.local/share/kavrel/kanzai";
    QTest::newRow("a folder where a program goes") << "home/.local/share/kavrel/kavrel/x"
                                                   << "home/.local/share/kavrel/kavrel";
    QTest::newRow("no installed folder") << "" << "opt/kavrel";
}

void TestUserProgramFolder::failures()
{
    QFETCH(QString, inTheWay);
    QFETCH(QString, reported);
    const Folders f;
    if (inTheWay.isEmpty())
        QVERIFY(QDir(f.installed).removeRecursively());
    else
        writeFile(f.root.filePath(inTheWay), "in the way");
    try {
        f.setUp();
        QFAIL("no error");
    } catch (const FileError& e) {
        QCOMPARE(e.file(), f.root.filePath(reported));
        QVERIFY(!e.reason().isEmpty());
    }
}

void TestUserProgramFolder::fullDiskLeavesNoHalfFile_data()
{
    QTest::addColumn<int>("limit");
    QTest::newRow("nothing fits") << 0;
    QTest::newRow("the small files fit") << 12;
}

void TestUserProgramFolder::fullDiskLeavesNoHalfFile()
{
    QFETCH(int, limit);
    const Folders f;
    writeFile(f.installedFile("kanzai/haikan1.FDA"), QByteArray(432000, 's'), ReadOnly);
    QCOMPARE(RunUnderSizeLimit(static_cast<rlim_t>(limit), [&] { f.setUp(); }), 1);
    // Whatever was written is whole; the rest comes at the next start.
    QStringList present;
    for (const QString& name : AllFiles) {
        if (QFileInfo::exists(f.userFile(name))) {
            present << name;
            QCOMPARE(readAll(f.userFile(name)), readAll(f.installedFile(name)));
        }
    }
    QVERIFY(!present.contains("kanzai/haikan1.FDA"));
    QCOMPARE(QDir(f.user).entryList(QDir::Files | QDir::Hidden).size(),
             std::count_if(present.begin(), present.end(), [](const QString& n) { return !n.contains('/'); }));
    const UserFolderChanges changes = f.setUp();
    for (const QString& name : AllFiles)
        QCOMPARE(readAll(f.userFile(name)), readAll(f.installedFile(name)));
    QCOMPARE(changes.added.size() + present.size(), AllFiles.size());
}

void TestUserProgramFolder::folderFollowsXdgDataHome_data()
{
    QTest::addColumn<QByteArray>("xdgDataHome");
    QTest::addColumn<QString>("expected");
    QTest::newRow("set") << QByteArray("/srv/data") << "/srv/data/kavrel";
    QTest::newRow("unset") << QByteArray() << "/home/someone/.local/share/kavrel";
}

void TestUserProgramFolder::folderFollowsXdgDataHome()
{
    QFETCH(QByteArray, xdgDataHome);
    QFETCH(QString, expected);
    const QByteArray home = qgetenv("HOME");
    const QByteArray data = qgetenv("XDG_DATA_HOME");
    qputenv("HOME", "/home/someone");
    if (xdgDataHome.isEmpty())
        qunsetenv("XDG_DATA_HOME");
    else
        qputenv("XDG_DATA_HOME", xdgDataHome);
    const QString folder = UserProgramFolder();
    qputenv("HOME", home);
    data.isNull() ? qunsetenv("XDG_DATA_HOME") : qputenv("XDG_DATA_HOME", data);
    QCOMPARE(folder, expected);
}

QTEST_APPLESS_MAIN(TestUserProgramFolder)
#include "TestUserProgramFolder.moc"
