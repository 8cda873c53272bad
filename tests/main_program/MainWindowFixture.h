#pragma once

#include "MainWindowProgram.h"

// The main window tests' short form: started on `argument`, or only its
// program folder made when `start` is false.
struct Program : MainWindowProgram {
    explicit Program(const QString& argument = QString(), bool start = true)
        : MainWindowProgram(Options().withArgument(argument).started(start))
    {
    }
};
