#include "AtomicFile.h"

#include "FileError.h"

#include <QFile>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace {

[[noreturn]] void fail(QSaveFile& file, const QString& path, const QString& reason)
{
    file.cancelWriting();
    throw FileError(path, reason);
}

} // namespace

void WriteFileAtomically(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    // Writing in place would lose the old file on a failure halfway.
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly))
        throw FileError(path, file.errorString());
    // commit() reports success even after a short write or a failed flush,
    // so each step is checked here before the rename.
    if (file.write(bytes) != bytes.size())
        fail(file, path, file.errorString());
    if (!file.flush())
        fail(file, path, file.errorString());
    if (::fsync(file.handle()) != 0)
        fail(file, path, QString::fromLocal8Bit(std::strerror(errno)));
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
