#include "TNValEdit.h"
#include "TNValEditC.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QPushButton>
#include <QSignalSpy>
#include <QMenu>
#include <QMimeData>
#include <QTimer>
#include <QVBoxLayout>
#include <QtTest>

namespace {

// Types a script into the field: characters as typed, and B Backspace,
// D Delete, E Escape, H Home, L Left.
void typeScript(QWidget* w, const QString& script)
{
    for (QChar c : script) {
        switch (c.unicode()) {
        case 'B': QTest::keyClick(w, Qt::Key_Backspace); break;
        case 'D': QTest::keyClick(w, Qt::Key_Delete); break;
        case 'E': QTest::keyClick(w, Qt::Key_Escape); break;
        case 'H': QTest::keyClick(w, Qt::Key_Home); break;
        case 'L': QTest::keyClick(w, Qt::Key_Left); break;
        default: QTest::keyClicks(w, QString(c)); break;
        }
    }
}

} // namespace

class TestNValEdit : public QObject {
    Q_OBJECT

private slots:
    void newFieldProperties();
    void shortcutOverrideAsTheLineEdit_data();
    void shortcutOverrideAsTheLineEdit();
    void typing_data();
    void typing();
    void typingFixedPoint_data();
    void typingFixedPoint();
    void settingValue_data();
    void settingValue();
    void fixedPointKeepsExactValue();
    void fixedPointMaximum_data();
    void fixedPointMaximum();
    void paste_data();
    void paste();
    void assignedTextIsConverted();
    void escapeRestoresEntryValue();
    void focusLossNormalises();
    void minusColorFollowsSign();
    void setterRules();
    void loweringMaxDigitsLimitsTheValue_data();
    void loweringMaxDigitsLimitsTheValue();
    void readOnlyIgnoresKeys();
    void enterAndArrowsMoveFocus();
    void mouseKeepsCaretAtEnd();
    void copyAndCut();
    void contextMenuPasteConverts();
    void enterReachesDefaultButton();
};

void TestNValEdit::newFieldProperties()
{
    TNValEdit e;
    QCOMPARE(e.property("MaxDigits").toInt(), 9);
    QCOMPARE(e.property("PrmtNegative").toBool(), true);
    QCOMPARE(e.property("FixDecimal").toInt(), -1);
    QCOMPARE(e.property("DelAllClear").toBool(), false);
    QCOMPARE(e.property("LeadingChar").value<QChar>(), QChar(' '));
    QCOMPARE(e.property("ZeroDisplay").toBool(), false);
    QCOMPARE(e.property("Value").toDouble(), 0.0);
    QCOMPARE(e.property("PutAComma").toBool(), true);
    QCOMPARE(e.property("EnterNext").toBool(), false);
    QCOMPARE(e.property("ArrowNext").toBool(), false);
    QCOMPARE(e.text(), QString());
    QVERIFY(e.alignment() & Qt::AlignRight);
    TNValEditC c;
    QCOMPARE(c.property("Value").value<Currency>(), Currency());
}

// Which keys the field claims before the window's shortcuts see them: the
// same as any line edit, read-only or not.
void TestNValEdit::shortcutOverrideAsTheLineEdit_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("text");
    QTest::newRow("0") << int(Qt::Key_0) << 0 << "0";
    QTest::newRow("9") << int(Qt::Key_9) << 0 << "9";
    QTest::newRow("point") << int(Qt::Key_Period) << 0 << ".";
    QTest::newRow("minus") << int(Qt::Key_Minus) << 0 << "-";
    QTest::newRow("keypad 5") << int(Qt::Key_5) << int(Qt::KeypadModifier) << "5";
    QTest::newRow("slash, past the digits") << int(Qt::Key_Slash) << 0 << "/";
    QTest::newRow("colon, past the digits") << int(Qt::Key_Colon) << 0 << ":";
    QTest::newRow("shift 5") << int(Qt::Key_5) << int(Qt::ShiftModifier) << "%";
    QTest::newRow("ctrl 1") << int(Qt::Key_1) << int(Qt::ControlModifier) << "";
    QTest::newRow("alt minus") << int(Qt::Key_Minus) << int(Qt::AltModifier) << "";
    QTest::newRow("copy") << int(Qt::Key_C) << int(Qt::ControlModifier) << "";
    QTest::newRow("home") << int(Qt::Key_Home) << 0 << "";
    QTest::newRow("F5") << int(Qt::Key_F5) << 0 << "";
    const std::pair<const char*, int> controls[] = {
        {"backspace", Qt::Key_Backspace}, {"delete", Qt::Key_Delete}, {"end", Qt::Key_End},
        {"left", Qt::Key_Left},           {"right", Qt::Key_Right},   {"up", Qt::Key_Up},
        {"down", Qt::Key_Down},           {"escape", Qt::Key_Escape}, {"return", Qt::Key_Return},
        {"enter", Qt::Key_Enter}};
    for (const auto& [name, key] : controls)
        QTest::newRow(name) << key << 0 << "";
    QTest::newRow("shift delete, cut") << int(Qt::Key_Delete) << int(Qt::ShiftModifier) << "";
    QTest::newRow("alt backspace, undo") << int(Qt::Key_Backspace) << int(Qt::AltModifier) << "";
    QTest::newRow("shift home") << int(Qt::Key_Home) << int(Qt::ShiftModifier) << "";
    QTest::newRow("keypad enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << "";
}

void TestNValEdit::shortcutOverrideAsTheLineEdit()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, text);
    for (bool readOnly : {false, true}) {
        QLineEdit plain;
        TNValEdit field;
        plain.setReadOnly(readOnly);
        field.setReadOnly(readOnly);
        QKeyEvent toPlain(QEvent::ShortcutOverride, key, Qt::KeyboardModifiers(modifiers), text);
        QKeyEvent toField(QEvent::ShortcutOverride, key, Qt::KeyboardModifiers(modifiers), text);
        toPlain.ignore();
        toField.ignore();
        const bool plainTaken = QCoreApplication::sendEvent(&plain, &toPlain);
        const bool fieldTaken = QCoreApplication::sendEvent(&field, &toField);
        QCOMPARE(toField.isAccepted(), toPlain.isAccepted());
        QCOMPARE(fieldTaken, plainTaken);
        // A number key is the field's exactly when it can be typed.
        if (text.size() == 1 && QStringLiteral("0123456789.-").contains(text) && !(modifiers & ~Qt::KeypadModifier))
            QCOMPARE(toField.isAccepted(), !readOnly);
    }
    // The field takes an unmodified control key without asking the
    // platform's edit command lists: they must bind none of them.
    if (modifiers == 0 && text.isEmpty()) {
        const QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        for (const QKeySequence::StandardKey command :
             {QKeySequence::Copy, QKeySequence::Paste, QKeySequence::Cut, QKeySequence::Undo, QKeySequence::SelectAll})
            QVERIFY(!press.matches(command));
    }
}

void TestNValEdit::typing_data()
{
    QTest::addColumn<int>("maxDigits");
    QTest::addColumn<int>("fixDecimal");
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");

    QTest::newRow("grouped") << 9 << -1 << "1234" << "1,234" << 1234.0;
    QTest::newRow("tenth digit ignored") << 9 << -1 << "1234567890" << "123,456,789" << 123456789.0;
    QTest::newRow("leading zeros") << 9 << -1 << "007" << "7" << 7.0;
    QTest::newRow("point first") << 9 << -1 << ".5" << "0.5" << 0.5;
    QTest::newRow("trailing point") << 9 << -1 << "12." << "12." << 12.0;
    QTest::newRow("second point ignored") << 9 << -1 << "1.2.3" << "1.23" << 1.23;
    QTest::newRow("free decimals up to limit") << 9 << -1 << "1.234567891" << "1.23456789" << 1.23456789;
    QTest::newRow("zero decimals") << 9 << -1 << "0.05" << "0.05" << 0.05;
    QTest::newRow("minus alone") << 9 << -1 << "-" << "-" << 0.0;
    QTest::newRow("minus then digit") << 9 << -1 << "-5" << "-5" << -5.0;
    QTest::newRow("sign flips late") << 9 << -1 << "12-" << "-12" << -12.0;
    QTest::newRow("sign flips back") << 9 << -1 << "12--" << "12" << 12.0;
    QTest::newRow("negative decimals") << 9 << -1 << "-0.25" << "-0.25" << -0.25;
    QTest::newRow("backspace keeps point") << 9 << -1 << "12.5B" << "12." << 12.0;
    QTest::newRow("backspace past point") << 9 << -1 << "12.5BB" << "1" << 1.0;
    QTest::newRow("backspace to empty") << 9 << -1 << "12.5BBBB" << "" << 0.0;
    QTest::newRow("backspace negative") << 9 << -1 << "-12.5BB" << "-1" << -1.0;
    // Backspace clears the typed minus of a value that stays negative: the
    // next minus makes it positive and must not show a sign it lacks.
    QTest::newRow("sign flips after backspace") << 9 << -1 << "-12B-" << "1" << 1.0;
    QTest::newRow("sign flips back after backspace") << 9 << -1 << "-12B--" << "-1" << -1.0;
    QTest::newRow("digit after flip past backspace") << 9 << -1 << "-109B0-5" << "1,005" << 1005.0;
    QTest::newRow("backspace small decimal") << 9 << -1 << "0.05B" << "0.0" << 0.0;
    QTest::newRow("backspace then type") << 9 << -1 << "1.25B7" << "1.27" << 1.27;
    QTest::newRow("fixed two decimals") << 9 << 2 << "5.123" << "5.12" << 5.12;
    QTest::newRow("fixed integer limit") << 9 << 2 << "12345678" << "1,234,567" << 1234567.0;
    QTest::newRow("no point allowed") << 9 << 0 << "1.5" << "15" << 15.0;
    QTest::newRow("small limit") << 3 << -1 << "12.34" << "12.3" << 12.3;
    QTest::newRow("point at limit") << 3 << -1 << "123.4" << "123" << 123.0;
    QTest::newRow("delete needs selection") << 9 << -1 << "123D" << "123" << 123.0;
    QTest::newRow("home selects, digit replaces") << 9 << -1 << "123H4" << "4" << 4.0;
    QTest::newRow("home selects, backspace clears") << 9 << -1 << "123HB" << "" << 0.0;
    QTest::newRow("home selects, delete clears") << 9 << -1 << "123HD" << "" << 0.0;
    QTest::newRow("left is swallowed") << 9 << -1 << "12L3" << "123" << 123.0;
    QTest::newRow("letters swallowed") << 9 << -1 << "1a2 b" << "12" << 12.0;
}

void TestNValEdit::typing()
{
    QFETCH(int, maxDigits);
    QFETCH(int, fixDecimal);
    QFETCH(QString, script);
    QFETCH(QString, text);
    QFETCH(double, value);

    TNValEdit e;
    e.setProperty("MaxDigits", maxDigits);
    e.setProperty("FixDecimal", fixDecimal);
    typeScript(&e, script);
    QCOMPARE(e.text(), text);
    QCOMPARE(e.value(), value);
}

void TestNValEdit::typingFixedPoint_data()
{
    QTest::addColumn<int>("maxDigits");
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("raw");

    QTest::newRow("four decimals at most") << 9 << "1.23456" << "1.2345" << qint64(12345);
    QTest::newRow("negative") << 9 << "-98.7" << "-98.7" << qint64(-987000);
    QTest::newRow("backspace") << 9 << "3.75B" << "3.7" << qint64(37000);
    // Fifteen nines exceed the fixed-point range: the last digit is refused.
    QTest::newRow("beyond the type") << 15 << "999999999999999" << "99,999,999,999,999" << qint64(999999999999990000);
}

void TestNValEdit::typingFixedPoint()
{
    QFETCH(int, maxDigits);
    QFETCH(QString, script);
    QFETCH(QString, text);
    QFETCH(qint64, raw);

    TNValEditC e;
    e.setMaxDigits(maxDigits);
    typeScript(&e, script);
    QCOMPARE(e.text(), text);
    QCOMPARE(e.value().raw(), raw);
}

void TestNValEdit::settingValue_data()
{
    QTest::addColumn<int>("maxDigits");
    QTest::addColumn<int>("fixDecimal");
    QTest::addColumn<bool>("zeroDisplay");
    QTest::addColumn<double>("set");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");

    QTest::newRow("limited to maximum") << 9 << -1 << false << 12e9 << "999,999,999" << 999999999.0;
    QTest::newRow("negative limited") << 9 << -1 << false << -12e9 << "-999,999,999" << -999999999.0;
    QTest::newRow("fixed decimals shown") << 9 << 2 << false << 1.0 << "1.00" << 1.0;
    QTest::newRow("fixed maximum") << 5 << 2 << false << 1234.5 << "999.99" << 999.99;
    QTest::newRow("zero empty") << 9 << 2 << false << 0.0 << "" << 0.0;
    QTest::newRow("zero shown") << 9 << 2 << true << 0.0 << "0" << 0.0;
    QTest::newRow("digits cut, value kept") << 9 << -1 << false << 1.23456789012 << "1.23456789" << 1.23456789012;
    QTest::newRow("display rounds") << 9 << 1 << false << 0.96 << "1.0" << 0.96;
    QTest::newRow("tiny kept, shown as zero") << 9 << 2 << false << 0.004 << "" << 0.004;
    QTest::newRow("tiny negative has no sign") << 9 << 2 << false << -0.004 << "" << -0.004;
    QTest::newRow("negative decimals") << 9 << -1 << false << -1234.5 << "-1,234.5" << -1234.5;
    QTest::newRow("large free decimals") << 9 << -1 << false << 123456.789 << "123,456.789" << 123456.789;
}

void TestNValEdit::settingValue()
{
    QFETCH(int, maxDigits);
    QFETCH(int, fixDecimal);
    QFETCH(bool, zeroDisplay);
    QFETCH(double, set);
    QFETCH(QString, text);
    QFETCH(double, value);

    TNValEdit e;
    e.setMaxDigits(maxDigits);
    e.setFixDecimal(fixDecimal);
    e.setZeroDisplay(zeroDisplay);
    e.setProperty("Value", set);
    QCOMPARE(e.text(), text);
    QCOMPARE(e.value(), value);
}

void TestNValEdit::fixedPointKeepsExactValue()
{
    TNValEditC e;
    e.setMaxDigits(15);
    const Currency exact = Currency::fromRaw(123456789012345678); // 12,345,678,901,234.5678
    e.setValue(exact);
    QCOMPARE(e.value(), exact);
    QCOMPARE(e.text(), QString("12,345,678,901,234.6"));
    e.setFixDecimal(2);
    e.setValue(Currency::fromRaw(-7));
    QCOMPARE(e.value().raw(), qint64(-7)); // below the threshold: kept, shown as zero
    QCOMPARE(e.text(), QString());
}

// The largest value is one the field's four decimals can hold: with more
// fixed decimals than that, the nearest such value would round past it.
void TestNValEdit::fixedPointMaximum_data()
{
    QTest::addColumn<int>("maxDigits");
    QTest::addColumn<int>("fixDecimal");
    QTest::addColumn<QString>("set");
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("raw");

    QTest::newRow("two decimals") << 5 << 2 << "1234.5" << "999.99" << qint64(9999900);
    QTest::newRow("four decimals, the type's own") << 6 << 4 << "123" << "99.9999" << qint64(999999);
    QTest::newRow("five decimals") << 6 << 5 << "12" << "9.99990" << qint64(99999);
    QTest::newRow("seven decimals") << 8 << 7 << "673" << "9.9999000" << qint64(99999);
    QTest::newRow("fourteen decimals, negative") << 15 << 14 << "-12" << "-9.99990000000000" << qint64(-99999);
    // The ends of the type itself: its lowest value is held exactly, as any
    // other text that fits, and a text beyond it is held at it.
    QTest::newRow("the type's lowest") << 15 << -1 << "-922337203685477.5808" << "-922,337,203,685,478"
                                        << qint64(INT64_MIN);
    QTest::newRow("below the type's lowest") << 15 << -1 << "-922337203685477.5809" << "-922,337,203,685,478"
                                              << qint64(INT64_MIN);
}

void TestNValEdit::fixedPointMaximum()
{
    QFETCH(int, maxDigits);
    QFETCH(int, fixDecimal);
    QFETCH(QString, set);
    QFETCH(QString, text);
    QFETCH(qint64, raw);

    TNValEditC e;
    e.setMaxDigits(maxDigits);
    e.setFixDecimal(fixDecimal);
    e.setText(set);
    QCOMPARE(e.text(), text);
    QCOMPARE(e.value().raw(), raw);
}

void TestNValEdit::paste_data()
{
    QTest::addColumn<QString>("clip");
    QTest::addColumn<double>("value");

    QTest::newRow("grouped") << "1,234" << 1234.0;
    QTest::newRow("full width grouped") << QString::fromUtf8("１，２３４") << 1234.0;
    QTest::newRow("full width decimal") << QString::fromUtf8("１２．５") << 12.5;
    QTest::newRow("full width minus") << QString::fromUtf8("－５") << -5.0;
    QTest::newRow("bad group") << "1,23" << 0.0;
    QTest::newRow("partial grouping") << "1234,567" << 0.0;
    QTest::newRow("letters") << "12a" << 0.0;
    QTest::newRow("leading comma") << ",123" << 0.0;
    QTest::newRow("own negative text") << "-123,456" << -123456.0;
    QTest::newRow("two groups and decimals") << "1,234,567.5" << 1234567.5;
    QTest::newRow("yen sign") << QString::fromUtf8("¥1,234") << 1234.0;
    QTest::newRow("backslash yen") << "\\500" << 500.0;
    QTest::newRow("full width yen") << QString::fromUtf8("￥８００") << 800.0;
    QTest::newRow("line end") << "42\r\n" << 42.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("two signs") << "+-5" << 0.0;
    QTest::newRow("exponent") << "1e5" << 0.0;
    QTest::newRow("limited") << "12,345,678,901" << 999999999.0;
    // Beyond what the money field's type holds: limited all the same.
    QTest::newRow("beyond the fixed-point type") << "1,000,000,000,000,000" << 999999999.0;
    QTest::newRow("beyond twenty digits") << "99,999,999,999,999,999,999" << 999999999.0;
    QTest::newRow("negative beyond the type") << "-922337203685478" << -999999999.0;
}

void TestNValEdit::paste()
{
    QFETCH(QString, clip);
    QFETCH(double, value);

    TNValEdit e;
    e.setValue(77);
    QGuiApplication::clipboard()->setText(clip);
    QTest::keyClick(&e, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(e.value(), value);

    TNValEditC c;
    c.setValue(Currency::fromUnits(77));
    QTest::keyClick(&c, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(c.value(), Currency::fromDouble(value));
}

void TestNValEdit::assignedTextIsConverted()
{
    TNValEdit e;
    e.setText("1,234.5");
    QCOMPARE(e.value(), 1234.5);
    QCOMPARE(e.text(), QString("1,234.5"));
    e.setProperty("text", "abc");
    QCOMPARE(e.value(), 0.0);

    TNValEdit lead;
    lead.setLeadingChar(QChar(0x00A5));
    lead.setText(QString::fromUtf8("¥2,500"));
    QCOMPARE(lead.value(), 2500.0);
    QCOMPARE(lead.text(), QString::fromUtf8("¥2,500"));
    lead.setValue(0);
    QCOMPARE(lead.text(), QString());
}

void TestNValEdit::escapeRestoresEntryValue()
{
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* first = new TNValEdit;
    auto* second = new TNValEdit;
    layout->addWidget(first);
    layout->addWidget(second);
    first->setValue(7);
    window.show();
    QApplication::setActiveWindow(&window);
    first->setFocus(Qt::TabFocusReason);
    QVERIFY(first->hasFocus());
    QVERIFY(first->hasSelectedText()); // selected on entry, so typing replaces
    QTest::keyClicks(first, "123");
    QCOMPARE(first->value(), 123.0);
    QTest::keyClick(first, Qt::Key_Escape);
    QCOMPARE(first->value(), 7.0);
    QCOMPARE(first->text(), QString("7"));

    // The entry value is taken again when the focus leaves.
    QTest::keyClicks(first, "9");
    second->setFocus(Qt::TabFocusReason);
    first->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(first, "5");
    QTest::keyClick(first, Qt::Key_Escape);
    QCOMPARE(first->value(), 79.0);
}

void TestNValEdit::focusLossNormalises()
{
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* edit = new TNValEdit;
    auto* other = new TNValEdit;
    layout->addWidget(edit);
    layout->addWidget(other);
    edit->setFixDecimal(2);
    window.show();
    QApplication::setActiveWindow(&window);
    edit->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(edit, "12.");
    QCOMPARE(edit->text(), QString("12."));
    other->setFocus(Qt::TabFocusReason);
    QCOMPARE(edit->text(), QString("12.00"));
}

void TestNValEdit::minusColorFollowsSign()
{
    TNValEdit e;
    const QColor normal = e.palette().color(QPalette::Text);
    e.setMinusColor(Qt::red);
    QTest::keyClicks(&e, "-");
    QCOMPARE(e.palette().color(QPalette::Text), QColor(Qt::red));
    QTest::keyClicks(&e, "5-");
    QCOMPARE(e.value(), 5.0);
    QCOMPARE(e.palette().color(QPalette::Text), normal);

    // A colour set from outside becomes the normal colour, even while negative.
    e.setValue(-3);
    QPalette pal = e.palette();
    pal.setColor(QPalette::Text, Qt::blue);
    e.setPalette(pal);
    QCOMPARE(e.palette().color(QPalette::Text), QColor(Qt::red));
    e.setValue(3);
    QCOMPARE(e.palette().color(QPalette::Text), QColor(Qt::blue));
}

void TestNValEdit::setterRules()
{
    TNValEdit e;
    e.setValue(-12.345);
    e.setFixDecimal(1); // cut, not rounded
    QCOMPARE(e.value(), -12.3);
    QCOMPARE(e.text(), QString("-12.3"));
    e.setFixDecimal(20);
    QCOMPARE(e.fixDecimal(), 8);
    e.setFixDecimal(-5);
    QCOMPARE(e.fixDecimal(), -1);

    e.setMaxDigits(0);
    QCOMPARE(e.maxDigits(), 9);
    e.setMaxDigits(16);
    QCOMPARE(e.maxDigits(), 9);
    e.setValue(123456);
    e.setMaxDigits(4);
    QCOMPARE(e.maxDigits(), 4);
    QCOMPARE(e.value(), 9999.0);
    e.setFixDecimal(3);
    e.setMaxDigits(3); // not above the decimals: ignored
    QCOMPARE(e.maxDigits(), 4);

    TNValEdit n;
    n.setValue(-8);
    n.setPrmtNegative(false);
    QCOMPARE(n.value(), 8.0);
    QTest::keyClicks(&n, "-");
    QCOMPARE(n.value(), 8.0);
    n.setValue(-2);
    QCOMPARE(n.value(), 2.0);

    TNValEdit g;
    g.setValue(1234567);
    g.setPutAComma(false);
    QCOMPARE(g.text(), QString("1234567"));
}

// The digits counted against a new limit are those of the value written with
// its fixed decimals, trailing zeros included.
void TestNValEdit::loweringMaxDigitsLimitsTheValue_data()
{
    QTest::addColumn<int>("fixDecimal");
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("maxDigits");
    QTest::addColumn<QString>("shown");
    QTest::newRow("zeros after the point count") << 2 << "100" << 4 << "99.99";
    QTest::newRow("exactly at the limit") << 2 << "10" << 4 << "10.00";
    QTest::newRow("largest value kept") << 2 << "99.99" << 4 << "99.99";
    QTest::newRow("no decimals") << 0 << "1000" << 3 << "999";
    QTest::newRow("free decimals") << -1 << "12345" << 4 << "9,999";
    QTest::newRow("free decimals, fits") << -1 << "1.5" << 2 << "1.5";
}

void TestNValEdit::loweringMaxDigitsLimitsTheValue()
{
    QFETCH(int, fixDecimal);
    QFETCH(QString, value);
    QFETCH(int, maxDigits);
    QFETCH(QString, shown);
    TNValEdit e;
    e.setFixDecimal(fixDecimal);
    e.setValue(value.toDouble());
    e.setMaxDigits(maxDigits);
    QCOMPARE(e.text(), shown);
    QCOMPARE(e.value(), QString(shown).remove(',').toDouble());
    TNValEditC c;
    c.setFixDecimal(fixDecimal);
    c.setValue(Currency::fromDouble(value.toDouble()));
    c.setMaxDigits(maxDigits);
    QCOMPARE(c.text(), shown);
    QCOMPARE(c.value(), Currency::fromDouble(QString(shown).remove(',').toDouble()));
}

void TestNValEdit::readOnlyIgnoresKeys()
{
    TNValEdit e;
    e.setValue(42);
    e.setReadOnly(true);
    QGuiApplication::clipboard()->setText("99");
    typeScript(&e, "5-B.HD");
    QTest::keyClick(&e, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(&e, Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(e.value(), 42.0);
    QCOMPARE(e.text(), QString("42"));
}

void TestNValEdit::enterAndArrowsMoveFocus()
{
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* a = new TNValEdit;
    auto* b = new TNValEdit;
    layout->addWidget(a);
    layout->addWidget(b);
    window.show();
    QApplication::setActiveWindow(&window);
    a->setFocus();
    QTest::keyClick(a, Qt::Key_Return);
    QVERIFY(a->hasFocus());
    a->setEnterNext(true);
    QTest::keyClick(a, Qt::Key_Return);
    QVERIFY(b->hasFocus());
    b->setArrowNext(true);
    QTest::keyClick(b, Qt::Key_Up);
    QVERIFY(a->hasFocus());
}

void TestNValEdit::mouseKeepsCaretAtEnd()
{
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* other = new TNValEdit;
    auto* edit = new TNValEdit;
    layout->addWidget(other);
    layout->addWidget(edit);
    edit->setValue(1234567);
    window.show();
    QApplication::setActiveWindow(&window);
    other->setFocus(Qt::TabFocusReason);

    // Focus by mouse does not select; the caret cannot stay inside the number.
    QTest::mouseClick(edit, Qt::LeftButton, {}, QPoint(edit->width() - 30, edit->height() / 2));
    QVERIFY(edit->hasFocus());
    QVERIFY(!edit->hasSelectedText());
    QCOMPARE(edit->cursorPosition(), int(edit->text().size()));
    QTest::keyClicks(edit, "8");
    QCOMPARE(edit->value(), 12345678.0);

    // A whole selection stays selected after the button is released.
    edit->selectAll();
    QTest::mouseRelease(edit, Qt::LeftButton, {}, QPoint(5, edit->height() / 2));
    QVERIFY(edit->hasSelectedText());
}

void TestNValEdit::copyAndCut()
{
    TNValEdit e;
    e.setValue(-98765.25);
    QTest::keyClick(&e, Qt::Key_Home);
    QTest::keyClick(&e, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QString("-98,765.25"));
    QCOMPARE(e.value(), -98765.25);

    // The field's own text pastes back to the same value.
    TNValEdit target;
    QTest::keyClick(&target, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(target.value(), -98765.25);

    // Cut without a selection leaves the value alone; with one it clears it.
    QTest::keyClick(&target, Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(target.value(), -98765.25);
    QTest::keyClick(&e, Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(e.value(), 0.0);
    QCOMPARE(e.text(), QString());
    QCOMPARE(QGuiApplication::clipboard()->text(), QString("-98,765.25"));
}

void TestNValEdit::contextMenuPasteConverts()
{
    TNValEdit e;
    e.resize(120, 24);
    e.show();
    QGuiApplication::clipboard()->setText(QString::fromUtf8("２，５００"));
    QStringList shown;
    // The menu runs its own loop; pick "Paste" from it once it is up.
    QTimer::singleShot(50, &e, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return;
        QAction* paste = nullptr;
        for (QAction* action : menu->actions()) {
            if (!action->isSeparator())
                shown << action->text();
            if (action->text() == QLineEdit::tr("&Paste"))
                paste = action;
        }
        if (paste)
            paste->trigger();
        menu->close();
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(10, 10), e.mapToGlobal(QPoint(10, 10)));
    QApplication::sendEvent(&e, &event);
    QCOMPARE(shown.size(), 6);
    QCOMPARE(e.value(), 2500.0);
    QCOMPARE(e.text(), QString("2,500"));
}

void TestNValEdit::enterReachesDefaultButton()
{
    QDialog dialog;
    auto* layout = new QVBoxLayout(&dialog);
    auto* edit = new TNValEdit;
    auto* ok = new QPushButton(QStringLiteral("OK"));
    layout->addWidget(edit);
    layout->addWidget(ok);
    ok->setDefault(true);
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    edit->setFocus();
    QSignalSpy accepted(&dialog, &QDialog::accepted);
    connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(accepted.count(), 1);

    dialog.show();
    QApplication::setActiveWindow(&dialog);
    edit->setEnterNext(true);
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(accepted.count(), 1);
    QVERIFY(ok->hasFocus());
}

#include "TestMain.h"
KAVREL_TEST_MAIN(TestNValEdit)
#include "TestNValEdit.moc"
