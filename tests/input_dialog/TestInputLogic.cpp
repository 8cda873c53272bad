#include "CallerArguments.h"
#include "EstimateLine.h"
#include "FileError.h"
#include "InputDialogFixture.h"
#include "NumberText.h"
#include "RemarkHistory.h"
#include "RemovalSettings.h"
#include "SystemNames.h"
#include "TestUnits.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A record whose every price differs, so that a wrong field shows.
PriceRow SampleRecord()
{
    PriceRow r;
    r.costPrice = C("1000");
    r.levelPrice = {C("1100"), C("1200"), C("1300"), C("1400"), C("1500")};
    r.listPrice = C("2000");
    r.rate = {C("1.05"), C("0.3"), C("0.05"), C("0.1"), C("0.75"), C("0.02"), C("0.05")};
    r.compositeCost = C("3000");
    r.compositeLevel = {C("3100"), C("3200"), C("3300"), C("3400"), C("3500")};
    r.adoptedLevel = {C("3110"), C("3210"), C("3310"), C("3410"), C("3510")};
    return r;
}

EstimateChoice SampleChoice()
{
    EstimateChoice c;
    c.bookPath = QStringLiteral("/books/haikan3.FDA");
    c.category = 3;
    c.materialShown = QStringLiteral("配管用炭素鋼鋼管");
    c.material = 1;
    c.sheet = 2;
    c.sheetCaption = QStringLiteral("地中");
    c.row = 13;
    c.sizeShown = QStringLiteral("20A");
    c.sizeName = QStringLiteral("20A");
    c.constructionType = QStringLiteral("露出");
    c.levelIndex = 2;
    c.netQuantityText = QStringLiteral("2");
    c.netQuantity = C("2");
    c.offerQuantity = C("2");
    c.mode = ParseCallerMode(QStringLiteral("0"));
    c.systemNumber = 3;
    return c;
}

} // namespace

class TestInputLogic : public QObject {
    Q_OBJECT
private slots:
    void callerArgument_data();
    void callerArgument();
    void removalRate_data();
    void removalRate();
    void removalSettingsFromLines_data();
    void removalSettingsFromLines();
    void removalSettingsFile();
    void flagValue_data();
    void flagValue();
    void lineCode_data();
    void lineCode();
    void refusals_data();
    void refusals();
    void deriveLine_data();
    void deriveLine();
    void deriveLineTexts();
    void remarkHistory();
    void remarkHistoryFile();
    void systemNamesFile();
};

void TestInputLogic::callerArgument_data()
{
    QTest::addColumn<QString>("argument");
    QTest::addColumn<QString>("mode");
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("system");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("pickup");
    QTest::newRow("none") << "" << "" << 0 << 0 << "" << false;
    QTest::newRow("pickup") << "1;2;3;系統A;" << "1" << 2 << 3 << "系統A" << true;
    QTest::newRow("estimate") << "0;4;12;B;" << "0" << 4 << 12 << "B" << false;
    // Past the last terminated field the last one repeats.
    QTest::newRow("two fields") << "0;4;" << "0" << 4 << 4 << "4" << false;
    QTest::newRow("name unterminated") << "0;1;2;Name" << "0" << 1 << 2 << "2" << false;
    QTest::newRow("not numbers") << "x;y;z;w;" << "x" << 0 << 0 << "w" << false;
    QTest::newRow("mode 1 with blanks") << " 1;0;0;a;" << " 1" << 0 << 0 << "a" << false;
    QTest::newRow("level out of range") << "0;7;-2;n;" << "0" << 7 << -2 << "n" << false;
}

void TestInputLogic::callerArgument()
{
    QFETCH(QString, argument);
    const CallerArguments a = ParseCallerArgument(argument);
    QTEST(a.mode.text, "mode");
    QTEST(a.levelIndex, "level");
    QTEST(a.systemNumber, "system");
    QTEST(a.systemName, "name");
    QTEST(a.mode.pickupMarked, "pickup");
}

void TestInputLogic::removalRate_data()
{
    QTest::addColumn<QString>("rate");
    QTest::addColumn<QString>("factor");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<int>("rounding");
    QTest::addColumn<QString>("expected");
    QTest::newRow("defaults") << "0.45" << "0.3" << 1 << 1 << "0.1";
    QTest::newRow("0.3 x 0.75, 2 decimals, half up") << "0.75" << "0.3" << 2 << 1 << "0.23";
    QTest::newRow("exact half rounds up") << "0.5" << "0.5" << 1 << 1 << "0.3"; // 0.25 -> 0.3
    QTest::newRow("just below half") << "0.4999" << "0.5" << 1 << 1 << "0.2";
    QTest::newRow("round up adds 0.9") << "0.75" << "0.3" << 1 << 2 << "0.3";   // 2.25 + 0.9
    QTest::newRow("round up of an exact value") << "0.5" << "0.2" << 1 << 2 << "0.1"; // 1.0 + 0.9
    QTest::newRow("round up of a small value") << "0.3" << "0.3" << 1 << 2 << "0.1"; // 0.9 + 0.9
    QTest::newRow("truncate") << "0.75" << "0.3" << 3 << 3 << "0.225";
    QTest::newRow("truncate cuts") << "0.7777" << "0.3" << 3 << 3 << "0.233";
    QTest::newRow("three decimals half up") << "0.7777" << "0.3" << 3 << 1 << "0.233"; // 0.23331
    QTest::newRow("large rate") << "123456.7891" << "1.5" << 2 << 1 << "185185.18";
    QTest::newRow("zero factor") << "0.75" << "0" << 1 << 3 << "0";
    QTest::newRow("decimals out of range read as 1") << "0.45" << "0.3" << 0 << 1 << "0.1";
}

void TestInputLogic::removalRate()
{
    QFETCH(QString, rate);
    QFETCH(QString, factor);
    QFETCH(int, decimals);
    QFETCH(int, rounding);
    QTEST(PlainText(RemovalRate(ParseCurrency(rate), ParseCurrency(factor), decimals, rounding)), "expected");
}

void TestInputLogic::removalSettingsFromLines_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("removal");
    QTest::addColumn<QString>("recycle");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<int>("rounding");
    QTest::newRow("empty") << QStringList() << "0.3" << "0.3" << 1 << 1;
    QTest::newRow("all set") << QStringList{"[REMOVAL]=0.45", "[RECYCLE]=0.6", "[KETA]=2", "[CUTLEVEL]=3"}
                             << "0.45" << "0.6" << 2 << 3;
    QTest::newRow("later line wins") << QStringList{"[KETA]=2", "[KETA]=3", "[OTHER]=9"} << "0.3" << "0.3" << 3 << 1;
    QTest::newRow("not numbers") << QStringList{"[REMOVAL]=abc", "[RECYCLE]=", "[KETA]=x", "[CUTLEVEL]=2.5"}
                                 << "0.3" << "0.3" << 1 << 1;
    QTest::newRow("out of range") << QStringList{"[KETA]=0", "[CUTLEVEL]=4"} << "0.3" << "0.3" << 1 << 1;
    QTest::newRow("zero and grouped factors") << QStringList{"[REMOVAL]=0", "[RECYCLE]=1000"} << "0" << "1000" << 1 << 1;
    QTest::newRow("value with =") << QStringList{"[REMOVAL]=0.5=1"} << "0.3" << "0.3" << 1 << 1;
}

void TestInputLogic::removalSettingsFromLines()
{
    QFETCH(QStringList, lines);
    const RemovalSettings s = RemovalSettingsFromLines(lines);
    QTEST(PlainText(s.removalFactor), "removal");
    QTEST(PlainText(s.recycleFactor), "recycle");
    QTEST(s.decimals, "decimals");
    QTEST(s.rounding, "rounding");
}

void TestInputLogic::removalSettingsFile()
{
    QTemporaryDir dir;
    const QString path = RemovalSettingsPath(dir.path());
    QCOMPARE(ReadRemovalSettings(path), RemovalSettings());

    RemovalSettings s;
    s.removalFactor = Currency();
    s.recycleFactor = C("1000");
    s.decimals = 2;
    s.rounding = 3;
    WriteRemovalSettings(path, s);
    QCOMPARE(FileBytes(path), QByteArray("[REMOVAL]=0\r\n[RECYCLE]=1000\r\n[KETA]=2\r\n[CUTLEVEL]=3\r\n"));
    QCOMPARE(ReadRemovalSettings(path), s);

    // A folder in the way cannot be read as settings.
    QTemporaryDir other;
    QVERIFY(QDir(other.path()).mkdir(QStringLiteral("kavre_p.adv")));
    QVERIFY_THROWS_EXCEPTION(FileError, ReadRemovalSettings(RemovalSettingsPath(other.path())));
    QVERIFY_THROWS_EXCEPTION(FileError, WriteRemovalSettings(RemovalSettingsPath(other.path()), s));
}

void TestInputLogic::flagValue_data()
{
    QTest::addColumn<QString>("offer");
    QTest::addColumn<QString>("net");
    QTest::addColumn<bool>("remark");
    QTest::addColumn<QString>("mode");
    QTest::addColumn<int>("flag");
    QTest::newRow("whole") << "2" << "2" << false << "0" << 10;
    QTest::newRow("offer fraction") << "1.5" << "2" << false << "0" << 20;
    QTest::newRow("net fraction") << "2" << "0.0001" << false << "0" << 20;
    QTest::newRow("both fractions") << "1.5" << "2.5" << false << "" << 20;
    QTest::newRow("remark") << "2" << "2" << true << "0" << 15;
    QTest::newRow("remark fraction") << "1.5" << "2" << true << "0" << 25;
    QTest::newRow("pickup") << "2" << "2" << false << "1" << 110;
    QTest::newRow("pickup remark") << "2" << "2" << true << "1" << 115;
    QTest::newRow("pickup fraction") << "2" << "1.25" << false << "1" << 120;
    QTest::newRow("pickup all") << "0.5" << "2" << true << "1" << 125;
    QTest::newRow("mode 01 is no pickup") << "2" << "2" << false << "01" << 10;
    QTest::newRow("mode 2") << "2" << "2" << false << "2" << 10;
}

void TestInputLogic::flagValue()
{
    QFETCH(QString, offer);
    QFETCH(QString, net);
    QFETCH(bool, remark);
    QFETCH(QString, mode);
    QTEST(FlagValue(ParseCurrency(offer), ParseCurrency(net), remark, ParseCallerMode(mode)), "flag");
}

void TestInputLogic::lineCode_data()
{
    QTest::addColumn<int>("category");
    QTest::addColumn<int>("material");
    QTest::addColumn<int>("sheet");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("system");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("code");
    QTest::newRow("first") << 1 << 0 << 0 << 0 << 0 << 1 << "1";
    QTest::newRow("25 system 3") << 1 << 0 << 1 << 9 << 3 << 25 << "25.3";
    QTest::newRow("25 system 12") << 1 << 0 << 1 << 9 << 12 << 25 << "26.2";
    QTest::newRow("last of category 1") << 1 << 19 << 3 << 14 << 0 << 1200 << "1200";
    QTest::newRow("first of category 2") << 2 << 0 << 0 << 0 << 9 << 1201 << "1201.9";
    QTest::newRow("last of all") << 10 << 19 << 3 << 14 << 1 << 12000 << "12000.1";
    QTest::newRow("negative system") << 3 << 1 << 2 << 13 << -3 << 2504 << "2503.7";
}

void TestInputLogic::lineCode()
{
    QFETCH(int, category);
    QFETCH(int, material);
    QFETCH(int, sheet);
    QFETCH(int, row);
    QFETCH(int, system);
    QFETCH(int, number);
    QCOMPARE(LineNumber(category, material, sheet, row), number);
    QTEST(PlainText(LineCode(number, system)), "code");
}

void TestInputLogic::refusals_data()
{
    QTest::addColumn<int>("broken"); // how many of the checks fail, from the first
    QTest::addColumn<QString>("message");
    QTest::newRow("no book") << 5 << "管種が選択されていません。";
    QTest::newRow("no material shown") << 4 << "管材が選択されていません。";
    QTest::newRow("no selection") << 3 << "材料が指定されていません。";
    QTest::newRow("no size") << 2 << "サイズが指定されていません。";
    QTest::newRow("no quantity") << 1 << "数量が入力されていません。";
    QTest::newRow("nothing missing") << 0 << "";
}

void TestInputLogic::refusals()
{
    QFETCH(int, broken);
    // Every check from the last one back fails, so the first failing check
    // must be the one reported.
    EstimateChoice c = SampleChoice();
    if (broken >= 1)
        c.netQuantityText.clear();
    if (broken >= 2)
        c.sizeShown.clear();
    if (broken >= 3)
        c.material = -1;
    if (broken >= 4)
        c.materialShown.clear();
    if (broken >= 5)
        c.bookPath.clear();
    QTEST(RefuseEstimateChoice(c).value_or(QString()), "message");
}

void TestInputLogic::deriveLine_data()
{
    QTest::addColumn<int>("work");
    QTest::addColumn<bool>("composite");
    QTest::addColumn<int>("levelIndex");
    QTest::addColumn<QString>("priceA");
    QTest::addColumn<QString>("priceB");
    QTest::addColumn<QString>("compositeCost");
    QTest::addColumn<QString>("adopted");
    QTest::addColumn<QString>("fitter");
    const int general = int(WorkKind::General), removal = int(WorkKind::Removal), reuse = int(WorkKind::RemovalReuse);
    QTest::newRow("general LEVEL3") << general << false << 2 << "1000" << "1300" << "3000" << "3310" << "0.75";
    QTest::newRow("general composite") << general << true << 2 << "3000" << "3310" << "3000" << "3310" << "0.75";
    QTest::newRow("LEVEL5") << general << false << 4 << "1000" << "1500" << "3000" << "3510" << "0.75";
    QTest::newRow("no level reads LEVEL1") << general << false << -1 << "1000" << "1100" << "3000" << "3110" << "0.75";
    QTest::newRow("level 5 reads LEVEL1") << general << true << 5 << "3000" << "3110" << "3000" << "3110" << "0.75";
    // Removal: 0.3 x 0.75 at 2 decimals, rounded half up.
    QTest::newRow("removal") << removal << false << 2 << "0" << "0" << "0" << "3310" << "0.23";
    QTest::newRow("removal composite") << removal << true << 2 << "0" << "3310" << "0" << "3310" << "0.23";
    // Reuse: 0.5 x 0.75 at 2 decimals.
    QTest::newRow("reuse") << reuse << false << 0 << "0" << "0" << "0" << "3110" << "0.38";
}

void TestInputLogic::deriveLine()
{
    QFETCH(int, work);
    QFETCH(bool, composite);
    QFETCH(int, levelIndex);
    EstimateChoice c = SampleChoice();
    c.work = WorkKind(work);
    c.useComposite = composite;
    c.levelIndex = levelIndex;
    c.removal.removalFactor = C("0.3");
    c.removal.recycleFactor = C("0.5");
    c.removal.decimals = 2;
    const EstimateLine line = DeriveEstimateLine(c, SampleRecord());
    QTEST(PlainText(line.priceA), "priceA");
    QTEST(PlainText(line.priceB), "priceB");
    QTEST(PlainText(line.compositeCost), "compositeCost");
    QTEST(PlainText(line.adoptedPrice), "adopted");
    QTEST(PlainText(line.fitterRate), "fitter");
    // The list price stays whatever the kind of work.
    QCOMPARE(PlainText(line.listPrice), QStringLiteral("2000"));
}

void TestInputLogic::deriveLineTexts()
{
    EstimateChoice c = SampleChoice();
    c.remark = QStringLiteral("保温共");
    c.offerQuantity = C("1.5");
    EstimateLine line = DeriveEstimateLine(c, SampleRecord());
    QCOMPARE(line.materialName, QStringLiteral("配管用炭素鋼鋼管"));
    QCOMPARE(line.sizeText, QStringLiteral("20A"));
    QCOMPARE(line.sizeName, QStringLiteral("20A"));
    QVERIFY(line.constructionRemark.isEmpty());
    QVERIFY(line.remark.isEmpty()); // the option is off
    QCOMPARE(line.flag, 20);
    QCOMPARE(PlainText(line.netQuantity), QStringLiteral("2"));
    QCOMPARE(PlainText(line.offerQuantity), QStringLiteral("1.5"));
    QCOMPARE(line.systemNumber, 3);
    QCOMPARE(line.sheet, 2);
    // Material 1, sheet 2, row 13 of category 3: 2400 + 60 + 30 + 14.
    QCOMPARE(PlainText(line.lineCode), QStringLiteral("2504.3"));

    c.appendSheet = true;
    c.appendConstruction = true;
    c.remarkOn = true;
    c.mode = ParseCallerMode(QStringLiteral("1"));
    line = DeriveEstimateLine(c, SampleRecord());
    QCOMPARE(line.sizeText, QStringLiteral("20A 地中"));
    QCOMPARE(line.sizeName, QStringLiteral("20A"));
    QCOMPARE(line.constructionRemark, QStringLiteral("露出"));
    QCOMPARE(line.remark, QStringLiteral("保温共"));
    QCOMPARE(line.flag, 125);
}

void TestInputLogic::remarkHistory()
{
    QStringList history;
    PushRemark(history, QString());
    QVERIFY(history.isEmpty());
    for (int i = 1; i <= 21; ++i)
        PushRemark(history, QStringLiteral("r%1").arg(i));
    QCOMPARE(history.size(), RemarkHistoryLimit);
    QCOMPARE(history.first(), QStringLiteral("r21"));
    QCOMPARE(history.last(), QStringLiteral("r2"));
    // A remark used again moves to the top and is kept once.
    PushRemark(history, QStringLiteral("r2"));
    QCOMPARE(history.size(), RemarkHistoryLimit);
    QCOMPARE(history.first(), QStringLiteral("r2"));
    QCOMPARE(history.count(QStringLiteral("r2")), 1);
    QCOMPARE(history.last(), QStringLiteral("r3"));
}

void TestInputLogic::remarkHistoryFile()
{
    QTemporaryDir dir;
    const QString path = RemarkHistoryPath(dir.path());
    QVERIFY(ReadRemarkHistory(path).isEmpty());
    WriteRemarkHistory(path, {});
    QVERIFY(!QFile::exists(path));

    QByteArray bytes;
    for (int i = 1; i <= 25; ++i)
        bytes += (i == 3 ? QByteArray() : QByteArray("remark") + QByteArray::number(i)) + "\r\n";
    PutFileBytes(path, QByteArray("\x95\xdb\x89\xb7\x8b\xa4\r\n") + bytes); // 保温共
    const QStringList history = ReadRemarkHistory(path);
    QCOMPARE(history.size(), RemarkHistoryLimit);
    QCOMPARE(history.first(), QStringLiteral("保温共"));
    QVERIFY(!history.contains(QString()));
    QCOMPARE(history.last(), QStringLiteral("remark20"));

    WriteRemarkHistory(path, {QStringLiteral("保温共"), QStringLiteral("b")});
    QCOMPARE(FileBytes(path), QByteArray("\x95\xdb\x89\xb7\x8b\xa4\r\nb\r\n"));
}

void TestInputLogic::systemNamesFile()
{
    QTemporaryDir dir;
    const QString path = SystemNamesPath(dir.path());
    SystemNames names;
    names[0] = QStringLiteral("design");
    ReadSystemNames(path, names);
    QCOMPARE(names[0], QStringLiteral("design"));

    PutFileBytes(path, "[KEITO_NAME3]=\x8b\x8b\x90\x85\r\n[KEITO_NAME10]=ten=10\r\n[KEITO_NAME3]=C\r\nnoise\r\n");
    ReadSystemNames(path, names);
    QCOMPARE(names[0], QStringLiteral("design"));
    QCOMPARE(names[2], QStringLiteral("C"));
    QCOMPARE(names[9], QStringLiteral("ten=10"));

    names[2] = QStringLiteral("給水");
    WriteSystemNames(path, names);
    const QList<QByteArray> lines = FileBytes(path).split('\n');
    QCOMPARE(lines.size(), SystemCount + 1);
    QCOMPARE(lines[0], QByteArray("[KEITO_NAME1]=design\r"));
    QCOMPARE(lines[1], QByteArray("[KEITO_NAME2]=\r"));
    QCOMPARE(lines[2], QByteArray("[KEITO_NAME3]=\x8b\x8b\x90\x85\r"));
    QCOMPARE(lines[9], QByteArray("[KEITO_NAME10]=ten=10\r"));
}

#include "TestMain.h"
KAVREL_TEST_GUILESS_MAIN(TestInputLogic)
#include "TestInputLogic.moc"
