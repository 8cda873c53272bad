#include "RemarkHistory.h"

#include "SettingsLines.h"

#include <QDir>
#include <QFileInfo>

QString RemarkHistoryPath(const QString& programFolder)
{
    return QDir::toNativeSeparators(QDir(programFolder).filePath(QStringLiteral("comment.DAT")));
}

void PushRemark(QStringList& history, const QString& remark)
{
    if (remark.isEmpty())
        return;
    history.removeAll(remark);
    history.prepend(remark);
    while (history.size() > RemarkHistoryLimit)
        history.removeLast();
}

QStringList ReadRemarkHistory(const QString& path)
{
    if (!QFileInfo::exists(path))
        return {};
    return RemarkHistoryFromLines(ReadSettingsLines(path));
}

QStringList RemarkHistoryFromLines(const QStringList& lines)
{
    QStringList history;
    for (const QString& line : lines) {
        if (!line.isEmpty() && history.size() < RemarkHistoryLimit)
            history << line;
    }
    return history;
}

void WriteRemarkHistory(const QString& path, const QStringList& history)
{
    if (history.isEmpty())
        return;
    WriteSettingsLines(path, history.mid(0, RemarkHistoryLimit));
}
