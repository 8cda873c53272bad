#include "PriceBookFile.h"

#include "AtomicFile.h"
#include "FileError.h"
#include "RecordCodec.h"

#include <QFile>
#include <QFileInfo>

namespace {

[[noreturn]] void tooShort(const QString& path, qint64 size)
{
    throw FileError(path, QStringLiteral("the file holds %1 bytes, less than the %2 bytes of a price book")
                              .arg(size)
                              .arg(PriceBookFileSize));
}

} // namespace

PriceBook ReadPriceBookFile(const QString& path)
{
    if (QFileInfo(path).isDir())
        throw FileError(path, QStringLiteral("is a folder, not a price book file"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw FileError(path, file.errorString());
    const QByteArray bytes = file.read(PriceBookFileSize);
    if (file.error() != QFileDevice::NoError)
        throw FileError(path, file.errorString());
    return PriceBookFromBytes(path, bytes);
}

PriceBook PriceBookFromBytes(const QString& path, QByteArrayView bytes)
{
    if (bytes.size() < PriceBookFileSize)
        tooShort(path, bytes.size());
    PriceBook book;
    for (int k = 1; k <= BookRows; ++k)
        book.row(k) = DecodeRecord(bytes.constData() + static_cast<qsizetype>(k - 1) * RecordSize);
    return book;
}

void WritePriceBookFile(const QString& path, const PriceBook& book, std::int64_t recordBase)
{
    WriteFileAtomically(path, PriceBookBytes(book, recordBase));
}

QByteArray PriceBookBytes(const PriceBook& book, std::int64_t recordBase)
{
    QByteArray bytes(PriceBookFileSize, '\0');
    for (int k = 1; k <= BookRows; ++k)
        EncodeRecord(book.row(k), Currency::fromUnits(recordBase + k),
                     bytes.data() + static_cast<qsizetype>(k - 1) * RecordSize);
    return bytes;
}

std::int64_t LoadPriceBook(PriceBook& book, const QString& path, int recordBaseCode)
{
    std::int64_t base = static_cast<std::int64_t>(recordBaseCode) * BookRows;
    if (!QFileInfo::exists(path)) {
        base = BlankRecordBase;
        WritePriceBookFile(path, BlankPriceBook(base), base);
    }
    book = ReadPriceBookFile(path);
    return base;
}

PriceRow ReadPriceRecord(const QString& path, int index)
{
    if (index < 0 || index >= BookRows)
        throw FileError(path, QStringLiteral("record %1 is outside the price book").arg(index + 1));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw FileError(path, file.errorString());
    if (!file.seek(static_cast<qint64>(index) * RecordSize))
        throw FileError(path, file.errorString());
    const QByteArray bytes = file.read(RecordSize);
    if (file.error() != QFileDevice::NoError)
        throw FileError(path, file.errorString());
    if (bytes.size() < RecordSize)
        tooShort(path, file.size());
    return DecodeRecord(bytes.constData());
}
