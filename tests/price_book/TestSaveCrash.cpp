#include "AtomicFile.h"
#include "BookHistory.h"
#include "PriceBookFile.h"
#include "SampleBooks.h"
#include "TestFiles.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace {

QByteArray savedBytes(const PriceBook& book)
{
    QTemporaryDir dir;
    WritePriceBookFile(dir.filePath("b.FDA"), book, 0);
    return FileBytes(dir.filePath("b.FDA"));
}

// Saves the two books in turn, for ever, until it is killed; with
// `history`, as the programs save, keeping each replaced version.
pid_t startSaving(const QString& path, const PriceBook& first, const PriceBook& second, bool history = false)
{
    const pid_t pid = ::fork();
    if (pid == 0) {
        for (bool odd = true;; odd = !odd) {
            if (history)
                SaveBookKeepingHistory(path, odd ? first : second, 0);
            else
                WritePriceBookFile(path, odd ? first : second, 0);
        }
    }
    return pid;
}

} // namespace

// A save killed at any moment leaves the book wholly as it was or wholly as
// saved, and nothing beside it but whole copies a later save clears away.
class TestSaveCrash : public QObject {
    Q_OBJECT
private slots:
    void killedSavesLeaveAWholeBook();
    void killedSavesKeepWholeVersions();
};

void TestSaveCrash::killedSavesLeaveAWholeBook()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("haikan1.FDA");
    const PriceBook oldBook = SampleBook(0);
    const PriceBook newBook = SampleBook(1);
    const QByteArray oldBytes = savedBytes(oldBook);
    const QByteArray newBytes = savedBytes(newBook);
    QVERIFY(oldBytes != newBytes);
    WritePriceBookFile(path, oldBook, 0);

    // Kills are spread over a few saves' time, so they fall in every step.
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < 5; ++i)
        WritePriceBookFile(path, i % 2 ? oldBook : newBook, 0);
    const qint64 saveMicroseconds = std::max<qint64>(timer.nsecsElapsed() / 5000, 50);

    QRandomGenerator random(20240815);
    constexpr int Kills = 300;
    int sawOld = 0;
    int sawNew = 0;
    for (int kill = 0; kill < Kills; ++kill) {
        const pid_t child = startSaving(path, newBook, oldBook);
        QVERIFY(child > 0);
        ::usleep(static_cast<useconds_t>(random.bounded(3 * saveMicroseconds)));
        QCOMPARE(::kill(child, SIGKILL), 0);
        int status = 0;
        QCOMPARE(::waitpid(child, &status, 0), child);
        QVERIFY(WIFSIGNALED(status));
        const QByteArray now = FileBytes(path);
        if (now == oldBytes)
            ++sawOld;
        else if (now == newBytes)
            ++sawNew;
        else
            QFAIL(qPrintable(QStringLiteral("kill %1 left a book of %2 bytes that is neither").arg(kill).arg(now.size())));
    }
    // Both outcomes happened: the kills fell inside the saves.
    QVERIFY2(sawOld > 0 && sawNew > 0, qPrintable(QStringLiteral("old %1, new %2").arg(sawOld).arg(sawNew)));

    // What is left beside the book are whole copies named after it.
    const QStringList left = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
    for (const QString& name : left) {
        if (name == "haikan1.FDA")
            continue;
        QVERIFY2(name.startsWith("haikan1.FDA."), qPrintable(name));
        const QByteArray copy = FileBytes(dir.filePath(name));
        QVERIFY(copy == oldBytes || copy == newBytes);
        QFile f(dir.filePath(name));
        QVERIFY(f.open(QIODevice::ReadWrite));
        QVERIFY(f.setFileTime(QDateTime::currentDateTimeUtc().addSecs(-2 * StaleSaveCopyAge),
                              QFileDevice::FileModificationTime));
    }
    // The next save that goes through clears the old ones away.
    WritePriceBookFile(path, newBook, 0);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"haikan1.FDA"});
    qInfo("%d kills, a save takes about %lld µs: old book %d times, new book %d times, %lld copies left",
          Kills, saveMicroseconds, sawOld, sawNew, static_cast<long long>(left.size() - 1));
}

// A save that also writes the history, killed at any moment: the book is
// old or new, and every version in the history is whole.
void TestSaveCrash::killedSavesKeepWholeVersions()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("haikan1.FDA");
    const PriceBook oldBook = SampleBook(0);
    const PriceBook newBook = SampleBook(1);
    const QByteArray oldBytes = savedBytes(oldBook);
    const QByteArray newBytes = savedBytes(newBook);
    WritePriceBookFile(path, oldBook, 0);
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < 5; ++i)
        SaveBookKeepingHistory(path, i % 2 ? oldBook : newBook, 0);
    const qint64 saveMicroseconds = std::max<qint64>(timer.nsecsElapsed() / 5000, 50);

    QRandomGenerator random(20261209);
    constexpr int Kills = 1000;
    int corrupt = 0;
    for (int kill = 0; kill < Kills; ++kill) {
        const pid_t child = startSaving(path, newBook, oldBook, true);
        QVERIFY(child > 0);
        ::usleep(static_cast<useconds_t>(random.bounded(3 * saveMicroseconds)));
        QCOMPARE(::kill(child, SIGKILL), 0);
        int status = 0;
        QCOMPARE(::waitpid(child, &status, 0), child);
        const QByteArray now = FileBytes(path);
        corrupt += now == oldBytes || now == newBytes ? 0 : 1;
    }
    const std::vector<BookVersion> versions = BookVersions(path);
    QVERIFY(!versions.empty());
    for (const BookVersion& version : versions) {
        const QByteArray kept = FileBytes(version.file);
        corrupt += kept == oldBytes || kept == newBytes ? 0 : 1;
    }
    QCOMPARE(corrupt, 0);
    qInfo("%d kills of saves with history (about %lld µs each): 0 corrupt books, %zu whole versions kept", Kills,
          saveMicroseconds, versions.size());
}

QTEST_APPLESS_MAIN(TestSaveCrash)
#include "TestSaveCrash.moc"
