// The input dialog's system names "keito_name.conf" of any bytes: the ten
// lines written back read as the names they were written from, whatever the
// names were before.
#include "FuzzSupport.h"

#include "SystemNames.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QStringList lines = SettingsLinesFromBytes(FuzzBytes(data, size));
    CheckSettingsLinesRoundTrip(lines);
    SystemNames read;
    ApplySystemNamesLines(lines, read);

    const QStringList written = SystemNamesLines(read);
    FUZZ_CHECK(written.size() == SystemCount);
    SystemNames back;
    back.fill(QStringLiteral("系統"));
    ApplySystemNamesLines(WrittenAndRead(written), back);
    if (KeptBySettingsFile(written))
        FUZZ_CHECK(back == read);
    return 0;
}
