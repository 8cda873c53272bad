#pragma once

#include "PriceBook.h"
#include "RecordCodec.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <array>

constexpr qint64 PriceBookFileSize = 432000;
// Where row k's record (1..1200) starts in the file.
constexpr qint64 RecordOffset(int k) { return static_cast<qint64>(k - 1) * RecordSize; }
static_assert(RecordOffset(BookRows + 1) == PriceBookFileSize);
// The record number base a missing file is created with (records -1199..0).
constexpr std::int64_t BlankRecordBase = -1200;
// The record base codes of LoadPriceBook: category books number their records
// from 0; a file the user chose, and the blank scratch book of the start, from
// 13200.
constexpr int CategoryRecordBaseCode = 0;
constexpr int UserFileRecordBaseCode = 11;

// What tells whether a price book file was written since it was read: a
// hash of its records' bytes and its size. Empty for a missing file.
using BookFingerprint = QByteArray;

// Reads the first 1200 records of a file. Throws FileError naming the file
// and the reason when it cannot be opened, is no regular file or is shorter
// than 432000 bytes. `fingerprint`, when given, receives that of the bytes read.
PriceBook ReadPriceBookFile(const QString& path, BookFingerprint* fingerprint = nullptr);
// The book in the first 432000 bytes, as read from `path`; fewer throw
// FileError naming `path`. The second form reads into a book's rows as they
// are, every field of every row overwritten, without a new book's memory.
PriceBook PriceBookFromBytes(const QString& path, QByteArrayView bytes);
void PriceBookFromBytes(const QString& path, QByteArrayView bytes, PriceBook& book);

// The goods names of the 20 materials of a price book file, as stored: the
// header texts of their first lines, the only records read. `Whole` refuses
// a file shorter than a book first, as loading it would; `RecordsRead` asks
// only for the records read.
enum class BookLength { Whole, RecordsRead };
std::array<QString, Materials> ReadGoodsNames(const QString& path, BookLength length);

// The labels of the 20 materials (MaterialLabel) of a whole price book file,
// with the errors of ReadPriceBookFile: what the tree needs of every book at
// start-up.
std::array<QString, Materials> ReadMaterialLabels(const QString& path);

// Writes the 1200 rows with record numbers recordBase + k, replacing the file
// atomically; on failure the old file is whole and FileError is thrown. A
// save that went through removes what killed saves of the book left behind.
// Returns the fingerprint of the file written.
BookFingerprint WritePriceBookFile(const QString& path, const PriceBook& book, std::int64_t recordBase);
QByteArray PriceBookBytes(const PriceBook& book, std::int64_t recordBase);
// The same into `bytes`, whose memory is kept when it has the size already.
void PriceBookBytes(const PriceBook& book, std::int64_t recordBase, QByteArray& bytes);

// The fingerprint of the file as it is now (empty when there is none), and
// whether a file is there whose bytes differ from those `fingerprint` was
// taken of.
BookFingerprint ReadBookFingerprint(const QString& path);
bool BookChangedSince(const QString& path, const BookFingerprint& fingerprint);

// Replaces `book` with the file's records, first creating a blank file when
// none exists. Returns the record number base for the next save:
// recordBaseCode × 1200, or BlankRecordBase for a file just created. On
// failure `book` is left as it was. `fingerprint`, when given, receives the
// fingerprint of the bytes read.
std::int64_t LoadPriceBook(PriceBook& book, const QString& path, int recordBaseCode,
                           BookFingerprint* fingerprint = nullptr);

// Whether the file holds exactly the book a missing file is created with
// (LoadPriceBook); false also when it cannot be read.
bool HoldsBlankBook(const QString& path);

// Reads the single record of row k (1..1200) without loading the book.
PriceRow ReadPriceRecord(const QString& path, int k);
