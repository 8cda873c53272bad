#include "AtomicFile.h"
#include "FileError.h"
#include "SizeLimitedRun.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

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

QTEST_APPLESS_MAIN(TestAtomicFile)
#include "TestAtomicFile.moc"
