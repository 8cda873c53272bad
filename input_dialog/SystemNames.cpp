#include "SystemNames.h"

#include "SettingsLines.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

QString SystemNamesPath(const QString& programFolder)
{
    return QDir::toNativeSeparators(QDir(programFolder).filePath(QStringLiteral("keito_name.conf")));
}

QString SystemNameKey(int number)
{
    return QStringLiteral("[KEITO_NAME%1]").arg(number);
}

void ReadSystemNames(const QString& path, SystemNames& names)
{
    if (!QFileInfo::exists(path))
        return;
    ApplySystemNamesLines(ReadSettingsLines(path), names);
}

void ApplySystemNamesLines(const QStringList& lines, SystemNames& names)
{
    for (int n = 1; n <= SystemCount; ++n)
        names[n - 1] = SettingsValue(lines, SystemNameKey(n), names[n - 1]);
}

void WriteSystemNames(const QString& path, const SystemNames& names)
{
    WriteSettingsLines(path, SystemNamesLines(names));
}

QStringList SystemNamesLines(const SystemNames& names)
{
    QStringList lines;
    for (int n = 1; n <= SystemCount; ++n)
        lines << SystemNameKey(n) + QLatin1Char('=') + names[n - 1];
    return lines;
}
