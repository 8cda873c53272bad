#include "ZipArchive.h"

#include "FileError.h"

#include <zip.h>

namespace {

QString zipReason(int code)
{
    switch (code) {
    case ZIP_ER_NOZIP:
        return QStringLiteral("ZIP 形式のファイルではないか、途中で切れています");
    case ZIP_ER_INCONS:
    case ZIP_ER_EOF:
        return QStringLiteral("ZIP 形式のファイルが壊れているか、途中で切れています");
    case ZIP_ER_CRC:
    case ZIP_ER_ZLIB:
    case ZIP_ER_COMPRESSED_DATA:
        return QStringLiteral("ZIP 形式のファイルの圧縮されたデータが壊れています");
    case ZIP_ER_COMPNOTSUPP:
        return QStringLiteral("ZIP 形式のファイルが対応していない方式で圧縮されています");
    case ZIP_ER_ENCRNOTSUPP:
    case ZIP_ER_NOPASSWD:
    case ZIP_ER_WRONGPASSWD:
        return QStringLiteral("ZIP 形式のファイルがパスワードで保護されています");
    case ZIP_ER_MULTIDISK:
        return QStringLiteral("複数に分割された ZIP 形式のファイルは読めません");
    case ZIP_ER_MEMORY:
        return QStringLiteral("メモリーが足りません");
    default:
        return QStringLiteral("ZIP 形式のファイルとして読めません（libzip のエラー %1）").arg(code);
    }
}

struct ZipFileCloser {
    void operator()(zip_file_t* file) const { zip_fclose(file); }
};

} // namespace

ZipArchive::ZipArchive(const QString& path, const QByteArray& bytes) : path_(path)
{
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_buffer_create(bytes.constData(), zip_uint64_t(bytes.size()), 0, &error);
    if (source)
        archive_ = zip_open_from_source(source, ZIP_RDONLY | ZIP_CHECKCONS, &error);
    const int code = zip_error_code_zip(&error);
    zip_error_fini(&error);
    if (!archive_) {
        // The archive owns the source only once it is open.
        if (source)
            zip_source_free(source);
        throw FileError(path_, zipReason(code));
    }
}

ZipArchive::~ZipArchive()
{
    zip_discard(archive_);
}

bool ZipArchive::contains(const QString& member) const
{
    return zip_name_locate(archive_, member.toUtf8().constData(), 0) >= 0;
}

QByteArray ZipArchive::read(const QString& member, qint64 limit) const
{
    const auto fail = [&](const QString& reason) {
        return FileError(path_, QStringLiteral("%1: %2").arg(member, reason));
    };
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat(archive_, member.toUtf8().constData(), 0, &stat) != 0)
        throw fail(QStringLiteral("ZIP 形式のファイルの中にありません"));
    if (!(stat.valid & ZIP_STAT_SIZE) || stat.size > zip_uint64_t(limit))
        throw fail(QStringLiteral("展開すると %1 MiB を超えるので読みません").arg(limit / (1024 * 1024)));
    const std::unique_ptr<zip_file_t, ZipFileCloser> file(zip_fopen_index(archive_, stat.index, 0));
    if (!file)
        throw fail(zipReason(zip_error_code_zip(zip_get_error(archive_))));
    // One byte more than the size told, so that data longer than its header
    // says is caught rather than cut.
    QByteArray bytes(qsizetype(stat.size) + 1, Qt::Uninitialized);
    qsizetype done = 0;
    while (done < bytes.size()) {
        const zip_int64_t n = zip_fread(file.get(), bytes.data() + done, zip_uint64_t(bytes.size() - done));
        if (n < 0)
            throw fail(zipReason(zip_error_code_zip(zip_file_get_error(file.get()))));
        if (n == 0)
            break;
        done += qsizetype(n);
    }
    if (done != qsizetype(stat.size))
        throw fail(QStringLiteral("ZIP 形式のファイルの中の大きさの記録と中身が合いません"));
    bytes.truncate(done);
    return bytes;
}
