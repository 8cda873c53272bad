#include "MessageSockets.h"

#include <QDir>
#include <QFileInfo>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// A folder of our own that only we may enter.
bool IsPrivateFolder(const QString& path)
{
    struct stat info {};
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0 || !S_ISDIR(info.st_mode))
        return false;
    if (info.st_uid != ::getuid())
        return false;
    return (info.st_mode & 077) == 0 || ::chmod(QFile::encodeName(path).constData(), 0700) == 0;
}

QString PrivateFallbackFolder()
{
    const QString path = QDir::home().filePath(QStringLiteral(".cache/kavrel-run"));
    if (!QFileInfo(path).isDir()) {
        QDir().mkpath(QFileInfo(path).path());
        ::mkdir(QFile::encodeName(path).constData(), 0700);
    }
    return IsPrivateFolder(path) ? path : QString();
}

} // namespace

QString MessageSocketFolder()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(runtime).isDir())
        return runtime;
    return PrivateFallbackFolder();
}

QString MessageSocketPath(const QString& windowClass)
{
    const QString folder = MessageSocketFolder();
    return folder.isEmpty() ? QString() : QDir(folder).filePath(windowClass);
}
