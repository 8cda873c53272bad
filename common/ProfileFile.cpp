#include "ProfileFile.h"

#include "SettingsLines.h"

#include <QFileInfo>

namespace {

bool isSection(const QString& line, QString* name = nullptr)
{
    const QString t = line.trimmed();
    if (!t.startsWith(QLatin1Char('[')) || !t.endsWith(QLatin1Char(']')))
        return false;
    if (name)
        *name = t.mid(1, t.size() - 2).trimmed();
    return true;
}

bool sameName(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

QStringList linesOf(const QString& path)
{
    return QFileInfo::exists(path) ? ReadSettingsLines(path) : QStringList();
}

} // namespace

int ReadProfileInt(const QString& path, const QString& section, const QString& key, int fallback)
{
    if (!QFileInfo::exists(path))
        return fallback;
    return ProfileIntFromLines(ReadSettingsLines(path), section, key, fallback);
}

int ProfileIntFromLines(const QStringList& lines, const QString& section, const QString& key, int fallback)
{
    bool inSection = false;
    for (const QString& line : lines) {
        QString name;
        if (isSection(line, &name)) {
            inSection = sameName(name, section);
            continue;
        }
        const SettingsLine s = SplitSettingsLine(line);
        if (inSection && sameName(s.key.trimmed(), key)) {
            bool ok = false;
            const int value = s.value.trimmed().toInt(&ok);
            return ok ? value : fallback;
        }
    }
    return fallback;
}

void WriteProfileInts(const QString& path, const QString& section, const std::map<QString, int>& values)
{
    WriteSettingsLines(path, ProfileLinesWithInts(linesOf(path), section, values));
}

QStringList ProfileLinesWithInts(QStringList lines, const QString& section, const std::map<QString, int>& values)
{
    std::map<QString, int> pending = values;
    qsizetype sectionEnd = -1;
    bool inSection = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QString name;
        if (isSection(lines[i], &name)) {
            if (inSection)
                break;
            inSection = sameName(name, section);
            if (inSection)
                sectionEnd = i + 1;
            continue;
        }
        if (!inSection)
            continue;
        sectionEnd = i + 1;
        const QString key = SplitSettingsLine(lines[i]).key.trimmed();
        for (auto it = pending.begin(); it != pending.end(); ++it) {
            if (sameName(it->first, key)) {
                lines[i] = it->first + QLatin1Char('=') + QString::number(it->second);
                pending.erase(it);
                break;
            }
        }
    }
    if (sectionEnd < 0) {
        lines << QLatin1Char('[') + section + QLatin1Char(']');
        sectionEnd = lines.size();
    }
    for (const auto& [key, value] : pending)
        lines.insert(sectionEnd++, key + QLatin1Char('=') + QString::number(value));
    return lines;
}
