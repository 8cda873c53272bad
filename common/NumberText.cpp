#include "NumberText.h"

#include "ExactMath.h"
#include "FileError.h"

#include <QLocale>
#include <cstdlib>
#include <iterator>

namespace {

// Magnitude as unsigned, so that the most negative value formats too.
std::uint64_t magnitude(std::int64_t v)
{
    return v < 0 ? 0 - static_cast<std::uint64_t>(v) : static_cast<std::uint64_t>(v);
}

} // namespace

// Built from the last digit back in one buffer: exports and tables write
// thousands of these, and a text per piece cost more than the digits.
QString PlainText(Currency value)
{
    // Most amounts of a book are zero: one shared text, nothing allocated.
    if (value.raw() == 0)
        return QStringLiteral("0");
    const std::uint64_t m = magnitude(value.raw());
    char16_t buffer[24]; // "-922337203685477.5808" at most
    char16_t* const end = std::end(buffer);
    char16_t* p = end;
    std::uint64_t fraction = m % Currency::Scale;
    if (fraction != 0) {
        int places = 4;
        for (; fraction % 10 == 0; fraction /= 10)
            --places;
        for (; places > 0; --places, fraction /= 10)
            *--p = static_cast<char16_t>(u'0' + fraction % 10);
        *--p = u'.';
    }
    std::uint64_t whole = m / Currency::Scale;
    do {
        *--p = static_cast<char16_t>(u'0' + whole % 10);
        whole /= 10;
    } while (whole != 0);
    if (value.raw() < 0)
        *--p = u'-';
    return QString(reinterpret_cast<const QChar*>(p), end - p);
}

QString FormatYen(Currency value)
{
    const std::uint64_t m = magnitude(value.raw());
    std::uint64_t yen = m / Currency::Scale;
    if (m % Currency::Scale >= Currency::Scale / 2)
        ++yen;
    static const QLocale japanese(QLocale::Japanese, QLocale::Japan);
    QString text = japanese.toString(static_cast<qulonglong>(yen));
    if (value.raw() < 0 && yen != 0)
        text.prepend(QLatin1Char('-'));
    return text;
}

QString RemoveCommas(const QString& text)
{
    QString result = text;
    result.remove(QLatin1Char(','));
    return result;
}

std::optional<Currency> ReadDecimal(QStringView text, BeyondRange beyond)
{
    qsizetype i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    // The magnitude in ten-thousandths; past 2^64 it is only "too large",
    // while the rest of the text is still read to tell a number from none.
    constexpr exact::Int tooLarge = static_cast<exact::Int>(1) << 64;
    exact::Int magnitude = 0;
    int decimals = -1; // -1 until the point
    bool anyDigit = false;
    bool roundUp = false;
    for (; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'.' && decimals < 0) {
            decimals = 0;
            continue;
        }
        if (c < u'0' || c > u'9')
            return std::nullopt;
        anyDigit = true;
        const int d = c.unicode() - u'0';
        if (decimals >= 4) {
            if (decimals == 4)
                roundUp = d >= 5; // the fifth decimal decides
            ++decimals;
            continue;
        }
        if (magnitude <= tooLarge)
            magnitude = magnitude * 10 + d;
        if (decimals >= 0)
            ++decimals;
    }
    if (!anyDigit)
        return std::nullopt;
    if (magnitude <= tooLarge) {
        for (int k = decimals < 0 ? 0 : decimals; k < 4; ++k)
            magnitude *= 10;
        if (roundUp)
            ++magnitude;
    }
    // The range is not symmetric: the most negative value has no positive twin.
    const exact::Int limit = negative ? -static_cast<exact::Int>(INT64_MIN) : INT64_MAX;
    if (magnitude > limit) {
        if (beyond == BeyondRange::Reject)
            return std::nullopt;
        magnitude = limit;
    }
    return Currency::fromRaw(static_cast<std::int64_t>(negative ? -magnitude : magnitude));
}

Currency ParseCurrency(const QString& text)
{
    const QString t = RemoveCommas(text).trimmed();
    if (t.isEmpty())
        return Currency();
    const std::optional<Currency> value = ReadDecimal(t);
    if (!value)
        throw ConversionError(text);
    return *value;
}
