#pragma once

#include <QString>
#include <QStringList>
#include <map>

// Sectioned initialisation files ("[section]" lines, then key=value), read
// and written the way the window position file is used: integers only,
// section and key names matched without regard to case.
int ReadProfileInt(const QString& path, const QString& section, const QString& key, int fallback);
int ProfileIntFromLines(const QStringList& lines, const QString& section, const QString& key, int fallback);

// Sets the keys in the section, keeping every other line of the file; creates
// the file or the section when missing. Throws FileError when it cannot write.
void WriteProfileInts(const QString& path, const QString& section, const std::map<QString, int>& values);
QStringList ProfileLinesWithInts(QStringList lines, const QString& section, const std::map<QString, int>& values);
