#include "ToolTestSupport.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A program folder as the build leaves it, with a stand-in for the main
// program that can be run (a copy of sleep), and the demo folder beside it.
struct Folders {
    QTemporaryDir root;
    QString program = root.filePath("bin");
    QString demo = root.filePath("demo");

    Folders()
    {
        QDir().mkpath(program);
        QFile::copy(qEnvironmentVariable("KAVREL_PROGRAM_DIR") + "/pricebook", programFile("pricebook"));
        QFile::copy("/bin/sleep", programFile("kavrel"));
        PutFileBytes(programFile("dialog.ico"), "icon");
    }
    QString programFile(const QString& name) const { return QDir(program).filePath(name); }
    QString demoFile(const QString& name) const { return QDir(demo).filePath(name); }

    // Runs the set-up as the build target does; the exit status and stderr.
    std::pair<int, QString> setUp(const QString& files = "kavrel,pricebook,dialog.ico") const
    {
        QProcess p;
        p.start(KAVREL_CMAKE_COMMAND, {"-DPROGRAM_DIR=" + program, "-DDEMO_DIR=" + demo, "-DFILES=" + files, "-P",
                                        KAVREL_DEMO_SCRIPT});
        if (!p.waitForFinished(60000))
            return {-1, "did not finish"};
        return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
                QString::fromUtf8(p.readAllStandardError())};
    }
};

QString book(int category) { return QString("kanzai/haikan%1.FDA").arg(category + 1); }

} // namespace

class TestDemoFolder : public QObject {
    Q_OBJECT
private slots:
    void firstRunMakesAProgramFolder();
    void laterRunsRefreshProgramsAndKeepTheUsersFiles();
    void replacesAProgramThatIsRunning();
    void failures();
};

void TestDemoFolder::firstRunMakesAProgramFolder()
{
    const Folders f;
    const auto [status, err] = f.setUp();
    QVERIFY2(status == 0, qPrintable(err));
    for (const char* name : {"kavrel", "pricebook", "dialog.ico"})
        QCOMPARE(FileBytes(f.demoFile(name)), FileBytes(f.programFile(name)));
    QVERIFY(QFileInfo(f.demoFile("kavrel")).isExecutable());
    QVERIFY(!QFileInfo(f.demoFile("kavrel")).isSymLink());
    for (int c = 0; c < 10; ++c)
        QCOMPARE(FileBytes(f.demoFile(book(c))), sampleBytes(c));
}

void TestDemoFolder::laterRunsRefreshProgramsAndKeepTheUsersFiles()
{
    const Folders f;
    QCOMPARE(f.setUp().first, 0);
    // The user works in the demo folder, then the programs are rebuilt.
    PutFileBytes(f.demoFile(book(0)), "edited", QIODevice::Append);
    const QByteArray edited = FileBytes(f.demoFile(book(0)));
    QVERIFY(QFile::remove(f.demoFile(book(9))));
    PutFileBytes(f.demoFile("kavre_p.conf"), "[GROUP_NAME1]=own\r\n");
    PutFileBytes(f.programFile("kavrel"), "rebuilt", QIODevice::Append);
    PutFileBytes(f.programFile("dialog.ico"), "2", QIODevice::Append);

    const auto [status, err] = f.setUp();
    QVERIFY2(status == 0, qPrintable(err));
    QCOMPARE(FileBytes(f.demoFile("kavrel")), FileBytes(f.programFile("kavrel")));
    QCOMPARE(FileBytes(f.demoFile("dialog.ico")), QByteArray("icon2"));
    QCOMPARE(FileBytes(f.demoFile(book(0))), edited);
    QCOMPARE(FileBytes(f.demoFile(book(9))), sampleBytes(9));
    QCOMPARE(FileBytes(f.demoFile("kavre_p.conf")), QByteArray("[GROUP_NAME1]=own\r\n"));
}

void TestDemoFolder::replacesAProgramThatIsRunning()
{
    const Folders f;
    QCOMPARE(f.setUp().first, 0);
    QProcess running;
    running.start(f.demoFile("kavrel"), {"60"});
    QVERIFY(running.waitForStarted());
    PutFileBytes(f.programFile("kavrel"), "rebuilt", QIODevice::Append);

    const auto [status, err] = f.setUp();
    running.kill();
    running.waitForFinished();
    QVERIFY2(status == 0, qPrintable(err));
    QCOMPARE(FileBytes(f.demoFile("kavrel")), FileBytes(f.programFile("kavrel")));
}

void TestDemoFolder::failures()
{
    {
        const Folders f;
        const auto [status, err] = f.setUp("kavrel,kanzai_input");
        QVERIFY(status != 0);
        QVERIFY2(err.contains(f.programFile("kanzai_input")), qPrintable(err));
    }
    {
        // The sample books cannot be written: the set-up fails, not the start.
        const Folders f;
        QVERIFY(QDir().mkpath(f.demo));
        PutFileBytes(f.demoFile("kanzai"), "a file");
        const auto [status, err] = f.setUp();
        QVERIFY(status != 0);
        QVERIFY2(err.contains("pricebook"), qPrintable(err));
    }
}

#include "TestMain.h"
KAVREL_TEST_APPLESS_MAIN(TestDemoFolder)
#include "TestDemoFolder.moc"
