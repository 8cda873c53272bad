#pragma once

#include <QString>
#include <QStringList>

class QFileInfo;

// What one set-up of a user's program folder wrote, as paths relative to it.
struct UserFolderChanges {
    QStringList added;     // files that were missing there
    QStringList refreshed; // programs and manual pages that differed from the installed ones
};

// The user's own program folder: "kavrel" in the user's XDG data folder
// (XDG_DATA_HOME, else ~/.local/share).
QString UserProgramFolder();

// Makes `userFolder` a program folder of its own from the installed,
// read-only one. The programs find their data files beside themselves, so
// they are copied, not linked. Programs and the manual are kept equal to the
// installed ones; every other file (price books, settings, display defaults)
// is copied only where none is, so nothing the user has there is replaced.
// Each file is written whole or not at all. Throws FileError.
UserFolderChanges SetUpUserProgramFolder(const QString& installedFolder, const QString& userFolder);

// Whether an installed file is kept equal to the installed one (a program or
// a manual page) rather than copied once and left to the user.
bool FollowsInstalledCopy(const QFileInfo& installed, const QString& relativePath);
