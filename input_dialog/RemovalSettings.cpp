#include "RemovalSettings.h"

#include "ExactMath.h"
#include "FileError.h"
#include "NumberText.h"
#include "Rounding.h"
#include "SettingsLines.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString RemovalKey = QStringLiteral("[REMOVAL]");
const QString RecycleKey = QStringLiteral("[RECYCLE]");
const QString DecimalsKey = QStringLiteral("[KETA]");
const QString RoundingKey = QStringLiteral("[CUTLEVEL]");

Currency FactorOrDefault(const QString& text, Currency fallback)
{
    if (text.trimmed().isEmpty())
        return fallback;
    try {
        return ParseCurrency(text);
    } catch (const ConversionError&) {
        return fallback;
    }
}

int ChoiceOrFirst(const QString& text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok && value >= 1 && value <= 3 ? value : 1;
}

} // namespace

QString RemovalSettingsPath(const QString& programFolder)
{
    return QDir::toNativeSeparators(QDir(programFolder).filePath(QStringLiteral("kavre_p.adv")));
}

QStringList RemovalSettingsLines(const RemovalSettings& settings)
{
    return {RemovalKey + QLatin1Char('=') + PlainText(settings.removalFactor),
            RecycleKey + QLatin1Char('=') + PlainText(settings.recycleFactor),
            DecimalsKey + QLatin1Char('=') + QString::number(settings.decimals),
            RoundingKey + QLatin1Char('=') + QString::number(settings.rounding)};
}

RemovalSettings RemovalSettingsFromLines(const QStringList& lines)
{
    const RemovalSettings defaults;
    RemovalSettings s;
    s.removalFactor = FactorOrDefault(SettingsValue(lines, RemovalKey, PlainText(defaults.removalFactor)),
                                      defaults.removalFactor);
    s.recycleFactor = FactorOrDefault(SettingsValue(lines, RecycleKey, PlainText(defaults.recycleFactor)),
                                      defaults.recycleFactor);
    s.decimals = ChoiceOrFirst(SettingsValue(lines, DecimalsKey, QStringLiteral("1")));
    s.rounding = ChoiceOrFirst(SettingsValue(lines, RoundingKey, QStringLiteral("1")));
    return s;
}

RemovalSettings ReadRemovalSettings(const QString& path)
{
    if (!QFileInfo::exists(path))
        return RemovalSettings();
    return RemovalSettingsFromLines(ReadSettingsLines(path));
}

void WriteRemovalSettings(const QString& path, const RemovalSettings& settings)
{
    WriteSettingsLines(path, RemovalSettingsLines(settings));
}

Currency RemovalRate(Currency rate, Currency factor, int decimals, int rounding)
{
    const int places = decimals >= 1 && decimals <= 3 ? decimals : 1;
    const exact::Int q = exact::pow10(places);
    const RoundingChoice choice = rounding == RemovalSettings::Up         ? RoundingChoice::Up
                                  : rounding == RemovalSettings::Truncate ? RoundingChoice::Truncate
                                                                          : RoundingChoice::Half;
    const exact::Int addend = RoundingAddend(choice).raw(); // in ten-thousandths
    // factor · rate carries eight decimals; q and the addend are brought to them.
    const exact::Int scaled = exact::add(exact::mul(exact::times(factor, rate).num, q), exact::mul(addend, 10000));
    const exact::Int whole = exact::div(scaled, exact::pow10(8));
    return exact::toCurrency(exact::div(exact::mul(whole, Currency::Scale), q));
}
