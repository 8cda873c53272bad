#include "BasicData.h"
#include "MaterialSettings.h"
#include "ShiftJis.h"
#include "TestUnits.h"

#include <QTest>

namespace {

constexpr int LastMaterial = Materials - 1;

// Material 20 of a book in which every sheet has its own sizes and names,
// line 15 carries a size, and the settings and labour lines hold settings.
struct BasicDataFixture {
    PriceBook book = BlankPriceBook(0);
    WorkSet work;

    BasicDataFixture()
    {
        const char* const headers[] = {"配管用炭素鋼鋼管（白）", "給水", "ねじ接合", "建設物価", "P.120"};
        for (int line = 1; line <= HeaderLines; ++line)
            row(line).headerText.setText(QString::fromUtf8(headers[line - 1]));
        for (int sheet = 0; sheet < Sheets; ++sheet) {
            for (int line = 1; line <= LinesPerSheet; ++line) {
                PriceRow& r = row(MaterialRowNumber(sheet, line));
                r.sheetName.setText(QStringLiteral("S%1").arg(sheet));
                r.sizeName.setText(QStringLiteral("%1-%2").arg(sheet).arg(line));
                r.unit.setText(QString::fromUtf8("本"));
                r.auxValue = 100 * sheet + line;
                r.listPrice = units(1000 + line);
                r.rate[0] = units(1);
                r.compositeCost = units(900 + line);
                r.compositeLevel[0] = units(800 + line);
                r.adoptedLevel[0] = units(810 + line);
            }
        }
        row(1).unit.setText(QStringLiteral("kg")); // the dialog shows line 1's unit
        MaterialSettings s{row(SettingsRowNumber)};
        s.adoptedStep() = units(100);
        s.componentAddend() = units(0.5);
        s.componentDecimals() = units(2);
        s.mode() = units(0);
        s.adoptedStepAddend() = units(0);
        s.ratePricingFlag() = units(1);
        s.ratePercent(Level1) = units(80);
        row(LabourRowNumber).compositeCost = units(15000);
        row(LabourRowNumber).compositeLevel[0] = units(18000);
        book.row(LastMaterial - 1, 1).headerText.setText(QStringLiteral("neighbour"));
        LoadMaterial(work, book, LastMaterial);
    }
    PriceRow& row(int n) { return book.row(LastMaterial, n); }
};

template <int N>
QByteArray Bytes(const ShortText<N>& text) { return text.bytes(); }

} // namespace

class TestBasicData : public QObject {
    Q_OBJECT
private slots:
    void showReadsTheMaterial();
    void showChoices_data();
    void showChoices();
    void storedChoices_data();
    void storedChoices();
    void zeroDigitUnitShowsAndStoresAsOne();
    void storeWithoutChangesKeepsTheMaterial();
    void storeCopiesTheStoredLabourCost();
    void textsAreCutAtACharacterBoundary_data();
    void textsAreCutAtACharacterBoundary();
    void unchangedTextsKeepTheirBytes();
};

void TestBasicData::showReadsTheMaterial()
{
    BasicDataFixture f;
    const BasicData data = ShowBasicData(f.work);
    QCOMPARE(data.headerTexts[0], QString::fromUtf8("配管用炭素鋼鋼管（白）"));
    QCOMPARE(data.headerTexts[4], QStringLiteral("P.120"));
    QCOMPARE(data.unit, QStringLiteral("kg"));
    QCOMPARE(data.sizeNames[0], QStringLiteral("0-1"));
    QCOMPARE(data.sizeNames[13], QStringLiteral("0-14"));
    for (int sheet = 0; sheet < Sheets; ++sheet)
        QCOMPARE(data.sheetNames[static_cast<std::size_t>(sheet)], QStringLiteral("S%1").arg(sheet));
    QCOMPARE(data.adoptedStep, 2);
    QCOMPARE(data.componentAddend, 2);
    QCOMPARE(data.componentDecimals, 2);
    QCOMPARE(data.adoptedStepAddend, 1);
    QCOMPARE(data.mode, 0);
}

void TestBasicData::showChoices_data()
{
    QTest::addColumn<int>("slot");    // index into rate[]
    QTest::addColumn<double>("stored");
    QTest::addColumn<int>("choice");  // the index ShowBasicData gives
    // Values of no button leave the group as a new BasicData has it.
    QTest::newRow("decimals 0") << 2 << 0.0 << 0;
    QTest::newRow("decimals 3") << 2 << 3.0 << 3;
    QTest::newRow("decimals by whole part") << 2 << 2.7 << 2;
    QTest::newRow("decimals 4 is no button") << 2 << 4.0 << 0;
    QTest::newRow("decimals -1 is no button") << 2 << -1.0 << 0;
    QTest::newRow("fractions up") << 1 << 0.9 << 0;
    QTest::newRow("fractions truncated") << 1 << 0.0 << 1;
    QTest::newRow("fractions half") << 1 << 0.5 << 2;
    QTest::newRow("fractions 0.3 is no button") << 1 << 0.3 << 0;
    QTest::newRow("below digits half") << 5 << 0.5 << 2;
    QTest::newRow("below digits 0.95 is no button") << 5 << 0.95 << 0;
    QTest::newRow("digits 1") << 0 << 1.0 << 0;
    QTest::newRow("digits 1000") << 0 << 1000.0 << 3;
    QTest::newRow("digits three significant") << 0 << 3.0 << 4;
    QTest::newRow("digits four significant") << 0 << 4.0 << 5;
    QTest::newRow("digits 5 is no button") << 0 << 5.0 << 3;
    QTest::newRow("digits 10.5 is no button") << 0 << 10.5 << 3;
    QTest::newRow("mode piping") << 3 << 0.0 << 0;
    QTest::newRow("mode refrigerant") << 3 << 2.0 << 1;
    QTest::newRow("mode 2.5 has whole part 2") << 3 << 2.5 << 1;
    QTest::newRow("mode 1.9 is piping") << 3 << 1.9 << 0;
    QTest::newRow("mode 3 is piping") << 3 << 3.0 << 0;
}

void TestBasicData::showChoices()
{
    QFETCH(int, slot);
    QFETCH(double, stored);
    QFETCH(int, choice);
    BasicDataFixture f;
    f.work.settingsRow().rate[static_cast<std::size_t>(slot)] = units(stored);
    const BasicData data = ShowBasicData(f.work);
    const int shown[] = {data.adoptedStep, data.componentAddend, data.componentDecimals, data.mode, -1,
                         data.adoptedStepAddend};
    QCOMPARE(shown[slot], choice);
}

void TestBasicData::storedChoices_data()
{
    QTest::addColumn<int>("group"); // 0 decimals, 1 fractions, 2 below digits, 3 digits, 4 mode
    QTest::addColumn<int>("choice");
    QTest::addColumn<int>("slot");
    QTest::addColumn<double>("value");
    QTest::newRow("decimals 3") << 0 << 3 << 2 << 3.0;
    QTest::newRow("fractions up") << 1 << 0 << 1 << 0.9;
    QTest::newRow("fractions truncated") << 1 << 1 << 1 << 0.0;
    QTest::newRow("below digits half") << 2 << 2 << 5 << 0.5;
    QTest::newRow("digits 1") << 3 << 0 << 0 << 1.0;
    QTest::newRow("digits 1000") << 3 << 3 << 0 << 1000.0;
    QTest::newRow("digits four significant") << 3 << 5 << 0 << 4.0;
    QTest::newRow("refrigerant mode") << 4 << 1 << 3 << 2.0;
    QTest::newRow("piping mode") << 4 << 0 << 3 << 0.0;
}

void TestBasicData::storedChoices()
{
    QFETCH(int, group);
    QFETCH(int, choice);
    QFETCH(int, slot);
    QFETCH(double, value);
    BasicDataFixture f;
    f.work.settingsRow().rate[3] = units(2); // so that piping mode is a change
    BasicData data = ShowBasicData(f.work);
    int* const choices[] = {&data.componentDecimals, &data.componentAddend, &data.adoptedStepAddend,
                            &data.adoptedStep, &data.mode};
    *choices[group] = choice;
    StoreBasicData(data, f.work, f.book, LastMaterial);
    QCOMPARE(f.work.settingsRow().rate[static_cast<std::size_t>(slot)], units(value));
    QCOMPARE(f.book.row(LastMaterial, SettingsRowNumber).rate[static_cast<std::size_t>(slot)], units(value));
    // What was stored shows as the same button again.
    QCOMPARE(ShowBasicData(f.work), data);
}

void TestBasicData::zeroDigitUnitShowsAndStoresAsOne()
{
    BasicDataFixture f;
    f.work.settingsRow().rate[0] = units(0);
    f.row(SettingsRowNumber).rate[0] = units(0);
    const BasicData data = ShowBasicData(f.work);
    QCOMPARE(data.adoptedStep, 0); // the button "1"
    QCOMPARE(f.work.settingsRow().rate[0], units(1));
    QCOMPARE(f.row(SettingsRowNumber).rate[0], units(0)); // the book only by storing
    StoreBasicData(data, f.work, f.book, LastMaterial);
    QCOMPARE(f.row(SettingsRowNumber).rate[0], units(1));
}

void TestBasicData::storeWithoutChangesKeepsTheMaterial()
{
    BasicDataFixture f;
    // A price line whose composite cost in the work set is newer than the
    // book's: storing leaves the book's, as the recomputation rewrites it.
    f.work.row(3).compositeCost = units(1);
    PriceBook expected = f.book;
    for (int sheet = 0; sheet < Sheets; ++sheet) {
        for (int line = 1; line <= LinesPerSheet; ++line) {
            ShortText<6>& size = expected.row(LastMaterial, MaterialRowNumber(sheet, line)).sizeName;
            size = line == LinesPerSheet ? ShortText<6>() : f.row(line).sizeName;
        }
    }
    for (int n = 1; n <= RowsPerMaterial; ++n)
        expected.row(LastMaterial, n).unit.setText(QStringLiteral("kg"));
    const WorkSet before = f.work;

    StoreBasicData(ShowBasicData(f.work), f.work, f.book, LastMaterial);

    QCOMPARE(f.book.row(LastMaterial, 3).compositeCost, units(903));
    QCOMPARE(f.book.row(LastMaterial, 33).sizeName.text(), QStringLiteral("0-3"));
    QCOMPARE(f.book.row(LastMaterial, 45).sizeName.text(), QString());
    QVERIFY(f.book == expected);
    for (int n = 1; n <= RowsPerMaterial; ++n) {
        const RowFields& stored = f.book.row(LastMaterial, n);
        WorkRow want = before.row(n);
        static_cast<RowFields&>(want) = stored;
        if (n == 3)
            want.compositeCost = units(1);
        QVERIFY2(f.work.row(n) == want, qPrintable(QStringLiteral("work row %1").arg(n)));
    }
}

void TestBasicData::storeCopiesTheStoredLabourCost()
{
    BasicDataFixture f;
    // Settings and base labour costs that reached the work set only, as after
    // an undo: the NET base labour cost lives in the composite cost slot.
    f.work.labourRow().compositeCost = units(16500);
    f.work.labourRow().compositeLevel[0] = units(19000);
    f.work.settingsRow().compositeCost = units(7);
    f.work.settingsRow().levelPrice[0] = units(75);
    StoreBasicData(ShowBasicData(f.work), f.work, f.book, LastMaterial);
    QCOMPARE(f.row(LabourRowNumber).compositeCost, units(16500));
    QCOMPARE(f.row(LabourRowNumber).compositeLevel[0], units(19000));
    QCOMPARE(f.row(SettingsRowNumber).compositeCost, units(7));
    QCOMPARE(f.row(SettingsRowNumber).levelPrice[0], units(75));
    QCOMPARE(f.book.row(LastMaterial - 1, 1).headerText.text(), QStringLiteral("neighbour"));
}

void TestBasicData::textsAreCutAtACharacterBoundary_data()
{
    QTest::addColumn<int>("field"); // 0 header line 2, 1 unit, 2 size of line 14, 3 name of sheet 3
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("stored");
    const QString kanji40 = QString(40, QChar(0x7D66)); // 給, two bytes each
    QTest::newRow("header of exactly 80 bytes") << 0 << kanji40 << kanji40;
    QTest::newRow("header one byte over") << 0 << ("a" + kanji40) << ("a" + kanji40.left(39));
    QTest::newRow("header of 80 half-width katakana") << 0 << QString(80, QChar(0xFF8C)) << QString(80, QChar(0xFF8C));
    QTest::newRow("unit of exactly 4 bytes") << 1 << QString::fromUtf8("kgｍ") << QString::fromUtf8("kgｍ");
    QTest::newRow("unit through a character") << 1 << QString::fromUtf8("kｍｍ") << QString::fromUtf8("kｍ");
    QTest::newRow("size of exactly 6 bytes") << 2 << QStringLiteral("150A-1") << QStringLiteral("150A-1");
    QTest::newRow("size through a character") << 2 << QString::fromUtf8("１５０Ａ") << QString::fromUtf8("１５０");
    QTest::newRow("size with a byte to spare") << 2 << QString::fromUtf8("150Ａ５") << QString::fromUtf8("150Ａ");
    QTest::newRow("sheet name of exactly 40 bytes") << 3 << kanji40.left(20) << kanji40.left(20);
    QTest::newRow("sheet name one byte over") << 3 << ("x" + kanji40.left(20)) << ("x" + kanji40.left(19));
}

void TestBasicData::textsAreCutAtACharacterBoundary()
{
    QFETCH(int, field);
    QFETCH(QString, text);
    QFETCH(QString, stored);
    BasicDataFixture f;
    BasicData data = ShowBasicData(f.work);
    QString* const texts[] = {&data.headerTexts[1], &data.unit, &data.sizeNames[13], &data.sheetNames[3]};
    *texts[field] = text;
    StoreBasicData(data, f.work, f.book, LastMaterial);

    const QByteArray bytes = ShiftJis::encode(stored);
    for (int sheet = 0; sheet < Sheets; ++sheet) {
        for (int line = 1; line <= LinesPerSheet; ++line) {
            const int n = MaterialRowNumber(sheet, line);
            const PriceRow& row = f.book.row(LastMaterial, n);
            QByteArray got;
            if (field == 0 && n == 2)
                got = Bytes(row.headerText);
            else if (field == 1)
                got = Bytes(row.unit);
            else if (field == 2 && line == 14)
                got = Bytes(row.sizeName);
            else if (field == 3 && sheet == 3)
                got = Bytes(row.sheetName);
            else
                continue;
            QCOMPARE(got, bytes);
        }
    }
    const WorkRow& shown = f.work.row(field == 3 ? LabourRowNumber : (field == 0 ? 2 : 14));
    const QByteArray inWork[] = {Bytes(shown.headerText), Bytes(shown.unit), Bytes(shown.sizeName),
                                 Bytes(shown.sheetName)};
    QCOMPARE(inWork[field], bytes);
}

void TestBasicData::unchangedTextsKeepTheirBytes()
{
    BasicDataFixture f;
    // The NEC row-13 form of "≒": it decodes, but encodes back as 0x81E0.
    const QByteArray nec("P.\x87\x90" "12", 6);
    if (ShiftJis::encode(ShiftJis::decode(nec)) == nec)
        QSKIP("this converter maps the character back to its own bytes");
    f.row(5).headerText.setBytes(nec);
    f.row(MaterialRowNumber(1, LinesPerSheet)).sheetName.setBytes(nec);
    LoadMaterial(f.work, f.book, LastMaterial);
    BasicData data = ShowBasicData(f.work);
    data.headerTexts[0] = QString::fromUtf8("鋳鉄管");
    StoreBasicData(data, f.work, f.book, LastMaterial);
    QCOMPARE(Bytes(f.row(5).headerText), nec);
    for (int line = 1; line <= LinesPerSheet; ++line)
        QCOMPARE(Bytes(f.row(MaterialRowNumber(1, line)).sheetName), nec);
    QCOMPARE(Bytes(f.row(1).headerText), ShiftJis::encode(QString::fromUtf8("鋳鉄管")));
}

#include "TestMain.h"
KAVREL_TEST_APPLESS_MAIN(TestBasicData)
#include "TestBasicData.moc"
