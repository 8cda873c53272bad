#include "CellAddress.h"
#include "FileError.h"
#include "NumberText.h"
#include "PriceListColumns.h"
#include "PriceListRow.h"
#include "PriceListTestFiles.h"
#include "PriceText.h"
#include "ShiftJis.h"

#include <QTest>

Q_DECLARE_METATYPE(PriceListColumnChoice)

namespace {

const QString File = QStringLiteral("仕入先.csv");

// A table from lines "number:cell|cell|…", the form TableLines gives.
PriceListTable tableOf(const QStringList& lines)
{
    PriceListTable table;
    table.file = File;
    for (const QString& line : lines) {
        const qsizetype colon = line.indexOf(u':');
        table.rows.push_back({line.left(colon).toInt(), line.mid(colon + 1).split(u'|')});
    }
    return table;
}

// The heading row 1 of most cases: 品番 品名 サイズ 定価 原価 No (A to F).
const QStringList Headed{"1:品番|品名|サイズ|定価\n（円）|原価|No", "2:P1|白ガス管|15A|1,234|900|3"};

QString text(const std::optional<Currency>& price)
{
    return price ? PlainText(*price) : QStringLiteral("-");
}

QString columnsText(const PriceListColumns& c)
{
    QStringList letters;
    for (const int column : {c.goodsName, c.sizeName, c.listPrice, c.costPrice, c.materialNumber})
        letters.append(column < 0 ? QStringLiteral("-") : ColumnLetters(column));
    return letters.join(u',');
}

QStringList rowLines(const std::vector<PriceListRow>& rows)
{
    QStringList lines;
    for (const PriceListRow& r : rows)
        lines.append(QStringLiteral("%1:%2|%3|%4|%5|%6")
                         .arg(r.row)
                         .arg(r.goodsName, r.sizeName, text(r.listPrice), text(r.costPrice),
                              r.materialNumber ? QString::number(*r.materialNumber) : QStringLiteral("-")));
    return lines;
}

PriceListColumnChoice choice(const QString& goods, const QString& size, const QString& list, const QString& cost = {},
                             const QString& number = {}, int headingRow = 1)
{
    return {goods, size, list, cost, number, headingRow};
}

} // namespace

class TestPriceListRows : public QObject {
    Q_OBJECT
private slots:
    void price_data();
    void price();
    void columns_data();
    void columns();
    void choiceLines();
    void rows_data();
    void rows();
    void shiftJisFileToRows();
};

void TestPriceListRows::price_data()
{
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QString>("price"); // "-" for none, "error" when refused
    QTest::newRow("plain") << "1234" << "1234";
    QTest::newRow("grouped") << "1,234,567" << "1234567";
    QTest::newRow("full-width") << "１，２３４．５" << "1234.5";
    QTest::newRow("yen sign") << "¥1,234" << "1234";
    QTest::newRow("full-width yen sign") << "￥980" << "980";
    QTest::newRow("backslash as Shift-JIS shows yen") << "\\1,000" << "1000";
    QTest::newRow("yen word after") << "1,234 円" << "1234";
    QTest::newRow("sign before the yen sign") << "-¥500" << "-500";
    QTest::newRow("fifth decimal rounds") << "0.00005" << "0.0001";
    QTest::newRow("blank") << "" << "-";
    QTest::newRow("full-width blank") << "　" << "-";
    QTest::newRow("letters") << "abc" << "error";
    QTest::newRow("grouping by two") << "1,23" << "error";
    QTest::newRow("group too long") << "12,3456" << "error";
    QTest::newRow("comma in the decimals") << "1.234,5" << "error";
    QTest::newRow("yen sign alone") << "¥" << "error";
    QTest::newRow("inner blank") << "1 234" << "error";
    QTest::newRow("exponent") << "1E3" << "error";
    QTest::newRow("open price") << "オープン" << "error";
    QTest::newRow("beyond Currency") << "922337203685478" << "error";
}

void TestPriceListRows::price()
{
    QFETCH(QString, cell);
    QFETCH(QString, price);
    try {
        QCOMPARE(text(PriceFromText(cell)), price);
    } catch (const ConversionError& e) {
        QCOMPARE(QStringLiteral("error"), price);
        QCOMPARE(e.text(), cell);
    }
}

void TestPriceListRows::columns_data()
{
    QTest::addColumn<QStringList>("table");
    QTest::addColumn<PriceListColumnChoice>("choice");
    QTest::addColumn<QString>("columns"); // or the reason refused
    QTest::newRow("letters either case") << Headed << choice("b", "C", "d") << "B,C,D,-,-";
    QTest::newRow("headings") << Headed << choice("品名", "サイズ", "定価 （円）", "原価") << "B,C,D,E,-";
    QTest::newRow("heading with its line break") << Headed << choice("品名", "サイズ", "定価\n（円）") << "B,C,D,-,-";
    QTest::newRow("heading No is not column NO") << Headed << choice("", "C", "D", "", "Ｎｏ") << "-,C,D,-,F";
    QTest::newRow("headings in row 2 under a title")
        << QStringList{"1:ABC商事 価格表", "2:品名|定価|サイズ", "3:x|1|y"} << choice("品名", "サイズ", "定価", "", "", 2)
        << "A,C,B,-,-";
    QTest::newRow("last column of the table") << Headed << choice("A", "B", "F") << "A,B,F,-,-";
    QTest::newRow("unknown heading") << Headed << choice("品名", "サイズ", "単価")
                                     << "定価の列「単価」が見つかりません（列の記号でも、1 行目の見出しでもありません）";
    QTest::newRow("letters beyond the table") << Headed << choice("B", "C", "G")
                                              << "定価の列「G」には、どの行にも値がありません（表は F 列までです）";
    QTest::newRow("letters of an empty table") << QStringList{} << choice("A", "B", "C", "", "", 0)
                                               << "品名の列「A」には、どの行にも値がありません（表が空です）";
    QTest::newRow("heading text without a heading row") << Headed << choice("品名", "C", "D", "", "", 0)
                                                        << "品名の列「品名」は列の記号ではありません（見出しの行は指定されていません）";
    QTest::newRow("heading twice") << QStringList{"1:定価|品名|定価"} << choice("品名", "A", "定価")
                                   << "見出し「定価」が A 列と C 列の二つにあります";
    QTest::newRow("no size column") << Headed << choice("B", " ", "D") << "サイズの列が指定されていません";
    QTest::newRow("no list price column") << Headed << choice("B", "C", "") << "定価の列が指定されていません";
    QTest::newRow("neither name nor number") << Headed << choice("", "C", "D") << "品名か材料番号の列が指定されていません";
}

void TestPriceListRows::columns()
{
    QFETCH(QStringList, table);
    QFETCH(PriceListColumnChoice, choice);
    QFETCH(QString, columns);
    try {
        const PriceListColumns resolved = ResolvePriceListColumns(tableOf(table), choice);
        QCOMPARE(columnsText(resolved), columns);
        QCOMPARE(resolved.headingRow, choice.headingRow);
    } catch (const FileError& e) {
        QCOMPARE(e.file(), File);
        QCOMPARE(e.reason(), columns);
    }
}

void TestPriceListRows::choiceLines()
{
    const PriceListColumnChoice chosen{"品名=名称", "B", "定価\r\n（円）", "", "ｆ", 0};
    PriceListColumnChoice back = PriceListColumnChoice::fromLines(chosen.toLines());
    // A line break comes back as blanks, which find the same heading.
    QCOMPARE(back.listPrice, QStringLiteral("定価  （円）"));
    back.listPrice = chosen.listPrice;
    QCOMPARE(back, chosen);
    // Missing or broken keys keep the defaults.
    QCOMPARE(PriceListColumnChoice::fromLines({}), PriceListColumnChoice());
    QCOMPARE(PriceListColumnChoice::fromLines({"[HEADINGROW]=-1"}).headingRow, 1);
    QCOMPARE(PriceListColumnChoice::fromLines({"[HEADINGROW]=x"}).headingRow, 1);
}

void TestPriceListRows::rows_data()
{
    QTest::addColumn<QStringList>("table");
    QTest::addColumn<PriceListColumnChoice>("choice");
    QTest::addColumn<QStringList>("rows"); // or the reason refused, alone
    const QStringList table{"1:ABC商事", "2:品名|サイズ|定価|原価|番号", "3: 白ガス管 |15A|¥1,234|900|3",
                            "4:|  |", "5:継手|20A||", "7:ソケット|25A|1.5||２０"};
    const PriceListColumnChoice all = choice("品名", "サイズ", "定価", "原価", "番号", 2);
    QTest::newRow("rows after the heading, blank ones skipped")
        << table << all << QStringList{"3:白ガス管|15A|1234|900|3", "5:継手|20A|-|-|-", "7:ソケット|25A|1.5|-|20"};
    QTest::newRow("no heading row: every row")
        << QStringList{"1:a|1", "2:b|2"} << choice("A", "A", "B", "", "", 0)
        << QStringList{"1:a|a|1|-|-", "2:b|b|2|-|-"};
    QTest::newRow("list price not a number") << QStringList{"1:品名|サイズ|定価", "2:a|b|1", "3:a|b|abc"}
                                             << choice("A", "B", "C") << QStringList{"3 行目 C 列「abc」は数値ではありません"};
    QTest::newRow("cost price grouped wrong") << table + QStringList{"9:a|b|1|1,00"} << all
                                              << QStringList{"9 行目 D 列「1,00」は数値ではありません"};
    QTest::newRow("material number above 20") << table + QStringList{"8:a|b|1||21"} << all
                                              << QStringList{"8 行目 E 列「21」は材料番号（1～20）ではありません"};
    QTest::newRow("material number zero") << table + QStringList{"8:a|b|1||0"} << all
                                          << QStringList{"8 行目 E 列「0」は材料番号（1～20）ではありません"};
    QTest::newRow("material number with decimals") << table + QStringList{"8:a|b|1||1.5"} << all
                                                   << QStringList{"8 行目 E 列「1.5」は材料番号（1～20）ではありません"};
}

void TestPriceListRows::rows()
{
    QFETCH(QStringList, table);
    QFETCH(PriceListColumnChoice, choice);
    QFETCH(QStringList, rows);
    const PriceListTable t = tableOf(table);
    try {
        QCOMPARE(rowLines(ReadPriceListRows(t, ResolvePriceListColumns(t, choice))), rows);
    } catch (const FileError& e) {
        QCOMPARE(e.file(), File);
        QCOMPARE(QStringList{e.reason()}, rows);
    }
}

// The whole way from a supplier's Shift-JIS file to its rows.
void TestPriceListRows::shiftJisFileToRows()
{
    QTemporaryDir dir;
    const QString path = PutTestFile(dir, File, ShiftJis::encode(QStringLiteral(
                                                    "品名,サイズ,定価\r\nソケット,15A,\"1,200\"\r\n表示板,-,abc\r\n")));
    PriceListTable table = ReadPriceListTable(path);
    const PriceListColumns columns = ResolvePriceListColumns(table, choice("品名", "サイズ", "定価"));
    try {
        ReadPriceListRows(table, columns);
        QFAIL("a price that is no number was read");
    } catch (const FileError& e) {
        QCOMPARE(e.message(), path + QStringLiteral(": 3 行目 C 列「abc」は数値ではありません"));
    }
    table.rows.pop_back();
    QCOMPARE(rowLines(ReadPriceListRows(table, columns)), QStringList{"2:ソケット|15A|1200|-|-"});
}

#include "TestMain.h"
KAVREL_TEST_GUILESS_MAIN(TestPriceListRows)
#include "TestPriceListRows.moc"
