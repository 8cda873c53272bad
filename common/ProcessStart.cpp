#include "ProcessStart.h"

#include <QCoreApplication>
#include <QProcess>
#include <QStandardPaths>

namespace {

// The accessory programs are named by their Windows file names. Elsewhere the
// exact name is tried first, then the name without ".exe" in lower case, so
// "Calc.exe" finds "calc" and "notepad.exe" finds "notepad".
QStringList CandidateNames(const QString& name)
{
    QStringList names{name};
    if (name.endsWith(QStringLiteral(".exe"), Qt::CaseInsensitive)) {
        const QString bare = name.chopped(4).toLower();
        if (!bare.isEmpty() && bare != name)
            names << bare;
    }
    return names;
}

} // namespace

QString FindProgram(const QString& name, const QString& besideFolder)
{
    if (name.isEmpty())
        return QString();
    for (const QString& candidate : CandidateNames(name)) {
        if (!besideFolder.isEmpty()) {
            const QString beside = QStandardPaths::findExecutable(candidate, {besideFolder});
            if (!beside.isEmpty())
                return beside;
        }
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
