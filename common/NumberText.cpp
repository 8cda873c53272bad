#include "NumberText.h"

#include "ExactMath.h"
#include "FileError.h"

#include <QLocale>
#include <cstdlib>

namespace {

// Magnitude as unsigned, so that the most negative value formats too.
std::uint64_t magnitude(std::int64_t v)
{
    return v < 0 ? 0 - static_cast<std::uint64_t>(v) : static_cast<std::uint64_t>(v);
}

} // namespace

QString PlainText(Currency value)
{
    const std::uint64_t m = magnitude(value.raw());
    QString text = QString::number(m / Currency::Scale);
    std::uint64_t fraction = m % Currency::Scale;
    if (fraction != 0) {
        QString digits = QStringLiteral("%1").arg(fraction, 4, 10, QLatin1Char('0'));
        while (digits.endsWith(QLatin1Char('0')))
            digits.chop(1);
        text += QLatin1Char('.') + digits;
    }
    if (value.raw() < 0)
        text.prepend(QLatin1Char('-'));
    return text;
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

Currency ParseCurrency(const QString& text)
{
    const QString t = RemoveCommas(text).trimmed();
    if (t.isEmpty())
        return Currency();
    int i = 0;
    bool negative = false;
    if (t[0] == QLatin1Char('-') || t[0] == QLatin1Char('+')) {
        negative = t[0] == QLatin1Char('-');
        ++i;
    }
    exact::Int raw = 0;
    int digits = 0;
    int decimals = -1; // -1 until the point is seen
    bool roundUp = false;
    constexpr exact::Int limit = static_cast<exact::Int>(1) << 64;
    for (; i < t.size(); ++i) {
        const QChar c = t[i];
        if (c == QLatin1Char('.') && decimals < 0) {
            decimals = 0;
            continue;
        }
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            throw ConversionError(text);
        ++digits;
        const int d = c.unicode() - '0';
        if (decimals >= 4) {
            if (decimals == 4)
                roundUp = d >= 5;
            ++decimals;
            continue;
        }
        raw = raw * 10 + d;
        if (raw > limit)
            throw ConversionError(text);
        if (decimals >= 0)
            ++decimals;
    }
    if (digits == 0)
        throw ConversionError(text);
    for (int k = decimals < 0 ? 0 : decimals; k < 4; ++k)
        raw *= 10;
    if (roundUp)
        ++raw;
    if (negative)
        raw = -raw;
    if (raw > INT64_MAX || raw < INT64_MIN)
        throw ConversionError(text);
    return Currency::fromRaw(static_cast<std::int64_t>(raw));
}
