// Any bytes are accepted as price records: decoding, computing every material
// and encoding again must not crash, a value too large to store must end in
// PriceOverflow rather than wrap, and a record written once must read back as
// the same row.
#include "CompositePrice.h"
#include "PriceOverflow.h"
#include "RecordCodec.h"

#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    PriceBook book;
    const std::size_t records = std::min<std::size_t>(size / RecordSize, BookRows);
    for (std::size_t i = 0; i < records; ++i)
        book.row(static_cast<int>(i) + 1) = DecodeRecord(reinterpret_cast<const char*>(data) + i * RecordSize);

    char once[RecordSize];
    char twice[RecordSize];
    for (int k = 1; k <= static_cast<int>(records); ++k) {
        const PriceRow& row = book.row(k);
        EncodeRecord(row, row.recordNo, once);
        const PriceRow again = DecodeRecord(once);
        EncodeRecord(again, again.recordNo, twice);
        if (!(again == row) || std::memcmp(once, twice, RecordSize) != 0)
            std::abort();
    }

    WorkSet work;
    bool ratePricing = false;
    for (int m = 0; m < Materials; ++m) {
        try {
            SelectAndComputeMaterial(work, book, m, ratePricing);
        } catch (const PriceOverflow& e) {
            if (e.material() != m)
                std::abort();
        }
    }
    return 0;
}
