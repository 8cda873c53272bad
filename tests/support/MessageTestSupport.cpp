#include "MessageTestSupport.h"

#include <QDir>
#include <QFile>

#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {
int alive = 0;
}

PrivateRuntimeFolder::PrivateRuntimeFolder()
    : before_(qgetenv("XDG_RUNTIME_DIR"))
    , hadBefore_(qEnvironmentVariableIsSet("XDG_RUNTIME_DIR"))
{
    // Two at once would give the variable back in the wrong order, and a
    // test would then reach the user's own folder.
    if (alive++ != 0)
        qFatal("one private runtime folder at a time");
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(dir_.path()));
}

PrivateRuntimeFolder::~PrivateRuntimeFolder()
{
    --alive;
    if (hadBefore_)
        qputenv("XDG_RUNTIME_DIR", before_);
    else
        qunsetenv("XDG_RUNTIME_DIR");
}

QString PrivateRuntimeFolder::socketPath(const QString& windowClass) const
{
    return QDir(dir_.path()).filePath(windowClass);
}

ReceivingWindow::ReceivingWindow(const QString& windowClass)
    : server_(std::make_unique<CopyDataServer>([this](const CopyDataBlock& block) {
        blocks << block;
        if (onBlock)
            onBlock(block);
        return result;
    }))
{
    server_->listen(windowClass);
}

bool LeaveStaleSocket(const QString& path)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    if (fd < 0)
        return false;
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    std::strncpy(address.sun_path, name.constData(), sizeof address.sun_path - 1);
    const bool bound = ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    ::close(fd);
    return bound;
}
