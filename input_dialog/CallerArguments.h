#pragma once

#include <QString>

// What the calling program passes in its one argument: "mode;level;system
// number;system name;".
struct CallerArguments {
    QString modeText;      // "0" estimate program, "1" pickup program, kept as given
    int levelIndex = 0;    // 0 = LEVEL1 … 4 = LEVEL5; other values select no level
    int systemNumber = 0;
    QString systemName;
};

CallerArguments ParseCallerArgument(const QString& argument);

// The pickup program is the caller only when the mode text is exactly "1".
bool IsPickupMode(const QString& modeText);
