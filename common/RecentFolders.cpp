#include "RecentFolders.h"

#include "FileError.h"
#include "SettingsLines.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

constexpr FileKind Kinds[] = {FileKind::Csv, FileKind::Book, FileKind::Pdf};

QString keyOf(FileKind kind)
{
    switch (kind) {
    case FileKind::Csv:
        return QStringLiteral("[CSV]");
    case FileKind::Book:
        return QStringLiteral("[BOOK]");
    case FileKind::Pdf:
        break;
    }
    return QStringLiteral("[PDF]");
}

QStringList readLines(const QString& path)
{
    try {
        return QFileInfo::exists(path) ? ReadSettingsLines(path) : QStringList();
    } catch (const FileError&) {
        return {};
    }
}

} // namespace

QString RecentFoldersFile(const QString& programFolder)
{
    return QDir(programFolder).filePath(QStringLiteral("kavrel_folders.conf"));
}

RecentFolders::RecentFolders(QString settingsFile) : settingsFile_(std::move(settingsFile)) {}

QString RecentFolders::startFolder(FileKind kind) const
{
    const QString last = SettingsValue(readLines(settingsFile_), keyOf(kind));
    if (!last.isEmpty() && QFileInfo(last).isDir())
        return last;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

void RecentFolders::remember(FileKind kind, const QString& chosenFile)
{
    const QStringList before = readLines(settingsFile_);
    QStringList lines;
    for (FileKind k : Kinds) {
        const QString folder = k == kind ? QFileInfo(chosenFile).absolutePath() : SettingsValue(before, keyOf(k));
        if (!folder.isEmpty())
            lines << keyOf(k) + QStringLiteral("=") + QDir::toNativeSeparators(folder);
    }
    try {
        WriteSettingsLines(settingsFile_, lines);
    } catch (const FileError&) {
        // Only where the next dialog starts is lost.
    }
}
