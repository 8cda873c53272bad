#include "XlsxContents.h"

#include "FileError.h"
#include "NumberText.h"
#include "PriceListTable.h"
#include "ZipArchive.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>
#include <QXmlStreamReader>

namespace {

// A part of the workbook, empty when it has none.
QByteArray entry(const ZipArchive& archive, const char* name)
{
    const QString member = QString::fromUtf8(name);
    return archive.contains(member) ? archive.read(member, PriceListMaxBytes) : QByteArray();
}

// Calls `element` for each start element; gives the parser's error, if any.
template <typename Element>
QString parse(const QByteArray& xml, Element element)
{
    QXmlStreamReader reader(xml);
    while (!reader.atEnd()) {
        if (reader.readNext() == QXmlStreamReader::StartElement)
            element(reader);
    }
    return reader.hasError() ? reader.errorString() : QString();
}

// A text as a spreadsheet program reads it: "_x0001_" is the character it
// stands for, as XML cannot hold every character.
QString unescaped(const QString& text)
{
    static const QRegularExpression escape(QStringLiteral("_x([0-9A-Fa-f]{4})_"));
    QString out;
    qsizetype last = 0;
    for (auto it = escape.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        out += text.mid(last, m.capturedStart() - last) + QChar(m.captured(1).toUShort(nullptr, 16));
        last = m.capturedEnd();
    }
    return out + text.mid(last);
}

// "C12" as (11, 2).
std::pair<int, int> cellPlace(QStringView reference)
{
    int column = 0;
    qsizetype i = 0;
    for (; i < reference.size() && reference[i].isLetter(); ++i)
        column = column * 26 + (reference[i].unicode() - 'A' + 1);
    return {reference.mid(i).toInt() - 1, column - 1};
}

struct Parts {
    QStringList strings;
    QStringList formats; // of each cell style
};

Parts readParts(const ZipArchive& archive, QString& error)
{
    Parts parts;
    error += parse(entry(archive, "xl/sharedStrings.xml"), [&](QXmlStreamReader& r) {
        if (r.name() == u"si")
            parts.strings << unescaped(r.readElementText(QXmlStreamReader::IncludeChildElements));
    });
    QMap<int, QString> codes{{0, QStringLiteral("General")}};
    bool inCellStyles = false;
    error += parse(entry(archive, "xl/styles.xml"), [&](QXmlStreamReader& r) {
        const auto a = r.attributes();
        if (r.name() == u"numFmt")
            codes[a.value("numFmtId").toInt()] = a.value("formatCode").toString();
        inCellStyles = r.name() == u"cellXfs" || (inCellStyles && r.name() == u"xf");
        if (inCellStyles && r.name() == u"xf")
            parts.formats << codes.value(a.value("numFmtId").toInt(), QStringLiteral("built-in"));
    });
    return parts;
}

XlsxSheet readSheet(const QByteArray& xml, const Parts& parts, QString& error)
{
    XlsxSheet sheet;
    error += parse(xml, [&](QXmlStreamReader& r) {
        const auto a = r.attributes();
        if (r.name() == u"col") {
            for (int c = a.value("min").toInt(); c <= a.value("max").toInt(); ++c)
                sheet.widths[c - 1] = a.value("width").toDouble();
        } else if (r.name() == u"c") {
            const auto place = cellPlace(a.value("r"));
            const QString type = a.value("t").toString();
            XlsxCell cell{type.isEmpty() || type == u"n", {}, parts.formats.value(a.value("s").toInt())};
            while (r.readNextStartElement()) {
                const QString text = r.readElementText(QXmlStreamReader::IncludeChildElements);
                cell.text = type == u"s" ? parts.strings.value(text.toInt()) : text;
            }
            sheet.cells[place] = cell;
            sheet.rows = std::max(sheet.rows, place.first + 1);
        }
    });
    return sheet;
}

// Everything of the workbook in `archive`; a part that does not parse is told in `error`.
XlsxContents readContents(const ZipArchive& archive)
{
    XlsxContents contents;
    const Parts parts = readParts(archive, contents.error);
    QMap<QString, QString> targets; // relationship id: part
    contents.error += parse(entry(archive, "xl/_rels/workbook.xml.rels"), [&](QXmlStreamReader& r) {
        if (r.name() == u"Relationship")
            targets[r.attributes().value("Id").toString()] = r.attributes().value("Target").toString();
    });
    QList<std::pair<QString, QString>> sheets; // name, part
    contents.error += parse(entry(archive, "xl/workbook.xml"), [&](QXmlStreamReader& r) {
        if (r.name() == u"sheet")
            sheets.append({r.attributes().value("name").toString(), targets.value(r.attributes().value("r:id").toString())});
    });
    for (const auto& [name, part] : sheets) {
        XlsxSheet sheet = readSheet(entry(archive, ("xl/" + part).toUtf8().constData()), parts, contents.error);
        sheet.name = name;
        contents.sheets << sheet;
    }
    contents.error += parse(entry(archive, "docProps/core.xml"), [&](QXmlStreamReader& r) {
        if (r.qualifiedName() == u"dc:title")
            contents.title = r.readElementText();
        else if (r.qualifiedName() == u"dc:subject")
            contents.subject = r.readElementText();
    });
    return contents;
}

} // namespace

XlsxContents ReadXlsx(const QString& path)
{
    QFile file(path);
    const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    try {
        return readContents(ZipArchive(path, bytes));
    } catch (const FileError& e) {
        return {e.message(), {}, {}, {}};
    }
}

QList<QStringList> CsvRecords(const QString& text)
{
    QList<QStringList> records{{QString()}};
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i], next = i + 1 < text.size() ? text[i + 1] : QChar();
        QString& field = records.last().last();
        if (quoted && c == u'"' && next == u'"')
            field += text[++i];
        else if (c == u'"')
            quoted = !quoted;
        else if (!quoted && c == u',')
            records.last() << QString();
        else if (!quoted && c == u'\r' && next == u'\n')
            continue; // the line feed ends the record
        else if (!quoted && c == u'\n')
            records << QStringList{QString()};
        else
            field += c;
    }
    return records;
}

void CompareWithCsv(const XlsxSheet& sheet, const QList<QStringList>& records, bool rates)
{
    QCOMPARE(sheet.rows, records.size());
    for (int row = 0; row < records.size(); ++row) {
        const QStringList& fields = records[row];
        const bool priceLine = fields.size() > 2 && ReadDecimal(fields[2]).has_value();
        for (int column = 0; column <= fields.size(); ++column) {
            const QString field = fields.value(column);
            const auto at = sheet.cells.constFind({row, column});
            const QByteArray where = QStringLiteral("%1 row %2 column %3").arg(sheet.name).arg(row + 1).arg(column + 1).toUtf8();
            QVERIFY2(field.isEmpty() == (at == sheet.cells.cend()), where.constData());
            if (field.isEmpty())
                continue;
            if (!priceLine || column < 2) {
                QVERIFY2(!at->number, where.constData());
                QCOMPARE(at->text, field);
                if (fields.size() > 1) // a title may run on over the empty cells beside it
                    QVERIFY2(sheet.widths.value(column) >= field.size(), where.constData());
                continue;
            }
            QVERIFY2(at->number, where.constData());
            QCOMPARE(ReadDecimal(at->text), ReadDecimal(field));
            const bool rate = rates && column >= 4 && column < 11;
            QCOMPARE(at->format, QString(rate ? "0.000#" : "#,##0"));
            const QString wholeYen = QString::number(qRound64(std::abs(field.toDouble())));
            QVERIFY2(sheet.widths.value(column) >= wholeYen.size(), where.constData());
        }
    }
}
