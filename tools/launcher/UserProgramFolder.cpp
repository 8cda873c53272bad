#include "UserProgramFolder.h"

#include "AtomicFile.h"
#include "FileError.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

bool SameBytes(const QFileInfo& installed, const QFileInfo& copy)
{
    return copy.isFile() && copy.size() == installed.size()
        && ReadWholeFile(copy.filePath()) == ReadWholeFile(installed.filePath());
}

void CopyFile(const QFileInfo& installed, const QString& target)
{
    WriteFileAtomically(target, ReadWholeFile(installed.filePath()));
    // The installed files belong to root; the user's copies are the user's to
    // change, and a program must stay runnable.
    const QFileDevice::Permissions permissions =
        installed.permissions() | QFileDevice::ReadOwner | QFileDevice::WriteOwner;
    if (!QFile::setPermissions(target, permissions))
        throw FileError(target, QStringLiteral("cannot set the permissions"));
}

void MakeFolder(const QString& path)
{
    if (!QDir().mkpath(path))
        throw FileError(path, QStringLiteral("cannot create the folder"));
}

} // namespace

QString UserProgramFolder()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
        .filePath(QStringLiteral("kavrel"));
}

bool FollowsInstalledCopy(const QFileInfo& installed, const QString& relativePath)
{
    return installed.isExecutable() || relativePath.startsWith(QLatin1String("manual/"));
}

UserFolderChanges SetUpUserProgramFolder(const QString& installedFolder, const QString& userFolder)
{
    if (!QFileInfo(installedFolder).isDir())
        throw FileError(installedFolder, QStringLiteral("the installed program folder is missing"));
    MakeFolder(userFolder);

    QStringList entries;
    QDirIterator it(installedFolder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    const QDir installed(installedFolder);
    while (it.hasNext())
        entries << installed.relativeFilePath(it.next());
    // Folders come before what they hold, and the changes read in order.
    entries.sort();

    UserFolderChanges changes;
    const QDir user(userFolder);
    for (const QString& relative : entries) {
        const QFileInfo from(installed.filePath(relative));
        const QString target = user.filePath(relative);
        if (from.isDir()) {
            MakeFolder(target);
            continue;
        }
        const QFileInfo copy(target);
        // A link there, even one pointing nowhere now, is the user's choice.
        const bool present = copy.exists() || copy.isSymLink();
        if (!present) {
            CopyFile(from, target);
            changes.added << relative;
        } else if (FollowsInstalledCopy(from, relative) && !SameBytes(from, copy)) {
            CopyFile(from, target);
            changes.refreshed << relative;
        }
    }
    return changes;
}
