#include "ApplicationTitle.h"
#include "Fields.h"
#include "FileError.h"
#include "LongPathForm.h"
#include "SettingsLines.h"
#include "ShiftJis.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTest>

class TestTextHelpers : public QObject {
    Q_OBJECT
private slots:
    void nthField_data();
    void nthField();
    void fieldNumber_data();
    void fieldNumber();
    void settingsLineSplit_data();
    void settingsLineSplit();
    void settingsFileRoundTrip();
    void laterLineWins();
    void lineEnds_data();
    void lineEnds();
    void decodeFlushesALoneLeadByte();
    void windows31jMapping_data();
    void windows31jMapping();
    void unmappableCharacters_data();
    void unmappableCharacters();
    void encodeWithinKeepsWholeCharacters_data();
    void encodeWithinKeepsWholeCharacters();
    void longPathForm();
    void applicationTitleIsOurOwn();
};

void TestTextHelpers::nthField_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("field");
    QTest::newRow("first") << "3;5;" << 1 << "3";
    QTest::newRow("second") << "3;5;" << 2 << "5";
    QTest::newRow("past the end repeats the last") << "3;" << 2 << "3";
    QTest::newRow("no terminator") << "3" << 1 << "";
    QTest::newRow("empty") << "" << 2 << "";
    QTest::newRow("unterminated tail ignored") << "0;2;7;給水系統" << 4 << "7";
    QTest::newRow("empty field") << ";;9;" << 2 << "";
    QTest::newRow("japanese") << QString::fromUtf8("1;2;3;給水;") << 4 << QString::fromUtf8("給水");
}

void TestTextHelpers::nthField()
{
    QFETCH(QString, text);
    QFETCH(int, n);
    QFETCH(QString, field);
    QCOMPARE(NthField(text, n), field);
}

void TestTextHelpers::fieldNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("number");
    // The fallback is -7, a value no row gives by itself.
    QTest::newRow("second") << "3;5;" << 2 << 5;
    QTest::newRow("past the end repeats the last") << "3;" << 2 << 3;
    QTest::newRow("no terminator") << "3" << 1 << -7;
    QTest::newRow("empty field") << ";5;" << 1 << -7;
    QTest::newRow("negative") << "-2;" << 1 << -2;
    QTest::newRow("plus sign") << "+4;" << 1 << 4;
    QTest::newRow("leading zero") << "01;" << 1 << 1;
    QTest::newRow("blanks around") << " 1 ;" << 1 << 1;
    QTest::newRow("trailing letter") << "1a;" << 1 << -7;
    QTest::newRow("decimal") << "3.0;" << 1 << -7;
    QTest::newRow("largest int") << "2147483647;" << 1 << 2147483647;
    QTest::newRow("beyond int") << "2147483648;" << 1 << -7;
    QTest::newRow("full-width digit") << QString::fromUtf8("３;") << 1 << -7;
}

void TestTextHelpers::fieldNumber()
{
    QFETCH(QString, text);
    QFETCH(int, n);
    QTEST(NthFieldNumber(text, n, -7), "number");
}

void TestTextHelpers::settingsLineSplit_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::newRow("plain") << "[TREEVIEW_WIDTH]=180" << "[TREEVIEW_WIDTH]" << "180";
    QTest::newRow("first equals splits") << "[PATH]=a=b" << "[PATH]" << "a=b";
    QTest::newRow("no equals") << "[Version]" << "" << "[Version]";
    QTest::newRow("empty value") << "[K]=" << "[K]" << "";
}

void TestTextHelpers::settingsLineSplit()
{
    QFETCH(QString, line);
    QFETCH(QString, key);
    QFETCH(QString, value);
    const SettingsLine s = SplitSettingsLine(line);
    QCOMPARE(s.key, key);
    QCOMPARE(s.value, value);
}

void TestTextHelpers::settingsFileRoundTrip()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("kavre_p.conf");
    const QStringList lines = {QString::fromUtf8("[NAME1]=給水"), "[PATH1]=/x/kanzai/haikan1.FDA", ""};
    WriteSettingsLines(path, lines);
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    // Shift-JIS bytes of 給水 and CR LF after every line, the empty one too.
    QCOMPARE(f.readAll(), QByteArray("[NAME1]=\x8b\x8b\x90\x85\r\n[PATH1]=/x/kanzai/haikan1.FDA\r\n\r\n"));
    QCOMPARE(ReadSettingsLines(path), lines);
}

void TestTextHelpers::laterLineWins()
{
    const QStringList lines = {"[A]=1", "[B]=2", "[A]=3", "junk", "[A]x=4", "[D]=a=b", "[E]=", "[E]", "=5"};
    QCOMPARE(SettingsValue(lines, "[A]"), QString("3"));
    QCOMPARE(SettingsValue(lines, "[C]", "none"), QString("none"));
    // The key ends at the first "=": the value may hold more, a key never.
    QCOMPARE(SettingsValue(lines, "[D]"), QString("a=b"));
    QCOMPARE(SettingsValue(lines, "[D]=a", "none"), QString("none"));
    QCOMPARE(SettingsValue(lines, "[E]", "none"), QString(""));
    QCOMPARE(SettingsValue(lines, "", "none"), QString("none"));
    QTemporaryDir dir;
    QVERIFY_THROWS_EXCEPTION(FileError, ReadSettingsLines(dir.filePath("missing")));
}

void TestTextHelpers::lineEnds_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("CR LF") << QByteArray("[A]=1\r\n[B]=2\r\n") << QStringList{"[A]=1", "[B]=2"};
    QTest::newRow("lone LF") << QByteArray("[A]=1\n[B]=2\n") << QStringList{"[A]=1", "[B]=2"};
    QTest::newRow("lone CR") << QByteArray("[A]=1\r[B]=2\r") << QStringList{"[A]=1", "[B]=2"};
    QTest::newRow("mixed, last line open") << QByteArray("[A]=1\r\r\n[B]=2\n\r[C]=3")
                                           << QStringList{"[A]=1", "", "[B]=2", "", "[C]=3"};
    QTest::newRow("LF CR is two ends") << QByteArray("\n\r") << QStringList{"", ""};
    QTest::newRow("empty file") << QByteArray() << QStringList{};
    // The trail byte of 表 is 0x5C and of ソ 0x83 0x5C: no line end hides in them.
    QTest::newRow("Shift-JIS trail bytes") << QByteArray("[K]=\x95\x5c\x83\x5c\r\n")
                                           << QStringList{QString::fromUtf8("[K]=表ソ")};
    QTest::newRow("half a character before a line end")
        << QByteArray("[K]=\x82\r\n[L]=\x82") << QStringList{ShiftJis::decode("[K]=\x82"), ShiftJis::decode("[L]=\x82")};
}

void TestTextHelpers::lineEnds()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    QTemporaryDir dir;
    QFile f(dir.filePath("kavre_p.conf"));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    f.close();
    QCOMPARE(ReadSettingsLines(f.fileName()), lines);
}

void TestTextHelpers::decodeFlushesALoneLeadByte()
{
    // A field that ends in half a character keeps what precedes it and shows
    // the half as one substitution character.
    const QString text = ShiftJis::decode(QByteArray("\x8b\x8b\x82", 3));
    QCOMPARE(text.size(), 2);
    QCOMPARE(text.left(1), QString::fromUtf8("給"));
    QCOMPARE(ShiftJis::decode(QByteArray("\x82\xa0")), QString::fromUtf8("あ"));
    QCOMPARE(ShiftJis::decode(QByteArray()), QString());
    // Nothing of one field reaches the next: a trail byte alone stays alone.
    const QString trailAlone = ShiftJis::decode(QByteArray("\xa0"));
    QVERIFY(trailAlone != QString::fromUtf8("あ"));
    ShiftJis::decode(QByteArray("\x82"));
    QCOMPARE(ShiftJis::decode(QByteArray("\xa0")), trailAlone);
}

void TestTextHelpers::windows31jMapping_data()
{
    // Where Windows-31J differs from plain Shift-JIS: the files of existing
    // installations are written with these mappings.
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("wave dash") << QByteArray("\x81\x60") << QString(QChar(0xFF5E));
    QTest::newRow("full-width minus") << QByteArray("\x81\x7c") << QString(QChar(0xFF0D));
    QTest::newRow("NEC circled one") << QByteArray("\x87\x40") << QString(QChar(0x2460));
    QTest::newRow("IBM extension") << QByteArray("\xfa\x40") << QString(QChar(0x2170));
    QTest::newRow("half-width katakana") << QByteArray("\xb6\xdd") << QString::fromUtf8("ｶﾝ");
}

void TestTextHelpers::windows31jMapping()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(ShiftJis::decode(bytes), text);
    QCOMPARE(ShiftJis::encode(text), bytes);
    // A character outside Windows-31J is written as "?".
    QCOMPARE(ShiftJis::encode(text + QChar(0x301C) + "a"), bytes + "?a");
    // The character that failed does not fail the next text.
    QCOMPARE(ShiftJis::encode(text), bytes);
}

void TestTextHelpers::unmappableCharacters_data()
{
    // Each character that Windows-31J lacks is one "?", whichever way the
    // converter would have dropped or substituted it.
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("wave dash U+301C") << QString(QChar(0x301C)) << QByteArray("?");
    QTest::newRow("default ignorable U+FFF8") << QString(QChar(0xFFF8)) << QByteArray("?");
    QTest::newRow("outside the BMP") << QString::fromUcs4(U"a\U0001F600b") << QByteArray("a?b");
    QTest::newRow("lone surrogate") << QString(QChar(0xD800)) + "a" << QByteArray("?a");
    QTest::newRow("two in a row") << QString(QChar(0x301C)) + QChar(0x301C) << QByteArray("??");
    QTest::newRow("byte order mark is nothing") << QString(QChar(0xFEFF)) + "a" + QChar(0xFEFF) << QByteArray("a");
}

void TestTextHelpers::unmappableCharacters()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(ShiftJis::encode(text), bytes);
}

void TestTextHelpers::encodeWithinKeepsWholeCharacters_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("capacity");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("fits") << QString::fromUtf8("15A") << 6 << QByteArray("15A");
    QTest::newRow("cut before a double-byte char") << QString::fromUtf8("ab給水") << 5 << QByteArray("ab\x8b\x8b");
    QTest::newRow("cut exactly") << QString::fromUtf8("給水") << 4 << QByteArray("\x8b\x8b\x90\x85");
    QTest::newRow("half-width kana are one byte") << QString::fromUtf8("ｶﾝ給") << 3 << QByteArray("\xb6\xdd");
    QTest::newRow("unit m") << QString::fromUtf8("ｍ") << 4 << QByteArray("\x82\x8d");
}

void TestTextHelpers::encodeWithinKeepsWholeCharacters()
{
    QFETCH(QString, text);
    QFETCH(int, capacity);
    QFETCH(QByteArray, bytes);
    QCOMPARE(ShiftJis::encodeWithin(text, capacity), bytes);
}

void TestTextHelpers::longPathForm()
{
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath("Kanzai"));
    QFile(dir.filePath("Kanzai/haikan1.FDA")).open(QIODevice::WriteOnly);
    const QString existing = dir.filePath("Kanzai/haikan1.FDA");
    QCOMPARE(LongPathForm(existing), QDir::toNativeSeparators(QDir::cleanPath(existing)));
    // Missing components stay as written, and "." and ".." are resolved.
    QCOMPARE(LongPathForm(dir.path() + "/Kanzai/./../Kanzai/new.FDA"),
             QDir::toNativeSeparators(dir.path() + "/Kanzai/new.FDA"));
    // Here another spelling names a file that does not exist: kept as written.
    QCOMPARE(LongPathForm(dir.path() + "/kanzai"), QDir::toNativeSeparators(dir.path() + "/kanzai"));
    // A relative path is taken from the current folder.
    QDir::setCurrent(dir.path());
    QCOMPARE(LongPathForm("Kanzai"), QDir::toNativeSeparators(QDir::cleanPath(dir.path() + "/Kanzai")));
    // Many paths at once, sharing folders, read as each is read alone.
    QFile(dir.filePath("Kanzai/haikan2.FDA")).open(QIODevice::WriteOnly);
    const QStringList paths{existing, dir.filePath("Kanzai/haikan2.FDA"), QString(), "Kanzai/haikan1.FDA",
                            dir.path() + "/kanzai/haikan1.FDA", existing};
    QStringList each;
    for (const QString& path : paths)
        each << (path.isEmpty() ? path : LongPathForm(path));
    QCOMPARE(LongPathForms(paths), each);
}

// The toolkit appends its application display name to every window caption
// that does not end with it, so the title must not become that name.
void TestTextHelpers::applicationTitleIsOurOwn()
{
    const QString title = QStringLiteral("Zavrikon（管材編）");
    SetApplicationTitle(title);
    QCOMPARE(ApplicationTitle(), title);
    QVERIFY(QGuiApplication::applicationDisplayName() != title);
    SetApplicationTitle(QStringLiteral("配管材入力ダイアログ"));
    QCOMPARE(ApplicationTitle(), QStringLiteral("配管材入力ダイアログ"));
}

#include "TestMain.h"
KAVREL_TEST_APPLESS_MAIN(TestTextHelpers)
#include "TestTextHelpers.moc"
