#pragma once

#include <QByteArray>
#include <QString>

#include <sys/types.h>

// Replaces the file at `path` with `bytes` in one step: the bytes go to a
// temporary file beside it, are flushed to the disk and then renamed over the
// old file, and the folder is synced so that the new name lasts. Any failure
// leaves the old file whole and throws FileError with the system's reason.
// A folder, pipe or device at `path` is refused, never replaced.
void WriteFileAtomically(const QString& path, const QByteArray& bytes);

// How old, in seconds, a save's temporary copy must be before a later save
// takes it for the leftover of a killed one.
constexpr int StaleSaveCopyAge = 3600;

// Removes the temporary copies of `path` that killed saves left beside it:
// named after it, `size` bytes (a complete copy) and older than
// StaleSaveCopyAge.
void RemoveStaleSaveCopies(const QString& path, qint64 size);

// Makes a write past the process's file-size limit fail with its reason
// rather than end the program; each program calls it at start.
void LetOversizedWritesFail();

// Reads a whole regular file; throws FileError when it cannot, or when it
// holds more than `maxSize` bytes (no limit when negative).
QByteArray ReadWholeFile(const QString& path, qint64 maxSize = -1);

// The calls a save makes to put its bytes on the disk. Tests replace them to
// fail the way a full or broken disk does, which a test cannot bring about.
struct DiskCalls {
    ssize_t (*write)(int fd, const void* data, size_t size);
    int (*fsync)(int fd);
};
DiskCalls& SaveDiskCalls();
