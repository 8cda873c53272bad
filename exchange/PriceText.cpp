#include "PriceText.h"

#include "FileError.h"
#include "NumberText.h"

#include <QRegularExpression>

namespace {

// Full-width digits, signs, commas and the full-width yen sign become their
// plain forms; blanks around are dropped.
QString plainForm(const QString& text)
{
    return text.normalized(QString::NormalizationForm_KC).trimmed();
}

bool groupedByThousands(const QString& number)
{
    static const QRegularExpression grouping(QStringLiteral("^[+-]?[0-9]{1,3}(,[0-9]{3})*(\\.[0-9]*)?$"));
    return !number.contains(u',') || grouping.match(number).hasMatch();
}

} // namespace

std::optional<Currency> PriceFromText(const QString& text)
{
    QString t = plainForm(text);
    if (t.isEmpty())
        return std::nullopt;
    // A sign may stand before the yen sign ("-¥1,000") as well as after it.
    QString sign;
    if (t.startsWith(u'-') || t.startsWith(u'+')) {
        sign = t.first(1);
        t.remove(0, 1);
    }
    if (t.startsWith(u'¥') || t.startsWith(u'\\'))
        t.remove(0, 1);
    if (t.endsWith(u'円'))
        t.chop(1);
    t = sign + t.trimmed();
    if (!groupedByThousands(t))
        throw ConversionError(text);
    const std::optional<Currency> value = ReadDecimal(RemoveCommas(t));
    if (!value)
        throw ConversionError(text);
    return value;
}

std::optional<int> WholeNumberFromText(const QString& text, int lowest, int highest)
{
    const QString t = plainForm(text);
    if (t.isEmpty())
        return std::nullopt;
    const std::optional<Currency> value = ReadDecimal(t);
    if (!value || value->raw() % Currency::Scale != 0 || value->units() < lowest || value->units() > highest)
        throw ConversionError(text);
    return int(value->units());
}
