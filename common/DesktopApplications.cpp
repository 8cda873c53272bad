#include "DesktopApplications.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

// An environment variable's value, or `fallback` when it is unset or empty.
QString environment(const char* name, const QString& fallback)
{
    const QString value = qEnvironmentVariable(name);
    return value.isEmpty() ? fallback : value;
}

QStringList folderList(const char* name, const QString& fallback)
{
    return environment(name, fallback).split(QLatin1Char(':'), Qt::SkipEmptyParts);
}

QStringList dataFolders()
{
    return QStringList{environment("XDG_DATA_HOME", QDir::homePath() + QStringLiteral("/.local/share"))}
           + folderList("XDG_DATA_DIRS", QStringLiteral("/usr/local/share:/usr/share"));
}

// The mimeapps.list files in their order of precedence, each folder's
// desktop-specific ones before its general one.
QStringList mimeAppsLists()
{
    QStringList folders{environment("XDG_CONFIG_HOME", QDir::homePath() + QStringLiteral("/.config"))};
    folders += folderList("XDG_CONFIG_DIRS", QStringLiteral("/etc/xdg"));
    for (const QString& data : dataFolders())
        folders << data + QStringLiteral("/applications");
    const QStringList desktops = qEnvironmentVariable("XDG_CURRENT_DESKTOP").toLower().split(QLatin1Char(':'), Qt::SkipEmptyParts);
    QStringList files;
    for (const QString& folder : folders) {
        for (const QString& desktop : desktops)
            files << folder + QLatin1Char('/') + desktop + QStringLiteral("-mimeapps.list");
        files << folder + QStringLiteral("/mimeapps.list");
    }
    return files;
}

// The value of `key` in `group` of a key file (UTF-8, "[group]" lines and
// "key=value" lines); empty when it is missing.
QString keyFileValue(const QString& path, const QString& group, const QString& key)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    bool inGroup = false;
    for (const QByteArray& raw : file.readAll().split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.startsWith(QLatin1Char('[')))
            inGroup = line == QLatin1Char('[') + group + QLatin1Char(']');
        else if (inGroup && line.section(QLatin1Char('='), 0, 0).trimmed() == key)
            return line.section(QLatin1Char('='), 1).trimmed();
    }
    return QString();
}

// The command of a desktop entry by its ID, from the first data folder that
// has it; empty when it is hidden, has no command or names a program that
// is not there.
QStringList entryCommand(const QString& desktopId)
{
    const QString group = QStringLiteral("Desktop Entry");
    for (const QString& data : dataFolders()) {
        const QString path = data + QStringLiteral("/applications/") + desktopId;
        if (!QFileInfo(path).isFile())
            continue;
        if (keyFileValue(path, group, QStringLiteral("Hidden")) == QLatin1String("true"))
            return {};
        const QString tryExec = keyFileValue(path, group, QStringLiteral("TryExec"));
        if (!tryExec.isEmpty() && QStandardPaths::findExecutable(tryExec).isEmpty() && !QFileInfo(tryExec).isExecutable())
            return {};
        const QStringList command = DesktopExecArguments(keyFileValue(path, group, QStringLiteral("Exec")));
        if (command.isEmpty() || QStandardPaths::findExecutable(command.first()).isEmpty())
            return {};
        return command;
    }
    return {};
}

// Undoes the escapes of a key file's string value ("\s", "\n", "\t", "\r",
// "\\"); any other backslash belongs to the value, for the quoting.
QString unescapeValue(const QString& value)
{
    static const QString escapes = QStringLiteral("sntr\\");
    static const QString meant = QStringLiteral(" \n\t\r\\");
    QString text;
    for (qsizetype i = 0; i < value.size(); ++i) {
        const qsizetype k = value[i] == QLatin1Char('\\') && i + 1 < value.size() ? escapes.indexOf(value[i + 1]) : -1;
        if (k >= 0) {
            text += meant[k];
            ++i;
        } else {
            text += value[i];
        }
    }
    return text;
}

// Drops the field codes of one argument; "%%" is a percent sign.
QString withoutFieldCodes(const QString& argument)
{
    QString text;
    for (int i = 0; i < argument.size(); ++i) {
        if (argument[i] == QLatin1Char('%') && i + 1 < argument.size()) {
            if (argument[++i] == QLatin1Char('%'))
                text += QLatin1Char('%');
            continue;
        }
        text += argument[i];
    }
    return text;
}

} // namespace

QStringList DesktopExecArguments(const QString& exec)
{
    const QString value = unescapeValue(exec);
    QStringList arguments;
    QString current;
    bool quoted = false;
    bool started = false;
    for (int i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        if (quoted) {
            if (c == QLatin1Char('"'))
                quoted = false;
            else if (c == QLatin1Char('\\') && i + 1 < value.size())
                current += value[++i];
            else
                current += c;
        } else if (c == QLatin1Char('"')) {
            quoted = started = true;
        } else if (c == QLatin1Char(' ')) {
            if (started) {
                const QString argument = withoutFieldCodes(current);
                if (!argument.isEmpty())
                    arguments << argument;
            }
            current.clear();
            started = false;
        } else {
            current += c;
            started = true;
        }
    }
    if (quoted)
        return {};
    if (started && !withoutFieldCodes(current).isEmpty())
        arguments << withoutFieldCodes(current);
    return arguments;
}

QStringList DefaultApplicationCommand(const QString& mimeType)
{
    for (const QString& list : mimeAppsLists()) {
        const QString entries = keyFileValue(list, QStringLiteral("Default Applications"), mimeType);
        for (const QString& id : entries.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            const QStringList command = entryCommand(id.trimmed());
            if (!command.isEmpty())
                return command;
        }
    }
    return {};
}
