// The launcher on the search path (kavrel, kanzai_input: one program under
// several names). It sets up the user's own program folder from the
// installed one and then runs the program of its name from there, with the
// arguments passed on, because the programs keep their data files beside
// themselves and the installed folder is read-only for users.
#include "LaunchError.h"
#include "UserProgramFolder.h"

#include "AtomicFile.h"
#include "FileError.h"
#include "RegularFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <unistd.h>
#include <vector>

namespace {

// The installed program folder, found from the launcher's own real place so
// that an install under any prefix works.
QString InstalledProgramFolder()
{
    const QFileInfo self(QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget());
    return QDir::cleanPath(self.dir().filePath(QStringLiteral(KAVREL_PROGRAMS_FROM_LAUNCHER)));
}

[[noreturn]] void Run(const QString& program, char** argv)
{
    const QByteArray path = QFile::encodeName(program);
    std::vector<char*> args{const_cast<char*>(path.constData())};
    for (char** a = argv + 1; *a; ++a)
        args.push_back(*a);
    args.push_back(nullptr);
    ::execv(path.constData(), args.data());
    throw FileError(program, SystemErrorText(errno));
}

} // namespace

int main(int argc, char** argv)
{
    const QString name = QFileInfo(QFile::decodeName(argv[0])).fileName();
    LetOversizedWritesFail(); // a copy past the file-size limit is reported, not fatal
    try {
        const QString installed = InstalledProgramFolder();
        const QString installedProgram = QDir(installed).filePath(name);
        if (!QFileInfo(installedProgram).isExecutable())
            throw FileError(installedProgram, QStringLiteral("no such program in the program folder"));
        const QString user = UserProgramFolder();
        SetUpUserProgramFolder(installed, user);
        Run(QDir(user).filePath(name), argv);
    } catch (const FileError& e) {
        return ReportLaunchError(argc, argv, name, e);
    }
}
