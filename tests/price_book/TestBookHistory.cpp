#include "BookHistory.h"
#include "SampleBooks.h"
#include "TestFiles.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QDateTime Now(QDate(2026, 12, 9), QTime(12, 0), Qt::UTC);

// `count` versions of `size` bytes, `apart` seconds apart, the newest `first` seconds before now.
std::vector<BookVersion> versions(int count, qint64 apart, qint64 size = 1000, qint64 first = 60)
{
    std::vector<BookVersion> list;
    for (int i = 0; i < count; ++i)
        list.push_back({QString(), QString(), Now.addSecs(-first - apart * i), size});
    return list;
}

} // namespace

class TestBookHistory : public QObject {
    Q_OBJECT
private slots:
    void pruning_data();
    void pruning();
    void aSaveKeepsWhatItReplaces();
    void aHistoryThatCannotBeWrittenDoesNotStopTheSave();
    void theUsersSizeLimit_data();
    void theUsersSizeLimit();
};

// Kept: the newest 50, and the newest of each day of the last 90 days,
// whichever is more, within the size; the newest always.
void TestBookHistory::pruning_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<qint64>("apart");
    QTest::addColumn<qint64>("size");
    QTest::addColumn<int>("newest");
    QTest::addColumn<qint64>("maxBytes");
    QTest::addColumn<int>("kept"); // the newest `kept` stay
    const qint64 day = 86400, hour = 3600;
    QTest::newRow("fewer than 50") << 49 << hour << qint64(1000) << 50 << qint64(100'000'000) << 49;
    QTest::newRow("60 in one hour") << 60 << qint64(60) << qint64(1000) << 50 << qint64(100'000'000) << 50;
    QTest::newRow("one a day for 120 days") << 120 << day << qint64(1000) << 50 << qint64(100'000'000) << 90;
    QTest::newRow("one a day, exactly 90 days back") << 91 << day << qint64(1000) << 10 << qint64(100'000'000) << 91;
    QTest::newRow("within the size") << 10 << hour << qint64(432000) << 50 << qint64(1'000'000) << 2;
    QTest::newRow("exactly the size") << 10 << hour << qint64(500000) << 50 << qint64(1'000'000) << 2;
    QTest::newRow("a size below one version") << 10 << hour << qint64(432000) << 50 << qint64(100) << 1;
}

void TestBookHistory::pruning()
{
    QFETCH(int, count);
    QFETCH(qint64, apart);
    QFETCH(qint64, size);
    QFETCH(int, newest);
    QFETCH(qint64, maxBytes);
    QFETCH(int, kept);
    // "exactly 90 days back": the oldest was saved at now less 90 days.
    const qint64 first = QTest::currentDataTag() == QByteArray("one a day, exactly 90 days back") ? 0 : 60;
    const std::vector<BookVersion> list = versions(count, apart, size, first);
    const std::vector<std::size_t> removed = VersionsToRemove(list, Now, {newest, 90, maxBytes});
    std::vector<std::size_t> expected;
    for (std::size_t i = static_cast<std::size_t>(kept); i < list.size(); ++i)
        expected.push_back(i);
    QCOMPARE(removed, expected);
}

// The replaced bytes become the newest version; a save of unchanged bytes
// keeps no second copy; the book holds what was saved.
void TestBookHistory::aSaveKeepsWhatItReplaces()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("kanzai/haikan1.FDA");
    QVERIFY(QDir().mkpath(dir.filePath("kanzai")));
    QVERIFY(SaveBookKeepingHistory(path, SampleBook(0), 0).historyFailure == std::nullopt);
    QVERIFY(BookVersions(path).empty()); // nothing was replaced
    const QByteArray first = FileBytes(path);
    QVERIFY(!SaveBookKeepingHistory(path, SampleBook(1), 0).historyFailure);
    const QByteArray second = FileBytes(path);
    QVERIFY(!SaveBookKeepingHistory(path, SampleBook(1), 0).historyFailure);
    const std::vector<BookVersion> kept = BookVersions(path);
    QCOMPARE(kept.size(), std::size_t(2));
    QCOMPARE(FileBytes(kept[0].file), second);
    QCOMPARE(FileBytes(kept[1].file), first);
    QCOMPARE(QFileInfo(kept[0].file).absolutePath(), QDir(dir.filePath("kanzai/.history/haikan1")).absolutePath());
    QVERIFY(kept[0].name.contains(QRegularExpression("^\\d{8}-\\d{6}-[0-9a-f]{8}$")));
}

// A folder in the way of the history: the save goes through and the failure
// comes back, naming the book.
void TestBookHistory::aHistoryThatCannotBeWrittenDoesNotStopTheSave()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("haikan1.FDA");
    SaveBookKeepingHistory(path, SampleBook(0), 0);
    QFile blocker(dir.filePath(".history"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const HistorySave saved = SaveBookKeepingHistory(path, SampleBook(2), 0);
    QVERIFY(saved.historyFailure);
    QCOMPARE(saved.historyFailure->file(), path);
    QCOMPARE(DifferingLines(ReadPriceBookFile(path), SampleBook(2)), 0);
    QVERIFY(DifferingLines(ReadPriceBookFile(path), SampleBook(0)) > 0);
    QCOMPARE(saved.fingerprint, ReadBookFingerprint(path));
}

void TestBookHistory::theUsersSizeLimit_data()
{
    QTest::addColumn<QByteArray>("file"); // empty: none
    QTest::addColumn<qint64>("maxBytes");
    const qint64 mb = 1024 * 1024;
    QTest::newRow("no file") << QByteArray() << 100 * mb;
    QTest::newRow("20 MB") << QByteArray("[MAX_MB]=20\r\n") << 20 * mb;
    QTest::newRow("1 MB, the least") << QByteArray("[MAX_MB]=1\r\n") << 1 * mb;
    QTest::newRow("0") << QByteArray("[MAX_MB]=0\r\n") << 100 * mb;
    QTest::newRow("negative") << QByteArray("[MAX_MB]=-5\r\n") << 100 * mb;
    QTest::newRow("not a number") << QByteArray("[MAX_MB]=lots\r\n") << 100 * mb;
}

void TestBookHistory::theUsersSizeLimit()
{
    QFETCH(QByteArray, file);
    QFETCH(qint64, maxBytes);
    QTemporaryDir dir;
    if (!file.isEmpty()) {
        QFile f(dir.filePath("kavrel_history.conf"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(file);
    }
    QCOMPARE(ReadHistoryPolicy(dir.path()).maxBytes, maxBytes);
}

#include "TestMain.h"
KAVREL_TEST_APPLESS_MAIN(TestBookHistory)
#include "TestBookHistory.moc"
