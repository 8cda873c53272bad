#include "LongPathForm.h"

#include <QDir>
#include <QFileInfo>

namespace {

// The name as stored in `folder` of an entry matching `name`, or `name`.
QString storedName(const QString& folder, const QString& name)
{
    const QDir dir(folder);
    // Only a name that opens something has a stored spelling; on a
    // case-sensitive file system another spelling is another file.
    if (!QFileInfo::exists(dir.filePath(name)))
        return name;
    const QStringList entries = dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    if (entries.contains(name))
        return name;
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return entry;
    }
    return name;
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
