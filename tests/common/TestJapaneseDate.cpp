#include "JapaneseDate.h"

#include <QLocale>
#include <QTest>

class TestJapaneseDate : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void eraAndWeekday_data();
    void eraAndWeekday();
};

void TestJapaneseDate::initTestCase()
{
    // A system that speaks another language still prints Japanese dates.
    qputenv("LC_ALL", "de_DE.UTF-8");
    qputenv("LANG", "de_DE.UTF-8");
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
}

void TestJapaneseDate::eraAndWeekday_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("eraYear");
    QTest::addColumn<QString>("weekday");
    QTest::newRow("last day of an era") << QDate(2019, 4, 30) << QString::fromUtf8("平成31") << QString::fromUtf8("火");
    QTest::newRow("first day of the next") << QDate(2019, 5, 1) << QString::fromUtf8("令和01") << QString::fromUtf8("水");
    QTest::newRow("a seven-day year") << QDate(1989, 1, 7) << QString::fromUtf8("昭和64") << QString::fromUtf8("土");
    QTest::newRow("its successor's first") << QDate(1989, 1, 8) << QString::fromUtf8("平成01") << QString::fromUtf8("日");
    QTest::newRow("leap day") << QDate(2000, 2, 29) << QString::fromUtf8("平成12") << QString::fromUtf8("火");
    QTest::newRow("New Year's Eve") << QDate(2024, 12, 31) << QString::fromUtf8("令和06") << QString::fromUtf8("火");
    QTest::newRow("two-digit era year") << QDate(2030, 1, 1) << QString::fromUtf8("令和12") << QString::fromUtf8("火");
}

void TestJapaneseDate::eraAndWeekday()
{
    QFETCH(QDate, date);
    QFETCH(QString, eraYear);
    QFETCH(QString, weekday);
    QCOMPARE(JapaneseDate::eraYear(date), eraYear);
    QCOMPARE(JapaneseDate::weekday(date), weekday);
}

#include "TestMain.h"
KAVREL_TEST_APPLESS_MAIN(TestJapaneseDate)
#include "TestJapaneseDate.moc"
