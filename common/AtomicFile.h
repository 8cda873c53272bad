#pragma once

#include <QByteArray>
#include <QString>

// Replaces the file at `path` with `bytes` in one step: the bytes go to a
// temporary file beside it, are flushed to the disk and then renamed over the
// old file. Any failure leaves the old file whole and throws FileError.
void WriteFileAtomically(const QString& path, const QByteArray& bytes);

// Reads a whole file; throws FileError when it cannot.
QByteArray ReadWholeFile(const QString& path);
