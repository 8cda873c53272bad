#include "ApplicationTitle.h"
#include "CopyDataSend.h"
#include "EstimateMessages.h"
#include "Fields.h"
#include "InputDialogFixture.h"
#include "MessageBoxes.h"
#include "MessageTestSupport.h"
#include "NumberText.h"
#include "RemarkHistory.h"
#include "TBoxLabel.h"
#include "TDsPanel.h"
#include "TFKANZAI.h"
#include "TGradBtn.h"
#include "TIconButton.h"
#include "TNValEditC.h"

#include <QComboBox>
#include <QDialog>
#include <QLocalServer>
#include <QTemporaryDir>
#include <QTest>

using namespace fixture;

namespace {

SendOutcome SendToDialog(const QByteArray& text, quint64 dwData = 1)
{
    CopyDataBlock block;
    block.dwData = dwData;
    block.data = text;
    return SendCopyData(QStringLiteral("TFKANZAI"), block, 2000).outcome;
}

// What the user typed is still there to be sent again.
void VerifyEntriesKept(TFKANZAI& d)
{
    QCOMPARE(d.sizename->caption(), QStringLiteral("10A"));
    QCOMPARE(d.nmanyin->value(), Currency::fromUnits(2));
    QCOMPARE(d.MANYIN->caption(), QStringLiteral("2"));
}

} // namespace

class TestDialogMessages : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { SetApplicationTitle(DialogTitle()); }
    void init();
    void sentRecord();
    void targetByMode_data();
    void targetByMode();
    void noProgramListening_data();
    void noProgramListening();
    void hungProgram();
    void commands_data();
    void commands();
    void restoreBringsToFront();
    void closeDuringAModalBox();
    void closeDuringASend();
    void secondDialog();

private:
    std::unique_ptr<PrivateRuntimeFolder> runtime_;
    std::unique_ptr<QTemporaryDir> folder_;
};

void TestDialogMessages::init()
{
    runtime_.reset(); // gives XDG_RUNTIME_DIR back before the next one takes it
    runtime_ = std::make_unique<PrivateRuntimeFolder>();
    folder_ = std::make_unique<QTemporaryDir>();
    WriteSampleBook(folder_->path());
}

void TestDialogMessages::sentRecord()
{
    ReceivingWindow estimate(QStringLiteral("TFESTIMATE"));
    ScriptedModalSeam seam;
    TFKANZAI d(folder_->path(), {QStringLiteral("0;2;3;系統A;")});
    d.show();
    QCOMPARE(d.messageName(), QStringLiteral("TFKANZAI"));
    ChooseLine(d, 0, 1);
    d.IconButton3->click();

    QCOMPARE(estimate.blocks.size(), 1);
    const CopyDataBlock& block = estimate.blocks[0];
    QCOMPARE(block.dwData, quint64(1));
    QCOMPARE(block.sender, QStringLiteral("TFKANZAI"));
    // Category 1, material 0, sheet 0, row 1: line 2, system 3. Sample prices
    // of line 2: cost 200, LEVEL3 420, adopted 1820, composite 1600, list 600.
    const QString expected = QStringLiteral(
        "WM_DATAWRITE;配管用炭素鋼鋼管;20A;ｍ;200;420;0;0;2;0;1600;1820;10;2.3;;;0.2;600;3;2;;"
        "0;0;0;0;20A;3;20A;20A;0;0;0;0;0;0;0;0;0;0;0;0;0;");
    QCOMPARE(block.text(), expected);
    QCOMPARE(block.data.size(), block.text().size() + 1 + 9); // the name's 8 double-byte characters and the ｍ
    // Sent: ready for the next line.
    QVERIFY(d.sizename->caption().isEmpty());
    QVERIFY(d.nmanyin->text().isEmpty());
    QVERIFY(seam.asked.isEmpty());
}

void TestDialogMessages::targetByMode_data()
{
    QTest::addColumn<QString>("argument");
    QTest::addColumn<int>("toEstimate");
    QTest::addColumn<int>("toPickup");
    QTest::addColumn<QString>("flag");
    QTest::newRow("no command line") << "" << 1 << 0 << "10";
    QTest::newRow("estimate") << "0;0;0;x;" << 1 << 0 << "10";
    QTest::newRow("pickup") << "1;0;0;x;" << 0 << 1 << "110";
    QTest::newRow("no such program") << "2;0;0;x;" << 0 << 0 << "";
}

void TestDialogMessages::targetByMode()
{
    QFETCH(QString, argument);
    QFETCH(int, toEstimate);
    QFETCH(int, toPickup);
    QFETCH(QString, flag);
    ReceivingWindow estimate(QStringLiteral("TFESTIMATE"));
    ReceivingWindow pickup(QStringLiteral("TFPICKUP"));
    ScriptedModalSeam seam;
    TFKANZAI d(folder_->path(), {argument});
    d.show();
    ChooseLine(d, 0, 0);
    QString text;
    if (flag.isEmpty())
        AnswerBox(seam, &text);
    d.IconButton3->click();
    QCOMPARE(estimate.blocks.size(), toEstimate);
    QCOMPARE(pickup.blocks.size(), toPickup);
    for (const ReceivingWindow* program : {&estimate, &pickup}) {
        if (!program->blocks.isEmpty())
            QCOMPARE(NthField(program->blocks[0].text(), 13), flag);
    }
    if (flag.isEmpty()) {
        // Nowhere to go: said so, and nothing typed is lost.
        QCOMPARE(text, QStringLiteral("送り先のプログラムがありません。"));
        VerifyEntriesKept(d);
    }
    QVERIFY(seam.unexpected.isEmpty());
}

void TestDialogMessages::noProgramListening_data()
{
    QTest::addColumn<QString>("argument");
    QTest::addColumn<QString>("windowClass");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("stale");
    QTest::newRow("estimate") << "0;" << "TFESTIMATE" << "積算プログラムが起動していません。" << false;
    QTest::newRow("pickup") << "1;" << "TFPICKUP" << "拾い出しプログラムが起動していません。" << false;
    QTest::newRow("estimate program died") << "0;" << "TFESTIMATE" << "積算プログラムが起動していません。" << true;
}

void TestDialogMessages::noProgramListening()
{
    QFETCH(QString, argument);
    QFETCH(QString, windowClass);
    QFETCH(bool, stale);
    if (stale)
        QVERIFY(LeaveStaleSocket(runtime_->socketPath(windowClass)));
    ScriptedModalSeam seam;
    TFKANZAI d(folder_->path(), {argument});
    d.show();
    ChooseLine(d, 0, 0);
    QString text;
    AnswerBox(seam, &text);
    d.IconButton3->click();
    QTEST(text, "message");
    VerifyEntriesKept(d);

    // Once the program runs, the same line goes as it is.
    ReceivingWindow program(windowClass);
    QVERIFY(program.isListening());
    d.IconButton3->click();
    QCOMPARE(program.blocks.size(), 1);
    QVERIFY(program.blocks[0].text().startsWith(QStringLiteral("WM_DATAWRITE;配管用炭素鋼鋼管;10A;")));
    QVERIFY(d.sizename->caption().isEmpty());
    QVERIFY(seam.unexpected.isEmpty());
}

void TestDialogMessages::hungProgram()
{
    QLocalServer hung; // takes the line and never answers
    QVERIFY(hung.listen(runtime_->socketPath(QStringLiteral("TFESTIMATE"))));
    ScriptedModalSeam seam;
    TFKANZAI d(folder_->path(), {});
    d.setAnswerTimeout(100);
    d.show();
    ChooseLine(d, 0, 0);
    QString text;
    AnswerBox(seam, &text);
    d.IconButton3->click();
    QCOMPARE(text, QStringLiteral("積算プログラムが応答しません。明細が届いたか確かめて下さい。"));
    VerifyEntriesKept(d);

    // The dialog goes on: the program answers again, and the line goes.
    hung.close();
    ReceivingWindow estimate(QStringLiteral("TFESTIMATE"));
    d.IconButton3->click();
    QCOMPARE(estimate.blocks.size(), 1);
    QVERIFY(seam.unexpected.isEmpty());
}

void TestDialogMessages::commands_data()
{
    QTest::addColumn<quint64>("dwData");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("closes");
    QTest::newRow("close") << quint64(1) << QByteArray("WM_CLOSE;\0", 10) << true;
    QTest::newRow("close without ;") << quint64(1) << QByteArray("WM_CLOSE\0", 9) << false;
    QTest::newRow("close in lower case") << quint64(1) << QByteArray("wm_close;\0", 10) << false;
    QTest::newRow("close of another kind") << quint64(7) << QByteArray("WM_CLOSE;\0", 10) << false;
    QTest::newRow("restore") << quint64(1) << QByteArray("WM_Restore;\0", 12) << false;
    QTest::newRow("a record") << quint64(1) << QByteArray("WM_DATAWRITE;\0", 14) << false;
}

void TestDialogMessages::commands()
{
    QFETCH(quint64, dwData);
    QFETCH(QByteArray, text);
    QFETCH(bool, closes);
    ScriptedModalSeam seam;
    TFKANZAI d(folder_->path(), {});
    d.show();
    d.X_opt3->addItem(QStringLiteral("保温共"));
    QCOMPARE(SendToDialog(text, dwData), SendOutcome::Answered);
    QCoreApplication::processEvents();
    QCOMPARE(!d.isVisible(), closes);
    // Closed as by its own button: the remarks are kept.
    QCOMPARE(QFile::exists(RemarkHistoryPath(folder_->path())), closes);
    QVERIFY(seam.asked.isEmpty());
}

void TestDialogMessages::restoreBringsToFront()
{
    ScriptedModalSeam seam;
    TFKANZAI d(folder_->path(), {});
    d.show();
    QWidget other;
    other.show();
    QApplication::setActiveWindow(&other);
    d.showMinimized();
    QVERIFY(d.isMinimized());
    QCOMPARE(SendToDialog(QByteArray("WM_Restore;\0", 12)), SendOutcome::Answered);
    QVERIFY(!d.isMinimized());
    QTRY_COMPARE(QApplication::activeWindow(), &d);
    QVERIFY(d.isVisible());

    // With a box open, the box comes to the front over the dialog.
    QString activeAfterwards;
    seam.dialogAnswers.push_back([&](QDialog& box) {
        box.setWindowModality(Qt::ApplicationModal);
        box.show();
        QApplication::setActiveWindow(&other);
        SendToDialog(QByteArray("WM_Restore;\0", 12));
        // The comparison after the click tells whether it came.
        (void)QTest::qWaitFor([&] { return QApplication::activeWindow() == &box; }, 2000);
        if (QWidget* active = QApplication::activeWindow())
            activeAfterwards = active->objectName();
        box.hide();
        return MessageBoxResult::First;
    });
    d.IconButton3->click(); // no category: refused with a box
    QCOMPARE(activeAfterwards, QStringLiteral("messageBox"));
    QVERIFY(seam.unexpected.isEmpty());
}

void TestDialogMessages::closeDuringAModalBox()
{
    ScriptedModalSeam seam;
    TFKANZAI d(folder_->path(), {});
    d.show();
    SendOutcome sent = SendOutcome::NoReceiver;
    bool openWhileTheBoxIs = false;
    seam.dialogAnswers.push_back([&](QDialog& box) {
        // Shown as the real seam shows it, for as long as it takes to answer.
        box.setWindowModality(Qt::ApplicationModal);
        box.show();
        sent = SendToDialog(QByteArray("WM_CLOSE;\0", 10));
        QCoreApplication::processEvents();
        openWhileTheBoxIs = d.isVisible();
        box.hide();
        return MessageBoxResult::First;
    });
    d.IconButton3->click(); // no category: refused with a box
    QCOMPARE(sent, SendOutcome::Answered);
    QVERIFY(openWhileTheBoxIs);
    QTRY_VERIFY(!d.isVisible());
}

void TestDialogMessages::closeDuringASend()
{
    ReceivingWindow estimate(QStringLiteral("TFESTIMATE"));
    ScriptedModalSeam seam;
    TFKANZAI d(folder_->path(), {});
    d.show();
    SendOutcome sent = SendOutcome::NoReceiver;
    bool openWhileSending = false;
    // The estimate program, while it takes the line, tells the dialog to close.
    estimate.onBlock = [&](const CopyDataBlock&) {
        sent = SendToDialog(QByteArray("WM_CLOSE;\0", 10));
        QCoreApplication::processEvents();
        openWhileSending = d.isVisible();
    };
    ChooseLine(d, 0, 0);
    d.IconButton3->click();
    QCOMPARE(sent, SendOutcome::Answered);
    QVERIFY(openWhileSending);
    QCOMPARE(estimate.blocks.size(), 1);
    // The line went through to its end, then the dialog closed.
    QVERIFY(d.sizename->caption().isEmpty());
    QTRY_VERIFY(!d.isVisible());
    QVERIFY(seam.asked.isEmpty());
}

void TestDialogMessages::secondDialog()
{
    ReceivingWindow estimate(QStringLiteral("TFESTIMATE"));
    ScriptedModalSeam seam;
    TFKANZAI first(folder_->path(), {});
    TFKANZAI second(folder_->path(), {});
    first.show();
    second.show();
    QCOMPARE(first.messageName(), QStringLiteral("TFKANZAI"));
    QVERIFY(second.messageName().isEmpty());
    // The second one's lines still go, without a name to answer to.
    ChooseLine(second, 0, 0);
    second.IconButton3->click();
    QCOMPARE(estimate.blocks.size(), 1);
    QVERIFY(estimate.blocks[0].sender.isEmpty());
    QCOMPARE(SendToDialog(QByteArray("WM_CLOSE;\0", 10)), SendOutcome::Answered);
    QTRY_VERIFY(!first.isVisible());
    QVERIFY(second.isVisible());
}

#include "TestMain.h"
KAVREL_TEST_MAIN(TestDialogMessages)
#include "TestDialogMessages.moc"
