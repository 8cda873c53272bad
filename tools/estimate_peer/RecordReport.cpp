#include "RecordReport.h"

#include "CopyDataFrame.h"

namespace {

constexpr int RecordFields = 42;

// The fields of the record in their order; an estimate program reads them by
// position.
const char* const FieldNames[RecordFields] = {
    "record",                    // "WM_DATAWRITE"
    "material name",
    "size and sheet",            // the size, and " sheet name" when asked for
    "unit",                      // always the full-width m
    "price A",                   // cost, or the composite cost
    "price B",                   // level price, or the adopted price
    "zero 7",
    "zero 8",
    "net quantity",
    "offer quantity",
    "composite cost",
    "adopted price",
    "flag",                      // 10 or 20 (a fraction), +5 remark, +100 pickup
    "line code",                 // position over all ten books + system / 10
    "construction type",
    "empty 16",
    "pipe fitter rate",
    "list price",
    "system number",
    "two 20",
    "remark",
    "zero 22", "zero 23", "zero 24", "zero 25",
    "size name",
    "system number 27",
    "size name 28",
    "size name 29",
    "zero 30", "zero 31",
    "sheet index",               // 0..3
    "zero 33", "zero 34", "zero 35", "zero 36", "zero 37",
    "zero 38", "zero 39", "zero 40", "zero 41", "zero 42",
};

} // namespace

QString RecordFieldName(int n)
{
    return n >= 1 && n <= RecordFields ? QString::fromLatin1(FieldNames[n - 1]) : QStringLiteral("field %1").arg(n);
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
    if (record && fields.size() != RecordFields)
        lines << QStringLiteral("warning: %1 fields, a record has %2").arg(fields.size()).arg(RecordFields);
    for (int i = 0; i < fields.size(); ++i) {
        const QString name = record ? RecordFieldName(i + 1) : QStringLiteral("field %1").arg(i + 1);
        lines << QStringLiteral("%1 %2: %3").arg(i + 1, 2, 10, QLatin1Char('0')).arg(name, fields[i]);
    }
    if (!rest.isEmpty())
        lines << QStringLiteral("unterminated: %1").arg(rest);
    lines << QStringLiteral("end of block");
    return lines;
}
