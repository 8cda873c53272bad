#include "ChildProcessRun.h"
#include "FileError.h"
#include "ProgramFolders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
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

// An installed package as it is laid out (programs with their mark, the
// read-only data) and the user's data folder that is made from it.
struct Folders {
    QTemporaryDir root;
    QString programs = root.filePath("usr/lib/kavrel");
    QString installed = root.filePath("usr/share/kavrel");
    QString user = root.filePath("home/.local/share/kavrel");

    Folders()
    {
        writeFile(QDir(programs).filePath("kavrel"), "kavrel 1", Program);
        writeFile(QDir(programs).filePath(InstalledDataMark), "../../share/kavrel\n", ReadOnly);
        writeFile(installedFile("dialog.ico"), "icon 1", ReadOnly);
        writeFile(installedFile("kavre_p_xga.dat"), "[TREEVIEW_WIDTH]=150\r\n", ReadOnly);
        writeFile(installedFile("kanzai/haikan1.FDA"), "sample 1", ReadOnly);
        writeFile(installedFile("kanzai/haikan2.FDA"), "sample 2", ReadOnly);
        writeFile(installedFile("manual/index.html"), "manual 1", ReadOnly);
    }
    QString installedFile(const QString& name) const { return QDir(installed).filePath(name); }
    QString userFile(const QString& name) const { return QDir(user).filePath(name); }
    ProgramFolders folders() const { return LocateProgramFolders(programs, root.filePath("home/.local/share")); }
    QStringList setUp() const { return SetUpDataFolder(folders()); }
};

// The manual is read where the package put it.
const QStringList CopiedFiles{"dialog.ico", "kanzai/haikan1.FDA", "kanzai/haikan2.FDA", "kavre_p_xga.dat"};

} // namespace

class TestProgramFolders : public QObject {
    Q_OBJECT
private slots:
    void threeKindsOfProgramFolder_data();
    void threeKindsOfProgramFolder();
    void firstRunCopiesTheData();
    void secondRunWritesNothing();
    void newerPackageAddsOnlyMissingFiles();
    void leavesTheUsersLinks();
    void failures_data();
    void failures();
    void fullDiskLeavesNoHalfFile_data();
    void fullDiskLeavesNoHalfFile();
    void installationFileOfTheDataFolderFirst();
};

// A build's program folder and a demo folder are their own data folder; an
// installed package's programs use the user's, set up from the package's data.
void TestProgramFolders::threeKindsOfProgramFolder_data()
{
    QTest::addColumn<QString>("programFolder");
    QTest::addColumn<QString>("mark"); // empty: none
    QTest::addColumn<QString>("data");
    QTest::addColumn<QString>("installation");
    QTest::newRow("a build") << "build/bin" << "" << "build/bin" << "";
    QTest::newRow("the demo folder") << "build/demo/" << "" << "build/demo" << "";
    QTest::newRow("an installed package") << "usr/lib/kavrel" << "../../share/kavrel\n"
                                          << "home/.local/share/kavrel" << "usr/share/kavrel";
    QTest::newRow("installed, mark without a line end") << "opt/x/lib" << "../data" << "home/.local/share/kavrel"
                                                        << "opt/x/data";
    QTest::newRow("installed, an empty mark") << "opt/kavrel" << "\n" << "home/.local/share/kavrel" << "opt/kavrel";
}

void TestProgramFolders::threeKindsOfProgramFolder()
{
    QFETCH(QString, programFolder);
    QFETCH(QString, mark);
    QFETCH(QString, data);
    QFETCH(QString, installation);
    QTemporaryDir root;
    const auto at = [&root](const QString& path) { return path.isEmpty() ? QString() : QDir::cleanPath(root.filePath(path)); };
    QVERIFY(QDir().mkpath(at(programFolder)));
    if (!mark.isEmpty())
        writeFile(QDir(at(programFolder)).filePath(InstalledDataMark), mark.toUtf8());
    const ProgramFolders found = LocateProgramFolders(at(programFolder), at("home/.local/share"));
    QCOMPARE(found.programs, at(programFolder));
    QCOMPARE(found.data, at(data));
    QCOMPARE(found.installation, at(installation));
    QCOMPARE(found.installed(), !installation.isEmpty());
    if (!found.installed()) { // the folder is its own data folder: nothing to set up
        QVERIFY(SetUpDataFolder(found).isEmpty());
        QCOMPARE(QDir(root.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"build"});
    }
}

void TestProgramFolders::firstRunCopiesTheData()
{
    const Folders f;
    QCOMPARE(f.setUp(), CopiedFiles);
    for (const QString& name : CopiedFiles) {
        QCOMPARE(readAll(f.userFile(name)), readAll(f.installedFile(name)));
        QVERIFY2(!QFileInfo(f.userFile(name)).isSymLink(), qPrintable(name));
        // Read-only installed data becomes the user's to change.
        QVERIFY2(QFileInfo(f.userFile(name)).permissions() & QFileDevice::WriteOwner, qPrintable(name));
    }
    // No program and no manual is copied: they stay where the package put them.
    QVERIFY(!QFileInfo::exists(f.userFile("kavrel")));
    QVERIFY(!QFileInfo::exists(f.userFile("manual")));
}

void TestProgramFolders::secondRunWritesNothing()
{
    const Folders f;
    f.setUp();
    // The user works: a price book and a display default are changed, settings written.
    writeFile(f.userFile("kanzai/haikan1.FDA"), "own prices");
    writeFile(f.userFile("kavre_p_xga.dat"), "[TREEVIEW_WIDTH]=222\r\n");
    writeFile(f.userFile("kavre_p.conf"), "[GROUP_NAME1]=own\r\n");
    QMap<QString, std::pair<ino_t, long>> before;
    for (const QString& name : CopiedFiles)
        before[name] = identity(f.userFile(name));

    QVERIFY(f.setUp().isEmpty());
    for (const QString& name : CopiedFiles)
        QVERIFY2(identity(f.userFile(name)) == before[name], qPrintable(name + " was written again"));
    QCOMPARE(readAll(f.userFile("kanzai/haikan1.FDA")), QByteArray("own prices"));
    QCOMPARE(readAll(f.userFile("kavre_p_xga.dat")), QByteArray("[TREEVIEW_WIDTH]=222\r\n"));
    QCOMPARE(readAll(f.userFile("kavre_p.conf")), QByteArray("[GROUP_NAME1]=own\r\n"));
}

void TestProgramFolders::newerPackageAddsOnlyMissingFiles()
{
    const Folders f;
    f.setUp();
    writeFile(f.userFile("kanzai/haikan1.FDA"), "own prices");
    QVERIFY(QFile::remove(f.userFile("kanzai/haikan2.FDA")));
    writeFile(f.userFile("kavrel.ini"), "[zelvorit_k]\r\nTop=5\r\n");

    // The package is upgraded: changed and new installation data, changed
    // samples, a new manual page.
    writeFile(f.installedFile("dialog.ico"), "icon 2", ReadOnly);
    writeFile(f.installedFile("kavre_p_sxga.dat"), "[TREEVIEW_WIDTH]=180\r\n", ReadOnly);
    writeFile(f.installedFile("kanzai/haikan1.FDA"), "sample 1, newer", ReadOnly);
    writeFile(f.installedFile("kanzai/haikan2.FDA"), "sample 2, newer", ReadOnly);
    writeFile(f.installedFile("manual/images/tree.png"), "png", ReadOnly);

    QCOMPARE(f.setUp(), (QStringList{"kanzai/haikan2.FDA", "kavre_p_sxga.dat"}));
    QCOMPARE(readAll(f.userFile("kanzai/haikan2.FDA")), QByteArray("sample 2, newer"));
    // What was there stays: the user's book, settings, and the older installation file.
    QCOMPARE(readAll(f.userFile("kanzai/haikan1.FDA")), QByteArray("own prices"));
    QCOMPARE(readAll(f.userFile("kavrel.ini")), QByteArray("[zelvorit_k]\r\nTop=5\r\n"));
    QCOMPARE(readAll(f.userFile("dialog.ico")), QByteArray("icon 1"));
}

void TestProgramFolders::leavesTheUsersLinks()
{
    const Folders f;
    // A book kept on a shared folder that is not mounted now.
    QVERIFY(QDir().mkpath(f.userFile("kanzai")));
    QVERIFY(QFile::link(f.root.filePath("share/haikan1.FDA"), f.userFile("kanzai/haikan1.FDA")));
    QVERIFY(!f.setUp().contains("kanzai/haikan1.FDA"));
    QCOMPARE(QFileInfo(f.userFile("kanzai/haikan1.FDA")).symLinkTarget(), f.root.filePath("share/haikan1.FDA"));
    QVERIFY(!QFileInfo::exists(f.root.filePath("share/haikan1.FDA")));
}

void TestProgramFolders::failures_data()
{
    QTest::addColumn<QString>("inTheWay"); // a file made where the set-up needs something else
    QTest::addColumn<QString>("reported");
    QTest::newRow("the data folder is a file") << "home/.local/share/kavrel" << "home/.local/share/kavrel";
    QTest::newRow("the book folder is a file") << "home/.local/share/kavrel/kanzai"
                                               << "home/.local/share/kavrel/kanzai";
    QTest::newRow("no package data folder") << "" << "usr/share/kavrel";
}

void TestProgramFolders::failures()
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

void TestProgramFolders::fullDiskLeavesNoHalfFile_data()
{
    QTest::addColumn<int>("limit");
    QTest::newRow("nothing fits") << 0;
    QTest::newRow("the small files fit") << 40;
}

void TestProgramFolders::fullDiskLeavesNoHalfFile()
{
    QFETCH(int, limit);
    const Folders f;
    writeFile(f.installedFile("kanzai/haikan1.FDA"), QByteArray(432000, 's'), ReadOnly);
    QCOMPARE(RunUnderSizeLimit(static_cast<rlim_t>(limit), [&] { f.setUp(); }), 1);
    // Whatever was written is whole; the rest comes at the next start.
    QStringList present;
    for (const QString& name : CopiedFiles) {
        if (QFileInfo::exists(f.userFile(name))) {
            present << name;
            QCOMPARE(readAll(f.userFile(name)), readAll(f.installedFile(name)));
        }
    }
    QVERIFY(!present.contains("kanzai/haikan1.FDA"));
    QCOMPARE(QDir(f.user).entryList(QDir::Files | QDir::Hidden).size(),
             std::count_if(present.begin(), present.end(), [](const QString& n) { return !n.contains('/'); }));
    const QStringList added = f.setUp();
    for (const QString& name : CopiedFiles)
        QCOMPARE(readAll(f.userFile(name)), readAll(f.installedFile(name)));
    QCOMPARE(added.size() + present.size(), CopiedFiles.size());
}

// The running tests are no installed package: a data folder's own file, or
// the name of its place there.
void TestProgramFolders::installationFileOfTheDataFolderFirst()
{
    QTemporaryDir data;
    writeFile(data.filePath("manual/index.html"), "own manual");
    QCOMPARE(InstallationFile(data.path(), "manual/index.html"), data.filePath("manual/index.html"));
    QCOMPARE(InstallationFile(data.path(), "dialog.ico"), data.filePath("dialog.ico"));
}

#include "TestMain.h"
KAVREL_TEST_APPLESS_MAIN(TestProgramFolders)
#include "TestProgramFolders.moc"
