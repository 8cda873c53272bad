#pragma once

#include <QString>
#include <QStringList>

// Where the programs are and where the files they exchange are: the
// settings files, the price books and the print job files.
//
// A build's program folder and the demo folder are both at once, as an
// installation on a shared folder is. An installed package keeps its
// programs in a folder of its own (marked by the file "installed-data"
// beside them, which names the package's read-only data folder relative to
// them), and each user's files in the user's own data folder, set up from
// the package's data.
struct ProgramFolders {
    QString programs;
    QString data;
    QString installation; // the package's read-only data; empty for a build or demo folder

    bool installed() const { return !installation.isEmpty(); }
    bool operator==(const ProgramFolders&) const = default;
};

// The file beside the programs that marks an installed package.
inline constexpr char InstalledDataMark[] = "installed-data";

// The folders of the programs in `programFolder`; `userDataHome` is the
// user's data home ("${XDG_DATA_HOME:-~/.local/share}").
ProgramFolders LocateProgramFolders(const QString& programFolder, const QString& userDataHome);

// The folders of the running program; none without an application object.
ProgramFolders CurrentProgramFolders();

// Sets up the data folder of an installed package: made when missing, and
// every file of the package's data copied in where there is none, so that
// nothing the user has there (books, settings, window positions) is ever
// replaced. The manual is read where the package put it and not copied.
// Nothing to do for a build or demo folder. Returns the files added,
// relative to the data folder. Throws FileError.
QStringList SetUpDataFolder(const ProgramFolders& folders);

// A read-only file of the installation that a program reads from its data
// folder, such as the manual: the data folder's own when it has one (a
// build, a demo folder, a shared folder), else the running package's.
QString InstallationFile(const QString& dataFolder, const QString& relativePath);
