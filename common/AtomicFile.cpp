#include "AtomicFile.h"

#include "FileError.h"

#include <QFile>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString systemError() { return QString::fromLocal8Bit(std::strerror(errno)); }

[[noreturn]] void fail(QSaveFile& file, const QString& path, const QString& reason)
{
    file.cancelWriting();
    throw FileError(path, reason);
}

// Gives the new file the permission bits of the one it replaces, and its
// owner and group where this process may, so that a save does not change who
// may read or write the book. A new file keeps the default mode.
void keepAttributes(QSaveFile& file, const QString& path)
{
    struct stat old {};
    if (::stat(QFile::encodeName(path).constData(), &old) != 0)
        return;
    const int fd = file.handle();
    if (::fchown(fd, old.st_uid, old.st_gid) != 0)
        (void)::fchown(fd, static_cast<uid_t>(-1), old.st_gid); // only a privileged process may give it away
    const mode_t mode = old.st_mode & 07777;
    if (::fchmod(fd, mode) == 0)
        return;
    // Some shared folders cannot store modes; that is no change to refuse.
    const QString reason = systemError();
    struct stat now {};
    if (::fstat(fd, &now) != 0 || (now.st_mode & 07777) != mode)
        fail(file, path, reason);
}

} // namespace

void WriteFileAtomically(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    // Writing in place would lose the old file on a failure halfway.
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly))
        throw FileError(path, file.errorString());
    keepAttributes(file, path);
    // commit() reports success even after a short write or a failed flush,
    // so each step is checked here before the rename.
    if (file.write(bytes) != bytes.size())
        fail(file, path, file.errorString());
    if (!file.flush())
        fail(file, path, file.errorString());
    if (::fsync(file.handle()) != 0)
        fail(file, path, systemError());
    if (!file.commit())
        throw FileError(path, file.errorString());
}

QByteArray ReadWholeFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw FileError(path, file.errorString());
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw FileError(path, file.errorString());
    return bytes;
}
