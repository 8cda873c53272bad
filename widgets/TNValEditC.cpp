#include "TNValEditC.h"

#include "ExactMath.h"
#include "NumberText.h"

#include <algorithm>
#include <limits>
#include <string>

namespace {

exact::UInt pow10(int n)
{
    exact::UInt p = 1;
    while (n-- > 0)
        p *= 10;
    return p;
}

std::string digitsOf(exact::UInt n)
{
    std::string s;
    do {
        s.insert(s.begin(), static_cast<char>('0' + static_cast<int>(n % 10)));
        n /= 10;
    } while (n != 0);
    return s;
}

} // namespace

TNValEditC::TNValEditC(QWidget* parent)
    : NumericEditCore(parent)
{
    rememberEntry();
}

void TNValEditC::setValue(Currency value)
{
    raw_ = value.raw();
    applyValue(storedNumber());
}

double TNValEditC::storedNumber() const
{
    return static_cast<double>(raw_) / Currency::Scale;
}

QString TNValEditC::storedText(int decimals) const
{
    decimals = std::max(decimals, 0);
    const bool negative = raw_ < 0;
    exact::UInt magnitude = negative ? 0 - static_cast<exact::UInt>(static_cast<exact::Int>(raw_))
                                           : static_cast<exact::UInt>(raw_);
    if (decimals < 4) {
        const exact::UInt unit = pow10(4 - decimals);
        magnitude = (magnitude + unit / 2) / unit; // halves away from zero
    } else {
        magnitude *= pow10(decimals - 4);
    }
    std::string digits = digitsOf(magnitude);
    if (static_cast<int>(digits.size()) <= decimals)
        digits.insert(0, static_cast<std::size_t>(decimals + 1 - static_cast<int>(digits.size())), '0');
    if (decimals > 0)
        digits.insert(digits.size() - static_cast<std::size_t>(decimals), 1, '.');
    if (negative && magnitude != 0)
        digits.insert(digits.begin(), '-');
    return QString::fromLatin1(digits.data(), static_cast<qsizetype>(digits.size()));
}

void TNValEditC::storeNumber(double value)
{
    // The value setting hands back the stored number (or its negation) as a
    // double: keep the exact value then, and convert only a new number.
    const double stored = storedNumber();
    if (value == stored)
        return;
    if (value == -stored) {
        negateStored();
        return;
    }
    raw_ = Currency::fromDoubleSaturated(value).raw();
}

bool TNValEditC::storeText(const QString& plain)
{
    const std::optional<Currency> value = ReadDecimal(plain);
    if (!value)
        return false;
    raw_ = value->raw();
    return true;
}

void TNValEditC::negateStored()
{
    raw_ = raw_ == std::numeric_limits<std::int64_t>::min() ? std::numeric_limits<std::int64_t>::max() : -raw_;
}

void TNValEditC::setValueFromText(const QString& cleaned)
{
    // A number too large for the type is held at its limit, and from there at
    // the field's maximum, as the double field does; text that is no number
    // reads as 0.
    setValue(cleaned.isEmpty() ? Currency() : ReadDecimal(cleaned, BeyondRange::Saturate).value_or(Currency()));
}

double TNValEditC::typeMaximum() const
{
    return static_cast<double>(std::numeric_limits<std::int64_t>::max()) / Currency::Scale;
}
