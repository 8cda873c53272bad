#include "BookHistory.h"

#include "AtomicFile.h"
#include "ProgramFolders.h"
#include "SettingsLines.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <set>

namespace {

const QString TimeForm = QStringLiteral("yyyyMMdd-HHmmss");

QString versionName(const QDateTime& saved, const BookFingerprint& fingerprint)
{
    return saved.toUTC().toString(TimeForm) + QLatin1Char('-') + QString::fromLatin1(fingerprint.toHex().left(8));
}

// A history that could not be written is told as such, naming the book.
FileError historyError(const QString& bookPath, const FileError& e)
{
    return FileError(bookPath, QStringLiteral("保存しましたが、置き換えた版を履歴に残せませんでした：%1 %2").arg(e.file(), e.reason()));
}

template <typename Write>
HistorySave saveKeeping(const QString& path, Write&& write)
{
    HistorySave result;
    try {
        KeepVersion(path, QDateTime::currentDateTimeUtc(), ReadHistoryPolicy(CurrentProgramFolders().data));
    } catch (const FileError& e) {
        result.historyFailure = historyError(path, e);
    }
    result.fingerprint = write();
    return result;
}

} // namespace

QString HistoryFolder(const QString& bookPath)
{
    const QFileInfo book(bookPath);
    return book.dir().filePath(QStringLiteral(".history/") + book.completeBaseName());
}

std::vector<BookVersion> BookVersions(const QString& bookPath)
{
    static const QRegularExpression form(QStringLiteral("^(\\d{8}-\\d{6})-[0-9a-f]{8}$"));
    std::vector<BookVersion> versions;
    const QFileInfoList files = QDir(HistoryFolder(bookPath)).entryInfoList(QDir::Files, QDir::Name | QDir::Reversed);
    for (const QFileInfo& file : files) {
        const QRegularExpressionMatch match = form.match(file.completeBaseName());
        if (!match.hasMatch() || file.suffix().compare(QLatin1String("FDA"), Qt::CaseInsensitive) != 0)
            continue;
        QDateTime saved = QDateTime::fromString(match.captured(1), TimeForm);
        saved.setTimeSpec(Qt::UTC);
        versions.push_back({file.filePath(), file.completeBaseName(), saved, file.size()});
    }
    return versions;
}

HistoryPolicy ReadHistoryPolicy(const QString& dataFolder)
{
    HistoryPolicy policy;
    if (dataFolder.isEmpty())
        return policy;
    const QString file = QDir(dataFolder).filePath(QStringLiteral("kavrel_history.conf"));
    try {
        if (!QFileInfo::exists(file))
            return policy;
        bool ok = false;
        const qint64 megabytes = SettingsValue(ReadSettingsLines(file), QStringLiteral("[MAX_MB]")).toLongLong(&ok);
        if (ok && megabytes >= 1 && megabytes <= 1024 * 1024)
            policy.maxBytes = megabytes * 1024 * 1024;
    } catch (const FileError&) {
        // An unreadable setting keeps the default: the history is kept all the same.
    }
    return policy;
}

std::vector<std::size_t> VersionsToRemove(const std::vector<BookVersion>& newestFirst, const QDateTime& now,
                                          const HistoryPolicy& policy)
{
    std::vector<bool> keep(newestFirst.size(), false);
    std::set<QDate> days;
    const QDateTime since = now.addDays(-policy.days);
    for (std::size_t i = 0; i < newestFirst.size(); ++i) {
        const BookVersion& v = newestFirst[i];
        if (static_cast<int>(i) < policy.newest)
            keep[i] = true;
        // The newest of each day of the last days: the first met of its day.
        if (v.saved >= since && days.insert(v.saved.toLocalTime().date()).second)
            keep[i] = true;
    }
    // Within the size, the oldest kept go first; the newest always stays.
    qint64 total = 0;
    for (std::size_t i = 0; i < newestFirst.size(); ++i)
        total += keep[i] ? newestFirst[i].size : 0;
    for (std::size_t i = newestFirst.size(); i-- > 1 && total > policy.maxBytes;) {
        if (keep[i]) {
            keep[i] = false;
            total -= newestFirst[i].size;
        }
    }
    std::vector<std::size_t> remove;
    for (std::size_t i = 0; i < newestFirst.size(); ++i) {
        if (!keep[i])
            remove.push_back(i);
    }
    return remove;
}

void KeepVersion(const QString& bookPath, const QDateTime& now, const HistoryPolicy& policy)
{
    const QFileInfo book(bookPath);
    if (!book.isFile())
        return;
    const QByteArray bytes = ReadWholeFile(bookPath);
    const BookFingerprint fingerprint = ReadBookFingerprint(bookPath);
    const std::vector<BookVersion> before = BookVersions(bookPath);
    if (!before.empty() && before.front().name.endsWith(QString::fromLatin1(fingerprint.toHex().left(8))))
        return; // kept already: a save of unchanged bytes
    const QString folder = HistoryFolder(bookPath);
    if (!QDir().mkpath(folder))
        throw FileError(folder, QStringLiteral("履歴のフォルダーを作成できません"));
    const QString name = versionName(book.lastModified(), fingerprint);
    WriteFileAtomically(QDir(folder).filePath(name + QStringLiteral(".FDA")), bytes);
    const std::vector<BookVersion> versions = BookVersions(bookPath);
    for (std::size_t i : VersionsToRemove(versions, now, policy))
        QFile::remove(versions[i].file);
}

HistorySave SaveBookKeepingHistory(const QString& path, const PriceBook& book, std::int64_t recordBase)
{
    return saveKeeping(path, [&] { return WritePriceBookFile(path, book, recordBase); });
}

HistorySave SaveBytesKeepingHistory(const QString& path, const QByteArray& bytes)
{
    return saveKeeping(path, [&] {
        WriteFileAtomically(path, bytes);
        return ReadBookFingerprint(path);
    });
}

int DifferingLines(const PriceBook& a, const PriceBook& b)
{
    int lines = 0;
    for (int k = 1; k <= BookRows; ++k) {
        if (!(static_cast<const RowFields&>(a.row(k)) == static_cast<const RowFields&>(b.row(k))))
            ++lines;
    }
    return lines;
}
