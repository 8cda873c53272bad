#include "ProcessStart.h"

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

QTEST_APPLESS_MAIN(TestProcessStart)
#include "TestProcessStart.moc"
