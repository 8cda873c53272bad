#include "PriceBookFile.h"

#include "AtomicFile.h"
#include "FileError.h"
#include "RecordCodec.h"
#include "RegularFile.h"

#include <QFile>
#include <QFileInfo>

// The hash is compiled in from the header alone: no library to ship.
#define XXH_INLINE_ALL
#include <xxhash.h>

namespace {

BookFingerprint fingerprintOf(const QByteArray& records, qint64 fileSize)
{
    // Every load and save takes one, and a recompute of a book three. The
    // 128-bit XXH3 tells a colleague's save from ours as surely as a
    // cryptographic hash does, at a twentieth of BLAKE2b's 0.55 ms a book;
    // nobody here forges a file to match a fingerprint kept only in memory.
    XXH3_state_t state;
    XXH3_128bits_reset(&state);
    XXH3_128bits_update(&state, records.constData(), static_cast<std::size_t>(records.size()));
    const std::int64_t size = fileSize;
    XXH3_128bits_update(&state, &size, sizeof size);
    XXH128_canonical_t canonical;
    XXH128_canonicalFromHash(&canonical, XXH3_128bits_digest(&state));
    return QByteArray(reinterpret_cast<const char*>(canonical.digest), sizeof canonical.digest);
}

// The first 1200 records' bytes (fewer when the file is shorter), and the
// file's size, of an opened file.
QByteArray readRecordBytes(QFile& file, const QString& path)
{
    const QByteArray bytes = file.read(PriceBookFileSize);
    if (file.error() != QFileDevice::NoError)
        throw FileError(path, file.errorString());
    return bytes;
}

[[noreturn]] void tooShort(const QString& path, qint64 size)
{
    throw FileError(path, QStringLiteral("%1 バイトしかなく、単価ファイルの %2 バイトに足りません（壊れています）")
                              .arg(size)
                              .arg(PriceBookFileSize))
        .advising(QStringLiteral("バックアップから戻すか、ファイルを削除すると空のファイルが作られます。"));
}

// The bytes of row k's record (1..1200) of an opened file.
QByteArray readRecordAt(QFile& file, const QString& path, int k)
{
    if (!file.seek(RecordOffset(k)))
        throw FileError(path, file.errorString());
    QByteArray bytes = file.read(RecordSize);
    if (file.error() != QFileDevice::NoError)
        throw FileError(path, file.errorString());
    if (bytes.size() < RecordSize)
        tooShort(path, file.size());
    return bytes;
}

} // namespace

PriceBook ReadPriceBookFile(const QString& path, BookFingerprint* fingerprint)
{
    QFile file;
    OpenRegularFile(file, path);
    const QByteArray bytes = readRecordBytes(file, path);
    PriceBook book = PriceBookFromBytes(path, bytes);
    if (fingerprint)
        *fingerprint = fingerprintOf(bytes, file.size());
    return book;
}

std::array<QString, Materials> ReadGoodsNames(const QString& path, BookLength length)
{
    QFile file;
    OpenRegularFile(file, path);
    // The 20 records alone: reading all 432000 bytes of ten books was a
    // tenth of the start-up.
    if (length == BookLength::Whole && file.size() < PriceBookFileSize)
        tooShort(path, file.size());
    std::array<QString, Materials> names;
    for (int m = 0; m < Materials; ++m) {
        const QByteArray record = readRecordAt(file, path, RowNumber(m, 0, 1));
        names[static_cast<std::size_t>(m)] = DecodeHeaderText(record.constData()).text();
    }
    return names;
}

std::array<QString, Materials> ReadMaterialLabels(const QString& path)
{
    std::array<QString, Materials> labels = ReadGoodsNames(path, BookLength::Whole);
    for (QString& label : labels)
        label = MaterialLabel(label);
    return labels;
}

PriceBook PriceBookFromBytes(const QString& path, QByteArrayView bytes)
{
    PriceBook book;
    PriceBookFromBytes(path, bytes, book);
    return book;
}

void PriceBookFromBytes(const QString& path, QByteArrayView bytes, PriceBook& book)
{
    if (bytes.size() < PriceBookFileSize)
        tooShort(path, bytes.size());
    for (int k = 1; k <= BookRows; ++k)
        DecodeRecordInto(bytes.constData() + RecordOffset(k), book.row(k));
}

BookFingerprint WritePriceBookFile(const QString& path, const PriceBook& book, std::int64_t recordBase)
{
    const QByteArray bytes = PriceBookBytes(book, recordBase);
    WriteFileAtomically(path, bytes);
    // Only after a save that went through: a failed one may have left the
    // copy a later attempt needs to look at.
    RemoveStaleSaveCopies(path, PriceBookFileSize);
    return fingerprintOf(bytes, bytes.size());
}

QByteArray PriceBookBytes(const PriceBook& book, std::int64_t recordBase)
{
    QByteArray bytes;
    PriceBookBytes(book, recordBase, bytes);
    return bytes;
}

void PriceBookBytes(const PriceBook& book, std::int64_t recordBase, QByteArray& bytes)
{
    bytes.resize(PriceBookFileSize);
    for (int k = 1; k <= BookRows; ++k)
        EncodeRecord(book.row(k), Currency::fromUnits(recordBase + k), bytes.data() + RecordOffset(k));
}

BookFingerprint ReadBookFingerprint(const QString& path)
{
    if (!QFileInfo::exists(path))
        return BookFingerprint();
    QFile file;
    OpenRegularFile(file, path);
    return fingerprintOf(readRecordBytes(file, path), file.size());
}

bool BookChangedSince(const QString& path, const BookFingerprint& fingerprint)
{
    return QFileInfo::exists(path) && ReadBookFingerprint(path) != fingerprint;
}

std::int64_t LoadPriceBook(PriceBook& book, const QString& path, int recordBaseCode, BookFingerprint* fingerprint)
{
    std::int64_t base = static_cast<std::int64_t>(recordBaseCode) * BookRows;
    if (path.isEmpty())
        throw FileError(path, QStringLiteral("単価ファイルが指定されていません"));
    if (!QFileInfo::exists(path) && !QFileInfo(path).isSymLink()) {
        base = BlankRecordBase;
        WritePriceBookFile(path, BlankPriceBook(base), base);
    }
    book = ReadPriceBookFile(path, fingerprint);
    return base;
}

bool HoldsBlankBook(const QString& path)
{
    static const QByteArray blank = PriceBookBytes(BlankPriceBook(BlankRecordBase), BlankRecordBase);
    try {
        QFile file;
        OpenRegularFile(file, path);
        return file.size() == PriceBookFileSize && readRecordBytes(file, path) == blank;
    } catch (const FileError&) {
        return false;
    }
}

PriceRow ReadPriceRecord(const QString& path, int k)
{
    if (k < 1 || k > BookRows)
        throw FileError(path, QStringLiteral("レコード %1 は単価ファイルの範囲外です").arg(k));
    QFile file;
    OpenRegularFile(file, path);
    return DecodeRecord(readRecordAt(file, path, k).constData());
}
