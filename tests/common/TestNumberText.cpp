#include "FileError.h"
#include "NumberText.h"
#include "ValueOverflow.h"

#include <QTest>

Q_DECLARE_METATYPE(Currency)

class TestNumberText : public QObject {
    Q_OBJECT
private slots:
    void plainText_data();
    void plainText();
    void formatYen_data();
    void formatYen();
    void parse_data();
    void parse();
    void parseRejects_data();
    void parseRejects();
    void readDecimal_data();
    void readDecimal();
    void fromDouble_data();
    void fromDouble();
};

static Currency raw(std::int64_t r) { return Currency::fromRaw(r); }

void TestNumberText::plainText_data()
{
    QTest::addColumn<Currency>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << raw(0) << "0";
    QTest::newRow("integer") << raw(12340000) << "1234";
    QTest::newRow("trailing zeros dropped") << raw(12345000) << "1234.5";
    QTest::newRow("four decimals") << raw(1) << "0.0001";
    QTest::newRow("negative fraction") << raw(-2500) << "-0.25";
    QTest::newRow("no grouping") << raw(12345678900000) << "1234567890";
    QTest::newRow("most negative") << raw(INT64_MIN) << "-922337203685477.5808";
    QTest::newRow("largest") << raw(INT64_MAX) << "922337203685477.5807";
    QTest::newRow("zeros inside the decimals") << raw(10203) << "1.0203";
    QTest::newRow("zeros on both sides of a decimal") << raw(-100500) << "-10.05";
    QTest::newRow("negative whole") << raw(-10000) << "-1";
    QTest::newRow("ten thousand") << raw(100000000) << "10000";
}

void TestNumberText::plainText()
{
    QFETCH(Currency, value);
    QFETCH(QString, text);
    QCOMPARE(PlainText(value), text);
}

void TestNumberText::formatYen_data()
{
    QTest::addColumn<Currency>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << raw(0) << "0";
    QTest::newRow("grouped") << raw(12345'6000) << "12,346";
    QTest::newRow("half rounds away from zero") << raw(5000) << "1";
    QTest::newRow("below half") << raw(4999) << "0";
    QTest::newRow("negative keeps its sign") << raw(-1234'0000) << "-1,234";
    QTest::newRow("negative half") << raw(-1234'5000) << "-1,235";
    QTest::newRow("negative rounding to zero") << raw(-4000) << "0";
    QTest::newRow("millions") << raw(1234567'0000) << "1,234,567";
}

void TestNumberText::formatYen()
{
    QFETCH(Currency, value);
    QFETCH(QString, text);
    QCOMPARE(FormatYen(value), text);
}

void TestNumberText::parse_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Currency>("value");
    QTest::newRow("empty is zero") << "" << raw(0);
    QTest::newRow("grouped") << "1,234" << raw(12340000);
    QTest::newRow("decimal") << "1234.5" << raw(12345000);
    QTest::newRow("negative") << "-0.25" << raw(-2500);
    QTest::newRow("fifth decimal rounds") << "0.00005" << raw(1);
    QTest::newRow("fifth decimal below half") << "0.00004" << raw(0);
    QTest::newRow("leading point") << ".5" << raw(5000);
    QTest::newRow("blanks around") << " 12 " << raw(120000);
    QTest::newRow("line break after") << "12\r\n" << raw(120000);
    QTest::newRow("minus zero") << "-0" << raw(0);
    QTest::newRow("four decimals kept") << "1.2345" << raw(12345);
    QTest::newRow("fifth decimal at half") << "1.23445" << raw(12345);
    QTest::newRow("fifth decimal half, negative") << "-1.23455" << raw(-12346);
    QTest::newRow("sixth decimal ignored") << "0.000049999" << raw(0);
    QTest::newRow("commas anywhere") << "1,2,3,4" << raw(12340000);
    QTest::newRow("plus sign") << "+7" << raw(70000);
    QTest::newRow("trailing point") << "5." << raw(50000);
    QTest::newRow("largest") << "922,337,203,685,477.5807" << raw(INT64_MAX);
    QTest::newRow("largest by rounding") << "922337203685477.58069" << raw(INT64_MAX);
    QTest::newRow("lowest") << "-922337203685477.5808" << raw(INT64_MIN);
    QTest::newRow("round trip of the plain form") << PlainText(raw(-98765432101)) << raw(-98765432101);
}

void TestNumberText::parse()
{
    QFETCH(QString, text);
    QFETCH(Currency, value);
    QCOMPARE(ParseCurrency(text), value);
}

void TestNumberText::parseRejects_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("letters") << "12a";
    QTest::newRow("two points") << "1.2.3";
    QTest::newRow("sign only") << "-";
    QTest::newRow("point only") << ".";
    QTest::newRow("out of range") << "99999999999999999999";
    QTest::newRow("full-width digits") << QString::fromUtf8("１２");
    QTest::newRow("exponent") << "1e3";
    QTest::newRow("blank inside") << "- 5";
    QTest::newRow("one above the largest") << "922337203685477.5808";
    QTest::newRow("rounding past the largest") << "922337203685477.58075";
    QTest::newRow("one below the lowest") << "-922337203685477.5809";
}

// The bare reading under both answers to a number out of range: nothing, or
// the end of the range of its sign. Anything but sign, digits and one point
// is no number either way.
void TestNumberText::readDecimal_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QVariant>("rejecting");
    QTest::addColumn<QVariant>("saturating");
    const QVariant none;
    const QVariant max = qint64(INT64_MAX), min = qint64(INT64_MIN);
    QTest::newRow("in range") << "-12.5" << QVariant(qint64(-125000)) << QVariant(qint64(-125000));
    QTest::newRow("largest") << "922337203685477.5807" << max << max;
    QTest::newRow("one above") << "922337203685477.5808" << none << max;
    QTest::newRow("lowest") << "-922337203685477.5808" << min << min;
    QTest::newRow("one below") << "-922337203685477.5809" << none << min;
    QTest::newRow("far beyond, decimals after") << "99999999999999999999999.5" << none << max;
    QTest::newRow("far below") << "-99999999999999999999999" << none << min;
    QTest::newRow("letter after many digits") << "99999999999999999999999x" << none << none;
    QTest::newRow("blank") << " 12" << none << none;
    QTest::newRow("comma") << "1,234" << none << none;
    QTest::newRow("empty") << "" << none << none;
}

void TestNumberText::readDecimal()
{
    QFETCH(QString, text);
    QFETCH(QVariant, rejecting);
    QFETCH(QVariant, saturating);
    const auto asVariant = [](std::optional<Currency> v) { return v ? QVariant(qint64(v->raw())) : QVariant(); };
    QCOMPARE(asVariant(ReadDecimal(text)), rejecting);
    QCOMPARE(asVariant(ReadDecimal(text, BeyondRange::Saturate)), saturating);
}

void TestNumberText::parseRejects()
{
    QFETCH(QString, text);
    QVERIFY_THROWS_EXCEPTION(ConversionError, ParseCurrency(text));
}

void TestNumberText::fromDouble_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<Currency>("currency");
    QTest::addColumn<bool>("fits");
    QTest::newRow("halves away from zero") << -0.00005 << raw(-1) << true;
    QTest::newRow("9.21e14 fits") << 9.21e14 << raw(9210000000000000000) << true;
    QTest::newRow("-9.21e14 fits") << -9.21e14 << raw(-9210000000000000000) << true;
    QTest::newRow("the lowest raw value fits") << -922337203685477.5808 << raw(INT64_MIN) << true;
    QTest::newRow("1e15 does not") << 1e15 << raw(0) << false;
    QTest::newRow("2^63 / 10^4 does not") << 922337203685477.5808 << raw(0) << false;
}

void TestNumberText::fromDouble()
{
    QFETCH(double, value);
    QFETCH(Currency, currency);
    QFETCH(bool, fits);
    if (fits)
        QCOMPARE(Currency::fromDouble(value), currency);
    else
        QVERIFY_THROWS_EXCEPTION(ValueOverflow, Currency::fromDouble(value));
}

#include "TestMain.h"
KAVREL_TEST_APPLESS_MAIN(TestNumberText)
#include "TestNumberText.moc"
