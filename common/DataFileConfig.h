#pragma once

#include <QString>
#include <QStringList>
#include <array>

constexpr int CategoryCount = 10;

// The data file configuration "kavre_p.conf": the display name and the price
// book path of each category. Index k holds category k + 1.
struct DataFileConfig {
    std::array<QString, CategoryCount> groupName;
    std::array<QString, CategoryCount> fileName;

    bool operator==(const DataFileConfig&) const = default;
};

// The path of the configuration file in the program folder.
QString DataFileConfigPath(const QString& programFolder);

// The ten default names, with the price books below the program folder.
DataFileConfig DefaultDataFileConfig(const QString& programFolder);

// "[GROUP_NAME1]" … "[GROUP_NAME10]", "[FILE_NAME1]" … "[FILE_NAME10]".
QString GroupNameKey(int category);
QString FileNameKey(int category);

// No file gives the defaults, below the folder the file would lie in; a file
// sets only the keys it names (the later line wins) and leaves the others
// empty. Throws FileError when it cannot be read.
DataFileConfig ReadDataFileConfig(const QString& path);
DataFileConfig DataFileConfigFromLines(const QStringList& lines);

// Writes the 20 lines, names first; throws FileError when it cannot.
void WriteDataFileConfig(const QString& path, const DataFileConfig& config);
QStringList DataFileConfigLines(const DataFileConfig& config);

// "<folder>/haikan1.FDA" … "<folder>/haikan10.FDA", as the folder button sets them.
std::array<QString, CategoryCount> PriceBookPathsIn(const QString& folder);
