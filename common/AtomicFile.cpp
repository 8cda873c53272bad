#include "AtomicFile.h"

#include "FileError.h"
#include "RegularFile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString systemError() { return SystemErrorText(errno); }

// Why a save could not start or end: the toolkit's own texts are in its
// words, so the reason is asked of the system and given from the table like
// every other. Its text stays for what the system does not refuse.
QString refusalReason(const QString& path, const QSaveFile& file)
{
    const QByteArray native = QFile::encodeName(path);
    if (::faccessat(AT_FDCWD, native.constData(), F_OK, AT_EACCESS) == 0
        && ::faccessat(AT_FDCWD, native.constData(), W_OK, AT_EACCESS) != 0)
        return systemError();
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    if (::faccessat(AT_FDCWD, folder.constData(), W_OK | X_OK, AT_EACCESS) != 0)
        return systemError();
    return file.errorString();
}

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

// Writes all bytes to the descriptor; the reason of a failure is the
// system's, taken at the call that failed (a full disk, a file-size limit).
void writeAll(QSaveFile& file, const QString& path, const QByteArray& bytes)
{
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = SaveDiskCalls().write(file.handle(), data, static_cast<size_t>(left));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            fail(file, path, systemError());
        if (n == 0)
            fail(file, path, SystemErrorText(ENOSPC));
        data += n;
        left -= n;
    }
}

// The new name is an entry of the folder: only the folder's sync makes it
// survive a power cut. File systems that cannot sync a folder say so with
// EINVAL; there is nothing more to do on them.
void syncFolder(const QString& path)
{
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    const int result = SaveDiskCalls().fsync(fd);
    const int error = errno;
    ::close(fd);
    if (result != 0 && error != EINVAL && error != ENOTSUP)
        throw FileError(path, QStringLiteral("書き込みましたが、フォルダーへの記録を確定できませんでした：") + SystemErrorText(error));
}

ssize_t systemWrite(int fd, const void* data, size_t size) { return ::write(fd, data, size); }
int systemFsync(int fd) { return ::fsync(fd); }

} // namespace

DiskCalls& SaveDiskCalls()
{
    static DiskCalls calls{systemWrite, systemFsync};
    return calls;
}

void WriteFileAtomically(const QString& path, const QByteArray& bytes)
{
    // A save must not put a file in the place of a folder, a pipe or a device.
    if (const QString reason = NotRegularFileReason(path); !reason.isEmpty())
        throw FileError(path, reason);
    QSaveFile file(path);
    // Writing in place would lose the old file on a failure halfway.
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly))
        throw FileError(path, refusalReason(path, file));
    keepAttributes(file, path);
    // Written and synced on the descriptor, so that each failure keeps its
    // reason; commit() then only closes and renames.
    writeAll(file, path, bytes);
    if (SaveDiskCalls().fsync(file.handle()) != 0)
        fail(file, path, systemError());
    if (!file.commit())
        throw FileError(path, refusalReason(path, file));
    syncFolder(path);
}

void RemoveStaleSaveCopies(const QString& path, qint64 size)
{
    const QFileInfo target(path);
    // The temporary name a save gives its copy: the file's name, a dot and
    // six letters.
    const QRegularExpression copyName(QStringLiteral("^%1\\.[A-Za-z]{6}$")
                                          .arg(QRegularExpression::escape(target.fileName())));
    const QDateTime before = QDateTime::currentDateTimeUtc().addSecs(-StaleSaveCopyAge);
    const QDir folder = target.absoluteDir();
    for (const QFileInfo& entry : folder.entryInfoList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot)) {
        // Younger copies may be another user's save still in progress.
        if (!entry.isSymLink() && copyName.match(entry.fileName()).hasMatch() && entry.size() == size
            && entry.lastModified().toUTC() < before)
            QFile::remove(entry.absoluteFilePath());
    }
}

void LetOversizedWritesFail()
{
    // Past the file-size limit a write then fails with EFBIG and its message
    // instead of the signal ending the program.
    std::signal(SIGXFSZ, SIG_IGN);
}

QByteArray ReadWholeFile(const QString& path, qint64 maxSize)
{
    QFile file;
    OpenRegularFile(file, path);
    if (maxSize >= 0 && file.size() > maxSize)
        throw FileError(path, QStringLiteral("%1 バイトあり、このファイルの上限 %2 バイトを超えています")
                                  .arg(file.size())
                                  .arg(maxSize));
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw FileError(path, file.errorString());
    return bytes;
}
