#include "XlsxWorksheet.h"

#include "CellAddress.h"
#include "FileError.h"
#include "TableBuilder.h"
#include "XlsxXml.h"

#include <QXmlStreamReader>

namespace {

// An exponent beyond this is no cell number (a double reaches 1E+308); the
// text is kept so that it is refused where a number is read.
constexpr int MaxExponent = 400;

bool allDigits(QStringView text)
{
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            return false;
    }
    return !text.isEmpty();
}

// The value of a text of bare digits, or -1 for any other text or one too
// large to be a row or an index.
qint64 countValue(QStringView text)
{
    return allDigits(text) && text.size() <= 12 ? text.toLongLong() : -1;
}

class WorksheetReader {
public:
    WorksheetReader(const QString& path, const QString& member, const QByteArray& bytes,
                    const std::vector<QString>& shared)
        : builder_(path), path_(path), member_(member), xml_(bytes), shared_(shared)
    {
    }

    PriceListTable read()
    {
        while (!xml_.atEnd()) {
            const QXmlStreamReader::TokenType token = xml_.readNext();
            if (token == QXmlStreamReader::StartElement && xml_.name() == u"row")
                startRow();
            else if (token == QXmlStreamReader::StartElement && xml_.name() == u"c" && inRow_)
                readCell();
            else if (token == QXmlStreamReader::EndElement && xml_.name() == u"row" && inRow_)
                endRow();
        }
        if (xml_.hasError())
            ThrowXmlError(path_, member_, xml_);
        return builder_.take();
    }

private:
    [[noreturn]] void fail(const QString& reason) const
    {
        throw FileError(path_, QStringLiteral("%1: %2").arg(member_, reason));
    }

    void startRow()
    {
        const QString r = AttributeValue(xml_, QLatin1StringView("r"));
        // Rows without a number follow the one before.
        const qint64 number = r.isEmpty() ? row_ + 1 : countValue(r);
        if (number < 1 || number > MaxSheetRows)
            fail(QStringLiteral("行の番号「%1」が正しくありません").arg(r.isEmpty() ? QString::number(number) : r));
        row_ = int(number);
        cells_.clear();
        column_ = -1;
        inRow_ = true;
    }

    void readCell()
    {
        const QString r = AttributeValue(xml_, QLatin1StringView("r"));
        // Cells without an address follow the one before.
        column_ = r.isEmpty() ? column_ + 1 : ParseCellAddress(r).column;
        if (column_ < 0 || column_ >= MaxSheetColumns)
            fail(QStringLiteral("%1 行目のセルの番地「%2」が正しくありません")
                     .arg(row_)
                     .arg(r.isEmpty() ? ColumnLetters(column_) + QString::number(row_) : r));
        const QString type = AttributeValue(xml_, QLatin1StringView("t"));
        const QString text = cellText(type);
        while (cells_.size() <= column_)
            cells_.append(QString());
        cells_[column_] = text;
    }

    // The value of the cell, read through its end element.
    QString cellText(const QString& type)
    {
        QString value;
        QString inlineText;
        while (!xml_.atEnd()) {
            const QXmlStreamReader::TokenType token = xml_.readNext();
            if (token == QXmlStreamReader::EndElement && xml_.name() == u"c")
                break;
            if (token != QXmlStreamReader::StartElement)
                continue;
            if (xml_.name() == u"v")
                value = xml_.readElementText();
            else if (xml_.name() == u"is")
                inlineText = ReadStringItem(xml_);
            else
                xml_.skipCurrentElement(); // a formula: its value is the <v>
        }
        if (xml_.hasError())
            ThrowXmlError(path_, member_, xml_);
        if (type == u"s")
            return sharedString(value);
        if (type == u"inlineStr")
            return inlineText;
        if (type == u"b")
            return value == u"1" ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
        if (type.isEmpty() || type == u"n")
            return PlainNumberText(value);
        return value; // str (a formula's text), e (an error such as #N/A), d (a date)
    }

    QString sharedString(const QString& index) const
    {
        const qint64 k = countValue(index);
        if (k < 0 || k >= qint64(shared_.size()))
            fail(QStringLiteral("%1 行目のセルの共有文字列の番号「%2」がありません").arg(row_).arg(index));
        return shared_[std::size_t(k)];
    }

    void endRow()
    {
        builder_.addRow(row_, std::exchange(cells_, QStringList()));
        inRow_ = false;
    }

    TableBuilder builder_;
    QString path_;
    QString member_;
    QXmlStreamReader xml_;
    const std::vector<QString>& shared_;
    QStringList cells_;
    int row_ = 0;
    int column_ = -1;
    bool inRow_ = false;
};

} // namespace

PriceListTable ReadWorksheet(const QString& path, const QString& member, const QByteArray& bytes,
                             const std::vector<QString>& sharedStrings)
{
    return WorksheetReader(path, member, bytes, sharedStrings).read();
}

QString PlainNumberText(const QString& text)
{
    const qsizetype e = text.indexOf(QLatin1Char('E'), 0, Qt::CaseInsensitive);
    if (e < 0)
        return text;
    QStringView mantissa = QStringView(text).first(e);
    const QStringView exponentText = QStringView(text).sliced(e + 1);
    bool ok = false;
    const int exponent = exponentText.toInt(&ok);
    if (!ok || exponent < -MaxExponent || exponent > MaxExponent)
        return text;
    const bool negative = mantissa.startsWith(u'-');
    if (negative || mantissa.startsWith(u'+'))
        mantissa = mantissa.sliced(1);
    const qsizetype point = mantissa.indexOf(u'.');
    QString digits = mantissa.toString();
    if (point >= 0)
        digits.remove(point, 1);
    if (!allDigits(digits))
        return text;
    // Where the point goes among the digits, zeros added on either side.
    qsizetype at = (point >= 0 ? point : mantissa.size()) + exponent;
    if (at <= 0) {
        digits.prepend(QString(1 - at, u'0'));
        at = 1;
    }
    if (at > digits.size())
        digits.append(QString(at - digits.size(), u'0'));
    QString whole = digits.first(at);
    QString fraction = digits.sliced(at);
    while (whole.size() > 1 && whole.startsWith(u'0'))
        whole.remove(0, 1);
    while (fraction.endsWith(u'0'))
        fraction.chop(1);
    const QString plain = fraction.isEmpty() ? whole : whole + QLatin1Char('.') + fraction;
    return negative && plain != u"0" ? QLatin1Char('-') + plain : plain;
}
