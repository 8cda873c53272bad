#pragma once

#include <array>

// The files through which the main program hands a print job to the print
// program: both find them in the program folder, with these names.
namespace PrintJobFiles {

constexpr const char* Conf = "Print.conf";
constexpr const char* Header = "print_header.dat";
constexpr const char* Data = "print_Data.dat";

// The tags of the header file, one line each in this order: year, era and
// era year, month, day, weekday, two empty ones, price reference and page,
// the base labour cost of the chosen level, that of the cost level.
constexpr std::array<const char*, 10> HeaderTags{"[ta]", "[tb]", "[tc]", "[td]", "[te]",
                                                 "[tf]", "[tg]", "[th]", "[ti]", "[tj]"};

// The fields of one line of the data file, each followed by ";".
constexpr int DataFields = 23;

} // namespace PrintJobFiles
