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
    return encoder(text);
}

QByteArray encodeWithin(const QString& text, int capacity)
{
    QByteArray whole = encode(text);
    if (whole.size() <= capacity)
        return whole;
    // Encode character by character so that the boundaries come from the
    // converter itself.
    QByteArray result;
    const QList<uint> codePoints = text.toUcs4();
    for (uint cp : codePoints) {
        const QByteArray one = encode(QString::fromUcs4(reinterpret_cast<const char32_t*>(&cp), 1));
        if (result.size() + one.size() > capacity)
            break;
        result += one;
    }
    return result;
}

} // namespace ShiftJis
