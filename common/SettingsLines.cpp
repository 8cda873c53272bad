#include "SettingsLines.h"

#include "AtomicFile.h"
#include "ShiftJis.h"

#include <algorithm>

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

namespace {

// Where the next `c` is from `from` on, or the end of `bytes`.
qsizetype nextOf(const QByteArray& bytes, char c, qsizetype from)
{
    const qsizetype at = bytes.indexOf(c, from);
    return at < 0 ? bytes.size() : at;
}

} // namespace

QStringList ReadSettingsLines(const QString& path)
{
    return SettingsLinesFromBytes(ReadWholeFile(path, SettingsFileMaxSize));
}

QStringList SettingsLinesFromBytes(const QByteArray& bytes)
{
    QStringList lines;
    // Room for a line at every line end byte, rather than the list growing
    // line by line.
    lines.reserve(bytes.count('\r') + bytes.count('\n') + 1);
    // The next CR and the next LF, each looked for by the library's search
    // only once it has been passed, rather than a test of every byte.
    qsizetype cr = -1, lf = -1;
    qsizetype start = 0;
    while (start < bytes.size()) {
        if (cr < start)
            cr = nextOf(bytes, '\r', start);
        if (lf < start)
            lf = nextOf(bytes, '\n', start);
        qsizetype end = std::min(cr, lf);
        lines << ShiftJis::decode(QByteArrayView(bytes).sliced(start, end - start));
        // CR LF, a lone LF or a lone CR ends the line; Shift-JIS never has
        // these bytes inside a character.
        if (end == cr && lf == cr + 1)
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
    for (const QString& line : lines) {
        ShiftJis::encodeAppend(bytes, line);
        bytes += "\r\n";
    }
    return bytes;
}
