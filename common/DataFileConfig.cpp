#include "DataFileConfig.h"

#include "SettingsLines.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace {

const char* const DefaultNames[CategoryCount] = {
    "給水", "排水", "通気", "給湯", "消火", "冷温水", "冷却水", "蒸気", "油", "冷媒",
};

QString PriceBookFileName(int category)
{
    return QStringLiteral("haikan%1.FDA").arg(category + 1);
}

} // namespace

QString DataFileConfigPath(const QString& programFolder)
{
    return QDir::toNativeSeparators(QDir(programFolder).filePath(QStringLiteral("kavre_p.conf")));
}

QString GroupNameKey(int category)
{
    return QStringLiteral("[GROUP_NAME%1]").arg(category + 1);
}

QString FileNameKey(int category)
{
    return QStringLiteral("[FILE_NAME%1]").arg(category + 1);
}

std::array<QString, CategoryCount> PriceBookPathsIn(const QString& folder)
{
    std::array<QString, CategoryCount> paths;
    const QDir dir(folder);
    for (int k = 0; k < CategoryCount; ++k)
        paths[k] = QDir::toNativeSeparators(dir.filePath(PriceBookFileName(k)));
    return paths;
}

DataFileConfig DefaultDataFileConfig(const QString& programFolder)
{
    DataFileConfig config;
    config.fileName = PriceBookPathsIn(QDir(programFolder).filePath(QStringLiteral("kanzai")));
    for (int k = 0; k < CategoryCount; ++k)
        config.groupName[k] = QString::fromUtf8(DefaultNames[k]);
    return config;
}

DataFileConfig ReadDataFileConfig(const QString& path)
{
    const QFileInfo file(path);
    if (!file.exists())
        return DefaultDataFileConfig(file.absolutePath());
    return DataFileConfigFromLines(ReadSettingsLines(path));
}

DataFileConfig DataFileConfigFromLines(const QStringList& lines)
{
    DataFileConfig config;
    for (int k = 0; k < CategoryCount; ++k) {
        config.groupName[k] = SettingsValue(lines, GroupNameKey(k), config.groupName[k]);
        config.fileName[k] = SettingsValue(lines, FileNameKey(k), config.fileName[k]);
    }
    return config;
}

void WriteDataFileConfig(const QString& path, const DataFileConfig& config)
{
    WriteSettingsLines(path, DataFileConfigLines(config));
}

QStringList DataFileConfigLines(const DataFileConfig& config)
{
    QStringList lines;
    for (int k = 0; k < CategoryCount; ++k)
        lines << GroupNameKey(k) + QLatin1Char('=') + config.groupName[k];
    for (int k = 0; k < CategoryCount; ++k)
        lines << FileNameKey(k) + QLatin1Char('=') + config.fileName[k];
    return lines;
}
