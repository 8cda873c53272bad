#include "ShiftJis.h"

#include <QStringDecoder>
#include <QList>
#include <QStringEncoder>

namespace ShiftJis {

namespace {
constexpr const char* Codec = "Windows-31J";
}

QString decode(const QByteArray& bytes)
{
    // The converter holds back a trailing lead byte even when told to be
    // stateless; a line feed cannot be a trail byte, so it forces the flush.
    QStringDecoder decoder(Codec, QStringDecoder::Flag::Stateless);
    QString text = decoder(bytes + '\n');
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    return text;
}

QByteArray encode(const QString& text)
{
    QStringEncoder encoder(Codec, QStringEncoder::Flag::Stateless);
    QByteArray bytes = encoder(text);
    if (!encoder.hasError())
        return bytes;
    // The converter's own substitute is a valid double-byte code; a "?" is
    // what the other programs on these files write for a character that
    // Windows-31J lacks, and it cannot be mistaken for a real character.
    bytes.clear();
    for (const uint cp : text.toUcs4()) {
        QStringEncoder one(Codec, QStringEncoder::Flag::Stateless);
        const QByteArray encoded = one(QString::fromUcs4(reinterpret_cast<const char32_t*>(&cp), 1));
        bytes += one.hasError() ? QByteArray("?") : encoded;
    }
    return bytes;
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
