#include "XlsxXml.h"

#include "FileError.h"

namespace {

int hexValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    return -1;
}

// The code of an escape "_xHHHH_" at `i`, or -1 when none stands there.
int escapeAt(const QString& text, qsizetype i)
{
    if (i + 7 > text.size() || text[i] != u'_' || text[i + 1] != u'x' || text[i + 6] != u'_')
        return -1;
    int code = 0;
    for (qsizetype k = i + 2; k < i + 6; ++k) {
        const int digit = hexValue(text[k]);
        if (digit < 0)
            return -1;
        code = code * 16 + digit;
    }
    return code;
}

// Spreadsheets write the characters XML cannot hold (a carriage return,
// other control characters) as "_xHHHH_", and a real "_x" as "_x005F_x".
QString decodeEscapes(const QString& text)
{
    if (!text.contains(QLatin1String("_x")))
        return text;
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int code = escapeAt(text, i);
        if (code < 0) {
            result += text[i];
            continue;
        }
        result += QChar(char16_t(code));
        i += 6;
    }
    return result;
}

} // namespace

void ThrowXmlError(const QString& path, const QString& member, const QXmlStreamReader& xml)
{
    throw FileError(path, QStringLiteral("%1: XML として読めません（%2 行 %3 桁目）")
                              .arg(member)
                              .arg(xml.lineNumber())
                              .arg(xml.columnNumber()));
}

QString AttributeValue(const QXmlStreamReader& xml, QLatin1StringView localName)
{
    for (const QXmlStreamAttribute& attribute : xml.attributes()) {
        if (attribute.name() == localName)
            return attribute.value().toString();
    }
    return QString();
}

QString ReadStringItem(QXmlStreamReader& xml)
{
    QString text;
    int depth = 0;         // below the item's own element
    int phoneticDepth = 0; // that of an open <rPh>, whose <t> is a reading
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::StartElement) {
            if (xml.name() == u"t" && phoneticDepth == 0) {
                text += xml.readElementText(); // reads through </t>
                continue;
            }
            ++depth;
            if (xml.name() == u"rPh" && phoneticDepth == 0)
                phoneticDepth = depth;
        } else if (token == QXmlStreamReader::EndElement) {
            if (depth == 0)
                break; // the item's own end
            if (depth == phoneticDepth)
                phoneticDepth = 0;
            --depth;
        }
    }
    return decodeEscapes(text);
}

std::vector<QString> ReadSharedStrings(const QString& path, const QString& member, const QByteArray& bytes)
{
    std::vector<QString> strings;
    QXmlStreamReader xml(bytes);
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"si")
            strings.push_back(ReadStringItem(xml));
    }
    if (xml.hasError())
        ThrowXmlError(path, member, xml);
    return strings;
}
