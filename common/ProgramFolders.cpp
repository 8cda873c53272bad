#include "ProgramFolders.h"

#include "AtomicFile.h"
#include "FileError.h"
#include "RegularFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

// Read in place from the package: an upgrade's manual is the one shown.
bool readInPlace(const QString& relativePath)
{
    return relativePath == QLatin1String("manual") || relativePath.startsWith(QLatin1String("manual/"));
}

void makeFolder(const QString& path)
{
    if (!QDir().mkpath(path))
        throw FileError(path, QStringLiteral("フォルダーを作成できません"));
}

} // namespace

ProgramFolders LocateProgramFolders(const QString& programFolder, const QString& userDataHome)
{
    const QString programs = QDir::cleanPath(QDir(programFolder).absolutePath());
    QFile mark(QDir(programs).filePath(QString::fromLatin1(InstalledDataMark)));
    if (!mark.open(QIODevice::ReadOnly))
        return {programs, programs, QString()};
    const QString relative = QString::fromUtf8(mark.readLine(4096)).trimmed();
    const QString installation = QDir::cleanPath(QDir(programs).absoluteFilePath(relative.isEmpty() ? QStringLiteral(".") : relative));
    return {programs, QDir::cleanPath(QDir(userDataHome).absoluteFilePath(QStringLiteral("kavrel"))), installation};
}

ProgramFolders CurrentProgramFolders()
{
    // Code run without an application object (a test of the files alone)
    // belongs to no program: it has no folders to ask about.
    if (!QCoreApplication::instance())
        return {};
    return LocateProgramFolders(QCoreApplication::applicationDirPath(),
                                QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
}

QStringList SetUpDataFolder(const ProgramFolders& folders)
{
    if (!folders.installed())
        return {};
    if (!QFileInfo(folders.installation).isDir())
        throw FileError(folders.installation, QStringLiteral("インストールされたデータのフォルダーがありません"));
    makeFolder(folders.data);
    const QDir installation(folders.installation);
    QStringList entries;
    QDirIterator it(folders.installation, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        entries << installation.relativeFilePath(it.next());
    entries.sort(); // a folder before what it holds

    QStringList added;
    const QDir data(folders.data);
    for (const QString& relative : entries) {
        if (readInPlace(relative))
            continue;
        const QFileInfo from(installation.filePath(relative));
        const QString target = data.filePath(relative);
        if (from.isDir()) {
            makeFolder(target);
            continue;
        }
        // A link there, even one pointing nowhere now, is the user's choice.
        const QFileInfo present(target);
        if (present.exists() || present.isSymLink())
            continue;
        WriteFileAtomically(target, ReadWholeFile(from.filePath()));
        added << relative;
    }
    return added;
}

QString InstallationFile(const QString& dataFolder, const QString& relativePath)
{
    const QString own = QDir(dataFolder).filePath(relativePath);
    if (QFileInfo::exists(own))
        return own;
    const ProgramFolders current = CurrentProgramFolders();
    return current.installed() ? QDir(current.installation).filePath(relativePath) : own;
}
