#include "AtomicFile.h"
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

// Saves the two books in turn, for ever, until it is killed.
pid_t startSaving(const QString& path, const PriceBook& first, const PriceBook& second)
{
    const pid_t pid = ::fork();
    if (pid == 0) {
        for (bool odd = true;; odd = !odd)
            WritePriceBookFile(path, odd ? first : second, 0);
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

QTEST_APPLESS_MAIN(TestSaveCrash)
#include "TestSaveCrash.moc"
