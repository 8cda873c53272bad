#include "DesktopApplications.h"
#include "ProcessStart.h"
#include "ScopedEnvironment.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

void writeProgram(const QString& path, bool executable)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("#!/bin/sh\nexit 0\n");
    file.close();
    if (executable)
        QVERIFY(file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
}

} // namespace

class TestProcessStart : public QObject {
    Q_OBJECT
private slots:
    void findsTheWindowsNameHere_data();
    void findsTheWindowsNameHere();
    void desktopExecArguments_data();
    void desktopExecArguments();
    void defaultApplication_data();
    void defaultApplication();
};

void TestProcessStart::findsTheWindowsNameHere_data()
{
    QTest::addColumn<QStringList>("inFolder");    // "-" prefix: present but not executable
    QTest::addColumn<QStringList>("onPath");
    QTest::addColumn<QString>("expected");        // "folder/…" or "path/…"; empty: none
    QTest::newRow("bare name in the folder") << QStringList{"Dorvisk"} << QStringList{} << "folder/Dorvisk";
    QTest::newRow("lower case in the folder") << QStringList{"dorvisk"} << QStringList{} << "folder/dorvisk";
    QTest::newRow("exact name first") << QStringList{"dorvisk", "Dorvisk.exe"} << QStringList{} << "folder/Dorvisk.exe";
    QTest::newRow("folder before the path, whatever the form")
        << QStringList{"dorvisk"} << QStringList{"Dorvisk.exe", "Dorvisk"} << "folder/dorvisk";
    QTest::newRow("on the path only") << QStringList{} << QStringList{"dorvisk"} << "path/dorvisk";
    QTest::newRow("a plain file is no program") << QStringList{"-Dorvisk"} << QStringList{"Dorvisk"} << "path/Dorvisk";
    QTest::newRow("nowhere") << QStringList{"-Dorvisk"} << QStringList{} << "";
}

void TestProcessStart::findsTheWindowsNameHere()
{
    QFETCH(QStringList, inFolder);
    QFETCH(QStringList, onPath);
    QFETCH(QString, expected);
    QTemporaryDir root;
    QVERIFY(QDir(root.path()).mkpath("folder") && QDir(root.path()).mkpath("path"));
    for (QString name : inFolder) {
        const bool executable = !name.startsWith('-');
        writeProgram(root.filePath("folder/" + name.remove(0, executable ? 0 : 1)), executable);
    }
    for (const QString& name : onPath)
        writeProgram(root.filePath("path/" + name), true);
    const QByteArray savedPath = qgetenv("PATH");
    qputenv("PATH", root.filePath("path").toLocal8Bit());
    const QString found = FindProgram(QStringLiteral("Dorvisk.exe"), root.filePath("folder"));
    qputenv("PATH", savedPath);
    QCOMPARE(found, expected.isEmpty() ? QString() : root.filePath(expected));
}

void TestProcessStart::desktopExecArguments_data()
{
    QTest::addColumn<QString>("exec");
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("a program") << "gedit" << QStringList{"gedit"};
    QTest::newRow("field codes dropped") << "gedit %U --new-window %f" << QStringList{"gedit", "--new-window"};
    QTest::newRow("a percent sign") << "calc --scale=100%%" << QStringList{"calc", "--scale=100%"};
    QTest::newRow("spaces between") << "  kate  -b  " << QStringList{"kate", "-b"};
    QTest::newRow("quoted with a space") << R"("/opt/my editor/bin/edit" %F)" << QStringList{"/opt/my editor/bin/edit"};
    QTest::newRow("quoting's escapes") << R"(sh -c "echo \\"a\\$b\\"")" << QStringList{"sh", "-c", R"(echo "a$b")"};
    QTest::newRow("value's escapes") << R"(edit\sword --tab=\t)" << QStringList{"edit", "word", "--tab=\t"};
    QTest::newRow("an open quote") << R"("edit %f)" << QStringList{};
    QTest::newRow("nothing") << "" << QStringList{};
}

void TestProcessStart::desktopExecArguments()
{
    QFETCH(QString, exec);
    QFETCH(QStringList, arguments);
    QCOMPARE(DesktopExecArguments(exec), arguments);
}

// The desktop's default for plain text, from the files the desktops write:
// the user's choice before the system's, the first entry that can run.
void TestProcessStart::defaultApplication_data()
{
    QTest::addColumn<QString>("userList");   // the user's mimeapps.list; empty: none
    QTest::addColumn<QString>("systemList"); // the data folder's
    QTest::addColumn<QStringList>("command");
    const QString section = "[Added Associations]\ntext/plain=ed.desktop;\n[Default Applications]\n";
    QTest::newRow("the user's choice") << section + "text/plain=ed.desktop;\n" << section + "text/plain=vi.desktop\n"
                                       << QStringList{"ed", "--new"};
    QTest::newRow("the system's") << "" << section + "text/plain=vi.desktop;\n" << QStringList{"vi"};
    QTest::newRow("the first that can run") << section + "text/plain=gone.desktop;hidden.desktop;missing.desktop;vi.desktop\n"
                                            << "" << QStringList{"vi"};
    QTest::newRow("another type only") << section + "text/html=ed.desktop\n" << "" << QStringList{};
    QTest::newRow("an added association is no default") << section << "" << QStringList{};
    QTest::newRow("none") << "" << "" << QStringList{};
}

void TestProcessStart::defaultApplication()
{
    QFETCH(QString, userList);
    QFETCH(QString, systemList);
    QFETCH(QStringList, command);
    QTemporaryDir root;
    QVERIFY(QDir(root.path()).mkpath("config") && QDir(root.path()).mkpath("data/applications")
            && QDir(root.path()).mkpath("path"));
    const auto write = [&root](const QString& name, const QString& text) {
        QFile file(root.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(text.toUtf8());
    };
    if (!userList.isEmpty())
        write("config/mimeapps.list", userList);
    if (!systemList.isEmpty())
        write("data/applications/mimeapps.list", systemList);
    write("data/applications/ed.desktop", "[Desktop Entry]\nName=Ed\nExec[ja]=ja\nExec=ed --new %U\n");
    write("data/applications/vi.desktop", "[Desktop Entry]\nExec=vi %F\n[Desktop Action x]\nExec=vx\n");
    write("data/applications/hidden.desktop", "[Desktop Entry]\nExec=vi\nHidden=true\n");
    write("data/applications/missing.desktop", "[Desktop Entry]\nExec=nowhere-editor %f\n");
    writeProgram(root.filePath("path/ed"), true);
    writeProgram(root.filePath("path/vi"), true);
    ScopedEnvironment environment;
    environment.set("PATH", root.filePath("path"));
    environment.set("XDG_CONFIG_HOME", root.filePath("config"));
    environment.set("XDG_CONFIG_DIRS", root.filePath("none"));
    environment.set("XDG_DATA_HOME", root.filePath("none"));
    environment.set("XDG_DATA_DIRS", root.filePath("data"));
    environment.set("XDG_CURRENT_DESKTOP", QString());
    QCOMPARE(DefaultApplicationCommand("text/plain"), command);
}

#include "TestMain.h"
KAVREL_TEST_APPLESS_MAIN(TestProcessStart)
#include "TestProcessStart.moc"
