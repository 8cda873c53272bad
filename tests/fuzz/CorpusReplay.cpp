// Replays one fuzz target's corpus: each file once through the target's
// entry, as libFuzzer would run it. A broken property aborts with its message
// and the failing file is the current data row.
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
        QVERIFY2(!corpus().isEmpty(), qPrintable(QStringLiteral("no corpus in ") + QStringLiteral(KAVREL_CORPUS_DIR)));
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
        return QDir(QStringLiteral(KAVREL_CORPUS_DIR)).entryInfoList(QDir::Files, QDir::Name);
    }
};

QTEST_MAIN(CorpusReplay)
#include "CorpusReplay.moc"
