#include "DataFileConfig.h"
#include "FileError.h"
#include "ShiftJis.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

void WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray ReadBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

// Fields as "name|file" per category, for compact expectations.
QStringList Fields(const DataFileConfig& config)
{
    QStringList fields;
    for (int k = 0; k < CategoryCount; ++k)
        fields << config.groupName[k] + QLatin1Char('|') + config.fileName[k];
    return fields;
}

} // namespace

class TestDataFileConfig : public QObject {
    Q_OBJECT
private slots:
    void defaults();
    void missingFileGivesDefaults();
    void reading_data();
    void reading();
    void writingExactLines();
    void roundTrip();
    void failures();
};

void TestDataFileConfig::defaults()
{
    const DataFileConfig config = DefaultDataFileConfig(QStringLiteral("/opt/kavrel"));
    const QStringList expected = {
        "給水|/opt/kavrel/kanzai/haikan1.FDA",   "排水|/opt/kavrel/kanzai/haikan2.FDA",
        "通気|/opt/kavrel/kanzai/haikan3.FDA",   "給湯|/opt/kavrel/kanzai/haikan4.FDA",
        "消火|/opt/kavrel/kanzai/haikan5.FDA",   "冷温水|/opt/kavrel/kanzai/haikan6.FDA",
        "冷却水|/opt/kavrel/kanzai/haikan7.FDA", "蒸気|/opt/kavrel/kanzai/haikan8.FDA",
        "油|/opt/kavrel/kanzai/haikan9.FDA",     "冷媒|/opt/kavrel/kanzai/haikan10.FDA",
    };
    QCOMPARE(Fields(config), expected);
    QCOMPARE(DataFileConfigPath(QStringLiteral("/opt/kavrel")), QStringLiteral("/opt/kavrel/kavre_p.conf"));
    QCOMPARE(PriceBookPathsIn(QStringLiteral("/")).at(9), QStringLiteral("/haikan10.FDA"));
}

void TestDataFileConfig::missingFileGivesDefaults()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = DataFileConfigPath(folder.path());
    QCOMPARE(ReadDataFileConfig(path), DefaultDataFileConfig(folder.path()));
    QVERIFY(!QFile::exists(path));
}

void TestDataFileConfig::reading_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("expected"); // the fields that are not "|", as "k:name|file"

    QTest::newRow("empty file") << "" << QStringList{};
    QTest::newRow("some keys only")
        << "[GROUP_NAME2]=排水\r\n[FILE_NAME2]=/d/b.FDA\r\n[FILE_NAME10]=/d/j.FDA\r\n"
        << QStringList{"2:排水|/d/b.FDA", "10:|/d/j.FDA"};
    QTest::newRow("later line wins")
        << "[GROUP_NAME1]=一\r\n[GROUP_NAME1]=二\r\n" << QStringList{"1:二|"};
    QTest::newRow("value keeps later equals signs")
        << "[FILE_NAME3]=/data/a=b/c=.FDA\r\n" << QStringList{"3:|/data/a=b/c=.FDA"};
    QTest::newRow("empty value clears an earlier one")
        << "[GROUP_NAME4]=給湯\r\n[GROUP_NAME4]=\r\n" << QStringList{};
    QTest::newRow("keys are exact")
        << "[group_name1]=x\r\n [GROUP_NAME1]=y\r\n[GROUP_NAME1] =z\r\nGROUP_NAME1=w\r\n[GROUP_NAME11]=v\r\n"
           "[GROUP_NAME0]=u\r\n[FILE_NAME01]=t\r\n"
        << QStringList{};
    QTest::newRow("lines without equals are skipped")
        << "[GROUP_NAME5]\r\n\r\n[GROUP_NAME6]=消火系\r\n" << QStringList{"6:消火系|"};
    QTest::newRow("lone line feeds and no final line end")
        << "[GROUP_NAME7]=冷却水\n[FILE_NAME7]=C:\\kanzai\\haikan7.FDA" << QStringList{"7:冷却水|C:\\kanzai\\haikan7.FDA"};
    QTest::newRow("value keeps its spaces") << "[GROUP_NAME8]= 蒸気 \r\n" << QStringList{"8: 蒸気 |"};
}

void TestDataFileConfig::reading()
{
    QFETCH(QString, text);
    QFETCH(QStringList, expected);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = DataFileConfigPath(folder.path());
    WriteBytes(path, ShiftJis::encode(text));

    const QStringList fields = Fields(ReadDataFileConfig(path));
    QStringList set;
    for (int k = 0; k < CategoryCount; ++k) {
        if (fields[k] != QLatin1String("|"))
            set << QStringLiteral("%1:%2").arg(k + 1).arg(fields[k]);
    }
    QCOMPARE(set, expected);
}

void TestDataFileConfig::writingExactLines()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = DataFileConfigPath(folder.path());
    DataFileConfig config;
    config.groupName[0] = QStringLiteral("給水");
    config.groupName[9] = QStringLiteral("冷媒");
    config.fileName[1] = QStringLiteral("/d/a=b.FDA");
    WriteBytes(path, "old contents that must go\r\n");

    WriteDataFileConfig(path, config);

    QByteArray expected = ShiftJis::encode(QStringLiteral("[GROUP_NAME1]=給水")) + "\r\n";
    for (int k = 2; k <= 9; ++k)
        expected += "[GROUP_NAME" + QByteArray::number(k) + "]=\r\n";
    expected += ShiftJis::encode(QStringLiteral("[GROUP_NAME10]=冷媒")) + "\r\n";
    expected += "[FILE_NAME1]=\r\n[FILE_NAME2]=/d/a=b.FDA\r\n";
    for (int k = 3; k <= 10; ++k)
        expected += "[FILE_NAME" + QByteArray::number(k) + "]=\r\n";
    QCOMPARE(ReadBytes(path), expected);
}

void TestDataFileConfig::roundTrip()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = DataFileConfigPath(folder.path());
    DataFileConfig config = DefaultDataFileConfig(folder.path());
    config.groupName[2] = QStringLiteral("通気・排水");
    config.fileName[2] = QStringLiteral("/共有/管材=3.FDA");
    WriteDataFileConfig(path, config);
    QCOMPARE(ReadDataFileConfig(path), config);
}

void TestDataFileConfig::failures()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    // A folder where the file should be: it exists, but cannot be read or replaced.
    const QString path = DataFileConfigPath(folder.path());
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("kavre_p.conf")));
    QVERIFY_THROWS_EXCEPTION(FileError, ReadDataFileConfig(path));
    QVERIFY_THROWS_EXCEPTION(FileError, WriteDataFileConfig(path, DataFileConfig{}));
    QVERIFY_THROWS_EXCEPTION(FileError,
                             WriteDataFileConfig(folder.filePath(QStringLiteral("gone/kavre_p.conf")), DataFileConfig{}));
}

#include "TestMain.h"
KAVREL_TEST_MAIN(TestDataFileConfig)
#include "TestDataFileConfig.moc"
