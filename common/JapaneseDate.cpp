#include "JapaneseDate.h"

#include <unicode/gregocal.h>
#include <unicode/smpdtfmt.h>
#include <unicode/timezone.h>

#include <stdexcept>

namespace JapaneseDate {

namespace {

// Noon of the day in GMT, formatted in GMT: no time zone can move the day.
QString format(QDate date, const char16_t* pattern)
{
    UErrorCode status = U_ZERO_ERROR;
    icu::GregorianCalendar gregorian(*icu::TimeZone::getGMT(), status);
    gregorian.clear();
    gregorian.set(date.year(), date.month() - 1, date.day(), 12, 0, 0);
    const UDate when = gregorian.getTime(status);
    icu::SimpleDateFormat formatter(icu::UnicodeString(pattern), icu::Locale("ja_JP@calendar=japanese"), status);
    formatter.setTimeZone(*icu::TimeZone::getGMT());
    icu::UnicodeString text;
    formatter.format(when, text);
    if (U_FAILURE(status))
        throw std::runtime_error(std::string("Japanese calendar: ") + u_errorName(status));
    return QString(reinterpret_cast<const QChar*>(text.getBuffer()), text.length());
}

} // namespace

QString eraYear(QDate date) { return format(date, u"Gyy"); }

QString weekday(QDate date) { return format(date, u"EEE"); }

} // namespace JapaneseDate
