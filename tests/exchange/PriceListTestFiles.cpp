#include "PriceListTestFiles.h"

#include "FileError.h"
#include "TestFiles.h"

#include <QTest>
#include <zip.h>

QString PutTestFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes)
{
    const QString path = dir.filePath(name);
    PutFileBytes(path, bytes);
    return path;
}

QByteArray ZipBytes(const QList<ZipMember>& members, bool stored)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("package.zip"));
    int error = 0;
    zip_t* archive = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!archive)
        qFatal("zip_open: %d", error);
    for (const auto& [name, bytes] : members) {
        // The archive reads the data at zip_close, and the list outlives it.
        zip_source_t* source = zip_source_buffer(archive, bytes.constData(), zip_uint64_t(bytes.size()), 0);
        const zip_int64_t index = zip_file_add(archive, name.toUtf8().constData(), source, ZIP_FL_ENC_UTF_8);
        if (index < 0)
            qFatal("zip_file_add: %s", zip_strerror(archive));
        if (stored)
            zip_set_file_compression(archive, zip_uint64_t(index), ZIP_CM_STORE, 0);
    }
    if (zip_close(archive) != 0)
        qFatal("zip_close: %s", zip_strerror(archive));
    return FileBytes(path);
}

QList<ZipMember> XlsxMembers(const QList<std::pair<QString, QByteArray>>& sheets, const QByteArray& sharedItems)
{
    const QByteArray main = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
    const QByteArray rel = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
    QByteArray workbook = R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
                          "<workbook xmlns=\"" + main + "\" xmlns:r=\"" + rel + "\"><sheets>";
    QByteArray relations = R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
                           R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)";
    QList<ZipMember> members;
    for (qsizetype k = 1; k <= sheets.size(); ++k) {
        const QByteArray n = QByteArray::number(k);
        workbook += "<sheet name=\"" + sheets[k - 1].first.toUtf8() + "\" sheetId=\"" + n + "\" r:id=\"rId" + n
                    + "\"/>";
        relations += "<Relationship Id=\"rId" + n + "\" Type=\"" + rel + "/worksheet\" Target=\"worksheets/sheet" + n
                     + ".xml\"/>";
        members.append({"xl/worksheets/sheet" + n + ".xml", "<worksheet xmlns=\"" + main + "\"><sheetData>"
                                                                + sheets[k - 1].second + "</sheetData></worksheet>"});
    }
    relations += "<Relationship Id=\"rIdS\" Type=\"" + rel + "/sharedStrings\" Target=\"sharedStrings.xml\"/>";
    members.append({QStringLiteral("xl/workbook.xml"), workbook + "</sheets></workbook>"});
    members.append({QStringLiteral("xl/_rels/workbook.xml.rels"), relations + "</Relationships>"});
    members.append({QStringLiteral("xl/sharedStrings.xml"), "<sst xmlns=\"" + main + "\">" + sharedItems + "</sst>"});
    return members;
}

QStringList TableLines(const PriceListTable& table)
{
    QStringList lines;
    for (const PriceListTableRow& row : table.rows)
        lines.append(QString::number(row.number) + u':' + row.cells.join(u'|'));
    return lines;
}

QString ReadFailure(const QString& path, const PriceListReadOptions& options)
{
    try {
        ReadPriceListTable(path, options);
    } catch (const FileError& e) {
        return e.message();
    }
    return QString();
}
