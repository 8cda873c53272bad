#include "MaterialExport.h"
#include "MaterialSettings.h"
#include "TestUnits.h"

#include <QLocale>
#include <QTest>

namespace {

// A material whose line 1 of the first sheet and line 14 of the last carry
// values; every other price line is blank, as unused sizes are.
WorkSet sampleWork(bool refrigerant)
{
    WorkSet work;
    const char* const sheets[] = {"屋内一般", "機械室", "地中", "屋外"};
    for (int s = 0; s < Sheets; ++s)
        work.row(MaterialRowNumber(s, LinesPerSheet)).sheetName.setText(QString::fromUtf8(sheets[s]));
    work.row(1).headerText.setText(QString::fromUtf8("配管用炭素鋼鋼管"));
    work.row(2).headerText.setText(QString::fromUtf8("給水"));
    work.row(3).headerText.setText(QString::fromUtf8("ねじ接合"));
    MaterialSettings{work.settingsRow()}.mode() = units(refrigerant ? 2 : 0);

    WorkRow& first = work.row(1);
    first.sizeName.setText(QStringLiteral("15A"));
    first.unit.setText(QString::fromUtf8("ｍ"));
    first.levelPrice = {units(1000), units(900.5), units(800.25), units(700), units(600)};
    first.costPrice = units(450.125);
    first.adoptedLevel = {units(2000), units(1900), units(1800), units(1700), units(1600)};
    first.compositeLevel = {units(1999.5), units(1899.5), units(1799.5), units(1699.5), units(1599.5)};
    first.compositeCost = units(1234.5678);
    first.rate = {units(1.1), units(0.6), units(0.12), units(0.1), units(0.045), units(0.05), units(0)};
    first.breakdown[0] = {units(1100), units(660), units(132), units(110), units(1102.5), units(77), units(0)};
    first.breakdown[2] = {units(880.4), units(528.6), units(105.7), units(88.1), units(1039.5), units(44), units(0)};
    first.breakdown[5] = {units(495.1), units(297.1), units(59.4), units(49.5), units(882), units(22.5), units(0)};

    // Negative amounts and texts that hold the separator of the CSV.
    WorkRow& last = work.row(MaterialRowNumber(Sheets - 1, PriceLines));
    last.sizeName.setText(QStringLiteral("1,1/2"));
    last.unit.setText(QStringLiteral("\"B\""));
    last.levelPrice[2] = units(-1000000);
    last.adoptedLevel[2] = units(-1234.5);
    last.compositeLevel[2] = units(-0.25);
    last.rate[4] = units(-0.0001);
    last.breakdown[2][0] = units(-2500.5);
    return work;
}

QString repeated(const QString& line, int times)
{
    QString text;
    for (int i = 0; i < times; ++i)
        text += line;
    return text;
}

const QString CR = QStringLiteral("\r\n");
const QString Heading = QString::fromUtf8(
    "呼び径,単位,採用単価,材料単価,所要材料,継  手,接合材等,支持金物,配管工,はつり補修,その他,合   計\r\n");
const QString BlankRow = QStringLiteral(",,0,0,0,0,0,0,0,0,0,0,\r\n");

QString export_(const WorkSet& work, ExportMode mode, int level, bool headings = false, bool results = false)
{
    return ExportMaterialText(work, ShownExportView(work), mode, ExportChoices{level, headings, results});
}

} // namespace

class TestMaterialExport : public QObject {
    Q_OBJECT
private slots:
    void csvText_data();
    void csvText();
    void fileBytesAreShiftJisWithAFinalLineEnd();
    void printRows_data();
    void printRows();
    void numbersIgnoreTheLocale_data();
    void numbersIgnoreTheLocale();
    void viewFollowsTheMode();
};

void TestMaterialExport::csvText_data()
{
    QTest::addColumn<bool>("refrigerant");
    QTest::addColumn<int>("level");
    QTest::addColumn<bool>("headings");
    QTest::addColumn<bool>("results");
    QTest::addColumn<QString>("expected");

    const QString lastSheetLevel3Inputs =
        QStringLiteral("\"1,1/2\",\"\"\"B\"\"\",-1234.5,-1000000,0,0,0,0,-0.0001,0,0,-0.25,");
    QTest::newRow("LEVEL3, headings, inputs")
        << false << 3 << true << false
        << QString::fromUtf8("屋内一般") + CR + Heading + QString::fromUtf8("15A,ｍ,1800,800.25,1.1,0.6,0.12,0.1,0.045,0.05,0,1799.5,")
               + CR + repeated(BlankRow, 13) + QString::fromUtf8("機械室") + CR + Heading + repeated(BlankRow, 14)
               + QString::fromUtf8("地中") + CR + Heading + repeated(BlankRow, 14) + QString::fromUtf8("屋外") + CR
               + Heading + repeated(BlankRow, 13) + lastSheetLevel3Inputs;
    QTest::newRow("LEVEL3, results")
        << false << 3 << false << true
        << QString::fromUtf8("屋内一般") + CR
               + QString::fromUtf8("15A,ｍ,1800,800.25,880.4,528.6,105.7,88.1,1039.5,44,0,1799.5,") + CR
               + repeated(BlankRow, 13) + QString::fromUtf8("機械室") + CR + repeated(BlankRow, 14)
               + QString::fromUtf8("地中") + CR + repeated(BlankRow, 14) + QString::fromUtf8("屋外") + CR
               + repeated(BlankRow, 13)
               + QStringLiteral("\"1,1/2\",\"\"\"B\"\"\",-1234.5,-1000000,-2500.5,0,0,0,0,0,0,-0.25,");
    // The cost level has no adopted price: its composite fills column 3.
    QTest::newRow("cost level, results")
        << false << 6 << false << true
        << QString::fromUtf8("屋内一般") + CR
               + QString::fromUtf8("15A,ｍ,1234.5678,450.125,495.1,297.1,59.4,49.5,882,22.5,0,1234.5678,") + CR
               + repeated(BlankRow, 13) + QString::fromUtf8("機械室") + CR + repeated(BlankRow, 14)
               + QString::fromUtf8("地中") + CR + repeated(BlankRow, 14) + QString::fromUtf8("屋外") + CR
               + repeated(BlankRow, 13) + QStringLiteral("\"1,1/2\",\"\"\"B\"\"\",0,0,0,0,0,0,0,0,0,0,");
    // One sheet block; the unused chipping component is an empty field.
    QTest::newRow("refrigerant, LEVEL1, headings, results")
        << true << 1 << true << true
        << QString::fromUtf8("一般") + CR + Heading
               + QString::fromUtf8("15A,ｍ,2000,1000,1100,660,132,110,1102.5,,0,1999.5,") + CR
               + repeated(QStringLiteral(",,0,0,0,0,0,0,0,,0,0,\r\n"), 12) + QStringLiteral(",,0,0,0,0,0,0,0,,0,0,");
    QTest::newRow("refrigerant, cost level, inputs")
        << true << 6 << false << false
        << QString::fromUtf8("一般") + CR
               + QString::fromUtf8("15A,ｍ,1234.5678,450.125,1.1,0.6,0.12,0.1,0.045,0.05,0,1234.5678,") + CR
               + repeated(BlankRow, 12) + BlankRow.chopped(2);
}

void TestMaterialExport::csvText()
{
    QFETCH(bool, refrigerant);
    QFETCH(int, level);
    QFETCH(bool, headings);
    QFETCH(bool, results);
    QFETCH(QString, expected);
    const WorkSet work = sampleWork(refrigerant);
    for (ExportMode mode : {ExportMode::File, ExportMode::Clipboard})
        QCOMPARE(export_(work, mode, level, headings, results), expected);
}

void TestMaterialExport::fileBytesAreShiftJisWithAFinalLineEnd()
{
    const QByteArray bytes = ExportFileBytes(export_(sampleWork(true), ExportMode::File, 1));
    QVERIFY(bytes.startsWith("\x88\xea\x94\xca\r\n15A,\x82\x8d,2000,1000,"));
    QVERIFY(bytes.endsWith(",,0,0,0,0,0,0,0,0,0,0,\r\n"));
    QCOMPARE(bytes.count("\r\n"), 15);
    QCOMPARE(bytes.count('\n'), 15); // no bare line feeds
}

void TestMaterialExport::printRows_data()
{
    QTest::addColumn<bool>("refrigerant");
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("goodsName");
    QTest::addColumn<int>("lineCount");
    QTest::addColumn<QString>("firstLine");
    QTest::addColumn<QString>("lastLine");

    QTest::newRow("piping, LEVEL3")
        << false << 3 << QString::fromUtf8("配管用炭素鋼鋼管") << 56
        << QString::fromUtf8("配管用炭素鋼鋼管;給水;ねじ接合;屋内一般;15A;ｍ;1,800;800;"
                             "1.1;0.6;0.12;0.1;0.045;0.05;0;880;529;106;88;1,040;44;0;1,800;")
        << QString::fromUtf8("配管用炭素鋼鋼管;給水;ねじ接合;屋外;1,1/2;\"B\";-1,235;-1,000,000;"
                             "0;0;0;0;-0.0001;0;0;-2,501;0;0;0;0;0;0;0;");
    // A ";" inside a text would shift the fields of the line.
    QTest::newRow("refrigerant, cost level, ';' in a text")
        << true << 6 << QString::fromUtf8("銅管;被覆付") << 14
        << QString::fromUtf8("銅管；被覆付;給水;ねじ接合;一般;15A;ｍ;1,235;450;"
                             "1.1;0.6;0.12;0.1;0.045;0.05;0;495;297;59;50;882;;0;1,235;")
        << QString::fromUtf8("銅管；被覆付;給水;ねじ接合;一般;;;0;0;0;0;0;0;0;0;0;0;0;0;0;0;;0;0;");
}

void TestMaterialExport::printRows()
{
    QFETCH(bool, refrigerant);
    QFETCH(int, level);
    QFETCH(QString, goodsName);
    QFETCH(int, lineCount);
    QFETCH(QString, firstLine);
    QFETCH(QString, lastLine);
    WorkSet work = sampleWork(refrigerant);
    work.row(1).headerText.setText(goodsName);
    const QString text = export_(work, ExportMode::Print, level, true, true);
    QVERIFY(!text.endsWith(CR));
    const QStringList lines = text.split(CR);
    QCOMPARE(lines.size(), lineCount);
    QCOMPARE(lines.first(), firstLine);
    QCOMPARE(lines.last(), lastLine);
    for (const QString& line : lines)
        QCOMPARE(line.count(QLatin1Char(';')), 23);
    // Every sheet has its 14 lines, in tab order.
    QVERIFY(lines[13].contains(QString::fromUtf8(refrigerant ? ";一般;" : ";屋内一般;")));
    if (!refrigerant)
        QVERIFY(lines[14].contains(QString::fromUtf8(";機械室;")));
}

void TestMaterialExport::numbersIgnoreTheLocale_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::newRow("German") << QLocale(QLocale::German, QLocale::Germany);
    QTest::newRow("French") << QLocale(QLocale::French, QLocale::France);
    QTest::newRow("Arabic") << QLocale(QLocale::Arabic, QLocale::Egypt);
}

void TestMaterialExport::numbersIgnoreTheLocale()
{
    QFETCH(QLocale, locale);
    const WorkSet work = sampleWork(false);
    const QString csv = export_(work, ExportMode::File, 3, true, false);
    const QString print = export_(work, ExportMode::Print, 3);
    const QLocale saved;
    QLocale::setDefault(locale);
    const QString csvThere = export_(work, ExportMode::File, 3, true, false);
    const QString printThere = export_(work, ExportMode::Print, 3);
    QLocale::setDefault(saved);
    QCOMPARE(csvThere, csv);
    QCOMPARE(printThere, print);
    QVERIFY(csvThere.contains(QStringLiteral(",800.25,1.1,")));
    QVERIFY(printThere.contains(QStringLiteral(";-1,000,000;")));
}

void TestMaterialExport::viewFollowsTheMode()
{
    const ExportView piping = ShownExportView(sampleWork(false));
    QCOMPARE(piping.sheetNames, QStringList({QString::fromUtf8("屋内一般"), QString::fromUtf8("機械室"),
                                             QString::fromUtf8("地中"), QString::fromUtf8("屋外")}));
    QCOMPARE(piping.headerTexts[2], QString::fromUtf8("ねじ接合"));
    QCOMPARE(ShownExportView(sampleWork(true)).sheetNames, QStringList{QString::fromUtf8("一般")});
}

#include "TestMain.h"
KAVREL_TEST_APPLESS_MAIN(TestMaterialExport)
#include "TestMaterialExport.moc"
