// Replays one fuzz target's corpus: each file once through the target's
// entry, as libFuzzer would run it. A broken property aborts with its message
// and the failing file is the current data row. KAVREL_CORPUS=PATH replays
// that file or folder instead, to look into a finding in a debugger.
#include <QDir>
#include <QFile>
#include <QTest>

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

class CorpusReplay : public QObject {
    Q_OBJECT

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
        QCOMPARE(LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                        static_cast<std::size_t>(bytes.size())),
                 0);
    }

private:
    static QFileInfoList corpus()
    {
        const QFileInfo chosen(qEnvironmentVariable("KAVREL_CORPUS", QStringLiteral(KAVREL_CORPUS_DIR)));
        if (chosen.isFile())
            return {chosen};
        return QDir(chosen.filePath()).entryInfoList(QDir::Files, QDir::Name);
    }
};

QTEST_MAIN(CorpusReplay)
#include "CorpusReplay.moc"
