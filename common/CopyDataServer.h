#pragma once

#include "CopyDataFrame.h"

#include <QLocalServer>
#include <QObject>
#include <functional>

// The receiving side of a window: listens on the socket of its window class
// and hands every complete block to the handler, then answers the sender
// with the handler's result. Whatever is not a block of the protocol closes
// its connection unanswered.
class CopyDataServer : public QObject {
public:
    using Handler = std::function<qint64(const CopyDataBlock&)>;

    enum class Listen {
        Listening,
        InUse,  // another live window listens under this class; it is left alone
        Failed, // no runtime folder, or something that is not a socket is in the way
    };

    explicit CopyDataServer(Handler handler, QObject* parent = nullptr);
    ~CopyDataServer() override;

    // A socket left behind by a program that died is replaced.
    Listen listen(const QString& windowClass);
    void close();
    bool isListening() const { return server_.isListening(); }
    // The class listened under; empty when not listening.
    QString windowClass() const { return isListening() ? windowClass_ : QString(); }

    // A connection that brings no complete block for this long is dropped.
    void setIdleTimeout(int milliseconds) { idleTimeoutMs_ = milliseconds; }

private:
    class Connection;
    void acceptConnections();

    Handler handler_;
    QLocalServer server_;
    QString windowClass_;
    int idleTimeoutMs_ = CopyData::IdleTimeoutMs;
};
