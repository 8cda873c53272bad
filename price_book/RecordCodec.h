#pragma once

#include "PriceRow.h"

#include <QByteArray>

constexpr int RecordSize = 360;

// The 360 bytes of a record, little-endian, with `recordNo` as given; padding
// and the bytes after each text are zeros.
void EncodeRecord(const PriceRow& row, Currency recordNo, char* out);

// Reads a record from RecordSize bytes; a length byte above a text's capacity
// is read as the capacity. Any bytes are accepted as values.
PriceRow DecodeRecord(const char* in);
// The same into a row that is there already, every field overwritten.
void DecodeRecordInto(const char* in, PriceRow& row);
// The header text alone, as DecodeRecord reads it.
ShortText<80> DecodeHeaderText(const char* in);
