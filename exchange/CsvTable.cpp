#include "CsvTable.h"

#include "FileError.h"
#include "ShiftJis.h"
#include "TableBuilder.h"

#include <QStringDecoder>
#include <optional>

namespace {

const QByteArray Utf8Bom("\xEF\xBB\xBF");

// The text of UTF-8 bytes, a byte order mark dropped; nothing when a byte
// is none of a UTF-8 character.
std::optional<QString> utf8Text(const QByteArray& bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(bytes.startsWith(Utf8Bom) ? bytes.sliced(Utf8Bom.size()) : bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

// Tab separated when the first line has a tab outside quotes and no comma
// there: a comma list may hold tabs in its names, a tab list never holds
// an unquoted comma in a heading.
QChar detectSeparator(const QString& text)
{
    bool quoted = false;
    bool tab = false;
    for (const QChar c : text) {
        if (c == u'"')
            quoted = !quoted;
        else if (quoted)
            continue;
        else if (c == u'\n' || c == u'\r')
            break;
        else if (c == u',')
            return u',';
        else if (c == u'\t')
            tab = true;
    }
    return tab ? u'\t' : u',';
}

class CsvParser {
public:
    // `shiftJis` when the text was decoded from Shift-JIS, whose converter
    // puts U+001A for a byte that starts no character and U+FFFD for a pair
    // that is none (a DEL byte reads as U+001A too, and is no price list's).
    CsvParser(const QString& path, const QString& text, bool shiftJis)
        : builder_(path), path_(path), text_(text), shiftJis_(shiftJis)
    {
    }

    PriceListTable parse()
    {
        separator_ = detectSeparator(text_);
        qsizetype i = 0;
        while (i < text_.size()) {
            i = text_[i] == u'"' ? quotedField(i + 1) : plainField(i);
            if (i < text_.size())
                i = afterField(i);
        }
        if (!atRowStart_)
            endRow();
        return builder_.take();
    }

private:
    qsizetype plainField(qsizetype i)
    {
        const qsizetype start = i;
        while (i < text_.size() && !isFieldEnd(text_[i]))
            ++i;
        field_ += QStringView(text_).sliced(start, i - start);
        atRowStart_ = false;
        return i;
    }

    // From the first character inside the quote; returns the index of the
    // character after the closing quote. What stands between it and the
    // next separator is kept as it is, as spreadsheets do.
    qsizetype quotedField(qsizetype i)
    {
        atRowStart_ = false;
        for (;;) {
            const qsizetype quote = text_.indexOf(u'"', i);
            if (quote < 0)
                throw FileError(path_, QStringLiteral("%1 行目で始まる引用符（\"）が閉じられないまま、ファイルが終わっています")
                                           .arg(rowNumber_));
            field_ += QStringView(text_).sliced(i, quote - i);
            if (quote + 1 < text_.size() && text_[quote + 1] == u'"') {
                field_ += u'"';
                i = quote + 2;
                continue;
            }
            return plainField(quote + 1);
        }
    }

    // At a separator or a line end: ends the field and, at a line end, the row.
    qsizetype afterField(qsizetype i)
    {
        const QChar c = text_[i];
        cells_.append(std::exchange(field_, QString()));
        if (c == separator_)
            return i + 1;
        endRow(false);
        return c == u'\r' && i + 1 < text_.size() && text_[i + 1] == u'\n' ? i + 2 : i + 1;
    }

    bool isFieldEnd(QChar c) const { return c == separator_ || c == u'\n' || c == u'\r'; }

    void endRow(bool takeField = true)
    {
        if (takeField)
            cells_.append(std::exchange(field_, QString()));
        for (const QString& cell : std::as_const(cells_)) {
            if (shiftJis_ && (cell.contains(QChar::ReplacementCharacter) || cell.contains(QChar(0x1A))))
                throw FileError(path_, QStringLiteral("%1 行目に Shift-JIS の文字として読めないバイトがあります").arg(rowNumber_));
        }
        const qsizetype width = cells_.size();
        builder_.addRow(rowNumber_++, std::exchange(cells_, QStringList()));
        // A row is mostly as wide as the one before: its room is made at
        // once instead of growing cell by cell.
        cells_.reserve(width);
        atRowStart_ = true;
    }

    TableBuilder builder_;
    QString path_;
    const QString& text_;
    QChar separator_;
    QString field_;
    QStringList cells_;
    int rowNumber_ = 1;
    bool atRowStart_ = true;
    bool shiftJis_;
};

} // namespace

TextEncoding DetectTextEncoding(const QByteArray& bytes)
{
    return bytes.startsWith(Utf8Bom) || utf8Text(bytes) ? TextEncoding::Utf8 : TextEncoding::ShiftJis;
}

PriceListTable CsvTableFromBytes(const QString& path, const QByteArray& bytes, TextEncoding encoding)
{
    std::optional<QString> text = encoding == TextEncoding::ShiftJis ? std::nullopt : utf8Text(bytes);
    // A byte order mark tells UTF-8 even when the rest is not.
    if (!text && (encoding == TextEncoding::Utf8 || bytes.startsWith(Utf8Bom)))
        throw FileError(path, QStringLiteral("UTF-8 の文字として読めないバイトがあります"));
    const bool shiftJis = !text;
    if (shiftJis)
        text = ShiftJis::decode(bytes);
    if (text->isEmpty())
        throw FileError(path, QStringLiteral("ファイルが空です"));
    return CsvParser(path, *text, shiftJis).parse();
}
