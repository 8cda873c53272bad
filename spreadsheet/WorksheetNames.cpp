#include "WorksheetNames.h"

#include <QSet>

namespace {

// Full-width forms keep what the name says in the characters a worksheet
// name refuses.
QString withAllowedCharacters(const QString& name)
{
    static const QString refused = QStringLiteral("\\/?*:[]");
    static const QString fullWidth = QStringLiteral("＼／？＊：［］");
    QString out;
    out.reserve(name.size());
    for (qsizetype i = 0; i < name.size(); ++i) {
        const QChar c = name[i];
        if (const qsizetype k = refused.indexOf(c); k >= 0)
            out += fullWidth[k];
        else if (c == QLatin1Char('\r') && i + 1 < name.size() && name[i + 1] == QLatin1Char('\n'))
            continue; // CR LF is one line break: one space, given for the LF
        else if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            out += QLatin1Char(' ');
        else
            out += c;
    }
    return out.trimmed();
}

// At most `units` UTF-16 units, without half of a surrogate pair at the end;
// an apostrophe at either end, which the programs refuse, in full width.
QString cutTo(const QString& name, qsizetype units)
{
    QString out = name.left(units);
    if (out.size() < name.size() && !out.isEmpty() && out.back().isHighSurrogate())
        out.chop(1);
    out = out.trimmed();
    const QChar apostrophe = QLatin1Char('\'');
    if (out.startsWith(apostrophe))
        out[0] = QChar(0xFF07);
    if (out.endsWith(apostrophe))
        out.back() = QChar(0xFF07);
    return out;
}

} // namespace

QStringList WorksheetNames(const QStringList& wanted)
{
    QSet<QString> taken{QStringLiteral("history")};
    QStringList names;
    for (qsizetype i = 0; i < wanted.size(); ++i) {
        QString base = withAllowedCharacters(wanted[i]);
        if (base.isEmpty())
            base = QStringLiteral("シート%1").arg(i + 1);
        QString name = cutTo(base, WorksheetNameLimit);
        for (int n = 2; taken.contains(name.toCaseFolded()); ++n) {
            const QString suffix = QStringLiteral(" (%1)").arg(n);
            name = cutTo(base, WorksheetNameLimit - suffix.size()) + suffix;
        }
        taken.insert(name.toCaseFolded());
        names << name;
    }
    return names;
}
