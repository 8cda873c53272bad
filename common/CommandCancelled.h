#pragma once

#include <stdexcept>

// The user declined a step a command needs (overwriting a file that someone
// else changed): the command ends with nothing more changed, and since the
// user chose it, nothing is reported.
class CommandCancelled : public std::runtime_error {
public:
    CommandCancelled() : std::runtime_error("cancelled by the user") {}
};
