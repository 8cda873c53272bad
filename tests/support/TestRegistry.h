#pragma once

// The test classes of one tests/ folder share one executable, which saves a
// link and a moc step per class. Each registers a run under its name, the
// main in TestRegistry.cpp runs the one its first argument names and hands
// it the remaining arguments. TestMain.h makes the run of a QtTest class.
namespace TestRegistry {

// Sets up what the class needs and runs it, as a test's own main would.
using Run = int (*)(int argc, char** argv);

// Registers `run` under `name`; a name registered twice stops the program.
bool add(const char* name, Run run);

} // namespace TestRegistry
