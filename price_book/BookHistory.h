#pragma once

#include "FileError.h"
#include "PriceBookFile.h"

#include <QDateTime>
#include <QString>
#include <optional>
#include <vector>

// The history of a price book: each save that replaces a book first keeps
// the version it replaces, so that a wrong save, a colleague's save accepted
// at the question or a clear saved by mistake can be taken back.

// "<folder>/.history/<name without extension>/" beside the book
// ("kanzai/.history/haikan1/" for "kanzai/haikan1.FDA").
QString HistoryFolder(const QString& bookPath);

// One kept version: named by the time of its last save (UTC) and the start
// of its fingerprint, "20261209-031501-1a2b3c4d.FDA".
struct BookVersion {
    QString file; // its path
    QString name; // its file name without extension: what the tool takes as VERSION
    QDateTime saved;
    qint64 size = 0;
};

// The versions of a book, newest first; names of other forms are no versions.
std::vector<BookVersion> BookVersions(const QString& bookPath);

// How much history a book keeps: the newest `newest` versions and the
// newest of each day for the last `days` days, whichever is more, within
// `maxBytes` (the oldest go first beyond it; the newest always stays).
struct HistoryPolicy {
    int newest = 50;
    int days = 90;
    qint64 maxBytes = 100 * 1024 * 1024;
};

// The user's limit of history per book, "[MAX_MB]=100" in the settings file
// "kavrel_history.conf" of the data folder; the default where it is missing
// or not a whole number of megabytes from 1.
HistoryPolicy ReadHistoryPolicy(const QString& dataFolder);

// The versions (indexes into `newestFirst`) that the policy lets go at `now`.
std::vector<std::size_t> VersionsToRemove(const std::vector<BookVersion>& newestFirst, const QDateTime& now,
                                          const HistoryPolicy& policy);

// Keeps the file at `bookPath`, when there is one, as a version of its
// history, written atomically; nothing when the newest version holds its
// bytes already. Then lets go what the policy does not keep. Throws FileError.
void KeepVersion(const QString& bookPath, const QDateTime& now, const HistoryPolicy& policy = {});

// A save that keeps the version it replaces: the history first, then the
// book. A history that cannot be written never stops the save: its error
// comes back beside the fingerprint for the caller to tell after the save.
struct HistorySave {
    BookFingerprint fingerprint;
    std::optional<FileError> historyFailure;
};
HistorySave SaveBookKeepingHistory(const QString& path, const PriceBook& book, std::int64_t recordBase);
// The same for bytes that are a book already (a version written back).
HistorySave SaveBytesKeepingHistory(const QString& path, const QByteArray& bytes);

// The lines (records) in which two books differ, record numbers aside.
int DifferingLines(const PriceBook& a, const PriceBook& b);
