#include "EstimateMessages.h"

#include "CopyDataFrame.h"
#include "EstimateRecordFields.h"
#include "Fields.h"
#include "NumberText.h"

#include <QStringList>

namespace {

QString FieldText(const EstimateLine& line, const EstimateRecordField& field)
{
    switch (field.value) {
    case RecordValue::Literal:
        return QString::fromUtf8(field.literal);
    case RecordValue::MaterialName:
        return RecordField(line.materialName);
    case RecordValue::SizeText:
        return RecordField(line.sizeText);
    case RecordValue::PriceA:
        return PlainText(line.priceA);
    case RecordValue::PriceB:
        return PlainText(line.priceB);
    case RecordValue::NetQuantity:
        return PlainText(line.netQuantity);
    case RecordValue::OfferQuantity:
        return PlainText(line.offerQuantity);
    case RecordValue::CompositeCost:
        return PlainText(line.compositeCost);
    case RecordValue::AdoptedPrice:
        return PlainText(line.adoptedPrice);
    case RecordValue::Flag:
        return QString::number(line.flag);
    case RecordValue::LineCode:
        return PlainText(line.lineCode);
    case RecordValue::ConstructionRemark:
        return RecordField(line.constructionRemark);
    case RecordValue::FitterRate:
        return PlainText(line.fitterRate);
    case RecordValue::ListPrice:
        return PlainText(line.listPrice);
    case RecordValue::SystemNumber:
        return QString::number(line.systemNumber);
    case RecordValue::Remark:
        return RecordField(line.remark);
    case RecordValue::SizeName:
        return RecordField(line.sizeName);
    case RecordValue::Sheet:
        return QString::number(line.sheet);
    }
    return QString();
}

} // namespace

QString RecordField(const QString& text)
{
    return QString(text).replace(QLatin1Char(';'), QChar(0xFF1B));
}

QString EstimateRecordText(const EstimateLine& line)
{
    QStringList fields;
    for (const EstimateRecordField& field : EstimateRecordFields)
        fields << FieldText(line, field);
    return fields.join(QLatin1Char(';')) + QLatin1Char(';');
}

std::optional<QString> EstimateTarget(CallerTarget target)
{
    switch (target) {
    case CallerTarget::Estimate:
        return QStringLiteral("TFESTIMATE");
    case CallerTarget::Pickup:
        return QStringLiteral("TFPICKUP");
    case CallerTarget::None:
        break;
    }
    return std::nullopt;
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
