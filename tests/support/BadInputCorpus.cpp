#include "BadInputCorpus.h"

#include <QDir>
#include <QFile>
#include <QStringList>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {

QString corpusFolder() { return QStringLiteral(KAVREL_BAD_INPUT_DIR); }

BadInput parseLine(const QString& line)
{
    const QStringList columns = line.split(QLatin1Char('|'));
    BadInput input;
    input.file = columns.value(0).trimmed();
    input.kind = columns.value(1).trimmed();
    input.error = columns.value(2).trimmed() == QLatin1String("error");
    for (const QString& check : columns.value(3).split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString c = check.trimmed();
        const qsizetype eq = c.indexOf(QLatin1Char('='));
        const qsizetype like = c.indexOf(QLatin1Char('~'));
        if (like >= 0 && (eq < 0 || like < eq))
            input.contains[c.left(like)] = c.mid(like + 1);
        else if (eq >= 0)
            input.equal[c.left(eq)] = c.mid(eq + 1);
    }
    return input;
}

} // namespace

QString BadInput::placedName() const
{
    return file.startsWith(QLatin1Char('@')) ? file.mid(1) : file;
}

QString BadInput::window() const
{
    return equal.value(QStringLiteral("window"), error ? QStringLiteral("error") : QStringLiteral("quiet"));
}

QList<BadInput> BadInputs()
{
    QFile manifest(QDir(corpusFolder()).filePath(QStringLiteral("EXPECTED.txt")));
    QList<BadInput> inputs;
    if (!manifest.open(QIODevice::ReadOnly))
        return inputs;
    for (const QByteArray& raw : manifest.readAll().split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (!line.isEmpty() && !line.startsWith(QLatin1Char('#')))
            inputs << parseLine(line);
    }
    return inputs;
}

bool PlaceBadInput(const BadInput& input, const QString& path, const QString& folder)
{
    const QByteArray native = QFile::encodeName(path);
    if (!input.file.startsWith(QLatin1Char('@'))) {
        QFile source(QDir(corpusFolder()).filePath(input.file));
        QFile target(path);
        if (!source.open(QIODevice::ReadOnly) || !target.open(QIODevice::WriteOnly))
            return false;
        const QByteArray bytes = source.readAll().replace("{dir}", QFile::encodeName(folder));
        return target.write(bytes) == bytes.size();
    }
    const QString what = input.file.mid(1).section(QLatin1Char('.'), 0, 0);
    if (what == QLatin1String("pipe"))
        return ::mkfifo(native.constData(), 0644) == 0;
    if (what == QLatin1String("folder"))
        return QDir().mkdir(path);
    if (what == QLatin1String("device"))
        return ::mknod(native.constData(), S_IFCHR | 0644, makedev(1, 3)) == 0; // a null device
    if (what == QLatin1String("link-to-nothing"))
        return QFile::link(path + QStringLiteral(".gone"), path);
    if (what == QLatin1String("unreadable")) {
        // Permissions do not hold a privileged process back.
        QFile f(path);
        return ::geteuid() != 0 && f.open(QIODevice::WriteOnly) && f.write(QByteArray(432000, '\0')) == 432000
               && ::chmod(native.constData(), 0) == 0;
    }
    if (what.startsWith(QLatin1String("sparse-"))) {
        QFile f(path);
        return f.open(QIODevice::WriteOnly) && f.resize(what.mid(7).toLongLong());
    }
    return false;
}

QByteArray StateOf(const QString& path)
{
    struct stat st {};
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0)
        return "missing";
    QByteArray state = QByteArray::number(st.st_mode) + ' ' + QByteArray::number(st.st_ino) + ' '
                       + QByteArray::number(static_cast<qint64>(st.st_size)) + ' '
                       + QByteArray::number(static_cast<qint64>(st.st_mtim.tv_sec)) + '.'
                       + QByteArray::number(static_cast<qint64>(st.st_mtim.tv_nsec));
    QFile f(path);
    if (S_ISREG(st.st_mode) && f.open(QIODevice::ReadOnly))
        state += ' ' + f.read(1024 * 1024);
    return state;
}

QString CheckBadInputValues(const BadInput& input, const QMap<QString, QString>& values, const QString& folder)
{
    QStringList wrong;
    const auto expected = [&](QString text) { return text.replace(QStringLiteral("{dir}"), folder); };
    for (auto it = input.equal.cbegin(); it != input.equal.cend(); ++it) {
        if (it.key() == QLatin1String("window"))
            continue;
        if (!values.contains(it.key()) || values[it.key()] != expected(it.value()))
            wrong << QStringLiteral("%1 is \"%2\", not \"%3\"").arg(it.key(), values.value(it.key(), "<none>"), expected(it.value()));
    }
    for (auto it = input.contains.cbegin(); it != input.contains.cend(); ++it) {
        if (it.key() == QLatin1String("reason"))
            continue;
        if (!values.value(it.key()).contains(expected(it.value())))
            wrong << QStringLiteral("%1 is \"%2\", without \"%3\"").arg(it.key(), values.value(it.key(), "<none>"), it.value());
    }
    return wrong.join(QStringLiteral("; "));
}
