#include "Fields.h"

QString NthField(const QString& text, int n)
{
    QString field;
    qsizetype start = 0;
    for (int found = 0; found < n; ++found) {
        const qsizetype end = text.indexOf(QLatin1Char(';'), start);
        if (end < 0)
            break;
        field = text.mid(start, end - start);
        start = end + 1;
    }
    return field;
}

int FieldNumber(const QString& field, int fallback)
{
    bool ok = false;
    const int value = field.toInt(&ok);
    return ok ? value : fallback;
}

int NthFieldNumber(const QString& text, int n, int fallback)
{
    return FieldNumber(NthField(text, n), fallback);
}

QString CsvField(const QString& text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char('\r'))
        && !text.contains(QLatin1Char('\n')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString CsvLine(const QStringList& fields)
{
    QStringList quoted;
    for (const QString& field : fields)
        quoted << CsvField(field);
    return quoted.join(QLatin1Char(','));
}
