#include "CopyDataServer.h"

#include "MessageSockets.h"

#include <QFile>
#include <QLocalSocket>
#include <QPointer>
#include <QTimer>

#include <sys/stat.h>

// One sender's connection: its bytes are gathered until a block is whole,
// answered, and the next one is read from what follows.
class CopyDataServer::Connection : public QObject {
public:
    Connection(QLocalSocket* socket, const Handler& handler, int idleTimeoutMs, QObject* parent)
        : QObject(parent)
        , socket_(socket)
        , handler_(handler)
    {
        socket_->setParent(this);
        idle_.setSingleShot(true);
        idle_.setInterval(idleTimeoutMs);
        connect(&idle_, &QTimer::timeout, socket_, &QLocalSocket::abort);
        connect(socket_, &QLocalSocket::readyRead, this, &Connection::read);
        connect(socket_, &QLocalSocket::disconnected, this, &QObject::deleteLater);
        idle_.start();
        read();
    }

private:
    void read()
    {
        // A handler may run an event loop of its own (a message box); the
        // bytes that arrive meanwhile wait until it has returned.
        if (handling_)
            return;
        const QPointer<Connection> alive(this);
        for (;;) {
            const ParsedFrame frame = ParseCopyDataFrame(buffer_);
            if (frame.status == FrameStatus::Invalid) {
                socket_->abort();
                return;
            }
            if (frame.status == FrameStatus::Complete) {
                buffer_.remove(0, frame.used);
                handling_ = true;
                // A copy: the handler may close the window and this connection with it.
                const Handler handler = handler_;
                const qint64 result = handler(frame.block);
                if (!alive)
                    return;
                handling_ = false;
                socket_->write(EncodeCopyDataAnswer(result));
                socket_->flush();
                idle_.start();
                continue;
            }
            if (socket_->bytesAvailable() <= 0)
                return;
            buffer_ += socket_->read(CopyData::MaxFrameBytes - buffer_.size());
        }
    }

    QLocalSocket* socket_;
    Handler handler_;
    QByteArray buffer_;
    QTimer idle_;
    bool handling_ = false;
};

namespace {

enum class Occupant { None, Socket, Other };

Occupant WhatIsAt(const QString& path)
{
    struct stat info {};
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0)
        return Occupant::None;
    return S_ISSOCK(info.st_mode) ? Occupant::Socket : Occupant::Other;
}

// A socket that refuses a connection has no program behind it any more.
bool IsStale(const QString& path)
{
    QLocalSocket probe;
    probe.connectToServer(path);
    if (probe.waitForConnected(500)) {
        probe.abort();
        return false;
    }
    return probe.error() == QLocalSocket::ConnectionRefusedError;
}

} // namespace

CopyDataServer::CopyDataServer(Handler handler, QObject* parent)
    : QObject(parent)
    , handler_(std::move(handler))
{
    connect(&server_, &QLocalServer::newConnection, this, &CopyDataServer::acceptConnections);
}

CopyDataServer::~CopyDataServer()
{
    close();
}

CopyDataServer::Listen CopyDataServer::listen(const QString& windowClass)
{
    close();
    windowClass_ = windowClass;
    const QString path = MessageSocketPath(windowClass);
    if (path.isEmpty())
        return Listen::Failed;
    switch (WhatIsAt(path)) {
    case Occupant::Other:
        return Listen::Failed;
    case Occupant::Socket:
        if (!IsStale(path))
            return Listen::InUse;
        QLocalServer::removeServer(path);
        break;
    case Occupant::None:
        break;
    }
    // Bound in place, not renamed into place, so that a window starting at
    // the same moment finds the name taken instead of being displaced.
    server_.setSocketOptions(QLocalServer::NoOptions);
    if (!server_.listen(path))
        return server_.serverError() == QAbstractSocket::AddressInUseError ? Listen::InUse : Listen::Failed;
    ::chmod(QFile::encodeName(path).constData(), 0600);
    return Listen::Listening;
}

void CopyDataServer::close()
{
    // The connections belong to this window; they go with it.
    for (Connection* connection : findChildren<Connection*>(Qt::FindDirectChildrenOnly))
        delete connection;
    server_.close();
}

void CopyDataServer::acceptConnections()
{
    while (QLocalSocket* socket = server_.nextPendingConnection())
        new Connection(socket, handler_, idleTimeoutMs_, this);
}
