#include "ProgramFiles.h"

#include "ProgramFolders.h"
#include "RecentFolders.h"

#include <QDir>
#include <QFileInfo>

namespace ProgramFiles {

QString inFolder(const QString& programFolder, const QString& name)
{
    return QDir::toNativeSeparators(QDir(programFolder).filePath(name));
}

QString scratchFile(const QString& programFolder) { return inFolder(programFolder, QStringLiteral("NEWData.FDA")); }

QString displaySettingsFile(const QString& programFolder)
{
    return inFolder(programFolder, QStringLiteral("kavre_p.disp"));
}

QString dataFileConfig(const QString& programFolder) { return inFolder(programFolder, QStringLiteral("kavre_p.conf")); }

QString recentFolders(const QString& programFolder)
{
    return RecentFoldersFile(programFolder);
}

QString windowPositionFile(const QString& programFilePath)
{
    const QFileInfo info(programFilePath);
    const QString base = info.suffix().isEmpty() ? info.fileName() : info.completeBaseName();
    return QDir::toNativeSeparators(info.dir().filePath(base + QStringLiteral(".ini")));
}

QString resolutionDefaults(const QString& programFolder, int screenWidth, int screenHeight)
{
    if (screenWidth == 1280 && screenHeight == 1024)
        return inFolder(programFolder, QStringLiteral("kavre_p_sxga.dat"));
    if (screenWidth == 1024 && screenHeight == 768)
        return inFolder(programFolder, QStringLiteral("kavre_p_xga.dat"));
    if (screenWidth == 1280 && screenHeight == 768)
        return inFolder(programFolder, QStringLiteral("kavre_p_uvga.dat"));
    return QString();
}

QString helpFile(const QString& programFolder) { return inFolder(programFolder, QStringLiteral("kavrel.CHM")); }

QString manualFile(const QString& programFolder)
{
    return QDir::toNativeSeparators(InstallationFile(programFolder, QStringLiteral("manual/index.html")));
}

} // namespace ProgramFiles

int EditionFromProgramName(const QString& fileName)
{
    // Here the program file carries no extension; both spellings are the
    // standalone edition, any other name (net_kavrel) the network one.
    return fileName == QLatin1String("kavrel") || fileName == QLatin1String("kavrel.exe") ? 0 : 1;
}

QString PriceBookFileFilter()
{
    return QStringLiteral("複合単価管材ファイル (*.FDA *.fda);;全てのファイル (*)");
}

QString WithDefaultExtension(const QString& chosen)
{
    const QFileInfo file(chosen);
    if (file.exists() || !file.suffix().isEmpty())
        return chosen;
    return chosen + QStringLiteral(".FDA");
}
