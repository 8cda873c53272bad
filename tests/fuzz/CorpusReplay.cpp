// Replays one fuzz target's corpus: each file once through the target's
// entry, as libFuzzer would run it. A broken property aborts with its message
// and the failing file is the current data row. KAVREL_CORPUS=PATH replays
// that file or folder instead, to look into a finding in a debugger.
#include "FuzzEntries.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTest>

#include <memory>

class CorpusReplay : public QObject {
    Q_OBJECT

public:
    CorpusReplay(const char* target, FuzzEntry entry)
        : target_(QString::fromLatin1(target))
        , entry_(entry)
    {
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(!corpus().isEmpty(), "no corpus to replay");
    }

    void replay_data()
    {
        QTest::addColumn<QString>("path");
        for (const QFileInfo& file : corpus())
            QTest::newRow(qPrintable(file.fileName())) << file.filePath();
    }

    void replay()
    {
        QFETCH(QString, path);
        QFile file(path);
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.errorString()));
        const QByteArray bytes = file.readAll();
        QCOMPARE(entry_(reinterpret_cast<const std::uint8_t*>(bytes.constData()), static_cast<std::size_t>(bytes.size())),
                 0);
    }

private:
    QFileInfoList corpus() const
    {
        const QFileInfo chosen(
            qEnvironmentVariable("KAVREL_CORPUS", QStringLiteral(KAVREL_CORPORA_DIR "/") + target_));
        if (chosen.isFile())
            return {chosen};
        return QDir(chosen.filePath()).entryInfoList(QDir::Files, QDir::Name);
    }

    const QString target_;
    const FuzzEntry entry_;
};

int ReplayCorpus(const char* name, FuzzEntry entry, bool widgets, int argc, char** argv)
{
    const std::unique_ptr<QGuiApplication> app(widgets ? new QApplication(argc, argv)
                                                       : new QGuiApplication(argc, argv));
    app->setAttribute(Qt::AA_Use96Dpi, true);
    CorpusReplay test(name, entry);
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "CorpusReplay.moc"
