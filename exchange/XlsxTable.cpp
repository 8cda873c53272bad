#include "XlsxTable.h"

#include "FileError.h"
#include "XlsxWorksheet.h"
#include "XlsxXml.h"
#include "ZipArchive.h"

#include <QDir>
#include <QHash>

namespace {

const QString WorkbookPart = QStringLiteral("xl/workbook.xml");
const QString WorkbookRelationsPart = QStringLiteral("xl/_rels/workbook.xml.rels");
const QString DefaultSharedStringsPart = QStringLiteral("xl/sharedStrings.xml");

struct Sheet {
    QString name;
    QString relationId;
};

struct Relation {
    QString type;
    QString target; // the part's name in the zip; empty for an external one
};

void requireWorkbook(const QString& path, const ZipArchive& zip)
{
    if (!zip.contains(WorkbookPart))
        throw FileError(path, QStringLiteral("ZIP 形式ですが、XLSX ファイルではありません（%1 がありません）").arg(WorkbookPart));
}

std::vector<Sheet> readSheets(const QString& path, const ZipArchive& zip)
{
    requireWorkbook(path, zip);
    std::vector<Sheet> sheets;
    QXmlStreamReader xml(zip.read(WorkbookPart, PriceListMaxBytes));
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"sheet")
            sheets.push_back(
                {AttributeValue(xml, QLatin1StringView("name")), AttributeValue(xml, QLatin1StringView("id"))});
    }
    if (xml.hasError())
        ThrowXmlError(path, WorkbookPart, xml);
    if (sheets.empty())
        throw FileError(path, QStringLiteral("%1: シートがひとつもありません").arg(WorkbookPart));
    return sheets;
}

// A relation's target is relative to the folder of the workbook, or from the
// root of the package when it starts with "/".
QString partName(const QString& target)
{
    const QString name = QDir::cleanPath(target.startsWith(u'/') ? target.mid(1) : QStringLiteral("xl/") + target);
    return name.startsWith(QLatin1String("../")) || name.startsWith(u'/') ? QString() : name;
}

QHash<QString, Relation> readRelations(const QString& path, const ZipArchive& zip)
{
    QHash<QString, Relation> relations;
    QXmlStreamReader xml(zip.read(WorkbookRelationsPart, PriceListMaxBytes));
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement || xml.name() != u"Relationship")
            continue;
        const bool external = AttributeValue(xml, QLatin1StringView("TargetMode")) == u"External";
        relations.insert(AttributeValue(xml, QLatin1StringView("Id")),
                         {AttributeValue(xml, QLatin1StringView("Type")),
                          external ? QString() : partName(AttributeValue(xml, QLatin1StringView("Target")))});
    }
    if (xml.hasError())
        ThrowXmlError(path, WorkbookRelationsPart, xml);
    return relations;
}

const Sheet& chosenSheet(const QString& path, const std::vector<Sheet>& sheets, const QString& sheetName)
{
    if (sheetName.isEmpty())
        return sheets.front();
    QStringList names;
    for (const Sheet& sheet : sheets) {
        if (sheet.name == sheetName)
            return sheet;
        names.append(QStringLiteral("「%1」").arg(sheet.name));
    }
    throw FileError(path, QStringLiteral("シート「%1」がありません（あるシート: %2）").arg(sheetName, names.join(u'、')));
}

std::vector<QString> readSharedStrings(const QString& path, const ZipArchive& zip,
                                       const QHash<QString, Relation>& relations)
{
    QString part = DefaultSharedStringsPart;
    for (const Relation& relation : relations) {
        if (relation.type.endsWith(QLatin1String("/sharedStrings")) && !relation.target.isEmpty())
            part = relation.target;
    }
    // A workbook of numbers alone may have no shared strings at all.
    if (!zip.contains(part))
        return {};
    return ReadSharedStrings(path, part, zip.read(part, PriceListMaxBytes));
}

} // namespace

QStringList XlsxSheetNames(const QString& path, const QByteArray& bytes)
{
    const ZipArchive zip(path, bytes);
    QStringList names;
    for (const Sheet& sheet : readSheets(path, zip))
        names.append(sheet.name);
    return names;
}

PriceListTable XlsxTableFromBytes(const QString& path, const QByteArray& bytes, const QString& sheetName)
{
    const ZipArchive zip(path, bytes);
    const std::vector<Sheet> sheets = readSheets(path, zip);
    const Sheet& sheet = chosenSheet(path, sheets, sheetName);
    const QHash<QString, Relation> relations = readRelations(path, zip);
    const auto relation = relations.constFind(sheet.relationId);
    if (relation == relations.cend() || relation->target.isEmpty() || !zip.contains(relation->target))
        throw FileError(path, QStringLiteral("シート「%1」の中身がファイルの中にありません").arg(sheet.name));
    if (!relation->type.endsWith(QLatin1String("/worksheet")))
        throw FileError(path, QStringLiteral("シート「%1」は表のシートではありません（グラフなどのシートです）").arg(sheet.name));
    const std::vector<QString> shared = readSharedStrings(path, zip, relations);
    return ReadWorksheet(path, relation->target, zip.read(relation->target, PriceListMaxBytes), shared);
}
