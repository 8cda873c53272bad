#include "LongPathForm.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

namespace {

// The name as stored in `folder` of an entry matching `name`, or `name`.
QString storedName(const QString& folder, const QString& name)
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

} // namespace

QString LongPathForm(const QString& path)
{
    const QString absolute = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    const QStringList parts = absolute.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString result;
    for (const QString& part : parts) {
        const QString folder = result.isEmpty() ? QStringLiteral("/") : result;
        result += QLatin1Char('/') + storedName(folder, part);
    }
    return QDir::toNativeSeparators(result.isEmpty() ? QStringLiteral("/") : result);
}
