#include "AtomicFile.h"
#include "BadInputCorpus.h"
#include "FileError.h"
#include "RegularFile.h"
#include "ChildProcessRun.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray contents(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

int writeUnderSizeLimit(const QString& path, const QByteArray& bytes, rlim_t limit, QString* message = nullptr)
{
    return RunUnderSizeLimit(limit, [&] { WriteFileAtomically(path, bytes); }, message);
}

bool isFolder(int fd)
{
    struct stat st {};
    return ::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode);
}

// A disk that fails the way the test asks, through the save's disk calls.
struct FailingDisk {
    static inline qsizetype room = -1;   // bytes a write may still take; -1 no limit
    static inline int writeError = 0;
    static inline int fileSyncError = 0;
    static inline int folderSyncError = 0;
    static inline int folderSyncs = 0;
    static inline QString watched;        // a file the folder sync finds already renamed
    static inline QByteArray atFolderSync;

    DiskCalls saved = SaveDiskCalls();
    FailingDisk()
    {
        room = -1;
        writeError = fileSyncError = folderSyncError = folderSyncs = 0;
        watched.clear();
        atFolderSync.clear();
        SaveDiskCalls() = {write, sync};
    }
    ~FailingDisk() { SaveDiskCalls() = saved; }

    static ssize_t write(int fd, const void* data, size_t size)
    {
        if (room >= 0 && static_cast<qsizetype>(size) > room) {
            if (room == 0) {
                errno = writeError;
                return -1;
            }
            size = static_cast<size_t>(room); // a short write first, as a filling disk gives
        }
        const ssize_t n = ::write(fd, data, size);
        if (room >= 0 && n > 0)
            room -= n;
        return n;
    }
    static int sync(int fd)
    {
        if (isFolder(fd)) {
            ++folderSyncs;
            if (!watched.isEmpty())
                atFolderSync = contents(watched);
            if (folderSyncError) {
                errno = folderSyncError;
                return -1;
            }
        } else if (fileSyncError) {
            errno = fileSyncError;
            return -1;
        }
        return ::fsync(fd);
    }
};

void setAge(const QString& path, int seconds)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadWrite));
    QVERIFY(f.setFileTime(QDateTime::currentDateTimeUtc().addSecs(-seconds), QFileDevice::FileModificationTime));
}

} // namespace

class TestAtomicFile : public QObject {
    Q_OBJECT
private slots:
    void errorReasons_data();
    void errorReasons();
    void replacesWhole();
    void failedWriteLeavesOldFile_data();
    void failedWriteLeavesOldFile();
    void fileSizeLimitAtEveryCut();
    void diskFailuresKeepTheirReason_data();
    void diskFailuresKeepTheirReason();
    void folderIsSyncedAfterTheRename();
    void nonRegularFilesAreLeftAlone_data();
    void nonRegularFilesAreLeftAlone();
    void staleCopiesOfKilledSaves_data();
    void staleCopiesOfKilledSaves();
    void missingFolderIsReported();
    void replacementKeepsModeAndOwner_data();
    void replacementKeepsModeAndOwner();
    void refusalsGiveTheTablesReason_data();
    void refusalsGiveTheTablesReason();
};

void TestAtomicFile::replacesWhole()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("a.FDA");
    WriteFileAtomically(path, QByteArray(1000, 'a'));
    WriteFileAtomically(path, QByteArray(10, 'b'));
    QCOMPARE(contents(path), QByteArray(10, 'b'));
    // No temporary file is left beside it.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"a.FDA"});
}

void TestAtomicFile::failedWriteLeavesOldFile_data()
{
    QTest::addColumn<int>("limit");
    QTest::newRow("nothing fits") << 0;
    QTest::newRow("cut in the middle") << 200000;
    QTest::newRow("one byte short") << 431999;
}

void TestAtomicFile::failedWriteLeavesOldFile()
{
    QFETCH(int, limit);
    QTemporaryDir dir;
    const QString path = dir.filePath("haikan1.FDA");
    const QByteArray old(1000, 'o');
    WriteFileAtomically(path, old);
    QCOMPARE(writeUnderSizeLimit(path, QByteArray(432000, 'n'), static_cast<rlim_t>(limit)), 1);
    QCOMPARE(contents(path), old);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"haikan1.FDA"});
    // With room enough the same write goes through.
    QCOMPARE(writeUnderSizeLimit(path, QByteArray(432000, 'n'), 432000), 0);
    QCOMPARE(contents(path), QByteArray(432000, 'n'));
}

// A full disk or quota cut at any byte: the old file stays whole, no copy is
// left and the message names the file and the system's reason.
void TestAtomicFile::fileSizeLimitAtEveryCut()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("haikan1.FDA");
    const QByteArray old(1000, 'o');
    WriteFileAtomically(path, old);
    QList<rlim_t> cuts{1, 359, 360, 4095, 4096, 4097, 65536, 431999};
    for (rlim_t cut = 3000; cut < 432000; cut += 3331)
        cuts << cut;
    for (const rlim_t cut : cuts) {
        QString message;
        QCOMPARE(writeUnderSizeLimit(path, QByteArray(432000, 'n'), cut, &message), 1);
        QCOMPARE(message, path + ": " + SystemErrorText(EFBIG));
        QCOMPARE(contents(path), old);
    }
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"haikan1.FDA"});
    QVERIFY(cuts.size() > 130);
}

void TestAtomicFile::diskFailuresKeepTheirReason_data()
{
    QTest::addColumn<int>("room");
    QTest::addColumn<int>("writeError");
    QTest::addColumn<int>("fileSyncError");
    QTest::addColumn<int>("error");
    QTest::newRow("disk full at once") << 0 << ENOSPC << 0 << ENOSPC;
    QTest::newRow("disk full after a short write") << 100000 << ENOSPC << 0 << ENOSPC;
    QTest::newRow("quota used up one byte short") << 431999 << EDQUOT << 0 << EDQUOT;
    QTest::newRow("sync fails") << -1 << 0 << EIO << EIO;
    QTest::newRow("sync finds the disk full") << -1 << 0 << ENOSPC << ENOSPC;
}

void TestAtomicFile::diskFailuresKeepTheirReason()
{
    QFETCH(int, room);
    QFETCH(int, writeError);
    QFETCH(int, fileSyncError);
    QFETCH(int, error);
    QTemporaryDir dir;
    const QString path = dir.filePath("haikan1.FDA");
    WriteFileAtomically(path, "old");
    FailingDisk disk;
    FailingDisk::room = room;
    FailingDisk::writeError = writeError;
    FailingDisk::fileSyncError = fileSyncError;
    try {
        WriteFileAtomically(path, QByteArray(432000, 'n'));
        QFAIL("the failure was not reported");
    } catch (const FileError& e) {
        QCOMPARE(e.message(), path + ": " + SystemErrorText(error));
    }
    QCOMPARE(contents(path), QByteArray("old"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"haikan1.FDA"});
}

void TestAtomicFile::folderIsSyncedAfterTheRename()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("haikan1.FDA");
    WriteFileAtomically(path, "old");
    FailingDisk disk;
    FailingDisk::watched = path;
    WriteFileAtomically(path, "new");
    QCOMPARE(FailingDisk::folderSyncs, 1);
    QCOMPARE(FailingDisk::atFolderSync, QByteArray("new"));

    // A file system that cannot sync folders is no failure; a broken disk is,
    // though the new file is in place by then.
    FailingDisk::folderSyncError = EINVAL;
    WriteFileAtomically(path, "newer");
    FailingDisk::folderSyncError = EIO;
    try {
        WriteFileAtomically(path, "newest");
        QFAIL("a failed folder sync was not reported");
    } catch (const FileError& e) {
        QCOMPARE(e.file(), path);
        QVERIFY2(e.reason().contains(SystemErrorText(EIO)), qPrintable(e.reason()));
    }
    QCOMPARE(contents(path), QByteArray("newest"));
}

void TestAtomicFile::nonRegularFilesAreLeftAlone_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");
    QTest::newRow("folder") << "folder" << QString::fromUtf8("フォルダーで、ファイルではありません");
    QTest::newRow("pipe") << "pipe" << QString::fromUtf8("名前付きパイプで、ファイルではありません");
    QTest::newRow("device") << "device" << QString::fromUtf8("装置で、ファイルではありません");
}

// Neither read nor replaced: a pipe without a writer would block a plain
// open for ever (the test's own timeout catches a hang), and a save must not
// put a file in the place of any of them.
void TestAtomicFile::nonRegularFilesAreLeftAlone()
{
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    const QString path = dir.filePath("kavre_p.disp");
    BadInput input;
    input.file = "@" + kind + ".disp";
    if (!PlaceBadInput(input, path, dir.path()))
        QSKIP("this process may not make one");
    const QByteArray before = StateOf(path);
    try {
        ReadWholeFile(path);
        QFAIL("it was read");
    } catch (const FileError& e) {
        QCOMPARE(e.message(), path + ": " + reason);
    }
    try {
        WriteFileAtomically(path, "[Version]=2.00\r\n");
        QFAIL("it was replaced");
    } catch (const FileError& e) {
        QCOMPARE(e.message(), path + ": " + reason);
    }
    QCOMPARE(StateOf(path), before);
}

void TestAtomicFile::staleCopiesOfKilledSaves_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("age");
    QTest::addColumn<bool>("removed");
    const int hour = StaleSaveCopyAge;
    QTest::newRow("complete copy over an hour old") << "haikan1.FDA.qkEmnR" << 432000 << hour + 60 << true;
    QTest::newRow("complete copy just under an hour") << "haikan1.FDA.qkEmnR" << 432000 << hour - 60 << false;
    QTest::newRow("part of a copy") << "haikan1.FDA.qkEmnR" << 431999 << hour + 60 << false;
    QTest::newRow("copy of another book") << "haikan2.FDA.qkEmnR" << 432000 << hour + 60 << false;
    QTest::newRow("seven letters") << "haikan1.FDA.qkEmnRx" << 432000 << hour + 60 << false;
    QTest::newRow("a digit") << "haikan1.FDA.qkEm1R" << 432000 << hour + 60 << false;
    QTest::newRow("other name") << "haikan1.FDA.bak" << 432000 << hour + 60 << false;
}

void TestAtomicFile::staleCopiesOfKilledSaves()
{
    QFETCH(QString, name);
    QFETCH(int, size);
    QFETCH(int, age);
    QFETCH(bool, removed);
    QTemporaryDir dir;
    const QString book = dir.filePath("haikan1.FDA");
    WriteFileAtomically(book, QByteArray(432000, 'b'));
    const QString copy = dir.filePath(name);
    WriteFileAtomically(copy, QByteArray(size, 'c'));
    setAge(copy, age);
    RemoveStaleSaveCopies(book, 432000);
    QCOMPARE(!QFile::exists(copy), removed);
    QCOMPARE(contents(book), QByteArray(432000, 'b'));
}

void TestAtomicFile::missingFolderIsReported()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("no/such/folder/x.FDA");
    try {
        WriteFileAtomically(path, "x");
        QFAIL("no error for a missing folder");
    } catch (const FileError& e) {
        QCOMPARE(e.file(), path);
        QVERIFY(!e.reason().isEmpty());
    }
}

void TestAtomicFile::replacementKeepsModeAndOwner_data()
{
    QTest::addColumn<int>("mode");
    QTest::newRow("read-only for all") << 0444;
    QTest::newRow("group may read") << 0640;
    QTest::newRow("owner only") << 0600;
    QTest::newRow("everyone writes") << 0666;
}

void TestAtomicFile::replacementKeepsModeAndOwner()
{
    QFETCH(int, mode);
    QTemporaryDir dir;
    const QString path = dir.filePath("haikan1.FDA");
    WriteFileAtomically(path, "old");
    const QByteArray native = QFile::encodeName(path);
    QCOMPARE(::chmod(native.constData(), static_cast<mode_t>(mode)), 0);
    // Only a privileged process may give a file away; otherwise the owner
    // stays ours and only the mode is checked.
    const bool privileged = ::geteuid() == 0;
    if (privileged)
        QCOMPARE(::chown(native.constData(), 1234, 2345), 0);
    struct stat before {};
    QCOMPARE(::stat(native.constData(), &before), 0);

    WriteFileAtomically(path, "new");
    QCOMPARE(contents(path), QByteArray("new"));
    struct stat after {};
    QCOMPARE(::stat(native.constData(), &after), 0);
    QVERIFY(after.st_ino != before.st_ino); // replaced, not written in place
    QCOMPARE(after.st_mode & 07777, static_cast<mode_t>(mode));
    QCOMPARE(after.st_uid, before.st_uid);
    QCOMPARE(after.st_gid, before.st_gid);
    if (privileged)
        QCOMPARE(after.st_uid, uid_t(1234));
}

// Every error number a save or a load can meet has a Japanese reason; any
// other keeps the system's text beside its number.
void TestAtomicFile::errorReasons_data()
{
    QTest::addColumn<int>("error");
    QTest::addColumn<QString>("reason");
    const std::pair<int, const char*> known[] = {
        {ENOSPC, "空き容量がありません"}, {EDQUOT, "ディスクの割り当て容量を超えました"},
        {EACCES, "書き込みまたは読み込みが許可されていません"}, {EPERM, "この操作は許可されていません"},
        {EROFS, "読み込み専用のドライブです"}, {ENOENT, "ファイルが見つかりません"},
        {ENOTDIR, "フォルダーが見つかりません"}, {EISDIR, "フォルダーです"},
        {EFBIG, "ファイルが大きすぎます"}, {ENAMETOOLONG, "ファイル名が長すぎます"},
        {ELOOP, "リンクが循環しています"}, {EIO, "読み書き中に装置のエラーが起きました"},
        {EMFILE, "開いているファイルが多すぎます"}, {ESTALE, "ネットワーク上のファイルが無効になりました"},
    };
    for (const auto& [error, reason] : known)
        QTest::addRow("%d", error) << error << QString::fromUtf8(reason);
    QTest::newRow("not in the table") << int(EDOM)
                                      << QStringLiteral("システムエラー %1（%2）").arg(EDOM).arg(QString::fromLocal8Bit(std::strerror(EDOM)));
}

void TestAtomicFile::errorReasons()
{
    QFETCH(int, error);
    QFETCH(QString, reason);
    QCOMPARE(SystemErrorText(error), reason);
}

// A folder that refuses new files and a book that refuses writing, met by a
// user without the rights (the tests run as root, so a child process gives
// them up): the reason is the table's, as for every other failure.
void TestAtomicFile::refusalsGiveTheTablesReason_data()
{
    QTest::addColumn<int>("folderMode");
    QTest::addColumn<int>("fileMode"); // 0: no file yet
    QTest::newRow("a folder that refuses new files") << 0555 << 0;
    QTest::newRow("a book in it") << 0555 << 0666;
    QTest::newRow("a book that refuses writing") << 0777 << 0444;
}

void TestAtomicFile::refusalsGiveTheTablesReason()
{
    QFETCH(int, folderMode);
    QFETCH(int, fileMode);
    QTemporaryDir dir;
    const QString folder = dir.filePath("kanzai");
    const QString path = folder + "/haikan1.FDA";
    QVERIFY(QDir().mkpath(folder));
    if (fileMode != 0) {
        WriteFileAtomically(path, "old");
        QCOMPARE(::chmod(QFile::encodeName(path).constData(), static_cast<mode_t>(fileMode)), 0);
    }
    QCOMPARE(::chmod(QFile::encodeName(dir.path()).constData(), 0755), 0);
    QCOMPARE(::chmod(QFile::encodeName(folder).constData(), static_cast<mode_t>(folderMode)), 0);
    QString message;
    QCOMPARE(RunUnprivileged([&] { WriteFileAtomically(path, "new"); }, &message), 1);
    QCOMPARE(message, FileError(path, SystemErrorText(EACCES)).message());
    QCOMPARE(contents(path), fileMode ? QByteArray("old") : QByteArray("<unreadable>"));
}

#include "TestMain.h"
KAVREL_TEST_APPLESS_MAIN(TestAtomicFile)
#include "TestAtomicFile.moc"
