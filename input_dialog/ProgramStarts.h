#pragma once

#include <QString>

// The two programs the dialog starts from its program folder, each as a
// program file and its one argument "category;material;".
struct ProgramStart {
    QString program;  // full path; empty when neither edition is there
    QString argument;
};

// The program file `name` (standalone) or "net_" + `name` (network), with or
// without ".exe", in `programFolder` only.
QString FindEditionProgram(const QString& programFolder, const QString& name);

// kavrel on category `category` (1..10) and the selected material (list
// index, -1 for none, which opens material 1).
ProgramStart MainProgramStart(const QString& programFolder, int category, int material);

// Zelmora on the category and the raw list index.
ProgramStart RegistrationProgramStart(const QString& programFolder, int category, int material);

// Starts it detached, the argument on its own, so that blanks in the
// program's path cannot split it. Nothing is reported when it cannot start.
bool Start(const ProgramStart& start, const QString& programFolder);
