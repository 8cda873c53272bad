#pragma once

#include <array>

// What a field of the "WM_DATAWRITE" record carries: a value of the estimate
// line, or a text that never changes.
enum class RecordValue {
    Literal,
    MaterialName,
    SizeText,
    PriceA,
    PriceB,
    NetQuantity,
    OfferQuantity,
    CompositeCost,
    AdoptedPrice,
    Flag,
    LineCode,
    ConstructionRemark,
    FitterRate,
    ListPrice,
    SystemNumber,
    Remark,
    SizeName,
    Sheet,
};

struct EstimateRecordField {
    const char* name;     // as the reference estimate program reports it
    RecordValue value;
    const char* literal;  // UTF-8, for a Literal field
};

constexpr int EstimateRecordFieldCount = 42;

// The fields of the record in their order, each ended by ";": the dialog
// writes them by this table and an estimate program reads them by position.
extern const std::array<EstimateRecordField, EstimateRecordFieldCount> EstimateRecordFields;
