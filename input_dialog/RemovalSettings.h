#pragma once

#include "Currency.h"

#include <QString>
#include <QStringList>

// The factors and rounding of the pipe fitter labour rate of removal work,
// kept in "kavre_p.adv". Decimals and rounding mode are always 1, 2 or 3.
struct RemovalSettings {
    enum Rounding { HalfUp = 1, Up = 2, Truncate = 3 };

    Currency removalFactor = Currency::fromRaw(3000); // 撤去
    Currency recycleFactor = Currency::fromRaw(3000); // 撤去再利用
    int decimals = 1;
    int rounding = HalfUp;

    bool operator==(const RemovalSettings&) const = default;
};

QString RemovalSettingsPath(const QString& programFolder);

// The four lines "[REMOVAL]=", "[RECYCLE]=", "[KETA]=", "[CUTLEVEL]=" with the
// plain form of the factors, so that every stored value reads back.
QStringList RemovalSettingsLines(const RemovalSettings& settings);

// A factor that is no number reads as the default 0.3, and a decimals or
// rounding value outside 1..3 as 1: the values used are the values shown.
RemovalSettings RemovalSettingsFromLines(const QStringList& lines);

// No file gives the defaults; throws FileError when the file cannot be read
// or written.
RemovalSettings ReadRemovalSettings(const QString& path);
void WriteRemovalSettings(const QString& path, const RemovalSettings& settings);

// trunc(factor · rate · q + a) / q with q = 10^decimals and a = 0.5, 0.9 or 0
// for round half up, up or truncate, truncated toward zero, in exact decimal.
Currency RemovalRate(Currency rate, Currency factor, int decimals, int rounding);
