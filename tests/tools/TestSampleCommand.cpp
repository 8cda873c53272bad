#include "ToolTestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString bookPath(const QString& folder, int category)
{
    return QDir(folder).filePath(QString("kanzai/haikan%1.FDA").arg(category + 1));
}

} // namespace

class TestSampleCommand : public QObject {
    Q_OBJECT
private slots:
    void writesTheTenBooks();
    void twoRunsGiveEqualBytes();
    void keepsBooksThatExist();
    void failsWhenTheBookFolderCannotBeMade();
    void needsExactlyOneFolder();
};

void TestSampleCommand::writesTheTenBooks()
{
    QTemporaryDir dir;
    const Run r = pricebook({"sample", dir.path()});
    QCOMPARE(r.status, 0);
    QCOMPARE(r.err, QString());
    QCOMPARE(r.out.count("wrote "), 10);
    for (int c = 0; c < 10; ++c) {
        QVERIFY2(r.out.contains("wrote " + bookPath(dir.path(), c) + "\n"), qPrintable(r.out));
        QCOMPARE(FileBytes(bookPath(dir.path(), c)), sampleBytes(c));
    }
    QCOMPARE(QDir(dir.filePath("kanzai")).entryList(QDir::Files).size(), 10);
}

void TestSampleCommand::twoRunsGiveEqualBytes()
{
    QTemporaryDir first;
    QTemporaryDir second;
    QCOMPARE(pricebook({"sample", first.path()}).status, 0);
    QCOMPARE(pricebook({"sample", second.path()}).status, 0);
    for (int c = 0; c < 10; ++c) {
        const QByteArray bytes = FileBytes(bookPath(first.path(), c));
        QCOMPARE(bytes.size(), 432000);
        QCOMPARE(FileBytes(bookPath(second.path(), c)), bytes);
    }
}

void TestSampleCommand::keepsBooksThatExist()
{
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("kanzai"));
    // Someone's own books, the first and the last, even one too short to load.
    const QByteArray own(432000, 'o');
    const QByteArray shortOne(100, 's');
    PutFileBytes(bookPath(dir.path(), 0), own);
    PutFileBytes(bookPath(dir.path(), 9), shortOne);
    // A link to a book on a share that is not mounted now.
    QVERIFY(QFile::link(dir.filePath("share/haikan6.FDA"), bookPath(dir.path(), 5)));

    const Run r = pricebook({"sample", dir.path()});
    QCOMPARE(r.status, 0);
    QCOMPARE(FileBytes(bookPath(dir.path(), 0)), own);
    QCOMPARE(FileBytes(bookPath(dir.path(), 9)), shortOne);
    QVERIFY2(r.out.contains("skipped " + bookPath(dir.path(), 0) + ": already exists\n"), qPrintable(r.out));
    QVERIFY2(r.out.contains("skipped " + bookPath(dir.path(), 9) + ": already exists\n"), qPrintable(r.out));
    QVERIFY(QFileInfo(bookPath(dir.path(), 5)).isSymLink());
    QVERIFY(!QFile::exists(dir.filePath("share/haikan6.FDA")));
    QCOMPARE(r.out.count("wrote "), 7);
    QCOMPARE(FileBytes(bookPath(dir.path(), 4)), sampleBytes(4));

    // A book changed since stays as it was changed.
    const QByteArray changed(432000, 'c');
    PutFileBytes(bookPath(dir.path(), 4), changed);
    const Run again = pricebook({"sample", dir.path()});
    QCOMPARE(again.status, 0);
    QCOMPARE(again.out.count("skipped "), 10);
    QCOMPARE(again.out.count("wrote "), 0);
    QCOMPARE(FileBytes(bookPath(dir.path(), 4)), changed);
}

void TestSampleCommand::failsWhenTheBookFolderCannotBeMade()
{
    QTemporaryDir dir;
    PutFileBytes(dir.filePath("kanzai"), "not a folder");
    const Run r = pricebook({"sample", dir.path()});
    QCOMPARE(r.status, 1);
    QCOMPARE(r.err.count('\n'), 1);
    QVERIFY2(r.err.startsWith("pricebook: " + dir.filePath("kanzai")), qPrintable(r.err));
    QCOMPARE(FileBytes(dir.filePath("kanzai")), QByteArray("not a folder"));
}

void TestSampleCommand::needsExactlyOneFolder()
{
    for (const QStringList& args : {QStringList{"sample"}, QStringList{"sample", "a", "b"}}) {
        const Run r = pricebook(args);
        QCOMPARE(r.status, 2);
        QVERIFY2(r.err.startsWith("pricebook: sample takes"), qPrintable(r.err));
    }
    QVERIFY(pricebook({"--help"}).out.contains("sample DIR"));
}

#include "TestMain.h"
KAVREL_TEST_APPLESS_MAIN(TestSampleCommand)
#include "TestSampleCommand.moc"
