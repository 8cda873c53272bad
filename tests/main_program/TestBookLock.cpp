#include "BookLock.h"
#include "PriceBookFile.h"
#include "PriceBookSession.h"
#include "ScopedEnvironment.h"
#include "TestFiles.h"

#include <QDir>
#include <QHostInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <pwd.h>
#include <unistd.h>

namespace {

QDateTime now() { return QDateTime::currentDateTimeUtc(); }

std::optional<LockHolder> lockOf(const QString& book) { return LockFromBytes(FileBytes(LockFilePath(book))); }

// The id of a process that has ended.
qint64 endedProcess()
{
    QProcess p;
    p.start(QStringLiteral("true"), {});
    p.waitForFinished();
    return p.processId() > 0 ? p.processId() : 999999;
}

} // namespace

// The lock file beside a loaded book: who else has it open, taken over when
// left behind, gone when the book is unloaded.
class TestBookLock : public QObject {
    Q_OBJECT
private slots:
    void lockFileRoundTrip();
    void stale_data();
    void stale();
    void secondLoadSeesTheFirst();
    void lockLeftBehindIsTakenOverSilently();
    void folderThatRefusesTheFileCostsOnlyTheNotice();
    void sessionLocksWhatItHasLoaded();
};

void TestBookLock::lockFileRoundTrip()
{
    const LockHolder h{QStringLiteral("田中, 一郎 x"), QStringLiteral("pc-07"), 4242,
                       QDateTime(QDate(2026, 12, 8), QTime(9, 30), Qt::UTC), QStringLiteral("id-1")};
    QCOMPARE(LockFromBytes(LockFileBytes(h)), h);
    QCOMPARE(LockFilePath(QStringLiteral("/srv/kanzai/haikan1.FDA")), QStringLiteral("/srv/kanzai/.~lock.haikan1.FDA#"));
    for (const QByteArray& bad : {QByteArray(), QByteArray("kavrel-lock\nu\nh\n1\nnot a time\nid\n"),
                                  QByteArray("other,lock,file\n")})
        QCOMPARE(LockFromBytes(bad), std::nullopt);
    QVERIFY(LockNoticeText(h).contains(QString::fromUtf8("田中, 一郎 x（pc-07）")));
}

void TestBookLock::stale_data()
{
    QTest::addColumn<QString>("host");
    QTest::addColumn<bool>("alive");
    QTest::addColumn<int>("ageSeconds");
    QTest::addColumn<bool>("stale");
    QTest::newRow("this host, process running") << "here" << true << 3 * 86400 << false;
    QTest::newRow("this host, process gone") << "here" << false << 10 << true;
    QTest::newRow("another host, an hour") << "there" << false << 3600 << false;
    QTest::newRow("another host, just a day") << "there" << false << 86400 << false;
    QTest::newRow("another host, a day and a second") << "there" << true << 86401 << true;
}

void TestBookLock::stale()
{
    QFETCH(QString, host);
    QFETCH(bool, alive);
    QFETCH(int, ageSeconds);
    QFETCH(bool, stale);
    const LockHolder h{QStringLiteral("u"), host, 77, now().addSecs(-ageSeconds), QStringLiteral("x")};
    QCOMPARE(IsStaleLock(h, QStringLiteral("here"), now(), [alive](qint64) { return alive; }), stale);
}

void TestBookLock::secondLoadSeesTheFirst()
{
    // Started without a login session's USER, the lock still names the user.
    ScopedEnvironment environment;
    environment.set("USER", QString());
    QTemporaryDir dir;
    const QString book = dir.filePath("haikan1.FDA");
    std::optional<LockHolder> mine;
    {
        BookLock first;
        QCOMPARE(first.take(book), std::nullopt);
        mine = lockOf(book);
        QVERIFY(mine);
        QCOMPARE(mine->pid, qint64(::getpid()));
        QCOMPARE(mine->host, QHostInfo::localHostName());
        QCOMPARE(mine->user, QString::fromLocal8Bit(::getpwuid(::geteuid())->pw_name));
        BookLock second;
        QCOMPARE(second.take(book), mine);
        second.release(); // not its lock: the first one's stays
        QCOMPARE(lockOf(book), mine);
        QCOMPARE(first.take(book), std::nullopt); // the same book again
    }
    QVERIFY(!QFile::exists(LockFilePath(book)));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
}

void TestBookLock::lockLeftBehindIsTakenOverSilently()
{
    QTemporaryDir dir;
    const QString book = dir.filePath("haikan1.FDA");
    const LockHolder killed{QStringLiteral("u"), QHostInfo::localHostName(), endedProcess(), now(), QStringLiteral("x")};
    PutFileBytes(LockFilePath(book), LockFileBytes(killed));
    BookLock next;
    QCOMPARE(next.take(book), std::nullopt);
    QCOMPARE(lockOf(book)->pid, qint64(::getpid()));
}

void TestBookLock::folderThatRefusesTheFileCostsOnlyTheNotice()
{
    QTemporaryDir dir;
    BookLock lock;
    QCOMPARE(lock.take(dir.filePath("gone/haikan1.FDA")), std::nullopt);
    lock.release();
    QVERIFY(!QFile::exists(dir.filePath("gone")));
}

void TestBookLock::sessionLocksWhatItHasLoaded()
{
    QTemporaryDir dir;
    const QString one = dir.filePath("haikan1.FDA");
    const QString two = dir.filePath("haikan2.FDA");
    {
        PriceBookSession a(dir.path());
        a.SwitchCategory(0, one);
        QVERIFY(QFile::exists(LockFilePath(one)));
        PriceBookSession b(dir.path());
        b.SwitchCategory(0, one);
        const std::optional<LockHolder> seen = b.TakeLockNotice();
        QVERIFY(seen);
        QCOMPARE(seen->pid, qint64(::getpid()));
        QCOMPARE(b.TakeLockNotice(), std::nullopt); // told once
        // A category switch leaves the first book.
        a.SwitchCategory(1, two);
        QVERIFY(!QFile::exists(LockFilePath(one)));
        QVERIFY(QFile::exists(LockFilePath(two)));
        // Saved under a new name, the new book is the one held.
        a.SavePriceBook(dir.filePath("copy.FDA"));
        QVERIFY(!QFile::exists(LockFilePath(two)));
        QVERIFY(QFile::exists(LockFilePath(dir.filePath("copy.FDA"))));
    }
    // The program's end leaves none behind.
    QCOMPARE(QDir(dir.path()).entryList({QStringLiteral(".~lock.*")}, QDir::Files | QDir::Hidden), QStringList());
}

#include "TestMain.h"
KAVREL_TEST_GUILESS_MAIN(TestBookLock)
#include "TestBookLock.moc"
