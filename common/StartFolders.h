#pragma once

#include "ProgramFolders.h"

#include <optional>

// The folders of the running program, with the data folder of an installed
// package set up. A data folder that cannot be set up is reported, on
// standard error and in a box, and nothing is returned: the program `name`
// then ends, since it has nowhere to keep its files. Needs the application
// object.
std::optional<ProgramFolders> PrepareProgramFolders(const QString& name);
