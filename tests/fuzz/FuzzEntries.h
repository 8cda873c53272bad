#pragma once

// The fuzz targets share one corpus replay program: each target's entry is
// renamed for it (FuzzEntry.cpp) and registered as a run under its name.
#include <cstddef>
#include <cstdint>

using FuzzEntry = int (*)(const std::uint8_t* data, std::size_t size);

// Replays the corpus of the fuzz target `name` through `entry` as a QtTest
// class, under a QApplication when `widgets` or else a QGuiApplication.
int ReplayCorpus(const char* name, FuzzEntry entry, bool widgets, int argc, char** argv);
