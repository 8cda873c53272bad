#include "PriceListTable.h"

#include "CsvTable.h"
#include "FileError.h"
#include "RegularFile.h"
#include "XlsxTable.h"

namespace {

enum class FileKind { Csv, Xlsx };

bool isZip(const QByteArray& bytes)
{
    // A zip with members starts with a local header, an empty one with its end.
    return bytes.startsWith("PK\x03\x04") || bytes.startsWith("PK\x05\x06");
}

// Which reader a file goes to, by its content: a file of another kind is
// refused here, told for what it is where that helps the user save it again.
FileKind fileKind(const QString& path, const QByteArray& bytes)
{
    if (bytes.isEmpty())
        throw FileError(path, QStringLiteral("ファイルが空です"));
    if (isZip(bytes))
        return FileKind::Xlsx;
    if (bytes.startsWith("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1"))
        throw FileError(path, QStringLiteral("古い形式（.xls）か、パスワードで保護された Excel のファイルです。"
                                             "保護を外して XLSX か CSV で保存し直してください"));
    if (bytes.startsWith("%PDF-"))
        throw FileError(path, QStringLiteral("PDF のファイルです。価格表は XLSX か CSV のファイルで読み込んでください"));
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF"))
        throw FileError(path, QStringLiteral("UTF-16 のテキストは読めません。CSV（UTF-8 か Shift-JIS）で保存し直してください"));
    if (path.endsWith(QLatin1String(".xlsx"), Qt::CaseInsensitive)
        || path.endsWith(QLatin1String(".xlsm"), Qt::CaseInsensitive))
        throw FileError(path, QStringLiteral("XLSX ファイルではありません（中身が ZIP 形式ではありません）"));
    if (bytes.contains('\0'))
        throw FileError(path, QStringLiteral("CSV でも XLSX でもありません（文字でないバイトがあります）"));
    return FileKind::Csv;
}

QByteArray readFileBytes(const QString& path)
{
    QFile file;
    OpenRegularFile(file, path);
    const QString tooLarge = QStringLiteral("%1 MiB を超えるファイルは読みません").arg(PriceListMaxBytes / (1024 * 1024));
    if (file.size() > PriceListMaxBytes)
        throw FileError(path, tooLarge);
    const QByteArray bytes = file.read(PriceListMaxBytes + 1);
    if (file.error() != QFileDevice::NoError)
        throw FileError(path, QStringLiteral("読み込めません（%1）").arg(file.errorString()));
    // It may have grown since its size was asked.
    if (bytes.size() > PriceListMaxBytes)
        throw FileError(path, tooLarge);
    return bytes;
}

} // namespace

bool PriceListTableRow::isEmpty() const
{
    for (const QString& cell : cells) {
        if (!cell.trimmed().isEmpty())
            return false;
    }
    return true;
}

int PriceListTable::columnCount() const
{
    qsizetype count = 0;
    for (const PriceListTableRow& r : rows)
        count = std::max(count, r.cells.size());
    return int(count);
}

const PriceListTableRow* PriceListTable::row(int number) const
{
    for (const PriceListTableRow& r : rows) {
        if (r.number == number)
            return &r;
    }
    return nullptr;
}

PriceListTable ReadPriceListTable(const QString& path, const PriceListReadOptions& options)
{
    return PriceListTableFromBytes(path, readFileBytes(path), options);
}

PriceListTable PriceListTableFromBytes(const QString& path, const QByteArray& bytes,
                                       const PriceListReadOptions& options)
{
    if (fileKind(path, bytes) == FileKind::Xlsx)
        return XlsxTableFromBytes(path, bytes, options.sheetName);
    return CsvTableFromBytes(path, bytes, options.encoding);
}

QStringList PriceListSheetNames(const QString& path)
{
    const QByteArray bytes = readFileBytes(path);
    return fileKind(path, bytes) == FileKind::Xlsx ? XlsxSheetNames(path, bytes) : QStringList();
}
