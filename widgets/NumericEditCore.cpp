#include "NumericEditCore.h"

#include <QApplication>
#include <QLocale>
#include <cmath>

namespace {

bool isAsciiDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

// A space or a control character stands for "no leading character".
bool isNoLeadingChar(QChar c) { return c.unicode() <= 0x20; }

QLocale numberLocale()
{
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() & ~QLocale::OmitGroupSeparator);
    return locale;
}

} // namespace

NumericEditCore::NumericEditCore(QWidget* parent)
    : QLineEdit(parent)
{
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setAcceptDrops(false);
    setDragEnabled(false);
    // Digits are typed directly; an input method would compose text we never show.
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setInputMethodHints(Qt::ImhFormattedNumbersOnly);
    normalColor_ = palette().color(QPalette::Text);
    minusColor_ = normalColor_;
}

void NumericEditCore::setMaxDigits(int digits)
{
    if (digits < 1 || digits > 15 || digits <= fixDecimal_)
        return;
    maxDigits_ = digits;
    // Fixed decimals are all written, zeros included; free ones as far as
    // they go.
    const QString shown = fixDecimal_ < 0 ? removeTrailingZeros(storedText(14)) : storedText(fixDecimal_);
    int needed = 0;
    for (QChar c : shown)
        needed += isAsciiDigit(c) ? 1 : 0;
    if (shown.startsWith(QLatin1String("0.")) || shown.startsWith(QLatin1String("-0.")))
        --needed;
    if (needed > maxDigits_)
        reapply();
}

void NumericEditCore::setPrmtNegative(bool permitted)
{
    prmtNegative_ = permitted;
    if (!permitted && storedNumber() < 0) {
        negateStored();
        reapply();
    }
}

void NumericEditCore::setFixDecimal(int decimals)
{
    if (decimals < -1)
        decimals = -1;
    if (decimals >= maxDigits_)
        decimals = maxDigits_ - 1;
    fixDecimal_ = decimals;
    if (decimals < 0)
        return;
    // Cut, not rounded: drop the decimals beyond the new count from the text.
    QString text = storedText(14);
    const int dot = text.indexOf(QLatin1Char('.'));
    if (dot >= 0)
        text = text.left(decimals == 0 ? dot : dot + 1 + decimals);
    if (storeText(text))
        reapply();
}

void NumericEditCore::setLeadingChar(QChar c)
{
    leadingChar_ = isNoLeadingChar(c) ? QLatin1Char(' ') : c;
    reapply();
}

void NumericEditCore::setZeroDisplay(bool on)
{
    zeroDisplay_ = on;
    buildDisplay();
}

void NumericEditCore::setPutAComma(bool on)
{
    putAComma_ = on;
    reapply();
}

void NumericEditCore::setMinusColor(const QColor& color)
{
    minusColor_ = color;
    buildDisplay();
}

void NumericEditCore::setText(const QString& text)
{
    setValueFromText(cleanNumberText(text));
    end(false);
}

double NumericEditCore::zeroThreshold() const
{
    const double threshold = fixDecimal_ < 0 ? 5 * std::pow(10.0, -maxDigits_)
                                             : 5 * std::pow(10.0, -(fixDecimal_ + 1));
    return std::max(threshold, thresholdFloor());
}

double NumericEditCore::maximum() const
{
    // The last unit is one the type can hold: with more fixed decimals than
    // it keeps, a limit like 9.9999999 would be stored rounded up to 10.
    int lastDecimal = fixDecimal_;
    if (typeDecimals() >= 0)
        lastDecimal = std::min(lastDecimal, typeDecimals());
    const double limit = fixDecimal_ < 0 ? std::pow(10.0, maxDigits_) - 1
                                         : std::pow(10.0, maxDigits_ - fixDecimal_) - std::pow(10.0, -lastDecimal);
    return std::min(limit, typeMaximum());
}

QString NumericEditCore::plainText(double value, int decimals)
{
    return QString::number(value, 'f', std::max(decimals, 0));
}

QString NumericEditCore::removeTrailingZeros(QString text)
{
    if (!text.contains(QLatin1Char('.')))
        return text;
    while (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text;
}

void NumericEditCore::applyValue(double value)
{
    const bool negative = value < 0 && prmtNegative_;
    double magnitude = std::fabs(value);
    minus_ = false;
    if (magnitude < zeroThreshold()) {
        // Kept but shown as zero, and without a sign: "-" alone would read as
        // a half-typed negative number.
        digits_ = zeroDisplay_ ? 1 : 0;
        decimals_ = 0;
        point_ = false;
        storeNumber(negative ? -magnitude : magnitude);
        buildDisplay();
        return;
    }
    minus_ = negative;
    magnitude = std::min(magnitude, maximum());

    QString text = removeTrailingZeros(plainText(magnitude, 14));
    if (text.contains(QLatin1Char('.')) && text.size() > maxDigits_ + 1)
        text = removeTrailingZeros(text.left(maxDigits_ + 1));
    const int dot = text.indexOf(QLatin1Char('.'));
    if (dot < 0) {
        decimals_ = std::max(fixDecimal_, 0);
        digits_ = int(text.size()) + decimals_;
    } else {
        decimals_ = fixDecimal_ < 0 ? int(text.size()) - dot - 1 : fixDecimal_;
        digits_ = dot + decimals_;
    }
    point_ = decimals_ > 0;
    storeNumber(negative ? -magnitude : magnitude);
    buildDisplay();
}

QString NumericEditCore::grouped(const QString& plain) const
{
    const QLocale locale = numberLocale();
    QString sign, integer = plain, fraction;
    if (integer.startsWith(QLatin1Char('-'))) {
        sign = QStringLiteral("-");
        integer.remove(0, 1);
    }
    const int dot = integer.indexOf(QLatin1Char('.'));
    if (dot >= 0) {
        fraction = locale.decimalPoint() + integer.mid(dot + 1);
        integer.truncate(dot);
    }
    if (putAComma_) {
        for (int i = int(integer.size()) - 3; i > 0; i -= 3)
            integer.insert(i, locale.groupSeparator());
    }
    return sign + integer + fraction;
}

void NumericEditCore::updateColor(bool negative)
{
    if (minusColor_ == normalColor_)
        return;
    const QColor wanted = negative ? minusColor_ : normalColor_;
    if (palette().color(QPalette::Text) == wanted)
        return;
    QPalette pal = palette();
    pal.setColor(QPalette::Text, wanted);
    settingColor_ = true;
    setPalette(pal);
    settingColor_ = false;
}

void NumericEditCore::buildDisplay()
{
    const double value = storedNumber();
    const bool zero = std::fabs(value) < zeroThreshold();
    updateColor((value < 0 && !zero) || minus_);
    QString text;
    if (!zero || point_) {
        text = grouped(zero ? plainText(0, decimals_) : storedText(decimals_));
        if (point_ && decimals_ == 0 && digits_ < maxDigits_)
            text += numberLocale().decimalPoint();
    } else {
        digits_ = 0;
        decimals_ = 0;
        text = zeroDisplay_ ? QStringLiteral("0") : QString();
    }
    text = text.trimmed();
    if (minus_ && !text.contains(QLatin1Char('-')))
        text.prepend(QLatin1Char('-'));
    if (!isNoLeadingChar(leadingChar_) && (zeroDisplay_ || !zero || minus_ || point_))
        text.prepend(leadingChar_);
    const bool changed = text != QLineEdit::text();
    QLineEdit::setText(text);
    if (changed)
        setModified(true);
    end(false);
}

void NumericEditCore::clearAll()
{
    storeNumber(0);
    digits_ = 0;
    decimals_ = 0;
    point_ = false;
    minus_ = false;
}

void NumericEditCore::beep() const
{
    QApplication::beep();
}

void NumericEditCore::typeCharacter(QChar c)
{
    if (c == QLatin1Char('-'))
        typeMinus();
    else if (c == QLatin1Char('.') || QString(c) == numberLocale().decimalPoint())
        typePoint();
    else if (isAsciiDigit(c))
        typeDigit(c.unicode() - '0');
}

void NumericEditCore::typeMinus()
{
    if (!prmtNegative_) {
        beep();
        return;
    }
    if (hasSelectedText())
        clearAll();
    negateStored();
    // The flag follows the sign of a value that has one: Backspace may have
    // cleared it while the value stayed negative. Only a zero keeps the typed
    // minus on its own.
    const double value = storedNumber();
    minus_ = value != 0 ? value < 0 : !minus_;
    buildDisplay();
}

void NumericEditCore::typePoint()
{
    if (fixDecimal_ == 0) {
        point_ = false;
        decimals_ = 0;
        beep();
        return;
    }
    if (hasSelectedText()) {
        const bool minus = minus_;
        clearAll();
        minus_ = minus;
    }
    if (digits_ >= maxDigits_ || point_) {
        beep();
        return;
    }
    if (digits_ == 0)
        digits_ = 1;
    point_ = true;
    buildDisplay();
}

void NumericEditCore::typeDigit(int digit)
{
    if (hasSelectedText()) {
        clearAll();
        buildDisplay();
    }
    const int oldDecimals = decimals_;
    const int oldDigits = digits_;
    double value = storedNumber();
    const bool negative = value < 0 || minus_;
    double next;
    if (point_) {
        ++decimals_;
        const double step = digit * std::pow(10.0, -decimals_);
        next = negative ? value - step : value + step;
    } else {
        value = std::round(value);
        if (value == 0 && digits_ == 1)
            digits_ = 0;
        next = negative ? value * 10 - digit : value * 10 + digit;
    }
    if (point_ && decimals_ == 1 && value == 0)
        digits_ = 2;
    else
        ++digits_;

    if (digits_ > maxDigits_) {
        digits_ = maxDigits_;
        decimals_ = oldDecimals;
        beep();
        return;
    }
    if (!point_ && fixDecimal_ >= 0 && digits_ > maxDigits_ - fixDecimal_) {
        digits_ = maxDigits_ - fixDecimal_;
        beep();
        return;
    }
    if (point_) {
        int limit = fixDecimal_;
        if (typeDecimals() >= 0 && (limit < 0 || limit > typeDecimals()))
            limit = typeDecimals();
        if (limit >= 0 && decimals_ > limit) {
            decimals_ = limit;
            digits_ = oldDigits;
            beep();
            return;
        }
    }
    // Going through the text drops the floating-point noise of the sum.
    if (!storeText(plainText(next, decimals_))) {
        digits_ = oldDigits;
        decimals_ = oldDecimals;
        beep();
        return;
    }
    buildDisplay();
}

void NumericEditCore::backspace()
{
    if (hasSelectedText() || digits_ <= 0) {
        clearAll();
        buildDisplay();
        return;
    }
    QString text = storedText(decimals_);
    text.chop(1);
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    --digits_;
    if (decimals_ <= 0) {
        decimals_ = 0;
        point_ = false;
        minus_ = false;
    } else {
        --decimals_;
    }
    if (text.isEmpty() || text == QLatin1String("-") || !storeText(text))
        storeNumber(0);
    buildDisplay();
}

QString NumericEditCore::cleanNumberText(const QString& source) const
{
    QString text = source.normalized(QString::NormalizationForm_KC).trimmed();
    if (text.isEmpty())
        return {};
    const QString leading = QString(leadingChar_).normalized(QString::NormalizationForm_KC);
    if (!isNoLeadingChar(leadingChar_)) {
        if (text.startsWith(leading))
            text.remove(0, leading.size());
    } else if (text.startsWith(QLatin1Char('$')) || text.startsWith(QLatin1Char('\\'))
               || text.startsWith(QChar(0x00A5))) {
        text.remove(0, 1);
    }
    const QLocale locale = numberLocale();
    const QString point = locale.decimalPoint();
    const QString separator = locale.groupSeparator();
    if (point.size() != 1 || separator.size() != 1)
        return {};
    text.replace(point, QStringLiteral("."));
    const QChar comma = separator.at(0);

    const int length = int(text.size());
    const int dot = int(text.indexOf(QLatin1Char('.')));
    const int p = dot < 0 ? length + 1 : dot + 1;
    int commas = 0;
    for (int i = length; i >= 1; --i) {
        const QChar c = text.at(i - 1);
        if (isAsciiDigit(c) || c == QLatin1Char('+') || c == QLatin1Char('-') || c == QLatin1Char('.'))
            continue;
        if (c == comma && i < p && i != 1 && (p - i) % 4 == 0) {
            ++commas;
            continue;
        }
        return {};
    }
    if (commas > 0) {
        // Grouping counts digits only; a leading sign is no digit.
        const int sign = (text.startsWith(QLatin1Char('-')) || text.startsWith(QLatin1Char('+'))) ? 1 : 0;
        if (commas != (p - commas - 2 - sign) / 3)
            return {};
        text.remove(comma);
    }
    return text;
}

void NumericEditCore::changeEvent(QEvent* event)
{
    QLineEdit::changeEvent(event);
    if (event->type() != QEvent::PaletteChange || settingColor_)
        return;
    const QColor color = palette().color(QPalette::Text);
    const bool negativeShown = storedNumber() < 0 || minus_;
    if (minusColor_ == normalColor_) {
        normalColor_ = color;
        minusColor_ = color;
    } else if (negativeShown) {
        if (color != minusColor_) {
            normalColor_ = color;
            updateColor(true);
        }
    } else {
        normalColor_ = color;
    }
}
