#include "FileError.h"
#include "PriceListTable.h"
#include "PriceListTestFiles.h"
#include "ShiftJis.h"

#include <QTest>

Q_DECLARE_METATYPE(TextEncoding)

namespace {

QByteArray utf8(const char* text)
{
    return QByteArray(text);
}

QByteArray sjis(const char* text)
{
    return ShiftJis::encode(QString::fromUtf8(text));
}

} // namespace

class TestPriceListCsv : public QObject {
    Q_OBJECT
private slots:
    void table_data();
    void table();
    void refusal_data();
    void refusal();
    void sizeLimit_data();
    void sizeLimit();

private:
    QTemporaryDir dir_;
};

void TestPriceListCsv::table_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<TextEncoding>("encoding");
    QTest::addColumn<QStringList>("lines");
    const auto detect = TextEncoding::Detect;
    // ソ and 表 end in the byte of a backslash; a quote or comma is never
    // the second byte of a character.
    QTest::newRow("Shift-JIS, CR LF") << sjis("品名,サイズ,定価\r\nソケット表,15A,\"1,234\"\r\n") << detect
                                      << QStringList{"1:品名|サイズ|定価", "2:ソケット表|15A|1,234"};
    QTest::newRow("UTF-8 with a byte order mark") << utf8("\xEF\xBB\xBF品名,定価\n継手,１２３\n") << detect
                                                  << QStringList{"1:品名|定価", "2:継手|１２３"};
    QTest::newRow("UTF-8 without one") << utf8("品名,定価\n継手,5") << detect << QStringList{"1:品名|定価", "2:継手|5"};
    QTest::newRow("tab separated keeps commas") << utf8("品名\tサイズ\t定価\nエルボ\t20A\t1,500\n") << detect
                                                << QStringList{"1:品名|サイズ|定価", "2:エルボ|20A|1,500"};
    QTest::newRow("a tab in a comma list") << utf8("a\tb,c\n") << detect << QStringList{"1:a\tb|c"};
    QTest::newRow("quoted comma in a tab list") << utf8("\"a,b\"\tc\nd\te") << detect
                                                << QStringList{"1:a,b|c", "2:d|e"};
    QTest::newRow("quotes, separators and line breaks inside")
        << utf8("\"a,b\",\"say \"\"hi\"\"\",\"one\r\ntwo\"\r\nnext,x\n") << detect
        << QStringList{"1:a,b|say \"hi\"|one\r\ntwo", "2:next|x"};
    QTest::newRow("empty quoted field and doubled quote alone") << utf8("\"\",\"\"\"\",z") << detect
                                                                 << QStringList{"1:|\"|z"};
    QTest::newRow("text after a closing quote is kept") << utf8("\"1/2\"\"\" x,y") << detect
                                                        << QStringList{"1:1/2\" x|y"};
    QTest::newRow("inch mark in a plain field") << utf8("1/2\"管,x") << detect << QStringList{"1:1/2\"管|x"};
    QTest::newRow("blank lines are rows of their own") << utf8("a\n\nb") << detect
                                                       << QStringList{"1:a", "2:", "3:b"};
    QTest::newRow("CR LF, LF and CR") << utf8("a\r\nb\nc\rd\r\n") << detect
                                      << QStringList{"1:a", "2:b", "3:c", "4:d"};
    QTest::newRow("separator last") << utf8("a,\n,") << detect << QStringList{"1:a", "2:"};
    QTest::newRow("trailing empty cells dropped") << utf8("a,,b,,\n") << detect << QStringList{"1:a||b"};
    // C3 A9 is "é" in UTF-8 and two half-width kana in Shift-JIS.
    QTest::newRow("detected as UTF-8") << QByteArray("\xC3\xA9") << detect << QStringList{"1:é"};
    QTest::newRow("forced Shift-JIS") << QByteArray("\xC3\xA9") << TextEncoding::ShiftJis << QStringList{"1:ﾃｩ"};
    QTest::newRow("forced UTF-8 drops the mark") << utf8("\xEF\xBB\xBFx") << TextEncoding::Utf8 << QStringList{"1:x"};
}

void TestPriceListCsv::table()
{
    QFETCH(QByteArray, bytes);
    QFETCH(TextEncoding, encoding);
    QFETCH(QStringList, lines);
    const QString path = PutTestFile(dir_, QStringLiteral("list.csv"), bytes);
    const PriceListTable table = ReadPriceListTable(path, {encoding, QString()});
    QCOMPARE(table.file, path);
    QCOMPARE(TableLines(table), lines);
}

void TestPriceListCsv::refusal_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<TextEncoding>("encoding");
    QTest::addColumn<QString>("reason");
    const auto detect = TextEncoding::Detect;
    const QString csv = QStringLiteral("list.csv");
    QTest::newRow("empty") << csv << QByteArray() << detect << "ファイルが空です";
    QTest::newRow("a byte order mark alone") << csv << utf8("\xEF\xBB\xBF") << detect << "ファイルが空です";
    QTest::newRow("quote left open") << csv << utf8("a,b\n\"c,d\ne\n") << detect
                                     << "2 行目で始まる引用符（\"）が閉じられないまま、ファイルが終わっています";
    QTest::newRow("open after a doubled quote") << csv << utf8("\"a\"\"") << detect << "1 行目で始まる引用符";
    QTest::newRow("Shift-JIS forced as UTF-8") << csv << sjis("品名") << TextEncoding::Utf8
                                               << "UTF-8 の文字として読めないバイトがあります";
    QTest::newRow("lead byte at the end") << csv << QByteArray("ok\n\x81") << detect
                                          << "2 行目に Shift-JIS の文字として読めないバイトがあります";
    QTest::newRow("lead byte before a comma") << csv << QByteArray("\x81,x") << detect
                                              << "1 行目に Shift-JIS の文字として読めないバイトがあります";
    QTest::newRow("pair that is no character") << csv << QByteArray("a\r\n\"b\n\xEF\xBF\"") << detect
                                               << "2 行目に Shift-JIS の文字として読めないバイトがあります";
    QTest::newRow("PDF named .xlsx") << QStringLiteral("list.xlsx") << QByteArray("%PDF-1.7\n%\xE2\xE3\n") << detect
                                     << "PDF のファイルです";
    QTest::newRow("text named .XLSX") << QStringLiteral("list.XLSX") << utf8("a,b\n") << detect
                                      << "XLSX ファイルではありません（中身が ZIP 形式ではありません）";
    QTest::newRow("old Excel file") << QStringLiteral("list.xls")
                                    << QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1\0\0", 10) << detect << "古い形式（.xls）";
    QTest::newRow("UTF-16") << QStringLiteral("list.txt") << QByteArray("\xFF\xFE" "a\0,\0", 6) << detect << "UTF-16";
    QTest::newRow("line ends beyond the cell limit") << csv << QByteArray(PriceListMaxCells + 1, '\n') << detect
                                                     << QString::number(PriceListMaxCells + 1) + " 行目までで表のセルが多すぎます";
    QTest::newRow("binary named .csv") << csv << QByteArray("\x89PNG\r\n\x1A\n\0\0", 10) << detect
                                       << "CSV でも XLSX でもありません（文字でないバイトがあります）";
}

void TestPriceListCsv::refusal()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(TextEncoding, encoding);
    QFETCH(QString, reason);
    const QString path = PutTestFile(dir_, name, bytes);
    const QString failure = ReadFailure(path, {encoding, QString()});
    QVERIFY2(failure.startsWith(path + QStringLiteral(": ")) && failure.contains(reason), qPrintable(failure));
}

// A file of exactly the limit is read (and refused for what it holds); one
// byte more is refused before it is read.
void TestPriceListCsv::sizeLimit_data()
{
    QTest::addColumn<qint64>("size");
    QTest::addColumn<QString>("reason");
    QTest::newRow("at the limit") << PriceListMaxBytes << "文字でないバイトがあります";
    QTest::newRow("one byte above") << PriceListMaxBytes + 1 << "64 MiB を超えるファイルは読みません";
}

void TestPriceListCsv::sizeLimit()
{
    QFETCH(qint64, size);
    QFETCH(QString, reason);
    const QString path = dir_.filePath(QStringLiteral("large.csv"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(size)); // sparse: zeros that take no room
    file.close();
    const QString failure = ReadFailure(path);
    QVERIFY2(failure.contains(reason), qPrintable(failure));
}

#include "TestMain.h"
KAVREL_TEST_GUILESS_MAIN(TestPriceListCsv)
#include "TestPriceListCsv.moc"
