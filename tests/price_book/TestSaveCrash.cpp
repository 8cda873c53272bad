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
#include <functional>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Saves the two books in turn, for ever, until it is killed; with
// `history`, as the programs save, keeping each replaced version.
pid_t startSaving(const QString& path, const PriceBook& first, const PriceBook& second, bool history = false)
{
    const pid_t parent = ::getpid();
    const pid_t pid = ::fork();
    if (pid == 0) {
        // Dies with the test, should a timeout kill it between two kills of
        // ours, instead of saving on for ever.
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (::getppid() != parent)
            ::_exit(1);
        for (bool odd = true;; odd = !odd) {
            if (history)
                SaveBookKeepingHistory(path, odd ? first : second, 0);
            else
                WritePriceBookFile(path, odd ? first : second, 0);
        }
    }
    return pid;
}

// However slow the machine's saves, the kills end after this long once
// there have been this many: within the test's time limit, with kills to
// spare in every step of a save.
constexpr qint64 KillingMilliseconds = 100000;
constexpr int FewestKills = 100;

// Kills a child saving the two books in turn `kills` times (fewer on a slow
// machine), at random moments spread over a few saves' time, so that they
// fall in every step; after each, `check` sees the book.
void killSaves(const QString& path, const PriceBook& first, const PriceBook& second, bool history, int kills,
               quint32 seed, const std::function<void(const QByteArray&)>& check)
{
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < 5; ++i) {
        if (history)
            SaveBookKeepingHistory(path, i % 2 ? second : first, 0);
        else
            WritePriceBookFile(path, i % 2 ? second : first, 0);
    }
    const qint64 saveMicroseconds = std::max<qint64>(timer.nsecsElapsed() / 5000, 50);
    QRandomGenerator random(seed);
    const QByteArray firstBytes = PriceBookBytes(first, 0);
    // A child's first save takes longer than those measured above, and on a
    // loaded machine many times longer. Every twenty kills the window is set
    // again, so that about a quarter of the kills find the book saved: wider
    // when fewer did (on a slow machine, none), narrower when more did. A kill
    // after two saves finds the book as it was, so however wide the window,
    // no more than about half find it saved; a wide window is only slower.
    qint64 window = 3 * saveMicroseconds;
    int changed = 0;
    QElapsedTimer killing;
    killing.start();
    int kill = 0;
    for (; kill < kills && (kill < FewestKills || killing.elapsed() < KillingMilliseconds); ++kill) {
        // The child saves first the book that is not on disk, so that any
        // save that goes through shows.
        const QByteArray before = FileBytes(path);
        const bool firstOnDisk = before == firstBytes;
        const pid_t child = startSaving(path, firstOnDisk ? second : first, firstOnDisk ? first : second, history);
        QVERIFY(child > 0);
        ::usleep(static_cast<useconds_t>(random.bounded(static_cast<quint32>(window))));
        QCOMPARE(::kill(child, SIGKILL), 0);
        int status = 0;
        QCOMPARE(::waitpid(child, &status, 0), child);
        QVERIFY(WIFSIGNALED(status));
        const QByteArray now = FileBytes(path);
        check(now);
        changed += now == before ? 0 : 1;
        if ((kill + 1) % 20 == 0) {
            if (changed < 3 && window < 1000000)
                window *= 2;
            else if (changed > 7 && window > saveMicroseconds)
                window /= 2;
            changed = 0;
        }
    }
    qInfo("%d kills in %lld ms, a save takes about %lld µs, the last kills fell within %lld µs", kill,
          killing.elapsed(), saveMicroseconds, window);
}

// A book in a folder of its own, saved as the old one, and the bytes of the
// old and the new book as a save writes them.
struct TwoBooks {
    QTemporaryDir dir;
    QString path = dir.filePath("haikan1.FDA");
    PriceBook oldBook = SampleBook(0);
    PriceBook newBook = SampleBook(1);
    QByteArray oldBytes = PriceBookBytes(oldBook, 0);
    QByteArray newBytes = PriceBookBytes(newBook, 0);

    TwoBooks() { WritePriceBookFile(path, oldBook, 0); }
};

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
    const TwoBooks b;
    const auto& [dir, path, oldBook, newBook, oldBytes, newBytes] = b;
    QVERIFY(oldBytes != newBytes);

    int sawOld = 0;
    int sawNew = 0;
    killSaves(path, newBook, oldBook, false, 300, 20240815, [&](const QByteArray& now) {
        if (now == b.oldBytes)
            ++sawOld;
        else if (now == b.newBytes)
            ++sawNew;
        else
            QFAIL(qPrintable(QStringLiteral("a kill left a book of %1 bytes that is neither").arg(now.size())));
    });
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
    qInfo("old book %d times, new book %d times, %lld copies left", sawOld, sawNew,
          static_cast<long long>(left.size() - 1));
}

// A save that also writes the history, killed at any moment: the book is
// old or new, and every version in the history is whole.
void TestSaveCrash::killedSavesKeepWholeVersions()
{
    const TwoBooks b;
    const auto& [dir, path, oldBook, newBook, oldBytes, newBytes] = b;
    int corrupt = 0;
    killSaves(path, newBook, oldBook, true, 1000, 20261209,
              [&](const QByteArray& now) { corrupt += now == b.oldBytes || now == b.newBytes ? 0 : 1; });
    const std::vector<BookVersion> versions = BookVersions(path);
    QVERIFY(!versions.empty());
    for (const BookVersion& version : versions) {
        const QByteArray kept = FileBytes(version.file);
        corrupt += kept == oldBytes || kept == newBytes ? 0 : 1;
    }
    QCOMPARE(corrupt, 0);
    qInfo("0 corrupt books or versions, %zu whole versions kept", versions.size());
}

#include "TestMain.h"
KAVREL_TEST_APPLESS_MAIN(TestSaveCrash)
#include "TestSaveCrash.moc"
