#include "TNValEdit.h"

#include <cmath>
#include <limits>

TNValEdit::TNValEdit(QWidget* parent)
    : NumericEditCore(parent)
{
    rememberEntry();
}

void TNValEdit::setValue(double value)
{
    if (std::isnan(value))
        value = 0;
    applyValue(value);
}

QString TNValEdit::storedText(int decimals) const
{
    return plainText(value_, decimals);
}

bool TNValEdit::storeText(const QString& plain)
{
    bool ok = false;
    const double value = plain.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return false;
    value_ = value;
    return true;
}

void TNValEdit::setValueFromText(const QString& cleaned)
{
    bool ok = false;
    const double value = cleaned.isEmpty() ? 0 : cleaned.toDouble(&ok);
    setValue(ok && std::isfinite(value) ? value : 0);
}

double TNValEdit::typeMaximum() const
{
    return std::numeric_limits<double>::max();
}
