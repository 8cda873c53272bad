#include "LongPathForm.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QHash>

namespace {

// Stored names already found, by folder and name as written: the paths of
// one call mostly share their folders.
using KnownNames = QHash<QString, QString>;

// The name as stored in `folder` of an entry matching `name`, or `name`.
QString readStoredName(const QString& folder, const QString& name)
{
    // Only a name that opens something has a stored spelling; on a
    // case-sensitive file system another spelling is another file.
    if (!QFileInfo::exists(QDir(folder).filePath(name)))
        return name;
    // Read in the folder's own order and stopped at the exact name: a folder
    // such as the home folder may hold thousands of entries, and sorting
    // them all cost more than the rest of the start-up.
    QString match = name;
    bool matched = false;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
        const QString entry = it.nextFileInfo().fileName();
        if (entry == name)
            return name;
        if (!matched && entry.compare(name, Qt::CaseInsensitive) == 0) {
            match = entry;
            matched = true;
        }
    }
    return match;
}

QString storedName(const QString& folder, const QString& name, KnownNames& known)
{
    const QString key = folder + QChar() + name;
    const auto it = known.constFind(key);
    if (it != known.constEnd())
        return *it;
    return *known.insert(key, readStoredName(folder, name));
}

QString longPathForm(const QString& path, KnownNames& known)
{
    const QString absolute = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    const QStringList parts = absolute.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString result;
    for (const QString& part : parts) {
        const QString folder = result.isEmpty() ? QStringLiteral("/") : result;
        result += QLatin1Char('/') + storedName(folder, part, known);
    }
    return QDir::toNativeSeparators(result.isEmpty() ? QStringLiteral("/") : result);
}

} // namespace

QString LongPathForm(const QString& path)
{
    KnownNames known;
    return longPathForm(path, known);
}

QStringList LongPathForms(const QStringList& paths)
{
    KnownNames known;
    QStringList forms;
    forms.reserve(paths.size());
    for (const QString& path : paths)
        forms << (path.isEmpty() ? path : longPathForm(path, known));
    return forms;
}
