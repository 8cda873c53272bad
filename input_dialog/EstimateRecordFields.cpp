#include "EstimateRecordFields.h"

namespace {

using V = RecordValue;

constexpr EstimateRecordField Value(const char* name, RecordValue value) { return {name, value, ""}; }
constexpr EstimateRecordField Text(const char* name, const char* literal) { return {name, V::Literal, literal}; }

} // namespace

const std::array<EstimateRecordField, EstimateRecordFieldCount> EstimateRecordFields = {{
    Text("record", "WM_DATAWRITE"),
    Value("material name", V::MaterialName),
    Value("size and sheet", V::SizeText),        // the size, and " sheet name" when asked for
    Text("unit", "ｍ"),                          // always the full-width m
    Value("price A", V::PriceA),                 // cost, or the composite cost
    Value("price B", V::PriceB),                 // level price, or the adopted price
    Text("zero 7", "0"),
    Text("zero 8", "0"),
    Value("net quantity", V::NetQuantity),
    Value("offer quantity", V::OfferQuantity),
    Value("composite cost", V::CompositeCost),
    Value("adopted price", V::AdoptedPrice),
    Value("flag", V::Flag),                      // 10 or 20 (a fraction), +5 remark, +100 pickup
    Value("line code", V::LineCode),             // position over all ten books + system / 10
    Value("construction type", V::ConstructionRemark),
    Text("empty 16", ""),
    Value("pipe fitter rate", V::FitterRate),
    Value("list price", V::ListPrice),
    Value("system number", V::SystemNumber),
    Text("two 20", "2"),
    Value("remark", V::Remark),
    Text("zero 22", "0"), Text("zero 23", "0"), Text("zero 24", "0"), Text("zero 25", "0"),
    Value("size name", V::SizeName),
    Value("system number 27", V::SystemNumber),
    Value("size name 28", V::SizeName),
    Value("size name 29", V::SizeName),
    Text("zero 30", "0"), Text("zero 31", "0"),
    Value("sheet index", V::Sheet),              // 0..3
    Text("zero 33", "0"), Text("zero 34", "0"), Text("zero 35", "0"), Text("zero 36", "0"), Text("zero 37", "0"),
    Text("zero 38", "0"), Text("zero 39", "0"), Text("zero 40", "0"), Text("zero 41", "0"), Text("zero 42", "0"),
}};
