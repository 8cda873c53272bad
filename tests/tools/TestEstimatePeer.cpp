#include "ApplicationTitle.h"
#include "CopyDataFrame.h"
#include "CopyDataSend.h"
#include "EstimateMessages.h"
#include "InputDialogFixture.h"
#include "MessageTestSupport.h"
#include "RecordReport.h"
#include "TFKANZAI.h"
#include "TIconButton.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

using namespace fixture;

namespace {

QString PeerProgram()
{
    return qEnvironmentVariable("KAVREL_PROGRAM_DIR") + QStringLiteral("/estimate_peer");
}

// The reference estimate program as a child process, ended when the test is.
class Peer {
public:
    explicit Peer(const QStringList& arguments = {})
    {
        process_.start(PeerProgram(), arguments);
        process_.waitForStarted(5000);
    }
    ~Peer()
    {
        if (process_.state() != QProcess::NotRunning) {
            process_.kill();
            process_.waitForFinished(5000);
        }
    }
    QProcess& process() { return process_; }

    // Everything it printed so far.
    QString out()
    {
        printed_ += QString::fromUtf8(process_.readAllStandardOutput());
        return printed_;
    }
    bool listening() { return out().contains(QStringLiteral("listening as")); }

private:
    QProcess process_;
    QString printed_;
};

// Also true when the process has ended before the wait began.
bool Finished(QProcess& process)
{
    return process.state() == QProcess::NotRunning || process.waitForFinished(5000);
}

// "NN name: value" lines of the report, by field number.
QStringList FieldLines(const QString& out)
{
    QStringList fields;
    for (const QString& line : out.split(QLatin1Char('\n'))) {
        if (line.size() > 3 && line[0].isDigit() && line[1].isDigit() && line[2] == QLatin1Char(' '))
            fields << line;
    }
    return fields;
}

} // namespace

class TestEstimatePeer : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { SetApplicationTitle(QStringLiteral("配管材入力ダイアログ")); }
    void init();
    void cleanup() { runtime_.reset(); }
    void report();
    void reportOfTheDialogsRecord_data();
    void reportOfTheDialogsRecord();
    void reportOfOtherBlocks_data();
    void reportOfOtherBlocks();
    void lineFromTheDialogAndCloseFromThePeer();
    void pickupAndASecondPeer();
    void endsCleanlyAndReplacesAStaleSocket();
    void commandWithoutADialog();
    void commandsTypedWhileListening();

private:
    std::unique_ptr<PrivateRuntimeFolder> runtime_;
};

void TestEstimatePeer::init()
{
    runtime_.reset();
    runtime_ = std::make_unique<PrivateRuntimeFolder>();
}

void TestEstimatePeer::report()
{
    QString text = QStringLiteral("WM_DATAWRITE;");
    for (int n = 2; n <= 42; ++n)
        text += QString::number(n) + QLatin1Char(';');
    const QStringList lines = RecordReport(CopyDataBlock::fromText(text, QStringLiteral("TFKANZAI")));
    QCOMPARE(lines.first(), QStringLiteral("block from TFKANZAI: dwData 1, cbData 129"));
    QCOMPARE(lines.size(), 1 + 42 + 1);
    QCOMPARE(lines[1], QStringLiteral("01 record: WM_DATAWRITE"));
    QCOMPARE(lines[2], QStringLiteral("02 material name: 2"));
    QCOMPARE(lines[13], QStringLiteral("13 flag: 13"));
    QCOMPARE(lines[21], QStringLiteral("21 remark: 21"));
    QCOMPARE(lines[32], QStringLiteral("32 sheet index: 32"));
    QCOMPARE(lines[42], QStringLiteral("42 zero 42: 42"));
    QCOMPARE(lines.last(), QStringLiteral("end of block"));
}

void TestEstimatePeer::reportOfTheDialogsRecord_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("line");
    QTest::newRow("record") << 1 << "01 record: WM_DATAWRITE";
    QTest::newRow("material name") << 2 << "02 material name: 鋼管";
    QTest::newRow("size and sheet") << 3 << "03 size and sheet: 20A 機械室";
    QTest::newRow("unit") << 4 << "04 unit: ｍ";
    QTest::newRow("price B") << 6 << "06 price B: 2.5";
    QTest::newRow("offer quantity") << 10 << "10 offer quantity: 4";
    QTest::newRow("flag") << 13 << "13 flag: 125";
    QTest::newRow("line code") << 14 << "14 line code: 1217.3";
    QTest::newRow("construction type") << 15 << "15 construction type: 露出";
    QTest::newRow("empty") << 16 << "16 empty 16: ";
    QTest::newRow("list price") << 18 << "18 list price: 10";
    QTest::newRow("remark with a separator") << 21 << "21 remark: a；b";
    QTest::newRow("size name") << 26 << "26 size name: 20A";
    QTest::newRow("system number again") << 27 << "27 system number 27: 3";
    QTest::newRow("sheet index") << 32 << "32 sheet index: 1";
    QTest::newRow("last") << 42 << "42 zero 42: 0";
}

// What the dialog writes in each field is what the peer names it: one table.
void TestEstimatePeer::reportOfTheDialogsRecord()
{
    EstimateLine line;
    line.materialName = QStringLiteral("鋼管");
    line.sizeText = QStringLiteral("20A 機械室");
    line.priceA = Currency::fromRaw(15000);
    line.priceB = Currency::fromRaw(25000);
    line.netQuantity = Currency::fromUnits(3);
    line.offerQuantity = Currency::fromUnits(4);
    line.flag = 125;
    line.lineCode = Currency::fromRaw(12173000);
    line.constructionRemark = QStringLiteral("露出");
    line.listPrice = Currency::fromUnits(10);
    line.systemNumber = 3;
    line.remark = QStringLiteral("a;b");
    line.sizeName = QStringLiteral("20A");
    line.sheet = 1;
    const QStringList lines = RecordReport(CopyDataBlock::fromText(EstimateRecordText(line), QStringLiteral("TFKANZAI")));
    QCOMPARE(lines.size(), 1 + 42 + 1); // no warning either
    QFETCH(int, n);
    QTEST(lines[n], "line");
}

void TestEstimatePeer::reportOfOtherBlocks_data()
{
    QTest::addColumn<quint64>("dwData");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("command") << quint64(1) << QByteArray("WM_CLOSE;\0", 10)
                             << QStringList{"block from (no name): dwData 1, cbData 10", "01 field 1: WM_CLOSE", "end of block"};
    QTest::newRow("short record, no zero byte") << quint64(1) << QByteArray("WM_DATAWRITE;x;y")
        << QStringList{"block from (no name): dwData 1, cbData 16", "warning: no terminating zero byte",
                       "warning: 2 fields, a record has 42", "01 record: WM_DATAWRITE", "02 material name: x",
                       "unterminated: y", "end of block"};
    QTest::newRow("another kind") << quint64(9) << QByteArray("WM_CLOSE;\0", 10)
        << QStringList{"block from (no name): dwData 9, cbData 10", "not a record of this protocol: ignored"};
}

void TestEstimatePeer::reportOfOtherBlocks()
{
    QFETCH(quint64, dwData);
    QFETCH(QByteArray, data);
    QTEST(RecordReport(CopyDataBlock{dwData, QString(), data}), "lines");
}

void TestEstimatePeer::lineFromTheDialogAndCloseFromThePeer()
{
    Peer peer;
    QTRY_VERIFY_WITH_TIMEOUT(peer.listening(), 5000);
    QTemporaryDir folder;
    WriteSampleBook(folder.path());
    ScriptedModalSeam seam;
    TFKANZAI d(folder.path(), {QStringLiteral("0;2;3;系統A;")});
    d.show();
    ChooseLine(d, 1, 13);
    d.IconButton3->click();
    QVERIFY(seam.asked.isEmpty());
    QTRY_VERIFY_WITH_TIMEOUT(peer.out().contains(QStringLiteral("end of block")), 5000);
    QVERIFY(peer.out().contains(QStringLiteral("block from TFKANZAI: dwData 1, cbData ")));
    const QStringList fields = FieldLines(peer.out());
    QCOMPARE(fields.size(), 42);
    QCOMPARE(fields[1], QStringLiteral("02 material name: 硬質塩化ビニルライニング鋼管"));
    QCOMPARE(fields[2], QStringLiteral("03 size and sheet: 141SU"));
    QCOMPARE(fields[3], QStringLiteral("04 unit: ｍ"));
    QCOMPARE(fields[8], QStringLiteral("09 net quantity: 2"));
    // Line 60 + 14 of category 1, system 3.
    QCOMPARE(fields[13], QStringLiteral("14 line code: 74.3"));
    QCOMPARE(fields[18], QStringLiteral("19 system number: 3"));

    // The peer closes the dialog, as the estimate program does.
    QProcess close;
    close.start(PeerProgram(), {QStringLiteral("--send-close")});
    QTRY_COMPARE_WITH_TIMEOUT(close.state(), QProcess::NotRunning, 5000);
    QCOMPARE(close.exitCode(), 0);
    QTRY_VERIFY(!d.isVisible());
}

void TestEstimatePeer::pickupAndASecondPeer()
{
    Peer pickup({QStringLiteral("--pickup")});
    QTRY_VERIFY_WITH_TIMEOUT(pickup.listening(), 5000);
    QVERIFY(pickup.out().contains(QStringLiteral("listening as TFPICKUP at ") + runtime_->socketPath(QStringLiteral("TFPICKUP"))));
    Peer second({QStringLiteral("--pickup")});
    QVERIFY(Finished(second.process()));
    QCOMPARE(second.process().exitCode(), 1);
    QVERIFY(second.process().readAllStandardError().contains("another program already listens as TFPICKUP"));
    // The first one still listens.
    QVERIFY(pickup.process().state() == QProcess::Running);
    Peer send({QStringLiteral("--send-restore"), QStringLiteral("--to"), QStringLiteral("TFPICKUP")});
    QTRY_VERIFY_WITH_TIMEOUT(pickup.out().contains(QStringLiteral("01 field 1: WM_Restore")), 5000);
}

void TestEstimatePeer::endsCleanlyAndReplacesAStaleSocket()
{
    const QString socket = runtime_->socketPath(QStringLiteral("TFESTIMATE"));
    {
        Peer peer;
        QTRY_VERIFY_WITH_TIMEOUT(peer.listening(), 5000);
        ::kill(pid_t(peer.process().processId()), SIGTERM);
        QVERIFY(Finished(peer.process()));
        QCOMPARE(peer.process().exitStatus(), QProcess::NormalExit);
        QVERIFY(!QFile::exists(socket));
    }
    {
        Peer crashed;
        QTRY_VERIFY_WITH_TIMEOUT(crashed.listening(), 5000);
        crashed.process().kill();
        QVERIFY(Finished(crashed.process()));
        QVERIFY(QFile::exists(socket)); // left behind
    }
    Peer next;
    QTRY_VERIFY_WITH_TIMEOUT(next.listening(), 5000);
}

void TestEstimatePeer::commandWithoutADialog()
{
    QProcess close;
    close.start(PeerProgram(), {QStringLiteral("--send-close")});
    QVERIFY(Finished(close));
    QCOMPARE(close.exitCode(), 1);
    QCOMPARE(close.readAllStandardError(), QByteArray("no window listens as TFKANZAI\n"));
}

void TestEstimatePeer::commandsTypedWhileListening()
{
    ReceivingWindow dialog(QStringLiteral("TFKANZAI"));
    ReceivingWindow other(QStringLiteral("OTHERDLG"));
    Peer peer;
    QTRY_VERIFY_WITH_TIMEOUT(peer.listening(), 5000);
    peer.process().write("restore\n");
    QTRY_COMPARE_WITH_TIMEOUT(dialog.blocks.size(), 1, 5000);
    QCOMPARE(dialog.blocks[0].text(), QStringLiteral("WM_Restore;"));
    // A record names the dialog that sent it: the commands go there from then on.
    QCOMPARE(SendCopyData(QStringLiteral("TFESTIMATE"), CopyDataBlock::fromText("WM_DATAWRITE;", "OTHERDLG"), 5000).outcome,
             SendOutcome::Answered);
    peer.process().write("close\nquit\n");
    QTRY_COMPARE_WITH_TIMEOUT(other.blocks.size(), 1, 5000);
    QCOMPARE(other.blocks[0].text(), QStringLiteral("WM_CLOSE;"));
    QTRY_COMPARE_WITH_TIMEOUT(peer.process().state(), QProcess::NotRunning, 5000);
    QCOMPARE(peer.process().exitCode(), 0);
    QCOMPARE(dialog.blocks.size(), 1);
}

#include "TestMain.h"
KAVREL_TEST_MAIN(TestEstimatePeer)
#include "TestEstimatePeer.moc"
