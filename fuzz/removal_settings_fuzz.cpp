// The input dialog's removal settings "kavre_p.adv" of any bytes: decimals
// and rounding are always 1 to 3, the four lines written read back as the
// settings, and the removal rate of any labour rate is exact or refused.
#include "FuzzSupport.h"

#include "RemovalSettings.h"
#include "ValueOverflow.h"

#include <limits>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QStringList lines = SettingsLinesFromBytes(FuzzBytes(data, size));
    CheckSettingsLinesRoundTrip(lines);
    const RemovalSettings read = RemovalSettingsFromLines(lines);
    FUZZ_CHECK(read.decimals >= 1 && read.decimals <= 3);
    FUZZ_CHECK(read.rounding >= 1 && read.rounding <= 3);
    FUZZ_CHECK(RemovalSettingsFromLines(WrittenAndRead(RemovalSettingsLines(read))) == read);

    for (const std::int64_t raw : {std::int64_t(0), std::int64_t(10000), std::int64_t(123456789),
                                   std::numeric_limits<std::int64_t>::max(), std::numeric_limits<std::int64_t>::min()}) {
        for (const Currency factor : {read.removalFactor, read.recycleFactor}) {
            try {
                RemovalRate(Currency::fromRaw(raw), factor, read.decimals, read.rounding);
            } catch (const ValueOverflow&) {
            }
        }
    }
    return 0;
}
