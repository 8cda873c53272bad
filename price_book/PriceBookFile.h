#pragma once

#include "PriceBook.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

constexpr qint64 PriceBookFileSize = 432000;
// The record number base a missing file is created with (records -1199..0).
constexpr std::int64_t BlankRecordBase = -1200;

// Reads the first 1200 records of a file. Throws FileError naming the file
// and the reason when it cannot be opened or is shorter than 432000 bytes.
PriceBook ReadPriceBookFile(const QString& path);
// The book in the first 432000 bytes, as read from `path`; fewer throw
// FileError naming `path`.
PriceBook PriceBookFromBytes(const QString& path, QByteArrayView bytes);

// Writes the 1200 rows with record numbers recordBase + k, replacing the file
// atomically; on failure the old file is whole and FileError is thrown.
void WritePriceBookFile(const QString& path, const PriceBook& book, std::int64_t recordBase);
QByteArray PriceBookBytes(const PriceBook& book, std::int64_t recordBase);

// Replaces `book` with the file's records, first creating a blank file when
// none exists. Returns the record number base for the next save:
// recordBaseCode × 1200, or BlankRecordBase for a file just created. On
// failure `book` is left as it was.
std::int64_t LoadPriceBook(PriceBook& book, const QString& path, int recordBaseCode);

// Reads the single record at 0-based index (0..1199) without loading the book.
PriceRow ReadPriceRecord(const QString& path, int index);
