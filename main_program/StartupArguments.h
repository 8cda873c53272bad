#pragma once

#include <QString>

// The category and material named on the command line ("3;5;"), 1-based.
struct StartupChoice {
    int category = 1; // 1..10 loads that category; anything else keeps the scratch book
    int material = 1; // always 1..20
};

StartupChoice ParseStartupArgument(const QString& argument);
