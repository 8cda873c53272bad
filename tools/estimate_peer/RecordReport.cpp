#include "RecordReport.h"

#include "CopyDataFrame.h"
#include "EstimateRecordFields.h"

QString RecordFieldName(int n)
{
    return n >= 1 && n <= EstimateRecordFieldCount ? QString::fromLatin1(EstimateRecordFields[n - 1].name)
                                                   : QStringLiteral("field %1").arg(n);
}

QStringList RecordReport(const CopyDataBlock& block)
{
    const QString sender = block.sender.isEmpty() ? QStringLiteral("(no name)") : block.sender;
    QStringList lines{QStringLiteral("block from %1: dwData %2, cbData %3")
                          .arg(sender)
                          .arg(block.dwData)
                          .arg(block.data.size())};
    if (block.dwData != CopyData::RecordKind) {
        lines << QStringLiteral("not a record of this protocol: ignored");
        return lines;
    }
    if (!block.data.endsWith('\0'))
        lines << QStringLiteral("warning: no terminating zero byte");

    QStringList fields = block.text().split(QLatin1Char(';'));
    const QString rest = fields.takeLast(); // what follows the last ";"
    const bool record = !fields.isEmpty() && fields.first() == QLatin1String("WM_DATAWRITE");
    if (record && fields.size() != EstimateRecordFieldCount)
        lines << QStringLiteral("warning: %1 fields, a record has %2").arg(fields.size()).arg(EstimateRecordFieldCount);
    for (int i = 0; i < fields.size(); ++i) {
        const QString name = record ? RecordFieldName(i + 1) : QStringLiteral("field %1").arg(i + 1);
        lines << QStringLiteral("%1 %2: %3").arg(i + 1, 2, 10, QLatin1Char('0')).arg(name, fields[i]);
    }
    if (!rest.isEmpty())
        lines << QStringLiteral("unterminated: %1").arg(rest);
    lines << QStringLiteral("end of block");
    return lines;
}
