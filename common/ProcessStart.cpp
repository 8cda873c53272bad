#include "ProcessStart.h"

#include <QCoreApplication>
#include <QProcess>
#include <QStandardPaths>

namespace {

// The outside programs are named by their Windows file names. Elsewhere the
// exact name is tried first, then the name without ".exe", then that in lower
// case: "Dorvisk.exe" finds "Dorvisk" or "dorvisk", "Calc.exe" finds "calc".
QStringList CandidateNames(const QString& name)
{
    QStringList names{name};
    if (name.endsWith(QStringLiteral(".exe"), Qt::CaseInsensitive)) {
        const QString bare = name.chopped(4);
        if (!bare.isEmpty())
            names << bare << bare.toLower();
    }
    names.removeDuplicates();
    return names;
}

} // namespace

QString FindProgram(const QString& name, const QString& besideFolder)
{
    if (name.isEmpty())
        return QString();
    // As Windows finds a bare program name: the program's own folder first,
    // then the search path.
    const QStringList names = CandidateNames(name);
    if (!besideFolder.isEmpty()) {
        for (const QString& candidate : names) {
            const QString beside = QStandardPaths::findExecutable(candidate, {besideFolder});
            if (!beside.isEmpty())
                return beside;
        }
    }
    for (const QString& candidate : names) {
        const QString onPath = QStandardPaths::findExecutable(candidate);
        if (!onPath.isEmpty())
            return onPath;
    }
    return QString();
}

bool StartProgram(const QString& name, const QStringList& arguments, const QString& besideFolder)
{
    const QString folder = besideFolder.isEmpty() ? QCoreApplication::applicationDirPath() : besideFolder;
    const QString program = FindProgram(name, folder);
    if (program.isEmpty())
        return false;
    return QProcess::startDetached(program, arguments, folder);
}
