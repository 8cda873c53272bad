#pragma once

#include "FileError.h"
#include "PriceOverflow.h"

#include <QStringList>
#include <QTextStream>
#include <map>
#include <vector>

// A command line the tool cannot run; exit status 2.
struct UsageError {
    QString message;
};

// A material of the book at `path` that cannot be computed, told as a
// failure of the file with what that means for the command.
FileError OverflowInBook(const QString& path, const PriceOverflow& e, const QString& consequence);

// A command's arguments after its name: the options that take a value, the
// flags, and the rest in order. An unknown option or one without its value
// is a UsageError.
struct CommandOptions {
    QStringList positional;
    std::map<QString, QString> values;
    QStringList flags;

    bool has(const char* flag) const { return flags.contains(QLatin1String(flag)); }
    QString value(const char* option) const
    {
        const auto it = values.find(QLatin1String(option));
        return it == values.end() ? QString() : it->second;
    }
};
CommandOptions ParseCommandOptions(const QStringList& args, const QStringList& valued, const QStringList& flags);

// The materials of "--materials 3,7,13" (1 to 20) as 0..19, in the book's
// order, each once; all of them for an empty text. UsageError otherwise.
std::vector<int> MaterialList(const QString& text);

// Runs one command of the tool on its arguments (without the program name).
// Returns the exit status; failures print one line on `err`.
int RunPricebook(const QStringList& args, QTextStream& out, QTextStream& err);
