// Number texts typed or pasted by users: a text either fails to convert or
// converts to a value whose plain form converts back to the same value.
#include "FileError.h"
#include "NumberText.h"
#include "ShiftJis.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString text = QString::fromLatin1(bytes);
    try {
        const Currency value = ParseCurrency(text);
        if (ParseCurrency(PlainText(value)) != value)
            std::abort();
        FormatYen(value);
    } catch (const ConversionError&) {
    }
    // Decoding a field never holds bytes back, whatever it ends with.
    const QString decoded = ShiftJis::decode(bytes);
    if (size > 0 && decoded.isEmpty())
        std::abort();
    return 0;
}
