#include "ToolTestSupport.h"

#include <QProcessEnvironment>

// Every program answers --help and --version without a display, and one
// that needs a display and has none says so in one line.
class TestProgramStart : public QObject {
    Q_OBJECT
private slots:
    void withoutADisplay_data();
    void withoutADisplay();
};

void TestProgramStart::withoutADisplay_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out"); // a part of standard output
    QTest::addColumn<QString>("err"); // a part of the one line on standard error
    const QString noDisplay = QString::fromUtf8("画面がありません");
    for (const char* name : {"kavrel", "kanzai_input", "Dorvisk", "pricebook"}) {
        const QString program = QString::fromLatin1(name);
        QTest::addRow("%s --version", name) << program << QStringList{"--version"} << 0 << program + " 0." << QString();
        QTest::addRow("%s --help", name) << program << QStringList{"--help"} << 0 << QString("--version") << QString();
    }
    QTest::newRow("kavrel with its argument") << "kavrel" << QStringList{"3;5;"} << 1 << QString() << noDisplay;
    QTest::newRow("kanzai_input with its argument")
        << "kanzai_input" << QStringList{"0;2;3;A;"} << 1 << QString() << noDisplay;
    QTest::newRow("Dorvisk previewing") << "Dorvisk" << QStringList() << 1 << QString() << noDisplay;
    QTest::newRow("help after other arguments") << "kavrel" << QStringList{"3;5;", "-h"} << 0 << QString("kavrel")
                                                << QString();
}

void TestProgramStart::withoutADisplay()
{
    QFETCH(QString, program);
    QFETCH(QStringList, args);
    QFETCH(int, status);
    QFETCH(QString, out);
    QFETCH(QString, err);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QString::fromLatin1(name));
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(qEnvironmentVariable("KAVREL_PROGRAM_DIR") + "/" + program, args);
    const Run r = finish(p);
    QCOMPARE(r.status, status);
    QVERIFY2(r.out.contains(out), qPrintable(r.out));
    if (err.isEmpty()) {
        QCOMPARE(r.err, QString());
    } else {
        QVERIFY2(r.err.startsWith(program + ": ") && r.err.contains(err), qPrintable(r.err));
        QCOMPARE(r.err.count(QLatin1Char('\n')), 1);
    }
}

#include "TestMain.h"
KAVREL_TEST_GUILESS_MAIN(TestProgramStart)
#include "TestProgramStart.moc"
