#include "BookLock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>
#include <QUuid>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <pwd.h>
#include <unistd.h>

namespace {

bool processAlive(qint64 pid)
{
    return pid > 0 && (::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM);
}

// The login name; a start outside a login session (a service, a desktop
// file with a bare environment) has no USER, the password database has it.
QString userName()
{
    const QString user = qEnvironmentVariable("USER");
    if (!user.isEmpty())
        return user;
    const passwd* entry = ::getpwuid(::geteuid());
    return entry && entry->pw_name ? QString::fromLocal8Bit(entry->pw_name) : QStringLiteral("?");
}

} // namespace

QString LockFilePath(const QString& bookPath)
{
    const QFileInfo book(bookPath);
    return book.dir().filePath(QStringLiteral(".~lock.") + book.fileName() + QStringLiteral("#"));
}

QString LockNoticeText(const LockHolder& holder)
{
    return QStringLiteral("%1（%2）が %3 からこのファイルを開いています。\r\n"
                          "保存するときは、その人の変更を置き換える前に確認します。")
        .arg(holder.user, holder.host, holder.since.toLocalTime().toString(QStringLiteral("yyyy/MM/dd HH:mm")));
}

QByteArray LockFileBytes(const LockHolder& h)
{
    // One field a line, so that a name with a comma or a space stays whole.
    const QString text = QStringLiteral("kavrel-lock\n%1\n%2\n%3\n%4\n%5\n")
                             .arg(h.user, h.host, QString::number(h.pid), h.since.toString(Qt::ISODate), h.id);
    return text.toUtf8();
}

std::optional<LockHolder> LockFromBytes(const QByteArray& bytes)
{
    const QStringList lines = QString::fromUtf8(bytes).split(QLatin1Char('\n'));
    if (lines.size() < 6 || lines[0] != QLatin1String("kavrel-lock"))
        return std::nullopt;
    LockHolder h{lines[1], lines[2], lines[3].toLongLong(), QDateTime::fromString(lines[4], Qt::ISODate), lines[5]};
    if (!h.since.isValid())
        return std::nullopt;
    return h;
}

bool IsStaleLock(const LockHolder& holder, const QString& thisHost, const QDateTime& now,
                 const std::function<bool(qint64 pid)>& processAlive)
{
    if (holder.host == thisHost)
        return !processAlive(holder.pid);
    return holder.since.secsTo(now) > 24 * 60 * 60;
}

BookLock::BookLock()
{
    self_.user = userName();
    // The same name as the network library gives, without loading it.
    self_.host = QSysInfo::machineHostName();
    self_.pid = ::getpid();
    self_.id = QUuid::createUuid().toString(QUuid::WithoutBraces);
}

BookLock::~BookLock()
{
    release();
}

std::optional<LockHolder> BookLock::take(const QString& bookPath)
{
    const QString path = LockFilePath(bookPath);
    if (path == path_)
        return std::nullopt; // the same book loaded again
    release();
    std::optional<LockHolder> other;
    QFile existing(path);
    if (existing.open(QIODevice::ReadOnly)) {
        other = LockFromBytes(existing.read(4096));
        if (other && (other->id == self_.id
                      || IsStaleLock(*other, self_.host, QDateTime::currentDateTimeUtc(), processAlive)))
            other.reset();
    }
    if (other)
        return other; // theirs stays: they had it first
    self_.since = QDateTime::currentDateTimeUtc();
    // Written whole under another name and renamed, so that no reader sees
    // half of it; not synced, since a lock lost to a crash is stale anyway.
    QFile temporary(path + QStringLiteral(".") + self_.id.left(8));
    const QByteArray bytes = LockFileBytes(self_);
    if (temporary.open(QIODevice::WriteOnly) && temporary.write(bytes) == bytes.size() && temporary.flush()) {
        temporary.close();
        if (::rename(QFile::encodeName(temporary.fileName()).constData(), QFile::encodeName(path).constData()) == 0)
            path_ = path;
    }
    // A folder that refuses new files: others just get no notice.
    if (path_.isEmpty())
        temporary.remove();
    return std::nullopt;
}

void BookLock::release()
{
    if (path_.isEmpty())
        return;
    QFile file(path_);
    if (file.open(QIODevice::ReadOnly)) {
        const std::optional<LockHolder> holder = LockFromBytes(file.read(4096));
        file.close();
        if (holder && holder->id == self_.id)
            QFile::remove(path_);
    }
    path_.clear();
}
