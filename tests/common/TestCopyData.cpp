#include "CopyDataFrame.h"
#include "CopyDataSend.h"
#include "CopyDataServer.h"
#include "MessageSockets.h"
#include "MessageTestSupport.h"

#include <QElapsedTimer>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTest>

#include <sys/stat.h>

namespace {

QByteArray Bytes(std::initializer_list<int> values)
{
    QByteArray bytes;
    for (const int v : values)
        bytes.append(char(v));
    return bytes;
}

// A block's header as the wire carries it.
QByteArray Header(quint64 dwData, quint8 senderBytes, quint32 cbData)
{
    QByteArray bytes("CPDT");
    for (int i = 0; i < 8; ++i)
        bytes.append(char(dwData >> (8 * i)));
    bytes.append(char(senderBytes));
    for (int i = 0; i < 4; ++i)
        bytes.append(char(cbData >> (8 * i)));
    return bytes;
}

int Mode(const QString& path)
{
    struct stat info {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? int(info.st_mode & 0777) : -1;
}

// Connects to a window's socket and writes raw bytes, as a faulty sender would.
std::unique_ptr<QLocalSocket> RawSend(const QString& windowClass, const QByteArray& bytes)
{
    auto socket = std::make_unique<QLocalSocket>();
    socket->connectToServer(MessageSocketPath(windowClass));
    if (!socket->waitForConnected(1000))
        return nullptr;
    socket->write(bytes);
    socket->flush();
    return socket;
}

} // namespace

class TestCopyData : public QObject {
    Q_OBJECT
private slots:
    void frameLayout();
    void frameRoundTrip_data();
    void frameRoundTrip();
    void incompleteUntilTheLastByte();
    void refusedFrames_data();
    void refusedFrames();
    void textStopsAtTheZeroByte_data();
    void textStopsAtTheZeroByte();
    void answers();

    void sendAndAnswer();
    void noReceiver();
    void tooLarge();
    void hungReceiverTimesOut();
    void receiverCloses_data();
    void receiverCloses();
    void staleSocketIsReplaced();
    void secondInstanceIsNotDisplaced();
    void somethingElseInTheWay();
    void socketIsTheUsersOnly();
    void folderWithoutRuntimeDirectory();
    void garbageIsDroppedUnread_data();
    void garbageIsDroppedUnread();
    void truncatedBlockIsIgnored();
    void idleConnectionIsDropped();
    void blocksOneAfterAnother();
};

void TestCopyData::frameLayout()
{
    CopyDataBlock block;
    block.dwData = 0x0102030405060708ULL;
    block.sender = QStringLiteral("TFKANZAI");
    block.data = QByteArray("A;\0", 3);
    const QByteArray expected = QByteArray("CPDT") + Bytes({8, 7, 6, 5, 4, 3, 2, 1}) + Bytes({8}) + Bytes({3, 0, 0, 0})
                                + "TFKANZAI" + QByteArray("A;\0", 3);
    QCOMPARE(EncodeCopyDataFrame(block), expected);
}

void TestCopyData::frameRoundTrip_data()
{
    QTest::addColumn<quint64>("dwData");
    QTest::addColumn<QString>("sender");
    QTest::addColumn<QByteArray>("data");
    QTest::newRow("record") << quint64(1) << "TFKANZAI" << QByteArray("WM_CLOSE;\0", 10);
    QTest::newRow("no sender, no data") << quint64(0) << "" << QByteArray();
    QTest::newRow("largest dwData") << ~quint64(0) << "x" << QByteArray("\0", 1);
    QTest::newRow("data at its limit") << quint64(1) << "TFESTIMATE" << QByteArray(CopyData::MaxDataBytes, 'x');
    QTest::newRow("sender at its limit") << quint64(1) << QString(CopyData::MaxSenderBytes, QLatin1Char('s')) << QByteArray("a");
}

void TestCopyData::frameRoundTrip()
{
    QFETCH(quint64, dwData);
    QFETCH(QString, sender);
    QFETCH(QByteArray, data);
    const CopyDataBlock block{dwData, sender, data};
    // Whatever follows the block stays for the next one.
    const QByteArray wire = EncodeCopyDataFrame(block) + "CPDT";
    const ParsedFrame parsed = ParseCopyDataFrame(wire);
    QCOMPARE(parsed.status, FrameStatus::Complete);
    QCOMPARE(parsed.used, wire.size() - 4);
    QCOMPARE(parsed.block, block);
}

void TestCopyData::incompleteUntilTheLastByte()
{
    const QByteArray wire = EncodeCopyDataFrame(CopyDataBlock::fromText(QStringLiteral("WM_Restore;"), QStringLiteral("P")));
    for (qsizetype n = 0; n < wire.size(); ++n)
        QCOMPARE(ParseCopyDataFrame(QByteArrayView(wire).first(n)).status, FrameStatus::Incomplete);
    QCOMPARE(ParseCopyDataFrame(wire).status, FrameStatus::Complete);
}

void TestCopyData::refusedFrames_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("wrong first byte") << QByteArray("X");
    QTest::newRow("answer sent as a block") << EncodeCopyDataAnswer(1);
    QTest::newRow("text without a frame") << QByteArray("WM_CLOSE;");
    QTest::newRow("one byte over the limit") << Header(1, 0, CopyData::MaxDataBytes + 1);
    QTest::newRow("a length of 4 GB") << Header(1, 0, 0xFFFFFFFFu) + "x";
}

void TestCopyData::refusedFrames()
{
    QFETCH(QByteArray, bytes);
    // Known from the bytes so far, without waiting for what the header promises.
    QCOMPARE(ParseCopyDataFrame(bytes).status, FrameStatus::Invalid);
}

void TestCopyData::textStopsAtTheZeroByte_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("text");
    QTest::newRow("terminated") << QByteArray("WM_CLOSE;\0", 10) << "WM_CLOSE;";
    QTest::newRow("bytes after the zero") << QByteArray("WM_CLOSE;\0junk;", 15) << "WM_CLOSE;";
    QTest::newRow("no zero at all") << QByteArray("WM_CLOSE;") << "WM_CLOSE;";
    QTest::newRow("empty") << QByteArray() << "";
    QTest::newRow("Shift-JIS") << QByteArray("\x82\x8d;\0", 4) << "ｍ;";
}

void TestCopyData::textStopsAtTheZeroByte()
{
    QFETCH(QByteArray, data);
    CopyDataBlock block;
    block.data = data;
    QTEST(block.text(), "text");
}

void TestCopyData::answers()
{
    QCOMPARE(EncodeCopyDataAnswer(-2), QByteArray("CPAK") + Bytes({0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
    QCOMPARE(ParseCopyDataAnswer(EncodeCopyDataAnswer(-2)), std::optional<qint64>(-2));
    QCOMPARE(ParseCopyDataAnswer(EncodeCopyDataAnswer(7).chopped(1)), std::nullopt);
    QCOMPARE(ParseCopyDataAnswer(QByteArray("CPDT") + QByteArray(8, '\0')), std::nullopt);
}

void TestCopyData::sendAndAnswer()
{
    PrivateRuntimeFolder runtime;
    ReceivingWindow estimate(QStringLiteral("TFESTIMATE"));
    QVERIFY(estimate.isListening());
    estimate.result = 42;
    const CopyDataBlock block = CopyDataBlock::fromText(QStringLiteral("WM_DATAWRITE;配管;"), QStringLiteral("TFKANZAI"));
    const SendResult sent = SendCopyData(QStringLiteral("TFESTIMATE"), block, 2000);
    QCOMPARE(sent.outcome, SendOutcome::Answered);
    QCOMPARE(sent.result, 42);
    QCOMPARE(estimate.blocks.size(), 1);
    QCOMPARE(estimate.blocks[0], block);
    // cbData counts the terminating zero byte.
    QCOMPARE(estimate.blocks[0].data, QByteArray("WM_DATAWRITE;\x94\x7a\x8a\xc7;\0", 19));
}

void TestCopyData::noReceiver()
{
    PrivateRuntimeFolder runtime;
    ReceivingWindow pickup(QStringLiteral("TFPICKUP"));
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(SendCopyData(QStringLiteral("TFESTIMATE"), CopyDataBlock(), 5000).outcome, SendOutcome::NoReceiver);
    QVERIFY(clock.elapsed() < 1000);
    QVERIFY(pickup.blocks.isEmpty());
}

void TestCopyData::tooLarge()
{
    PrivateRuntimeFolder runtime;
    ReceivingWindow estimate(QStringLiteral("TFESTIMATE"));
    CopyDataBlock block;
    block.data = QByteArray(CopyData::MaxDataBytes + 1, 'x');
    QCOMPARE(SendCopyData(QStringLiteral("TFESTIMATE"), block, 2000).outcome, SendOutcome::TooLarge);
    block.data.chop(1);
    QCOMPARE(SendCopyData(QStringLiteral("TFESTIMATE"), block, 2000).outcome, SendOutcome::Answered);
    QCOMPARE(estimate.blocks.size(), 1);
}

void TestCopyData::hungReceiverTimesOut()
{
    PrivateRuntimeFolder runtime;
    // Takes the connection and the block, and never answers.
    QLocalServer hung;
    QVERIFY(hung.listen(runtime.socketPath(QStringLiteral("TFESTIMATE"))));
    QElapsedTimer clock;
    clock.start();
    const SendResult sent = SendCopyData(QStringLiteral("TFESTIMATE"), CopyDataBlock::fromText("a;", {}), 100);
    QCOMPARE(sent.outcome, SendOutcome::NoAnswer);
    QVERIFY(clock.elapsed() >= 100);
    QVERIFY(clock.elapsed() < 2000);
}

void TestCopyData::receiverCloses_data()
{
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<SendOutcome>("outcome");
    QTest::newRow("nothing") << QByteArray() << SendOutcome::NoAnswer;
    QTest::newRow("half an answer") << EncodeCopyDataAnswer(1).left(6) << SendOutcome::NoAnswer;
    QTest::newRow("the whole answer") << EncodeCopyDataAnswer(5) << SendOutcome::Answered;
}

void TestCopyData::receiverCloses()
{
    QFETCH(QByteArray, answer);
    PrivateRuntimeFolder runtime;
    QLocalServer closing;
    QVERIFY(closing.listen(runtime.socketPath(QStringLiteral("TFESTIMATE"))));
    connect(&closing, &QLocalServer::newConnection, &closing, [&] {
        QLocalSocket* socket = closing.nextPendingConnection();
        // Once the whole (empty) block is in.
        connect(socket, &QLocalSocket::readyRead, socket, [=] {
            if (socket->bytesAvailable() < CopyData::HeaderBytes)
                return;
            socket->write(answer);
            socket->flush();
            socket->disconnectFromServer();
        });
    });
    QElapsedTimer clock;
    clock.start();
    QTEST(SendCopyData(QStringLiteral("TFESTIMATE"), CopyDataBlock(), 5000).outcome, "outcome");
    // Known when the receiver goes, not at the deadline.
    QVERIFY(clock.elapsed() < 2000);
}

void TestCopyData::staleSocketIsReplaced()
{
    PrivateRuntimeFolder runtime;
    const QString path = runtime.socketPath(QStringLiteral("TFESTIMATE"));
    QVERIFY(LeaveStaleSocket(path));
    QVERIFY(QFile::exists(path));
    QCOMPARE(SendCopyData(QStringLiteral("TFESTIMATE"), CopyDataBlock(), 2000).outcome, SendOutcome::NoReceiver);

    CopyDataServer server([](const CopyDataBlock&) { return 1; });
    QCOMPARE(server.listen(QStringLiteral("TFESTIMATE")), CopyDataServer::Listen::Listening);
    QCOMPARE(server.windowClass(), QStringLiteral("TFESTIMATE"));
    QCOMPARE(SendCopyData(QStringLiteral("TFESTIMATE"), CopyDataBlock(), 2000).outcome, SendOutcome::Answered);
    server.close();
    QVERIFY(!QFile::exists(path));
}

void TestCopyData::secondInstanceIsNotDisplaced()
{
    PrivateRuntimeFolder runtime;
    ReceivingWindow first(QStringLiteral("TFKANZAI"));
    QVERIFY(first.isListening());
    int secondGot = 0;
    {
        CopyDataServer second([&](const CopyDataBlock&) { return ++secondGot; });
        QCOMPARE(second.listen(QStringLiteral("TFKANZAI")), CopyDataServer::Listen::InUse);
        QVERIFY(!second.isListening());
        QVERIFY(second.windowClass().isEmpty());
        QCOMPARE(SendCopyData(QStringLiteral("TFKANZAI"), CopyDataBlock(), 2000).outcome, SendOutcome::Answered);
    }
    // The second one going does not take the first one's socket with it.
    QCOMPARE(SendCopyData(QStringLiteral("TFKANZAI"), CopyDataBlock(), 2000).outcome, SendOutcome::Answered);
    QCOMPARE(first.blocks.size(), 2);
    QCOMPARE(secondGot, 0);
}

void TestCopyData::somethingElseInTheWay()
{
    PrivateRuntimeFolder runtime;
    const QString path = runtime.socketPath(QStringLiteral("TFESTIMATE"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("keep me");
    file.close();
    CopyDataServer server([](const CopyDataBlock&) { return 1; });
    QCOMPARE(server.listen(QStringLiteral("TFESTIMATE")), CopyDataServer::Listen::Failed);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("keep me"));
}

void TestCopyData::socketIsTheUsersOnly()
{
    PrivateRuntimeFolder runtime;
    ReceivingWindow estimate(QStringLiteral("TFESTIMATE"));
    QCOMPARE(Mode(runtime.socketPath(QStringLiteral("TFESTIMATE"))), 0600);
}

void TestCopyData::folderWithoutRuntimeDirectory()
{
    PrivateRuntimeFolder runtime; // restores XDG_RUNTIME_DIR afterwards
    QTemporaryDir home;
    const QByteArray homeBefore = qgetenv("HOME");
    qputenv("HOME", QFile::encodeName(home.path()));
    const QString expected = home.filePath(QStringLiteral(".cache/kavrel-run"));

    qunsetenv("XDG_RUNTIME_DIR");
    QCOMPARE(MessageSocketFolder(), expected);
    QCOMPARE(Mode(expected), 0700);
    // A folder left open to others is closed again before it is used.
    QVERIFY(::chmod(QFile::encodeName(expected).constData(), 0755) == 0);
    QCOMPARE(MessageSocketFolder(), expected);
    QCOMPARE(Mode(expected), 0700);
    // A runtime directory that does not exist is not taken.
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(home.filePath(QStringLiteral("gone"))));
    QCOMPARE(MessageSocketPath(QStringLiteral("TFPICKUP")), expected + QStringLiteral("/TFPICKUP"));
    qputenv("HOME", homeBefore);
}

void TestCopyData::garbageIsDroppedUnread_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("text without a frame") << QByteArray("WM_CLOSE;\0", 10);
    QTest::newRow("oversized block") << Header(1, 0, CopyData::MaxDataBytes + 1) + QByteArray(1000, 'x');
    QTest::newRow("random bytes") << Bytes({0, 0xFF, 0x43, 0x50, 0x44, 0x54});
}

void TestCopyData::garbageIsDroppedUnread()
{
    QFETCH(QByteArray, bytes);
    PrivateRuntimeFolder runtime;
    ReceivingWindow dialog(QStringLiteral("TFKANZAI"));
    const auto socket = RawSend(QStringLiteral("TFKANZAI"), bytes);
    QVERIFY(socket);
    // Dropped without an answer.
    QTRY_COMPARE(socket->state(), QLocalSocket::UnconnectedState);
    QCOMPARE(socket->bytesAvailable(), 0);
    QVERIFY(dialog.blocks.isEmpty());
    // And the window goes on serving the next sender.
    QCOMPARE(SendCopyData(QStringLiteral("TFKANZAI"), CopyDataBlock(), 2000).outcome, SendOutcome::Answered);
    QCOMPARE(dialog.blocks.size(), 1);
}

void TestCopyData::truncatedBlockIsIgnored()
{
    PrivateRuntimeFolder runtime;
    ReceivingWindow dialog(QStringLiteral("TFKANZAI"));
    const QByteArray wire = EncodeCopyDataFrame(CopyDataBlock::fromText(QStringLiteral("WM_CLOSE;"), {}));
    {
        const auto socket = RawSend(QStringLiteral("TFKANZAI"), wire.chopped(1));
        QVERIFY(socket);
        QTest::qWait(20);
        socket->disconnectFromServer();
    }
    QCOMPARE(SendCopyData(QStringLiteral("TFKANZAI"), CopyDataBlock(), 2000).outcome, SendOutcome::Answered);
    QCOMPARE(dialog.blocks.size(), 1);
    QCOMPARE(dialog.blocks[0], CopyDataBlock());
}

void TestCopyData::idleConnectionIsDropped()
{
    PrivateRuntimeFolder runtime;
    CopyDataServer server([](const CopyDataBlock&) { return 1; });
    server.setIdleTimeout(30);
    QCOMPARE(server.listen(QStringLiteral("TFKANZAI")), CopyDataServer::Listen::Listening);
    const auto socket = RawSend(QStringLiteral("TFKANZAI"), QByteArray("CPDT"));
    QVERIFY(socket);
    QTest::qWait(10);
    QCOMPARE(socket->state(), QLocalSocket::ConnectedState);
    QTRY_COMPARE_WITH_TIMEOUT(socket->state(), QLocalSocket::UnconnectedState, 2000);
}

void TestCopyData::blocksOneAfterAnother()
{
    PrivateRuntimeFolder runtime;
    ReceivingWindow dialog(QStringLiteral("TFKANZAI"));
    const CopyDataBlock first = CopyDataBlock::fromText(QStringLiteral("WM_Restore;"), QStringLiteral("A"));
    const CopyDataBlock second = CopyDataBlock::fromText(QStringLiteral("WM_CLOSE;"), QStringLiteral("B"));
    // Both in one write, and the second one's first byte arriving with the first.
    const auto socket = RawSend(QStringLiteral("TFKANZAI"), EncodeCopyDataFrame(first) + EncodeCopyDataFrame(second));
    QVERIFY(socket);
    QTRY_COMPARE(socket->bytesAvailable(), 2 * CopyData::AnswerBytes);
    QCOMPARE(socket->readAll(), EncodeCopyDataAnswer(1) + EncodeCopyDataAnswer(1));
    QCOMPARE(dialog.blocks, (QList<CopyDataBlock>{first, second}));
}

#include "TestMain.h"
KAVREL_TEST_GUILESS_MAIN(TestCopyData)
#include "TestCopyData.moc"
