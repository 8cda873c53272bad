#pragma once

#include <QString>
#include <QXmlStreamReader>
#include <vector>

// What the parts of an XLSX file share: the failure that names the part,
// attributes by local name, and the text of a string item.

// The reason a part's XML did not parse, naming the part and the place.
[[noreturn]] void ThrowXmlError(const QString& path, const QString& member, const QXmlStreamReader& xml);

// The value of the current element's attribute with this local name, in any
// namespace (files of the strict form put relationships in another one).
QString AttributeValue(const QXmlStreamReader& xml, QLatin1StringView localName);

// The text of a string item (<si> of the shared strings, <is> of a cell),
// read from its start element to its end: its <t> and the <t> of its rich
// text runs joined, the phonetic readings (<rPh>) left out.
QString ReadStringItem(QXmlStreamReader& xml);

// The shared strings in their order, from the bytes of the part `member`.
std::vector<QString> ReadSharedStrings(const QString& path, const QString& member, const QByteArray& bytes);
