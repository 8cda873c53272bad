#include "EstimateMessages.h"

#include "CopyDataFrame.h"
#include "Fields.h"
#include "NumberText.h"

#include <QStringList>

namespace {

QString Integer(int value)
{
    return QString::number(value);
}

void AddZeros(QStringList& fields, int count)
{
    for (int i = 0; i < count; ++i)
        fields << QStringLiteral("0");
}

} // namespace

QString RecordField(const QString& text)
{
    return QString(text).replace(QLatin1Char(';'), QChar(0xFF1B));
}

QString EstimateRecordText(const EstimateLine& line)
{
    const QString size = RecordField(line.sizeName);
    QStringList fields;
    fields << QStringLiteral("WM_DATAWRITE") << RecordField(line.materialName) << RecordField(line.sizeText)
           << QStringLiteral("ｍ") << PlainText(line.priceA) << PlainText(line.priceB);
    AddZeros(fields, 2);
    fields << PlainText(line.netQuantity) << PlainText(line.offerQuantity) << PlainText(line.compositeCost)
           << PlainText(line.adoptedPrice) << Integer(line.flag) << PlainText(line.lineCode)
           << RecordField(line.constructionRemark) << QString() << PlainText(line.fitterRate)
           << PlainText(line.listPrice) << Integer(line.systemNumber) << QStringLiteral("2")
           << RecordField(line.remark);
    AddZeros(fields, 4);
    fields << size << Integer(line.systemNumber) << size << size;
    AddZeros(fields, 2);
    fields << Integer(line.sheet);
    AddZeros(fields, 10);
    return fields.join(QLatin1Char(';')) + QLatin1Char(';');
}

std::optional<QString> EstimateTarget(const QString& modeText)
{
    bool ok = false;
    const int mode = modeText.toInt(&ok);
    switch (ok ? mode : 0) {
    case 0:
        return QStringLiteral("TFESTIMATE");
    case 1:
        return QStringLiteral("TFPICKUP");
    default:
        return std::nullopt;
    }
}

DialogCommand IncomingCommand(const CopyDataBlock& block)
{
    if (block.dwData != CopyData::RecordKind)
        return DialogCommand::None;
    const QString command = NthField(block.text(), 1);
    if (command == QLatin1String("WM_CLOSE"))
        return DialogCommand::Close;
    if (command == QLatin1String("WM_Restore"))
        return DialogCommand::Restore;
    return DialogCommand::None;
}
