#pragma once

#include <QFile>
#include <QString>

// Opens `path` for reading into `file`, refusing anything but a regular file:
// a folder, a named pipe, a device or a socket throws FileError naming the
// file and what it is. A pipe without a writer never blocks the opening.
// A missing or unreadable file throws FileError with the system's reason.
void OpenRegularFile(QFile& file, const QString& path);

// The reason why a file at `path` that exists cannot be replaced by a save,
// or an empty text when it is a regular file (or there is none).
QString NotRegularFileReason(const QString& path);

// The reason an error number gives, in Japanese from one table of the
// numbers the programs can meet, with the system's own text in parentheses
// for a number the table lacks. Taken right where a call failed.
QString SystemErrorText(int error);
