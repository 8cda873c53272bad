#pragma once

#include <QDate>
#include <QString>

// Dates as the Japanese calendar writes them, whatever the system locale.
namespace JapaneseDate {

// The era name and the two-digit year within it ("令和06"; the first year of
// an era is "01"), from ICU's Japanese calendar.
QString eraYear(QDate date);

// The weekday as one character ("月" … "日").
QString weekday(QDate date);

} // namespace JapaneseDate
