#pragma once

#include <QString>
#include <QStringList>
#include <array>

// The ten piping system names, numbered 1 to 10, kept in "keito_name.conf".
constexpr int SystemCount = 10;
using SystemNames = std::array<QString, SystemCount>;

QString SystemNamesPath(const QString& programFolder);
QString SystemNameKey(int number); // "[KEITO_NAME1]" … "[KEITO_NAME10]"

// Sets the names the file holds (the later line wins) and keeps the others;
// without a file nothing changes. Throws FileError when it cannot be read.
void ReadSystemNames(const QString& path, SystemNames& names);
void ApplySystemNamesLines(const QStringList& lines, SystemNames& names);

// Writes all ten lines in number order, replacing the file.
void WriteSystemNames(const QString& path, const SystemNames& names);
QStringList SystemNamesLines(const SystemNames& names);
