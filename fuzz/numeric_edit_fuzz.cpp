// The number field: a text of any characters set from outside or pasted,
// then typing. Input: a flags byte (which field, grouping, negatives, zero
// shown, leading character), MaxDigits, FixDecimal, the text up to a zero
// byte, then one key per byte. After every step the field holds no more
// digits than MaxDigits, no value beyond its maximum, and what it shows reads
// back as its value to the decimals shown.
#include "FuzzSupport.h"

#include "ExactMath.h"
#include "TNValEdit.h"
#include "TNValEditC.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLocale>

#include <cmath>
#include <cstring>
#include <limits>
#include <memory>

namespace {

void EnsureApplication()
{
    if (QCoreApplication::instance())
        return;
    static int argc = 1;
    static char name[] = "numeric_edit_fuzz";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "minimal");
    new QApplication(argc, argv);
}

const QChar LeadingChars[] = {QLatin1Char(' '), QLatin1Char('\\'), QLatin1Char('$'), QChar(0x00A5), QChar(0xFFE5)};

struct Field {
    std::unique_ptr<NumericEditCore> edit;
    bool fixedPoint = false;

    double value() const
    {
        return fixedPoint ? static_cast<TNValEditC&>(*edit).value().toDouble() : static_cast<TNValEdit&>(*edit).value();
    }
};

Field MakeField(bool fixedPoint, QChar leading)
{
    Field field;
    field.fixedPoint = fixedPoint;
    if (fixedPoint)
        field.edit = std::make_unique<TNValEditC>();
    else
        field.edit = std::make_unique<TNValEdit>();
    field.edit->setLeadingChar(leading);
    return field;
}

// The widest field of a kind and leading character, which reads back what
// the field under test shows. Each is made once: it is given a whole text for
// every check, so nothing of one input reaches the next, as nothing of one
// check reaches the next within an input.
Field& Reader(bool fixedPoint, std::size_t leading)
{
    static Field readers[2][std::size(LeadingChars)];
    Field& reader = readers[fixedPoint][leading];
    if (!reader.edit) {
        reader = MakeField(fixedPoint, LeadingChars[leading]);
        reader.edit->setMaxDigits(15);
    }
    return reader;
}

// The largest value the field may hold.
double Maximum(const Field& field)
{
    const int m = field.edit->maxDigits();
    const int f = field.edit->fixDecimal();
    double limit = f < 0 ? std::pow(10.0, m) - 1 : std::pow(10.0, m - f) - std::pow(10.0, -f);
    if (field.fixedPoint)
        limit = std::min(limit, static_cast<double>(std::numeric_limits<std::int64_t>::max()) / 10000);
    return limit;
}

void CheckField(const Field& field, Field& reader)
{
    const NumericEditCore& edit = *field.edit;
    // FUZZ_TRACE=1 shows each step of a failing input.
    static const bool trace = qEnvironmentVariableIsSet("FUZZ_TRACE");
    if (trace)
        std::fprintf(stderr, "shown \"%s\" value %.17g digits %d decimals %d\n", qPrintable(edit.text()), field.value(),
                     edit.digitCount(), edit.decimalCount());
    FUZZ_CHECK(edit.digitCount() >= 0 && edit.digitCount() <= edit.maxDigits());
    FUZZ_CHECK(edit.decimalCount() >= 0 && edit.decimalCount() <= edit.maxDigits());
    if (edit.fixDecimal() >= 0)
        FUZZ_CHECK(edit.decimalCount() <= edit.fixDecimal());
    const double value = field.value();
    FUZZ_CHECK(std::isfinite(value) && std::fabs(value) <= Maximum(field) * (1 + 1e-15));

    // Read back with the widest field of the same kind and leading character.
    reader.edit->setText(edit.text());
    const double shown = reader.value();
    const double halfUnit = 0.5 * std::pow(10.0, -edit.decimalCount());
    if (field.fixedPoint) {
        const std::int64_t raw = static_cast<const TNValEditC&>(edit).value().raw();
        const std::int64_t back = static_cast<TNValEditC&>(*reader.edit).value().raw();
        // In whole units: near the limits of the type a double cannot tell
        // neighbouring raw values apart.
        std::int64_t unit = 1;
        for (int d = edit.decimalCount(); d < 4; ++d)
            unit *= 10;
        const exact::Int difference = static_cast<exact::Int>(back) - raw;
        FUZZ_CHECK(2 * (difference < 0 ? -difference : difference) <= unit);
    } else {
        FUZZ_CHECK(std::fabs(shown - value) <= halfUnit * (1 + 1e-9) + std::fabs(value) * 1e-15);
    }
}

void Press(NumericEditCore& edit, std::uint8_t byte)
{
    const int key = byte % 17;
    if (key == 16) {
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QCoreApplication::sendEvent(&edit, &out);
        return;
    }
    static const struct {
        int code;
        const char* text;
    } keys[] = {{Qt::Key_0, "0"}, {Qt::Key_1, "1"}, {Qt::Key_2, "2"}, {Qt::Key_3, "3"}, {Qt::Key_4, "4"},
                {Qt::Key_5, "5"}, {Qt::Key_6, "6"}, {Qt::Key_7, "7"}, {Qt::Key_8, "8"}, {Qt::Key_9, "9"},
                {Qt::Key_Period, "."}, {Qt::Key_Minus, "-"}, {Qt::Key_Backspace, ""}, {Qt::Key_Delete, ""},
                {Qt::Key_Escape, ""}, {Qt::Key_Home, ""}};
    QKeyEvent press(QEvent::KeyPress, keys[key].code, Qt::NoModifier, QString::fromLatin1(keys[key].text));
    QCoreApplication::sendEvent(&edit, &press);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 3)
        return 0;
    EnsureApplication();
    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));

    const std::uint8_t flags = data[0];
    const std::size_t leading = (flags >> 4) % std::size(LeadingChars);
    const bool fixedPoint = flags & 1;
    Field field = MakeField(fixedPoint, LeadingChars[leading]);
    field.edit->setPutAComma(flags & 2);
    field.edit->setPrmtNegative(flags & 4);
    field.edit->setZeroDisplay(flags & 8);
    field.edit->setMaxDigits(1 + data[1] % 15);
    field.edit->setFixDecimal(data[2] % 17 - 1);
    Field& reader = Reader(fixedPoint, leading);

    const std::uint8_t* text = data + 3;
    const std::uint8_t* end = data + size;
    const auto* zero = static_cast<const std::uint8_t*>(std::memchr(text, 0, static_cast<std::size_t>(end - text)));
    const std::uint8_t* keys = zero ? zero + 1 : end;
    field.edit->setText(QString::fromUtf8(reinterpret_cast<const char*>(text), (zero ? zero : end) - text));
    CheckField(field, reader);
    for (const std::uint8_t* k = keys; k < end; ++k) {
        Press(*field.edit, *k);
        CheckField(field, reader);
    }
    return 0;
}
