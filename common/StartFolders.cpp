#include "StartFolders.h"

#include "FileError.h"
#include "ModalSeam.h"

#include <cstdio>

std::optional<ProgramFolders> PrepareProgramFolders(const QString& name)
{
    const ProgramFolders folders = CurrentProgramFolders();
    try {
        SetUpDataFolder(folders);
        return folders;
    } catch (const FileError& e) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(name), qPrintable(e.message()));
        ModalSeam::current().errorReport(nullptr, name, QStringLiteral("%1 を起動できません。\n%2").arg(name, e.reportText()));
        return std::nullopt;
    }
}
