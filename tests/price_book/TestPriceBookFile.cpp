#include "FileError.h"
#include "PriceBookFile.h"
#include "RecordBytes.h"
#include "SampleBooks.h"
#include "TestFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace {

std::int64_t recordNoAt(const QByteArray& file, int k)
{
    return qFromLittleEndian<std::int64_t>(file.constData() + (k - 1) * 360 + 128) / 10000;
}

// A book whose every record is told apart by its list price.
QByteArray numberedFile(int records)
{
    QByteArray file;
    for (int k = 1; k <= records; ++k)
        file += RecordBytes().i64(208, k * 10000LL).text(136, QByteArray::number(k % 1000)).bytes;
    return file;
}

} // namespace

class TestPriceBookFile : public QObject {
    Q_OBJECT
private slots:
    void missingFileIsCreatedBlank();
    void saveNumbersRecordsFromTheBase_data();
    void saveNumbersRecordsFromTheBase();
    void failedLoadReplacesNothing_data();
    void failedLoadReplacesNothing();
    void longerFileLoadsItsFirstRecords();
    void rowAddress_data();
    void rowAddress();
    void singleRecordByPosition();
    void goodsNames_data();
    void goodsNames();
    void fingerprintFollowsTheBytes();
    void blankBookIsKnown();
    void readingAndWritingIntoReusedMemoryLeavesNothingOfBefore();
};

void TestPriceBookFile::missingFileIsCreatedBlank()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("haikan1.FDA");
    PriceBook book;
    book.row(5).listPrice = Currency::fromUnits(99);
    QCOMPARE(LoadPriceBook(book, path, 0), BlankRecordBase);
    const QByteArray file = FileBytes(path);
    QCOMPARE(file.size(), 432000);
    QCOMPARE(recordNoAt(file, 1), -1199);
    QCOMPARE(recordNoAt(file, 1200), 0);
    // Apart from the record numbers every byte is zero.
    for (int k = 1; k <= 1200; ++k) {
        QByteArray record = file.mid((k - 1) * 360, 360);
        record.replace(128, 8, QByteArray(8, '\0'));
        QCOMPARE(record, QByteArray(360, '\0'));
    }
    QCOMPARE(book, BlankPriceBook(BlankRecordBase));
}

void TestPriceBookFile::saveNumbersRecordsFromTheBase_data()
{
    QTest::addColumn<int>("recordBaseCode");
    QTest::addColumn<int>("first");
    QTest::newRow("after the start-up load") << CategoryRecordBaseCode << 1;
    QTest::newRow("after a load from the data load command") << UserFileRecordBaseCode << 13201;
}

void TestPriceBookFile::saveNumbersRecordsFromTheBase()
{
    QFETCH(int, recordBaseCode);
    QFETCH(int, first);
    QTemporaryDir dir;
    const QString path = dir.filePath("haikan3.FDA");
    PutFileBytes(path, numberedFile(1200));
    PriceBook book;
    const std::int64_t base = LoadPriceBook(book, path, recordBaseCode);
    QCOMPARE(book.row(77).listPrice, Currency::fromUnits(77));
    WritePriceBookFile(path, book, base);
    const QByteArray file = FileBytes(path);
    QCOMPARE(recordNoAt(file, 1), first);
    QCOMPARE(recordNoAt(file, 1200), first + 1199);
    // Everything else is written back as read.
    QByteArray expected = numberedFile(1200);
    for (int k = 1; k <= 1200; ++k)
        expected.replace((k - 1) * 360 + 128, 8, file.mid((k - 1) * 360 + 128, 8));
    QCOMPARE(file, expected);
}

void TestPriceBookFile::failedLoadReplacesNothing_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("contents");
    QTest::newRow("1199 records") << "short.FDA" << numberedFile(1199);
    QTest::newRow("empty file") << "empty.FDA" << QByteArray();
    QTest::newRow("one byte short") << "cut.FDA" << numberedFile(1200).chopped(1);
    QTest::newRow("a folder") << "folder.FDA" << QByteArray();
    QTest::newRow("missing folder") << "no/such/folder/x.FDA" << QByteArray();
    QTest::newRow("a named pipe") << "pipe.FDA" << QByteArray();
    QTest::newRow("a link to nothing") << "link.FDA" << QByteArray();
    QTest::newRow("no name") << "" << QByteArray();
}

void TestPriceBookFile::failedLoadReplacesNothing()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, contents);
    QTemporaryDir dir;
    const QString path = name.isEmpty() ? QString() : dir.filePath(name);
    const bool special = name == "folder.FDA" || name == "pipe.FDA" || name == "link.FDA" || name.isEmpty();
    if (name == "folder.FDA")
        QVERIFY(QDir(dir.path()).mkdir(name));
    else if (name == "pipe.FDA")
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0644), 0);
    else if (name == "link.FDA")
        QVERIFY(QFile::link(dir.filePath("gone.FDA"), path));
    else if (!name.contains('/') && !special)
        PutFileBytes(path, contents);

    PriceBook book;
    book.row(1).headerText.setText(QString::fromUtf8("鋼管"));
    book.row(1200).listPrice = Currency::fromUnits(5);
    const PriceBook before = book;
    try {
        LoadPriceBook(book, path, 0);
        QFAIL("the load did not fail");
    } catch (const FileError& e) {
        QCOMPARE(e.file(), path);
        QVERIFY(!e.reason().isEmpty());
    }
    QCOMPARE(book, before);
    if (!name.contains('/') && !special)
        QCOMPARE(FileBytes(path), contents); // the file is not touched either
    // Nothing is put in the place of what is there, nor beside it.
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot).size(),
             name.isEmpty() || name.contains('/') ? 0 : 1);
}

void TestPriceBookFile::longerFileLoadsItsFirstRecords()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("long.FDA");
    PutFileBytes(path, numberedFile(1203));
    PriceBook book;
    LoadPriceBook(book, path, 0);
    QCOMPARE(book.row(1200).listPrice, Currency::fromUnits(1200));
    WritePriceBookFile(path, book, 0);
    QCOMPARE(QFileInfo(path).size(), 432000);
}

void TestPriceBookFile::rowAddress_data()
{
    QTest::addColumn<int>("material");
    QTest::addColumn<int>("sheet");
    QTest::addColumn<int>("line");
    QTest::addColumn<int>("k");
    QTest::addColumn<qint64>("offset");
    QTest::newRow("first") << 0 << 0 << 1 << 1 << qint64(0);
    QTest::newRow("settings line of the first sheet") << 0 << 0 << 15 << 15 << qint64(5040);
    QTest::newRow("wrap to the next sheet") << 0 << 1 << 1 << 16 << qint64(5400);
    QTest::newRow("last of a material") << 0 << 3 << 15 << 60 << qint64(21240);
    QTest::newRow("wrap to the next material") << 1 << 0 << 1 << 61 << qint64(21600);
    QTest::newRow("material 1, sheet 2, line 14") << 1 << 2 << 14 << 104 << qint64(37080);
    QTest::newRow("last") << 19 << 3 << 15 << 1200 << qint64(431640);
}

// One numbering for the book in memory, the file and the single-record reads.
void TestPriceBookFile::rowAddress()
{
    QFETCH(int, material);
    QFETCH(int, sheet);
    QFETCH(int, line);
    QFETCH(int, k);
    QCOMPARE(RowNumber(material, sheet, line), k);
    QCOMPARE(RowNumber(material, MaterialRowNumber(sheet, line)), k);
    QCOMPARE(PlaceOfRow(k), (RowPlace{material, sheet, line}));
    QTEST(RecordOffset(k), "offset");

    QTemporaryDir dir;
    const QString path = dir.filePath("haikan2.FDA");
    const QByteArray file = numberedFile(1200);
    PutFileBytes(path, file);
    QCOMPARE(ReadPriceRecord(path, k).listPrice, Currency::fromUnits(k));
    const PriceBook book = PriceBookFromBytes(path, file);
    QCOMPARE(book.row(material, MaterialRowNumber(sheet, line)).listPrice, Currency::fromUnits(k));
    QCOMPARE(PriceBookBytes(book, 0).mid(RecordOffset(k) + 208, 8), file.mid(RecordOffset(k) + 208, 8));
}

void TestPriceBookFile::singleRecordByPosition()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("haikan2.FDA");
    PutFileBytes(path, numberedFile(1200));
    QVERIFY_THROWS_EXCEPTION(FileError, ReadPriceRecord(path, 0));
    QVERIFY_THROWS_EXCEPTION(FileError, ReadPriceRecord(path, 1201));
    PutFileBytes(dir.filePath("short.FDA"), numberedFile(10));
    QVERIFY_THROWS_EXCEPTION(FileError, ReadPriceRecord(dir.filePath("short.FDA"), 11));
    QCOMPARE(ReadPriceRecord(dir.filePath("short.FDA"), 10).listPrice, Currency::fromUnits(10));
    // The input dialog reads records one by one: a pipe must not stop it.
    const QString pipe = dir.filePath("pipe.FDA");
    QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0644), 0);
    QVERIFY_THROWS_EXCEPTION(FileError, ReadPriceRecord(pipe, 1));
}

void TestPriceBookFile::goodsNames_data()
{
    QTest::addColumn<int>("records");
    QTest::addColumn<bool>("namesRead");
    QTest::addColumn<bool>("labelsRead");
    QTest::newRow("whole book") << 1200 << true << true;
    QTest::newRow("one record short") << 1199 << true << false;
    QTest::newRow("up to the last material's first line") << 1141 << true << false;
    QTest::newRow("without it") << 1140 << false << false;
}

// The material list of the input dialog reads the records it needs; the
// tree of the main window takes a book only whole, as loading it would.
void TestPriceBookFile::goodsNames()
{
    QFETCH(int, records);
    QTemporaryDir dir;
    const QString path = dir.filePath("haikan3.FDA");
    QByteArray file = numberedFile(1200);
    // Material 0 blank (the numbered file names no goods), 1 with blanks
    // around its name, 19 named.
    const auto setName = [&](int material, const QByteArray& name) {
        const qint64 at = RecordOffset(RowNumber(material, 0, 1)) + 4;
        file[at] = char(name.size());
        file.replace(at + 1, name.size(), name);
    };
    setName(1, " A; B ");
    setName(19, "Last");
    PutFileBytes(path, file.left(RecordOffset(records + 1)));

    QFETCH(bool, namesRead);
    if (!namesRead) {
        QVERIFY_THROWS_EXCEPTION(FileError, ReadGoodsNames(path, BookLength::RecordsRead));
    } else {
        const std::array<QString, Materials> names = ReadGoodsNames(path, BookLength::RecordsRead);
        QCOMPARE(names[0], QString());
        QCOMPARE(names[1], QStringLiteral(" A; B "));
        QCOMPARE(names[19], QStringLiteral("Last"));
    }
    QFETCH(bool, labelsRead);
    if (!labelsRead) {
        QVERIFY_THROWS_EXCEPTION(FileError, ReadMaterialLabels(path));
    } else {
        const std::array<QString, Materials> labels = ReadMaterialLabels(path);
        QCOMPARE(labels[0], QStringLiteral("----"));
        QCOMPARE(labels[1], QStringLiteral("A; B"));
        QCOMPARE(labels[19], QStringLiteral("Last"));
    }
}

// A save must know whether someone else wrote the file since it was read:
// by its bytes, whatever its time says.
void TestPriceBookFile::fingerprintFollowsTheBytes()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("haikan1.FDA");
    PutFileBytes(path, numberedFile(1200));
    PriceBook book;
    BookFingerprint read;
    LoadPriceBook(book, path, 0, &read);
    QVERIFY(!read.isEmpty());
    QCOMPARE(ReadBookFingerprint(path), read);
    QVERIFY(!BookChangedSince(path, read));

    // The same bytes written again: a new time, no change.
    PutFileBytes(path, numberedFile(1200));
    QVERIFY(!BookChangedSince(path, read));
    // One byte of the last record, or bytes past the records.
    QByteArray changed = numberedFile(1200);
    changed[431999] = 1;
    PutFileBytes(path, changed);
    QVERIFY(BookChangedSince(path, read));
    PutFileBytes(path, numberedFile(1200) + "x");
    QVERIFY(BookChangedSince(path, read));
    // What a save wrote is what the file now holds.
    const BookFingerprint written = WritePriceBookFile(path, book, 0);
    QCOMPARE(ReadBookFingerprint(path), written);
    QVERIFY(!BookChangedSince(path, written));
    // A file deleted since is not one a save would replace.
    QVERIFY(QFile::remove(path));
    QVERIFY(ReadBookFingerprint(path).isEmpty());
    QVERIFY(!BookChangedSince(path, written));
}

// The start-up keeps a scratch book only when it is what a new one would be.
void TestPriceBookFile::blankBookIsKnown()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("NEWData.FDA");
    QVERIFY(!HoldsBlankBook(path));
    PriceBook book;
    LoadPriceBook(book, path, 11);
    QVERIFY(HoldsBlankBook(path));
    QByteArray bytes = FileBytes(path);
    for (const qsizetype at : {qsizetype(0), qsizetype(431999)}) {
        QByteArray changed = bytes;
        changed[at] = static_cast<char>(changed[at] ^ 1);
        PutFileBytes(path, changed);
        QVERIFY(!HoldsBlankBook(path));
    }
    PutFileBytes(path, bytes + QByteArray(1, '\0'));
    QVERIFY(!HoldsBlankBook(path));
    PutFileBytes(path, bytes);
    QVERIFY(HoldsBlankBook(path));
    // Blank rows numbered as a save numbers them are not a new book.
    WritePriceBookFile(path, BlankPriceBook(0), 0);
    QVERIFY(!HoldsBlankBook(path));
    QVERIFY(!HoldsBlankBook(dir.path()));
}

// The fuzz targets read and write into the same memory input after input:
// nothing of the book or bytes there before may survive.
void TestPriceBookFile::readingAndWritingIntoReusedMemoryLeavesNothingOfBefore()
{
    const PriceBook first = SampleBook(0);
    const PriceBook second = SampleBook(1);
    const QByteArray firstBytes = PriceBookBytes(first, 0);
    QVERIFY(firstBytes != PriceBookBytes(second, 0));

    PriceBook book = second;
    PriceBookFromBytes("b.FDA", firstBytes, book);
    QVERIFY(book == PriceBookFromBytes("b.FDA", firstBytes));

    for (QByteArray bytes : {PriceBookBytes(second, 13200), QByteArray(10, '\xff'), QByteArray(500000, '\xff')}) {
        PriceBookBytes(first, 0, bytes);
        QCOMPARE(bytes, firstBytes);
    }
}

#include "TestMain.h"
KAVREL_TEST_APPLESS_MAIN(TestPriceBookFile)
#include "TestPriceBookFile.moc"
