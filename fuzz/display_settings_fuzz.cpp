// A display settings file "kavre_p.disp" of any bytes: the 34 lines written
// at shutdown read back as the settings they were written from, whatever the
// settings were before.
#include "FuzzSupport.h"

#include "DisplaySettings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QStringList lines = SettingsLinesFromBytes(FuzzBytes(data, size));
    CheckSettingsLinesRoundTrip(lines);
    DisplaySettings read;
    ApplyDisplaySettingsLines(read, lines);

    const QStringList written = WrittenAndRead(DisplaySettingsLines(read));
    FUZZ_CHECK(written.size() == 34);
    DisplaySettings fresh;
    ApplyDisplaySettingsLines(fresh, written);
    FUZZ_CHECK(fresh == read);
    DisplaySettings other{false, false, false, false, 1, 2, {}, {}, {}};
    ApplyDisplaySettingsLines(other, written);
    FUZZ_CHECK(other == read);
    return 0;
}
