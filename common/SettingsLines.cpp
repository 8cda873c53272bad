#include "SettingsLines.h"

#include "AtomicFile.h"
#include "ShiftJis.h"

SettingsLine SplitSettingsLine(const QString& line)
{
    const qsizetype eq = line.indexOf(QLatin1Char('='));
    if (eq < 0)
        return {QString(), line};
    return {line.left(eq), line.mid(eq + 1)};
}

QString SettingsValue(const QStringList& lines, const QString& key, const QString& fallback)
{
    QString value = fallback;
    for (const QString& line : lines) {
        const SettingsLine s = SplitSettingsLine(line);
        if (!s.key.isEmpty() && s.key == key)
            value = s.value;
    }
    return value;
}

QStringList ReadSettingsLines(const QString& path)
{
    return SettingsLinesFromBytes(ReadWholeFile(path));
}

QStringList SettingsLinesFromBytes(const QByteArray& bytes)
{
    QStringList lines;
    for (QByteArray line : bytes.split('\n')) {
        if (line.endsWith('\r'))
            line.chop(1);
        lines << ShiftJis::decode(line);
    }
    // A final line end leaves one empty piece that is not a line.
    if (!lines.isEmpty() && lines.last().isEmpty() && bytes.endsWith('\n'))
        lines.removeLast();
    if (bytes.isEmpty())
        lines.clear();
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
