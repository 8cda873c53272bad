// A data file configuration "kavre_p.conf" of any bytes: what the settings
// dialog writes back reads as the configuration it was written from.
#include "FuzzSupport.h"

#include "DataFileConfig.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QStringList lines = SettingsLinesFromBytes(FuzzBytes(data, size));
    CheckSettingsLinesRoundTrip(lines);
    const DataFileConfig read = DataFileConfigFromLines(lines);

    const QStringList written = DataFileConfigLines(read);
    FUZZ_CHECK(written.size() == 2 * CategoryCount);
    const DataFileConfig back = DataFileConfigFromLines(WrittenAndRead(written));
    if (KeptBySettingsFile(written))
        FUZZ_CHECK(back == read);
    FUZZ_CHECK(DataFileConfigFromLines(WrittenAndRead(DataFileConfigLines(back))) == back);
    return 0;
}
