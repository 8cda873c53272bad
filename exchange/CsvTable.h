#pragma once

#include "PriceListTable.h"

// The text encoding the bytes of a CSV file are in, told as
// TextEncoding::Detect describes; never Detect itself.
TextEncoding DetectTextEncoding(const QByteArray& bytes);

// The rows of a CSV file's bytes: comma separated, or tab separated when
// the first line has a tab and no comma outside quotes. Quoted fields follow
// RFC 4180 (doubled quotes, line breaks inside); lines end with CR LF, LF or
// CR, the last one maybe with none. Rows are numbered by record, as a
// spreadsheet shows the file. Throws FileError naming the file for an empty
// file, bytes that are not text in the encoding, or a quote left open.
PriceListTable CsvTableFromBytes(const QString& path, const QByteArray& bytes, TextEncoding encoding);
