#include "RegularFile.h"

#include "FileError.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString kindReason(mode_t mode)
{
    if (S_ISREG(mode))
        return QString();
    if (S_ISDIR(mode))
        return QStringLiteral("is a folder, not a file");
    if (S_ISFIFO(mode))
        return QStringLiteral("is a named pipe, not a file");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return QStringLiteral("is a device, not a file");
    if (S_ISSOCK(mode))
        return QStringLiteral("is a socket, not a file");
    return QStringLiteral("is not a regular file");
}

[[noreturn]] void failWithErrno(const QString& path, int error)
{
    throw FileError(path, SystemErrorText(error));
}

} // namespace

QString SystemErrorText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

QString NotRegularFileReason(const QString& path)
{
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return QString();
    return kindReason(st.st_mode);
}

void OpenRegularFile(QFile& file, const QString& path)
{
    if (path.isEmpty())
        throw FileError(path, QStringLiteral("no file name is given"));
    const QByteArray native = QFile::encodeName(path);
    // Looked at before opening, since opening a device may already act on it.
    struct stat st {};
    if (::stat(native.constData(), &st) != 0)
        failWithErrno(path, errno);
    if (const QString reason = kindReason(st.st_mode); !reason.isEmpty())
        throw FileError(path, reason);
    // Non-blocking, so that a pipe put there since is opened at once and
    // then refused by the check of what was opened.
    const int fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        failWithErrno(path, errno);
    const auto refuse = [&](const QString& reason) {
        ::close(fd);
        throw FileError(path, reason);
    };
    if (::fstat(fd, &st) != 0)
        refuse(SystemErrorText(errno));
    if (const QString reason = kindReason(st.st_mode); !reason.isEmpty())
        refuse(reason);
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0)
        refuse(SystemErrorText(errno));
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        refuse(file.errorString());
}
