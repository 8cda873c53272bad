// A window position file "kavrel.ini" of any bytes: reading the four keys
// never fails, and after the window's position is written into the file each
// key reads back as written, every other line stays, and writing the same
// position again changes nothing.
#include "FuzzSupport.h"

#include "ProfileFile.h"

#include <limits>

namespace {

const QString Section = QStringLiteral("zelvorit_k");

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QStringList lines = SettingsLinesFromBytes(FuzzBytes(data, size));
    CheckSettingsLinesRoundTrip(lines);
    for (const char* key : {"top", "Left", "Width", "Height"})
        ProfileIntFromLines(lines, Section, QLatin1String(key), -1);

    const std::map<QString, int> position{{QStringLiteral("Top"), std::numeric_limits<int>::min()},
                                          {QStringLiteral("Left"), -1},
                                          {QStringLiteral("Width"), std::numeric_limits<int>::max()},
                                          {QStringLiteral("Height"), 0}};
    const QStringList written = WrittenAndRead(ProfileLinesWithInts(lines, Section, position));
    FUZZ_CHECK(written.size() >= lines.size() && written.size() <= lines.size() + 5);
    for (const auto& [key, value] : position) {
        FUZZ_CHECK(ProfileIntFromLines(written, Section, key, 12345) == value);
        FUZZ_CHECK(ProfileIntFromLines(written, Section.toUpper(), key.toLower(), 12345) == value);
    }
    FUZZ_CHECK(ProfileLinesWithInts(written, Section, position) == written);
    return 0;
}
