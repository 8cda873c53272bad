#include "CopyDataSend.h"

#include "MessageSockets.h"

#include <QEventLoop>
#include <QLocalSocket>
#include <QTimer>

SendResult SendCopyData(const QString& windowClass, const CopyDataBlock& block, int timeoutMs)
{
    if (block.data.size() > qsizetype(CopyData::MaxDataBytes))
        return {SendOutcome::TooLarge};
    const QString path = MessageSocketPath(windowClass);
    if (path.isEmpty())
        return {SendOutcome::NoReceiver};

    QEventLoop loop;
    QTimer deadline;
    deadline.setSingleShot(true);
    deadline.setTimerType(Qt::PreciseTimer);
    QByteArray answer;
    bool connected = false;
    // Declared last, so that it goes first and nothing it emits then finds
    // the loop gone.
    QLocalSocket socket;
    QObject::connect(&socket, &QLocalSocket::connected, &loop, [&] {
        connected = true;
        socket.write(EncodeCopyDataFrame(block));
    });
    QObject::connect(&socket, &QLocalSocket::readyRead, &loop, [&] {
        answer += socket.read(CopyData::AnswerBytes - answer.size());
        if (answer.size() >= CopyData::AnswerBytes)
            loop.quit();
    });
    QObject::connect(&socket, &QLocalSocket::disconnected, &loop, &QEventLoop::quit);
    QObject::connect(&socket, &QLocalSocket::errorOccurred, &loop, &QEventLoop::quit);
    QObject::connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);

    socket.connectToServer(path);
    // A missing or refusing socket is known at once.
    if (socket.state() == QLocalSocket::UnconnectedState && !connected)
        return {SendOutcome::NoReceiver};
    deadline.start(timeoutMs);
    if (answer.size() < CopyData::AnswerBytes)
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    // An answer followed at once by the receiver closing may still be buffered.
    if (answer.size() < CopyData::AnswerBytes && socket.bytesAvailable() > 0)
        answer += socket.read(CopyData::AnswerBytes - answer.size());
    if (!connected)
        return {socket.state() == QLocalSocket::ConnectingState ? SendOutcome::NoAnswer : SendOutcome::NoReceiver};
    if (const auto result = ParseCopyDataAnswer(answer))
        return {SendOutcome::Answered, *result};
    return {SendOutcome::NoAnswer};
}
