#pragma once

#include <QString>

// The program a line goes to: the mode read as a number, 0 (or no number)
// the estimate program, 1 the pickup program, any other number none.
enum class CallerTarget { Estimate, Pickup, None };

// The caller's mode, read once. The number and the text tell different
// things: "01" sends to the pickup program, but only the text "1" itself
// marks the lines as the pickup program's (flag +100) and turns off the two
// options it has no use for.
struct CallerMode {
    QString text; // as given, kept in the hidden mode panel
    CallerTarget target = CallerTarget::Estimate;
    bool pickupMarked = false;

    bool operator==(const CallerMode&) const = default;
};

CallerMode ParseCallerMode(const QString& modeText);

// What the calling program passes in its one argument: "mode;level;system
// number;system name;".
struct CallerArguments {
    CallerMode mode;
    int levelIndex = 0;    // 0 = LEVEL1 … 4 = LEVEL5; other values select no level
    int systemNumber = 0;
    QString systemName;
};

CallerArguments ParseCallerArgument(const QString& argument);
