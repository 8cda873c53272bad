#include "ProgramStarts.h"

#include "ProcessStart.h"

#include <QDir>
#include <QFileInfo>

QString FindEditionProgram(const QString& programFolder, const QString& name)
{
    const QDir folder(programFolder);
    for (const QString& edition : {name, QStringLiteral("net_") + name}) {
        for (const QString& file : {edition + QStringLiteral(".exe"), edition}) {
            const QFileInfo info(folder.filePath(file));
            if (info.isFile() && info.isExecutable())
                return QDir::toNativeSeparators(info.absoluteFilePath());
        }
    }
    return QString();
}

ProgramStart MainProgramStart(const QString& programFolder, int category, int material)
{
    const int number = material >= 0 ? material + 1 : 1;
    return {FindEditionProgram(programFolder, QStringLiteral("kavrel")),
            QStringLiteral("%1;%2;").arg(category).arg(number)};
}

ProgramStart RegistrationProgramStart(const QString& programFolder, int category, int material)
{
    return {FindEditionProgram(programFolder, QStringLiteral("Zelmora")),
            QStringLiteral("%1;%2;").arg(category).arg(material)};
}

bool Start(const ProgramStart& start, const QString& programFolder)
{
    if (start.program.isEmpty())
        return false;
    return StartProgram(start.program, {start.argument}, programFolder);
}
