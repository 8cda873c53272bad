#pragma once

#include "CopyDataServer.h"

#include <QList>
#include <QTemporaryDir>
#include <memory>

// A runtime folder of the test's own: XDG_RUNTIME_DIR names it while this
// lives, so that a test never meets a real estimate program, nor another
// test running at the same time.
class PrivateRuntimeFolder {
public:
    PrivateRuntimeFolder();
    ~PrivateRuntimeFolder();
    QString path() const { return dir_.path(); }
    QString socketPath(const QString& windowClass) const;

private:
    QTemporaryDir dir_;
    QByteArray before_;
    bool hadBefore_;
};

// A window of the other side in the test's own process: it keeps every
// block it receives and answers with `result`, or runs `onBlock` first.
class ReceivingWindow {
public:
    explicit ReceivingWindow(const QString& windowClass);
    bool isListening() const { return server_->isListening(); }

    QList<CopyDataBlock> blocks;
    qint64 result = 1;
    std::function<void(const CopyDataBlock&)> onBlock;

private:
    std::unique_ptr<CopyDataServer> server_;
};

// Leaves a socket at `path` that nothing listens on any more, as a program
// that died leaves it.
bool LeaveStaleSocket(const QString& path);
