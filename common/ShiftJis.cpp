#include "ShiftJis.h"

#include <QList>

#include <unicode/ucnv.h>
#include <unicode/ucnv_cb.h>

#include <stdexcept>

namespace ShiftJis {

namespace {

// Opening a converter costs far more than converting a field, and the
// settings readers and record decoders convert thousands of short fields; so
// each thread keeps one open. ICU's whole-string calls reset it before every
// conversion and flush at the end, so nothing of one field (a lead byte left
// over, a failed character) reaches the next.
class Converter {
public:
    Converter()
    {
        UErrorCode status = U_ZERO_ERROR;
        converter = ucnv_open("windows-31j", &status);
        if (U_FAILURE(status))
            throw std::runtime_error("Windows-31J の変換表を開けません");
        ucnv_setFromUCallBack(converter, writeQuestionMark, nullptr, nullptr, nullptr, &status);
        ucnv_setFallback(converter, false);
    }
    ~Converter() { ucnv_close(converter); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    QString decode(QByteArrayView bytes)
    {
        // Each byte gives at most one UTF-16 unit in Windows-31J, and a half
        // character at the end one substitution character.
        QString text(bytes.size(), Qt::Uninitialized);
        const auto convert = [&](UErrorCode& status) {
            return ucnv_toUChars(converter, reinterpret_cast<UChar*>(text.data()), int32_t(text.size()),
                                 bytes.data(), int32_t(bytes.size()), &status);
        };
        whole(text, 0, convert);
        return text;
    }

    // Appends the encoded text to `out`, so that a file of many lines is built
    // in one buffer instead of a buffer for every line.
    void encodeAppend(QByteArray& out, QStringView text)
    {
        const qsizetype at = out.size();
        // Two bytes at most for each UTF-16 unit.
        out.resize(at + 2 * text.size());
        const auto convert = [&](UErrorCode& status) {
            return ucnv_fromUChars(converter, out.data() + at, int32_t(out.size() - at),
                                   reinterpret_cast<const UChar*>(text.data()), int32_t(text.size()), &status);
        };
        whole(out, at, convert);
    }

private:
    // A "?" is what the other programs on these files write for a character
    // that Windows-31J lacks, one for each character; the table's own
    // substitute is a valid double-byte code that could be mistaken for a real
    // character, and ICU's own callback drops some characters unnoticed. A
    // byte order mark pasted along with a text is invisible and written as
    // nothing, as the files written so far have it.
    static void writeQuestionMark(const void*, UConverterFromUnicodeArgs* args, const UChar*, int32_t,
                                  UChar32 codePoint, UConverterCallbackReason reason, UErrorCode* status)
    {
        if (reason > UCNV_IRREGULAR)
            return;
        *status = U_ZERO_ERROR;
        if (codePoint != 0xFEFF)
            ucnv_cbFromUWriteBytes(args, "?", 1, 0, status);
    }

    // Runs `convert` into `out` from `at` on, once more with the room it
    // asked for should the estimate ever fall short; a failure leaves
    // nothing of this conversion in `out`.
    template <typename Out, typename Convert>
    static void whole(Out& out, qsizetype at, const Convert& convert)
    {
        UErrorCode status = U_ZERO_ERROR;
        int32_t length = convert(status);
        if (status == U_BUFFER_OVERFLOW_ERROR) {
            out.resize(at + length);
            status = U_ZERO_ERROR;
            length = convert(status);
        }
        out.resize(U_FAILURE(status) ? at : at + length);
    }

    UConverter* converter = nullptr;
};

Converter& threadConverter()
{
    thread_local Converter converter;
    return converter;
}

} // namespace

QString decode(QByteArrayView bytes)
{
    return threadConverter().decode(bytes);
}

QByteArray encode(QStringView text)
{
    QByteArray bytes;
    threadConverter().encodeAppend(bytes, text);
    return bytes;
}

void encodeAppend(QByteArray& out, QStringView text)
{
    threadConverter().encodeAppend(out, text);
}

QByteArray encodeWithin(const QString& text, int capacity)
{
    QByteArray whole = encode(text);
    if (whole.size() <= capacity)
        return whole;
    // Encode character by character so that the boundaries come from the
    // converter itself.
    QByteArray result;
    for (const uint cp : text.toUcs4()) {
        const QByteArray one = encode(QString::fromUcs4(reinterpret_cast<const char32_t*>(&cp), 1));
        if (result.size() + one.size() > capacity)
            break;
        result += one;
    }
    return result;
}

} // namespace ShiftJis
