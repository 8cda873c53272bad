#include "MatchKey.h"

#include <unicode/normalizer2.h>
#include <unicode/unistr.h>

QString MatchKey(const QString& text)
{
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2* nfkc = icu::Normalizer2::getNFKCInstance(status);
    QString normal = text;
    if (U_SUCCESS(status)) {
        const icu::UnicodeString source(reinterpret_cast<const UChar*>(text.utf16()), static_cast<int32_t>(text.size()));
        const icu::UnicodeString result = nfkc->normalize(source, status);
        if (U_SUCCESS(status))
            normal = QString(reinterpret_cast<const QChar*>(result.getBuffer()), result.length());
    }
    normal.removeIf([](QChar c) { return c.isSpace(); });
    return normal;
}
