#include "RecordCodec.h"

#include <QtEndian>
#include <cstring>

namespace {

// Byte offsets of the fields within a record.
enum Offset {
    Reserved0 = 0,
    HeaderText = 4,
    SheetName = 85,
    RecordNo = 128,
    SizeName = 136,
    Reserved1 = 144,
    Unit = 148,
    AuxValue = 156,
    CostPrice = 160,
    LevelPrice = 168,
    ListPrice = 208,
    Rate = 216,
    CompositeCost = 272,
    CompositeLevel = 280,
    AdoptedLevel = 320,
};
static_assert(AdoptedLevel + 5 * 8 == RecordSize);

void putInt32(char* out, int offset, std::int32_t v) { qToLittleEndian(v, out + offset); }
void putCurrency(char* out, int offset, Currency v) { qToLittleEndian(v.raw(), out + offset); }
template <std::size_t N>
void putCurrencies(char* out, int offset, const std::array<Currency, N>& values)
{
    for (std::size_t i = 0; i < N; ++i)
        putCurrency(out, offset + static_cast<int>(8 * i), values[i]);
}
template <int Cap>
void putText(char* out, int offset, const ShortText<Cap>& text)
{
    out[offset] = static_cast<char>(text.size());
    std::memcpy(out + offset + 1, text.data(), Cap);
}

std::int32_t getInt32(const char* in, int offset) { return qFromLittleEndian<std::int32_t>(in + offset); }
Currency getCurrency(const char* in, int offset)
{
    return Currency::fromRaw(qFromLittleEndian<std::int64_t>(in + offset));
}
template <std::size_t N>
void getCurrencies(const char* in, int offset, std::array<Currency, N>& values)
{
    for (std::size_t i = 0; i < N; ++i)
        values[i] = getCurrency(in, offset + static_cast<int>(8 * i));
}
template <int Cap>
void getText(const char* in, int offset, ShortText<Cap>& text)
{
    text.setBytes(in + offset + 1, static_cast<unsigned char>(in[offset]));
}

} // namespace

void EncodeRecord(const PriceRow& row, Currency recordNo, char* out)
{
    std::memset(out, 0, RecordSize);
    putInt32(out, Reserved0, row.reserved0);
    putText(out, HeaderText, row.headerText);
    putText(out, SheetName, row.sheetName);
    putCurrency(out, RecordNo, recordNo);
    putText(out, SizeName, row.sizeName);
    putInt32(out, Reserved1, row.reserved1);
    putText(out, Unit, row.unit);
    putInt32(out, AuxValue, row.auxValue);
    putCurrency(out, CostPrice, row.costPrice);
    putCurrencies(out, LevelPrice, row.levelPrice);
    putCurrency(out, ListPrice, row.listPrice);
    putCurrencies(out, Rate, row.rate);
    putCurrency(out, CompositeCost, row.compositeCost);
    putCurrencies(out, CompositeLevel, row.compositeLevel);
    putCurrencies(out, AdoptedLevel, row.adoptedLevel);
}

ShortText<80> DecodeHeaderText(const char* in)
{
    ShortText<80> text;
    getText(in, HeaderText, text);
    return text;
}

PriceRow DecodeRecord(const char* in)
{
    PriceRow row;
    DecodeRecordInto(in, row);
    return row;
}

void DecodeRecordInto(const char* in, PriceRow& row)
{
    row.reserved0 = getInt32(in, Reserved0);
    getText(in, HeaderText, row.headerText);
    getText(in, SheetName, row.sheetName);
    row.recordNo = getCurrency(in, RecordNo);
    getText(in, SizeName, row.sizeName);
    row.reserved1 = getInt32(in, Reserved1);
    getText(in, Unit, row.unit);
    row.auxValue = getInt32(in, AuxValue);
    row.costPrice = getCurrency(in, CostPrice);
    getCurrencies(in, LevelPrice, row.levelPrice);
    row.listPrice = getCurrency(in, ListPrice);
    getCurrencies(in, Rate, row.rate);
    row.compositeCost = getCurrency(in, CompositeCost);
    getCurrencies(in, CompositeLevel, row.compositeLevel);
    getCurrencies(in, AdoptedLevel, row.adoptedLevel);
}
