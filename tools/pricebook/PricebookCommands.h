#pragma once

#include <QStringList>
#include <QTextStream>

// A command line the tool cannot run; exit status 2.
struct UsageError {
    QString message;
};

// Runs one command of the tool on its arguments (without the program name).
// Returns the exit status; failures print one line on `err`.
int RunPricebook(const QStringList& args, QTextStream& out, QTextStream& err);
