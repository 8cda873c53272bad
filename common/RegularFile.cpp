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
        return QStringLiteral("フォルダーで、ファイルではありません");
    if (S_ISFIFO(mode))
        return QStringLiteral("名前付きパイプで、ファイルではありません");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return QStringLiteral("装置で、ファイルではありません");
    if (S_ISSOCK(mode))
        return QStringLiteral("ソケットで、ファイルではありません");
    return QStringLiteral("通常のファイルではありません");
}

[[noreturn]] void failWithErrno(const QString& path, int error)
{
    throw FileError(path, SystemErrorText(error));
}

} // namespace

QString SystemErrorText(int error)
{
    static const std::pair<int, const char*> reasons[] = {
        {ENOSPC, "空き容量がありません"},
        {EDQUOT, "ディスクの割り当て容量を超えました"},
        {EACCES, "書き込みまたは読み込みが許可されていません"},
        {EPERM, "この操作は許可されていません"},
        {EROFS, "読み込み専用のドライブです"},
        {ENOENT, "ファイルが見つかりません"},
        {ENOTDIR, "フォルダーが見つかりません"},
        {EISDIR, "フォルダーです"},
        {EFBIG, "ファイルが大きすぎます"},
        {ENAMETOOLONG, "ファイル名が長すぎます"},
        {ELOOP, "リンクが循環しています"},
        {EEXIST, "同じ名前のファイルがあります"},
        {EBUSY, "使用中です"},
        {ETXTBSY, "実行中のプログラムが使用しています"},
        {EMFILE, "開いているファイルが多すぎます"},
        {ENFILE, "開いているファイルが多すぎます"},
        {EIO, "読み書き中に装置のエラーが起きました"},
        {ESTALE, "ネットワーク上のファイルが無効になりました"},
        {ENXIO, "装置が見つかりません"},
        {EINVAL, "このファイルには使えない操作です"},
    };
    for (const auto& [number, reason] : reasons) {
        if (number == error)
            return QString::fromUtf8(reason);
    }
    return QStringLiteral("システムエラー %1（%2）").arg(error).arg(QString::fromLocal8Bit(std::strerror(error)));
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
        throw FileError(path, QStringLiteral("ファイル名が指定されていません"));
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
