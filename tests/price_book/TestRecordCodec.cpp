#include "RecordBytes.h"
#include "RecordCodec.h"

#include <QRandomGenerator>
#include <QTest>

class TestRecordCodec : public QObject {
    Q_OBJECT
private slots:
    void decodesEveryFieldAtItsOffset();
    void encodesTheSameBytes();
    void overlongLengthIsCutToCapacity_data();
    void overlongLengthIsCutToCapacity();
    void garbageAfterTextIsWrittenAsZeros();
    void roundTripOfRandomRecords();
};

namespace {

RecordBytes crafted()
{
    RecordBytes r;
    r.i32(0, -7)                                   // reserved0
        .text(4, "\x83\x7c\x83\x8a\x83\x47\x83\x60\x83\x8c\x83\x93") // headerText ポリエチレン
        .text(85, "\x89\xae\x93\xe0\x88\xea\x94\xca") // sheetName 屋内一般
        .i64(128, 420000)                            // recordNo 42
        .text(136, "15A")                            // sizeName
        .i32(144, 0x12345678)                        // reserved1
        .text(148, "\x82\x8d")                       // unit ｍ
        .i32(156, -3);                               // auxValue
    for (int i = 0; i < 25; ++i)                     // costPrice … adoptedLevel[5]
        r.i64(160 + 8 * i, (i + 1) * 10001 - (i % 2 ? 1'000'000'000'000 : 0));
    return r;
}

} // namespace

void TestRecordCodec::decodesEveryFieldAtItsOffset()
{
    const PriceRow row = DecodeRecord(crafted().bytes.constData());
    QCOMPARE(row.reserved0, -7);
    QCOMPARE(row.headerText.text(), QString::fromUtf8("ポリエチレン"));
    QCOMPARE(row.sheetName.text(), QString::fromUtf8("屋内一般"));
    QCOMPARE(row.recordNo, Currency::fromUnits(42));
    QCOMPARE(row.sizeName.bytes(), QByteArray("15A"));
    QCOMPARE(row.reserved1, 0x12345678);
    QCOMPARE(row.unit.text(), QString::fromUtf8("ｍ"));
    QCOMPARE(row.auxValue, -3);
    auto expected = [](int i) { return Currency::fromRaw((i + 1) * 10001 - (i % 2 ? 1'000'000'000'000 : 0)); };
    QCOMPARE(row.costPrice, expected(0));
    for (int k = 0; k < 5; ++k) {
        QCOMPARE(row.levelPrice[k], expected(1 + k));
        QCOMPARE(row.compositeLevel[k], expected(15 + k));
        QCOMPARE(row.adoptedLevel[k], expected(20 + k));
    }
    QCOMPARE(row.listPrice, expected(6));
    for (int j = 0; j < 7; ++j)
        QCOMPARE(row.rate[j], expected(7 + j));
    QCOMPARE(row.compositeCost, expected(14));
}

void TestRecordCodec::encodesTheSameBytes()
{
    const RecordBytes r = crafted();
    const PriceRow row = DecodeRecord(r.bytes.constData());
    QByteArray out(360, '\x55');
    EncodeRecord(row, Currency::fromUnits(42), out.data());
    QCOMPARE(out, r.bytes);
    // The record number is the one given, not the one read.
    EncodeRecord(row, Currency::fromUnits(13201), out.data());
    QCOMPARE(qFromLittleEndian<std::int64_t>(out.constData() + 128), std::int64_t(132010000));
}

void TestRecordCodec::overlongLengthIsCutToCapacity_data()
{
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("capacity");
    QTest::newRow("headerText") << 4 << 80;
    QTest::newRow("sheetName") << 85 << 40;
    QTest::newRow("sizeName") << 136 << 6;
    QTest::newRow("unit") << 148 << 4;
}

void TestRecordCodec::overlongLengthIsCutToCapacity()
{
    QFETCH(int, offset);
    QFETCH(int, capacity);
    RecordBytes r;
    r.text(offset, QByteArray(capacity, 'x'), 200);
    const PriceRow row = DecodeRecord(r.bytes.constData());
    QByteArray out(360, '\0');
    EncodeRecord(row, Currency(), out.data());
    QCOMPARE(static_cast<unsigned char>(out[offset]), static_cast<unsigned char>(capacity));
    QCOMPARE(out.mid(offset + 1, capacity), QByteArray(capacity, 'x'));
}

void TestRecordCodec::garbageAfterTextIsWrittenAsZeros()
{
    RecordBytes r;
    r.bytes.fill('\xEE');
    r.text(4, "ab").text(85, "").text(136, "1").text(148, "kg");
    const PriceRow row = DecodeRecord(r.bytes.constData());
    QByteArray out(360, '\x55');
    EncodeRecord(row, Currency(), out.data());
    QCOMPARE(out.mid(4, 4), QByteArray("\x02" "ab\0", 4));
    QCOMPARE(out.mid(7, 78), QByteArray(78, '\0'));
    QCOMPARE(out.mid(126, 2), QByteArray(2, '\0')); // padding
    QCOMPARE(out.mid(143, 1), QByteArray(1, '\0'));
    QCOMPARE(out.mid(153, 3), QByteArray(3, '\0'));
    QCOMPARE(out.mid(0, 4), QByteArray(4, '\xEE')); // reserved0 is kept as read
    QCOMPARE(out.mid(144, 4), QByteArray(4, '\xEE'));
    QCOMPARE(out.mid(160), r.bytes.mid(160));

    // A cleared text is written as none.
    PriceRow cleared = row;
    cleared.headerText.clear();
    EncodeRecord(cleared, Currency(), out.data());
    QCOMPARE(out.mid(4, 81), QByteArray(81, '\0'));
}

void TestRecordCodec::roundTripOfRandomRecords()
{
    // Any record whose padding and text tails are zero comes back byte for
    // byte, whatever the values, invalid Shift-JIS included.
    QRandomGenerator rng(1234);
    for (int i = 0; i < 500; ++i) {
        RecordBytes r;
        for (auto& c : r.bytes)
            c = static_cast<char>(rng.bounded(256));
        for (auto [offset, capacity] : {std::pair{4, 80}, {85, 40}, {136, 6}, {148, 4}}) {
            const int length = rng.bounded(capacity + 1);
            r.bytes[offset] = static_cast<char>(length);
            r.bytes.replace(offset + 1 + length, capacity - length, QByteArray(capacity - length, '\0'));
        }
        r.bytes.replace(126, 2, QByteArray(2, '\0')).replace(143, 1, QByteArray(1, '\0'));
        r.bytes.replace(153, 3, QByteArray(3, '\0'));
        const PriceRow row = DecodeRecord(r.bytes.constData());
        QByteArray out(360, '\0');
        EncodeRecord(row, row.recordNo, out.data());
        QCOMPARE(out, r.bytes);
    }
}

#include "TestMain.h"
KAVREL_TEST_APPLESS_MAIN(TestRecordCodec)
#include "TestRecordCodec.moc"
