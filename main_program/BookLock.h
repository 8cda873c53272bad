#pragma once

#include <QDateTime>
#include <QString>
#include <functional>
#include <optional>

// Who has a price book open: what the lock file beside it says.
struct LockHolder {
    QString user;
    QString host;
    qint64 pid = 0;
    QDateTime since;
    QString id; // one per lock taken, to tell our own lock from another's

    bool operator==(const LockHolder&) const = default;
};

// The notice to a user who loads a book another one has open.
QString LockNoticeText(const LockHolder& holder);

// ".~lock.haikan1.FDA#" beside "haikan1.FDA", in the manner of office suites.
QString LockFilePath(const QString& bookPath);

QByteArray LockFileBytes(const LockHolder& holder);
// Nothing for a file that is not a lock of ours.
std::optional<LockHolder> LockFromBytes(const QByteArray& bytes);

// A lock left behind: its process gone on this host, or older than a day
// when it was taken on another.
bool IsStaleLock(const LockHolder& holder, const QString& thisHost, const QDateTime& now,
                 const std::function<bool(qint64 pid)>& processAlive);

// The lock of the book a program has loaded. Taking it writes the lock file
// (atomically) and answers who else holds the book, if anyone does; a lock
// left behind is taken over without a word. A folder that refuses the file
// costs only the notice to others. Releasing removes the file if it is ours.
class BookLock {
public:
    BookLock();
    ~BookLock();
    BookLock(const BookLock&) = delete;
    BookLock& operator=(const BookLock&) = delete;

    std::optional<LockHolder> take(const QString& bookPath);
    void release();

private:
    QString path_;
    LockHolder self_;
};
