#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Settings files are Shift-JIS lines of "[Key]=value", ended by CR LF.
struct SettingsLine {
    QString key;   // up to the first "="; empty when the line has none
    QString value; // after the first "="
};

SettingsLine SplitSettingsLine(const QString& line);
// The same split as views into `line`, for readers that only compare.
struct SettingsLineView {
    QStringView key;
    QStringView value;
};
SettingsLineView SplitSettingsLineView(QStringView line);

// The value of the last line with `key`, or `fallback` when there is none.
QString SettingsValue(const QStringList& lines, const QString& key, const QString& fallback = QString());

// The most a settings file may hold; they are a few dozen short lines.
constexpr qint64 SettingsFileMaxSize = 1024 * 1024;

// The lines of a text file (CR LF, a lone LF or a lone CR ends a line);
// throws FileError naming the file when it cannot be read, is no regular
// file or is larger than SettingsFileMaxSize.
QStringList ReadSettingsLines(const QString& path);
QStringList SettingsLinesFromBytes(const QByteArray& bytes);

// Writes the lines with CR LF after each, replacing the file atomically.
void WriteSettingsLines(const QString& path, const QStringList& lines);
QByteArray SettingsLinesBytes(const QStringList& lines);
