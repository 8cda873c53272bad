#include "CellAddress.h"
#include "PriceListTable.h"
#include "PriceListTestFiles.h"
#include "TestFiles.h"
#include "XlsxWorksheet.h"

#include <QProcess>
#include <QtEndian>
#include <QStandardPaths>
#include <QTest>
#include <QUrl>
#include <xlsxwriter.h>

namespace {

const QByteArray Rel = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";

// A workbook as a spreadsheet program writes it: a cover sheet first, then
// the price sheet with shared strings, rich text, numbers in exponent form,
// a skipped column and a skipped row.
QByteArray writtenWorkbook(const QTemporaryDir& dir)
{
    const QByteArray path = QFile::encodeName(dir.filePath(QStringLiteral("written.xlsx")));
    lxw_workbook* book = workbook_new(path.constData());
    lxw_worksheet* cover = workbook_add_worksheet(book, "表紙");
    worksheet_write_string(cover, 0, 0, "見積用価格表", nullptr);
    lxw_worksheet* prices = workbook_add_worksheet(book, "価格表");
    worksheet_write_string(prices, 0, 0, "品名", nullptr);
    worksheet_write_string(prices, 0, 1, "サイズ", nullptr);
    worksheet_write_string(prices, 0, 2, "定価\n（円）", nullptr);
    lxw_format* bold = workbook_add_format(book);
    format_set_bold(bold);
    lxw_rich_string_tuple plain{nullptr, const_cast<char*>("白")};
    lxw_rich_string_tuple strong{bold, const_cast<char*>("ガス管")};
    lxw_rich_string_tuple* runs[] = {&plain, &strong, nullptr};
    worksheet_write_rich_string(prices, 1, 0, runs, nullptr);
    worksheet_write_string(prices, 1, 1, "15A", nullptr);
    worksheet_write_number(prices, 1, 2, 1234.5, nullptr);
    worksheet_write_string(prices, 2, 0, "品名", nullptr); // shared with the heading
    worksheet_write_number(prices, 2, 2, 0.00001, nullptr);
    worksheet_write_number(prices, 4, 1, 1.5e20, nullptr);
    worksheet_write_boolean(prices, 4, 3, 1, nullptr);
    worksheet_write_formula_str(prices, 4, 4, "=A2", nullptr, "白ガス管");
    if (workbook_close(book) != LXW_NO_ERROR)
        qFatal("libxlsxwriter could not write %s", path.constData());
    return FileBytes(QFile::decodeName(path));
}

QByteArray package(const QByteArray& sheetData, const QByteArray& sharedItems = {})
{
    return ZipBytes(XlsxMembers({{QStringLiteral("S"), sheetData}}, sharedItems));
}

// The members of a one-sheet package with `member` replaced by `bytes`, or
// dropped when `bytes` is null.
QList<ZipMember> changed(const QString& member, const QByteArray& bytes)
{
    QList<ZipMember> members = XlsxMembers({{QStringLiteral("S"), "<row r=\"1\"><c r=\"A1\"><v>1</v></c></row>"}});
    for (qsizetype k = 0; k < members.size(); ++k) {
        if (members[k].first != member)
            continue;
        if (bytes.isNull())
            members.removeAt(k);
        else
            members[k].second = bytes;
        break;
    }
    return members;
}

// A package whose workbook tells `size` as its unpacked size in both its
// headers, as a zip bomb does, while its data is a few bytes.
QByteArray toldSize(qint64 size)
{
    QByteArray zip = ZipBytes({{QStringLiteral("xl/workbook.xml"), "<workbook/>"}});
    const auto put = [&](qsizetype at) { qToLittleEndian(quint32(size), zip.data() + at); };
    put(22);                              // in the local header at the start
    put(zip.indexOf("PK\x01\x02") + 24); // in the central directory
    return zip;
}

// `rows` rows that each reach the last column, and with `more` one cell after.
QByteArray fullRows(qint64 rows, bool more)
{
    const auto row = [](qint64 r, const char* column) {
        const QByteArray n = QByteArray::number(r);
        return "<row r=\"" + n + "\"><c r=\"" + column + n + "\"><v>1</v></c></row>";
    };
    QByteArray data;
    for (qint64 r = 1; r <= rows; ++r)
        data += row(r, "XFD");
    if (more)
        data += row(rows + 1, "A");
    return package(data);
}

} // namespace

class TestPriceListXlsx : public QObject {
    Q_OBJECT
private slots:
    void table_data();
    void table();
    void cellLimit();
    void plainNumber_data();
    void plainNumber();
    void refusal_data();
    void refusal();
    void sheetNames();
    void savedByLibreOffice();

private:
    QTemporaryDir dir_;
};

void TestPriceListXlsx::table_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("sheet");
    QTest::addColumn<QStringList>("lines");
    const QByteArray written = writtenWorkbook(dir_);
    QTest::newRow("first sheet") << written << QString() << QStringList{"1:見積用価格表"};
    QTest::newRow("sheet by name") << written << QStringLiteral("価格表")
                                   << QStringList{"1:品名|サイズ|定価\n（円）", "2:白ガス管|15A|1234.5", "3:品名||0.00001",
                                                  "5:|150000000000000000000||TRUE|白ガス管"};
    QTest::newRow("runs joined, readings left out")
        << package("<row r=\"2\"><c r=\"B2\" t=\"s\"><v>0</v></c><c r=\"D2\" t=\"s\"><v>1</v></c></row>",
                   "<si><r><t>白</t></r><r><rPr><b/></rPr><t xml:space=\"preserve\">ガス管 </t></r>"
                   "<rPh sb=\"0\" eb=\"1\"><t>シロ</t></rPh><phoneticPr fontId=\"1\"/></si>"
                   "<si><t>配管</t><rPh sb=\"0\" eb=\"2\"><t>ハイカン</t></rPh></si>")
        << QString() << QStringList{"2:|白ガス管 ||配管"};
    QTest::newRow("inline, formula, boolean and error cells; escapes")
        << package("<row r=\"1\"><c t=\"inlineStr\"><is><t>a_x000D_b_x005F_x0041_</t></is></c>"
                   "<c t=\"str\"><f>A1</f><v>計</v></c><c t=\"b\"><v>0</v></c><c t=\"e\"><v>#N/A</v></c></row>")
        << QString() << QStringList{"1:a\rb_x0041_|計|FALSE|#N/A"};
    QTest::newRow("rows without numbers follow, empty rows kept")
        << package("<row><c r=\"B1\"><v>1</v></c></row><row><c><v>2</v></c><c><v>3</v></c></row><row r=\"7\"/>")
        << QString() << QStringList{"1:|1", "2:2|3", "7:"};
}

// A table of exactly the most cells is read; one cell more is refused.
void TestPriceListXlsx::cellLimit()
{
    const qint64 rows = PriceListMaxCells / MaxSheetColumns;
    const QString path = PutTestFile(dir_, QStringLiteral("wide.xlsx"), fullRows(rows, false));
    QCOMPARE(ReadPriceListTable(path).rows.size(), std::size_t(rows));
}

void TestPriceListXlsx::table()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, sheet);
    QFETCH(QStringList, lines);
    // The kind is told by the content: a workbook named .csv is still one.
    const QString path = PutTestFile(dir_, QStringLiteral("list.csv"), bytes);
    QCOMPARE(TableLines(ReadPriceListTable(path, {TextEncoding::Detect, sheet})), lines);
}

void TestPriceListXlsx::plainNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("plain");
    QTest::newRow("plain stays") << "1234.5000000000002" << "1234.5000000000002";
    QTest::newRow("small") << "1.25E-3" << "0.00125";
    QTest::newRow("point beyond the digits") << "-1.5e+3" << "-1500";
    QTest::newRow("point within the digits") << "12.50E1" << "125";
    QTest::newRow("negative zero") << "-0E0" << "0";
    QTest::newRow("largest exponent") << "1E400" << "1" + QString(400, u'0');
    QTest::newRow("beyond it kept") << "1E401" << "1E401";
    QTest::newRow("no digits kept") << ".E2" << ".E2";
    QTest::newRow("no exponent kept") << "5E" << "5E";
}

void TestPriceListXlsx::plainNumber()
{
    QFETCH(QString, text);
    QFETCH(QString, plain);
    QCOMPARE(PlainNumberText(text), plain);
}

void TestPriceListXlsx::refusal_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("sheet");
    QTest::addColumn<QString>("reason");
    const QByteArray written = writtenWorkbook(dir_);
    const QString none;
    QTest::newRow("cut in half") << written.left(written.size() / 2) << none
                                 << "ZIP 形式のファイルではないか、途中で切れています";
    QTest::newRow("zip signature alone") << QByteArray("PK\x03\x04") << none << "ZIP 形式のファイルではないか";
    QTest::newRow("zip without a workbook") << ZipBytes({{QStringLiteral("word/document.xml"), "<w/>"}}) << none
                                            << "ZIP 形式ですが、XLSX ファイルではありません（xl/workbook.xml がありません）";
    QTest::newRow("sheet not there") << written << QStringLiteral("単価表")
                                     << "シート「単価表」がありません（あるシート: 「表紙」、「価格表」）";
    QTest::newRow("no sheets") << ZipBytes(XlsxMembers({})) << none << "xl/workbook.xml: シートがひとつもありません";
    QTest::newRow("worksheet XML broken") << package("<row r=\"1\"><c r=\"A1\"><v>1</v></row>") << none
                                          << "xl/worksheets/sheet1.xml: XML として読めません（1 行";
    QTest::newRow("cut inside a shared string cell")
        << package("<row r=\"2\"><c r=\"A2\" t=\"s\"><v></row>", "<si><t>a</t></si>") << none
        << "xl/worksheets/sheet1.xml: XML として読めません";
    QTest::newRow("shared strings XML broken")
        << ZipBytes(changed(QStringLiteral("xl/sharedStrings.xml"), "<sst><si><t>a</si></sst>")) << none
        << "xl/sharedStrings.xml: XML として読めません";
    QTest::newRow("shared string not there")
        << package("<row r=\"4\"><c r=\"A4\" t=\"s\"><v>1</v></c></row>", "<si><t>a</t></si>") << none
        << "xl/worksheets/sheet1.xml: 4 行目のセルの共有文字列の番号「1」がありません";
    QTest::newRow("column beyond XFD") << package("<row r=\"1\"><c r=\"XFE1\"><v>1</v></c></row>") << none
                                       << "1 行目のセルの番地「XFE1」が正しくありません";
    QTest::newRow("row zero") << package("<row r=\"0\"/>") << none << "行の番号「0」が正しくありません";
    QTest::newRow("row beyond the sheet") << package("<row r=\"1048577\"/>") << none << "行の番号「1048577」";
    QTest::newRow("sheet part missing") << ZipBytes(changed(QStringLiteral("xl/worksheets/sheet1.xml"), QByteArray()))
                                        << none << "シート「S」の中身がファイルの中にありません";
    QList<ZipMember> chart = changed(QString(), QByteArray());
    for (ZipMember& member : chart)
        member.second.replace(Rel + "/worksheet\"", Rel + "/chartsheet\"");
    QTest::newRow("chart sheet") << ZipBytes(chart) << none << "シート「S」は表のシートではありません";
    QTest::newRow("relations missing") << ZipBytes(changed(QStringLiteral("xl/_rels/workbook.xml.rels"), QByteArray()))
                                       << none << "xl/_rels/workbook.xml.rels: ZIP 形式のファイルの中にありません";
    const QByteArray marked = "<row><c t=\"inlineStr\"><is><t>MARK</t></is></c></row>";
    QByteArray damaged = ZipBytes(XlsxMembers({{QStringLiteral("S"), marked}}), true);
    damaged[damaged.indexOf("MARK")] = 'N';
    QTest::newRow("damaged member") << damaged << none << "xl/worksheets/sheet1.xml: ZIP 形式のファイルの圧縮されたデータが壊れています";
    const qint64 fullRowCount = PriceListMaxCells / MaxSheetColumns;
    QTest::newRow("cells beyond the limit")
        << fullRows(fullRowCount, true) << none
        << QStringLiteral("%1 行目までで表のセルが多すぎます（上限 %2 個）").arg(fullRowCount + 1).arg(PriceListMaxCells);
    // A member that tells a size at the limit is unpacked, and found to be
    // shorter; one that tells a byte more is refused before unpacking.
    QTest::newRow("member size at the limit, read")
        << toldSize(PriceListMaxBytes) << none << "xl/workbook.xml: ZIP 形式のファイルが壊れているか、途中で切れています";
    QTest::newRow("member size above it, refused unread")
        << toldSize(PriceListMaxBytes + 1) << none << "xl/workbook.xml: 展開すると 64 MiB を超えるので読みません";
}

void TestPriceListXlsx::refusal()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, sheet);
    QFETCH(QString, reason);
    const QString path = PutTestFile(dir_, QStringLiteral("list.xlsx"), bytes);
    const QString failure = ReadFailure(path, {TextEncoding::Detect, sheet});
    QVERIFY2(failure.startsWith(path + QStringLiteral(": ")) && failure.contains(reason), qPrintable(failure));
}

void TestPriceListXlsx::sheetNames()
{
    const QString book = PutTestFile(dir_, QStringLiteral("book.xlsx"), writtenWorkbook(dir_));
    QCOMPARE(PriceListSheetNames(book), (QStringList{"表紙", "価格表"}));
    const QString csv = PutTestFile(dir_, QStringLiteral("list.csv"), "a,b\n");
    QCOMPARE(PriceListSheetNames(csv), QStringList());
}

// A workbook saved by a real spreadsheet program, made from a CSV when one
// is installed.
void TestPriceListXlsx::savedByLibreOffice()
{
    const QString office = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (office.isEmpty())
        QSKIP("soffice is not installed");
    PutTestFile(dir_, QStringLiteral("office.csv"), "品名,サイズ,定価\n白ガス管,15A,1234.5\n継手,\"20A, 長\",\"1,500\"\n");
    // A profile of its own, so that a running office or the user's settings
    // play no part.
    const QString profile = QUrl::fromLocalFile(dir_.filePath(QStringLiteral("office-profile"))).toString();
    QProcess convert;
    // The CSV is read as UTF-8 (76), comma separated, with double quotes.
    convert.start(office, {QStringLiteral("-env:UserInstallation=") + profile, QStringLiteral("--headless"),
                           QStringLiteral("--convert-to"), QStringLiteral("xlsx"),
                           QStringLiteral("--infilter=CSV:44,34,76"), QStringLiteral("--outdir"), dir_.path(),
                           dir_.filePath(QStringLiteral("office.csv"))});
    QVERIFY(convert.waitForFinished(180000));
    const QString saved = dir_.filePath(QStringLiteral("office.xlsx"));
    QVERIFY2(QFile::exists(saved), convert.readAllStandardError().constData());
    const PriceListTable table = ReadPriceListTable(saved);
    QCOMPARE(TableLines(table), (QStringList{"1:品名|サイズ|定価", "2:白ガス管|15A|1234.5", "3:継手|20A, 長|1500"}));
}

#include "TestMain.h"
KAVREL_TEST_GUILESS_MAIN(TestPriceListXlsx)
#include "TestPriceListXlsx.moc"
