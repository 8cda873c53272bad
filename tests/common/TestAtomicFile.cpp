#include "AtomicFile.h"
#include "FileError.h"
#include "SizeLimitedRun.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray contents(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

int writeUnderSizeLimit(const QString& path, const QByteArray& bytes, rlim_t limit)
{
    return RunUnderSizeLimit(limit, [&] { WriteFileAtomically(path, bytes); });
}

} // namespace

class TestAtomicFile : public QObject {
    Q_OBJECT
private slots:
    void replacesWhole();
    void failedWriteLeavesOldFile_data();
    void failedWriteLeavesOldFile();
    void missingFolderIsReported();
    void replacementKeepsModeAndOwner_data();
    void replacementKeepsModeAndOwner();
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

QTEST_APPLESS_MAIN(TestAtomicFile)
#include "TestAtomicFile.moc"
