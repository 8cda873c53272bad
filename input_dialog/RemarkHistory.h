#pragma once

#include <QString>
#include <QStringList>

// The remarks used before, most recent first, kept in "comment.DAT".
constexpr int RemarkHistoryLimit = 20;

QString RemarkHistoryPath(const QString& programFolder);

// Moves `remark` to the top (adding it when new) and keeps at most 20.
void PushRemark(QStringList& history, const QString& remark);

// The file's remarks (empty lines skipped), at most 20; none without a file.
QStringList ReadRemarkHistory(const QString& path);
QStringList RemarkHistoryFromLines(const QStringList& lines);

// Replaces the file, but only when there is at least one remark to keep.
void WriteRemarkHistory(const QString& path, const QStringList& history);
