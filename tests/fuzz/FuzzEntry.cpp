// Compiled beside each fuzz target's source, with that target's libraries and
// with LLVMFuzzerTestOneInput renamed for it (tests/fuzz/CMakeLists.txt).
#include "FuzzEntries.h"
#include "TestRegistry.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

// QtTest's main gives a QApplication where the libraries bring Qt Widgets,
// a QGuiApplication otherwise; the replay keeps the target's own.
#ifdef QT_WIDGETS_LIB
constexpr bool Widgets = true;
#else
constexpr bool Widgets = false;
#endif

int replay(int argc, char** argv)
{
    return ReplayCorpus(KAVREL_FUZZ_TARGET, LLVMFuzzerTestOneInput, Widgets, argc, argv);
}

[[maybe_unused]] const bool registered = TestRegistry::add(KAVREL_FUZZ_TARGET, replay);

} // namespace
