// One record of any bytes (a short input is padded with zeros): a length byte
// above a text's capacity reads as the capacity, the record written again
// reads back as the same row, its dump line stays one line, and a material
// made of it computes or ends in PriceOverflow, never in a wrapped price.
#include "FuzzSupport.h"

#include "BookDump.h"
#include "CompositePrice.h"
#include "PriceOverflow.h"
#include "RecordCodec.h"

#include <algorithm>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    char record[RecordSize] = {};
    std::memcpy(record, data, std::min<std::size_t>(size, RecordSize));
    const PriceRow row = DecodeRecord(record);
    FUZZ_CHECK(row.headerText.bytes().size() <= 80 && row.sheetName.bytes().size() <= 40);
    FUZZ_CHECK(row.sizeName.bytes().size() <= 6 && row.unit.bytes().size() <= 4);

    char once[RecordSize];
    char twice[RecordSize];
    EncodeRecord(row, row.recordNo, once);
    const PriceRow again = DecodeRecord(once);
    EncodeRecord(again, again.recordNo, twice);
    FUZZ_CHECK(again == row);
    FUZZ_CHECK(std::memcmp(once, twice, RecordSize) == 0);

    const QString dump = DumpRecord(row, 1);
    FUZZ_CHECK(!dump.contains(QLatin1Char('\n')) && !dump.contains(QLatin1Char('\r')));

    // The record as every line of a material, its settings lines included.
    // One book for every run: a whole book cleared at each run was most of
    // the run's time, and every line that the computation reads (those of
    // material 0) is set anew below.
    static PriceBook book;
    for (const bool ratePricing : {false, true}) {
        for (int n = 1; n <= RowsPerMaterial; ++n)
            book.row(0, n) = row;
        WorkSet work;
        bool state = ratePricing;
        try {
            SelectAndComputeMaterial(work, book, 0, state);
        } catch (const PriceOverflow& e) {
            FUZZ_CHECK(e.material() == 0);
        }
    }
    return 0;
}
