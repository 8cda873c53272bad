// The registry of a test executable's classes and the main that runs one.
// A run that names no class, or one the executable lacks, fails and lists
// the classes: ctest must never count a test as passed that ran nothing.
#include "TestRegistry.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>

namespace {

std::map<std::string, TestRegistry::Run>& registry()
{
    // Filled by the classes' static initialisers, so built on first use.
    static std::map<std::string, TestRegistry::Run> tests;
    return tests;
}

} // namespace

bool TestRegistry::add(const char* name, Run run)
{
    if (!registry().emplace(name, run).second) {
        std::fprintf(stderr, "test class %s registered twice\n", name);
        std::abort();
    }
    return true;
}

int main(int argc, char** argv)
{
    const auto test = argc > 1 ? registry().find(argv[1]) : registry().end();
    if (test == registry().end()) {
        if (argc > 1)
            std::fprintf(stderr, "%s: no test class %s\n", argv[0], argv[1]);
        std::fprintf(stderr, "usage: %s CLASS [QtTest options]\nCLASS is one of:\n", argv[0]);
        for (const auto& [name, run] : registry())
            std::fprintf(stderr, "  %s\n", name.c_str());
        return 2;
    }
    // The class's run sees the program name and the options, as its own main would.
    argv[1] = argv[0];
    return test->second(argc - 1, argv + 1);
}
