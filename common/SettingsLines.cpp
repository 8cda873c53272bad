#include "SettingsLines.h"

#include "AtomicFile.h"
#include "ShiftJis.h"

SettingsLineView SplitSettingsLineView(QStringView line)
{
    const qsizetype eq = line.indexOf(QLatin1Char('='));
    if (eq < 0)
        return {QStringView(), line};
    return {line.left(eq), line.mid(eq + 1)};
}

SettingsLine SplitSettingsLine(const QString& line)
{
    const SettingsLineView split = SplitSettingsLineView(line);
    return {split.key.toString(), split.value.toString()};
}

QString SettingsValue(const QStringList& lines, const QString& key, const QString& fallback)
{
    // A line's key is what precedes its first "=", so a key holding "=" is
    // never found. Compared in place: the readers ask for dozens of keys, each
    // over every line, and splitting each line for each key made reading a
    // large settings file slow.
    if (key.isEmpty() || key.contains(QLatin1Char('=')))
        return fallback;
    const QString* found = nullptr;
    for (const QString& line : lines) {
        if (line.size() > key.size() && line.at(key.size()) == QLatin1Char('=') && line.startsWith(key))
            found = &line;
    }
    return found ? found->mid(key.size() + 1) : fallback;
}

QStringList ReadSettingsLines(const QString& path)
{
    return SettingsLinesFromBytes(ReadWholeFile(path, SettingsFileMaxSize));
}

QStringList SettingsLinesFromBytes(const QByteArray& bytes)
{
    QStringList lines;
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = start;
        while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n')
            ++end;
        lines << ShiftJis::decode(bytes.mid(start, end - start));
        // CR LF, a lone LF or a lone CR ends the line; Shift-JIS never has
        // these bytes inside a character.
        if (end < bytes.size() && bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n')
            ++end;
        start = end + 1;
    }
    return lines;
}

void WriteSettingsLines(const QString& path, const QStringList& lines)
{
    WriteFileAtomically(path, SettingsLinesBytes(lines));
}

QByteArray SettingsLinesBytes(const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += ShiftJis::encode(line) + "\r\n";
    return bytes;
}
