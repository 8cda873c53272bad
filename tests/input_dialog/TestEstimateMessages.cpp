#include "CopyDataFrame.h"
#include "EstimateMessages.h"
#include "NumberText.h"
#include "ShiftJis.h"
#include "TestUnits.h"

#include <QTest>

namespace {

// Size 20A (row 1) of sheet 2 (機械室) of material 1 of category 2, LEVEL2.
EstimateChoice Choice()
{
    EstimateChoice c;
    c.bookPath = QStringLiteral("/books/haikan2.FDA");
    c.category = 2;
    c.materialShown = QStringLiteral("配管用炭素鋼鋼管");
    c.material = 0;
    c.sheet = 1;
    c.sheetCaption = QStringLiteral("機械室");
    c.row = 1;
    c.sizeShown = c.sizeName = QStringLiteral("20A");
    c.constructionType = QStringLiteral("露出");
    c.levelIndex = 1;
    c.netQuantityText = QStringLiteral("3");
    c.netQuantity = c.offerQuantity = C("3");
    c.mode = ParseCallerMode(QStringLiteral("0"));
    c.systemNumber = 3;
    c.removal.recycleFactor = C("0.5");
    return c;
}

PriceRow Record()
{
    PriceRow r;
    r.costPrice = C("1520");
    r.levelPrice = {C("1700"), C("1850.5"), C("1900"), C("2000"), C("2100")};
    r.listPrice = C("2400");
    r.rate[4] = C("0.45");
    r.compositeCost = C("4210");
    r.compositeLevel = {C("4250"), C("4280"), C("4290"), C("4295"), C("4299")};
    r.adoptedLevel = {C("4200"), C("4300"), C("4400"), C("4500"), C("4600")};
    return r;
}

// Fields 22 to 42 after the size name, the system number and the sheet index.
QString Tail(const char* size, int system, int sheet)
{
    return QStringLiteral("0;0;0;0;%1;%2;%1;%1;0;0;%3;0;0;0;0;0;0;0;0;0;0;").arg(QString::fromUtf8(size)).arg(system).arg(sheet);
}

} // namespace

class TestEstimateMessages : public QObject {
    Q_OBJECT
private slots:
    void record_data();
    void record();
    void recordBytes();
    void callerMode_data();
    void callerMode();
    void incomingCommand_data();
    void incomingCommand();
};

void TestEstimateMessages::record_data()
{
    QTest::addColumn<EstimateChoice>("choice");
    QTest::addColumn<QString>("text");
    // Line 1200 + 15 + 1 + 1 = 1217, system 3.
    const QString head = QStringLiteral("WM_DATAWRITE;配管用炭素鋼鋼管;");

    EstimateChoice c = Choice();
    QTest::newRow("general") << c
        << head + "20A;ｍ;1520;1850.5;0;0;3;3;4210;4300;10;1217.3;;;0.45;2400;3;2;;" + Tail("20A", 3, 1);

    c = Choice();
    c.work = WorkKind::Removal;
    c.useComposite = c.appendSheet = c.appendConstruction = c.remarkOn = true;
    c.remark = QStringLiteral("保温共");
    c.offerQuantity = C("1.5");
    // 0.3 x 0.45 at one decimal, half up: trunc(1.35 + 0.5) / 10.
    QTest::newRow("removal, every option") << c
        << head + "20A 機械室;ｍ;0;4300;0;0;3;1.5;0;4300;25;1217.3;露出;;0.1;2400;3;2;保温共;" + Tail("20A", 3, 1);

    c = Choice();
    c.work = WorkKind::RemovalReuse;
    c.mode = ParseCallerMode(QStringLiteral("1"));
    c.levelIndex = 4;
    // 0.5 x 0.45: trunc(2.25 + 0.5) / 10.
    QTest::newRow("reuse, pickup, LEVEL5") << c
        << head + "20A;ｍ;0;0;0;0;3;3;0;4600;110;1217.3;;;0.2;2400;3;2;;" + Tail("20A", 3, 1);

    c = Choice();
    c.systemNumber = 12;
    c.remarkOn = true;
    c.netQuantity = C("2.25");
    c.sheet = 3;
    c.sizeName = c.sizeShown = QStringLiteral("150SU");
    // Sheet 4: line 1200 + 45 + 2 = 1247, plus 1.2 for system 12.
    QTest::newRow("system 12, empty remark, a fraction") << c
        << head + "150SU;ｍ;1520;1850.5;0;0;2.25;3;4210;4300;25;1248.2;;;0.45;2400;12;2;;" + Tail("150SU", 12, 3);

    c = Choice();
    c.materialShown = QStringLiteral("管;A");
    c.sheetCaption = QStringLiteral("機;室");
    c.appendSheet = c.remarkOn = true;
    c.remark = QStringLiteral("a;b;");
    c.levelIndex = -1;
    QTest::newRow("semicolons in the texts") << c
        << QStringLiteral("WM_DATAWRITE;管；A;20A 機；室;ｍ;1520;1700;0;0;3;3;4210;4200;15;1217.3;;;0.45;2400;3;2;a；b；;")
               + Tail("20A", 3, 1);
}

void TestEstimateMessages::record()
{
    QFETCH(EstimateChoice, choice);
    QFETCH(QString, text);
    const QString record = EstimateRecordText(DeriveEstimateLine(choice, Record()));
    QCOMPARE(record, text);
    QCOMPARE(record.count(QLatin1Char(';')), 42);
}

void TestEstimateMessages::recordBytes()
{
    const CopyDataBlock block = CopyDataBlock::fromText(EstimateRecordText(DeriveEstimateLine(Choice(), Record())),
                                                        QStringLiteral("TFKANZAI"));
    QCOMPARE(block.dwData, quint64(1));
    const QByteArray start = "WM_DATAWRITE;" + ShiftJis::encode(QStringLiteral("配管用炭素鋼鋼管")) + ";20A;\x82\x8d;1520;";
    QVERIFY(block.data.startsWith(start));
    QVERIFY(block.data.endsWith(QByteArray(";0;0;\0", 6)));
    // The zero byte is the last and the only one: cbData is the text's bytes plus one.
    QCOMPARE(block.data.indexOf('\0'), block.data.size() - 1);
}

// Where a line goes is the mode read as a number; whether it is marked as
// the pickup program's (flag +100, two options off) is the text "1" alone.
void TestEstimateMessages::callerMode_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("pickup");
    QTest::newRow("no mode") << "" << "TFESTIMATE" << false;
    QTest::newRow("estimate") << "0" << "TFESTIMATE" << false;
    QTest::newRow("pickup") << "1" << "TFPICKUP" << true;
    QTest::newRow("leading zero") << "01" << "TFPICKUP" << false;
    QTest::newRow("leading blank") << " 1" << "TFPICKUP" << false;
    QTest::newRow("not a number") << "x" << "TFESTIMATE" << false;
    QTest::newRow("number and letter") << "1a" << "TFESTIMATE" << false;
    QTest::newRow("two") << "2" << "" << false;
    QTest::newRow("negative") << "-1" << "" << false;
}

void TestEstimateMessages::callerMode()
{
    QFETCH(QString, mode);
    QFETCH(bool, pickup);
    // Read as the dialog reads its command line, and as a line carries it.
    const CallerMode parsed = ParseCallerArgument(mode + QLatin1Char(';')).mode;
    QCOMPARE(parsed.text, mode);
    QTEST(EstimateTarget(parsed.target).value_or(QString()), "target");
    QCOMPARE(parsed.pickupMarked, pickup);
    EstimateChoice c = Choice();
    c.mode = parsed;
    QCOMPARE(DeriveEstimateLine(c, Record()).flag, pickup ? 110 : 10);
}

void TestEstimateMessages::incomingCommand_data()
{
    QTest::addColumn<quint64>("dwData");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<DialogCommand>("command");
    const auto close = DialogCommand::Close, restore = DialogCommand::Restore, none = DialogCommand::None;
    QTest::newRow("close") << quint64(1) << QByteArray("WM_CLOSE;\0", 10) << close;
    QTest::newRow("close with more fields") << quint64(1) << QByteArray("WM_CLOSE;1;2;\0", 14) << close;
    QTest::newRow("close without its zero byte") << quint64(1) << QByteArray("WM_CLOSE;") << close;
    QTest::newRow("close without its ;") << quint64(1) << QByteArray("WM_CLOSE\0", 9) << none;
    QTest::newRow("lower case") << quint64(1) << QByteArray("wm_close;\0", 10) << none;
    QTest::newRow("restore") << quint64(1) << QByteArray("WM_Restore;\0", 12) << restore;
    QTest::newRow("restore in capitals") << quint64(1) << QByteArray("WM_RESTORE;\0", 12) << none;
    QTest::newRow("another kind of block") << quint64(2) << QByteArray("WM_CLOSE;\0", 10) << none;
    QTest::newRow("zero byte first") << quint64(1) << QByteArray("\0WM_CLOSE;", 10) << none;
    QTest::newRow("a record") << quint64(1) << QByteArray("WM_DATAWRITE;WM_CLOSE;\0", 23) << none;
    QTest::newRow("nothing") << quint64(1) << QByteArray() << none;
}

void TestEstimateMessages::incomingCommand()
{
    QFETCH(quint64, dwData);
    QFETCH(QByteArray, data);
    QTEST(IncomingCommand(CopyDataBlock{dwData, QStringLiteral("TFESTIMATE"), data}), "command");
}

#include "TestMain.h"
KAVREL_TEST_GUILESS_MAIN(TestEstimateMessages)
#include "TestEstimateMessages.moc"
