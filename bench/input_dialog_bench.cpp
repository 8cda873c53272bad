#include "CopyDataSend.h"
#include "CopyDataServer.h"
#include "EstimateLine.h"
#include "EstimateMessages.h"
#include "MessageSockets.h"
#include "PriceBookFile.h"
#include "PriceLookup.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <benchmark/benchmark.h>

namespace {

// A book on disk whose lines all carry prices and a pipe fitter rate.
struct BookOnDisk {
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("haikan1.FDA"));

    BookOnDisk()
    {
        PriceBook book;
        for (int k = 1; k <= BookRows; ++k) {
            PriceRow& row = book.row(k);
            row.headerText.setText(QStringLiteral("配管用炭素鋼鋼管"));
            row.sheetName.setText(QStringLiteral("機械室"));
            row.sizeName.setText(QStringLiteral("%1A").arg(k % 300));
            row.costPrice = Currency::fromUnits(100 + k);
            row.levelPrice.fill(Currency::fromUnits(200 + k));
            row.rate[4] = Currency::fromRaw(450 + k);
            row.compositeCost = Currency::fromUnits(900 + k);
            row.adoptedLevel.fill(Currency::fromUnits(1200 + k));
        }
        WritePriceBookFile(path, book, 0);
    }
};

EstimateChoice Choice(const QString& path, WorkKind work)
{
    EstimateChoice c;
    c.bookPath = path;
    c.category = 10;
    c.materialShown = QStringLiteral("配管用炭素鋼鋼管");
    c.material = 19;
    c.sheet = 3;
    c.row = 13;
    c.sizeShown = c.sizeName = QStringLiteral("300A");
    c.work = work;
    c.levelIndex = 2;
    c.netQuantity = c.offerQuantity = Currency::fromRaw(25000);
    c.systemNumber = 3;
    return c;
}

// What sending a line costs before the message: open the book, read the
// record, close it and derive the line.
void BM_LookupLine(benchmark::State& state)
{
    const BookOnDisk book;
    const EstimateChoice choice = Choice(book.path, WorkKind(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(LookupEstimateLine(choice));
}
BENCHMARK(BM_LookupLine)->Arg(int(WorkKind::General))->Arg(int(WorkKind::Removal))->Unit(benchmark::kMicrosecond);

// Choosing a material: its sheet names, 14 size names and settings row.
void BM_ReadMaterialView(benchmark::State& state)
{
    const BookOnDisk book;
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadMaterialView(book.path, 19));
}
BENCHMARK(BM_ReadMaterialView)->Unit(benchmark::kMicrosecond);

// Choosing a category: the 20 material names.
void BM_ReadMaterialNames(benchmark::State& state)
{
    const BookOnDisk book;
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadMaterialNames(book.path));
}
BENCHMARK(BM_ReadMaterialNames)->Unit(benchmark::kMicrosecond);

// What the user waits for after the last click: the lookup, the record
// sent and the estimate program's answer. The receiver is a window in this
// process (0) or the reference estimate program as a child process (1).
void BM_LookupSendAnswer(benchmark::State& state)
{
    const BookOnDisk book;
    const EstimateChoice choice = Choice(book.path, WorkKind::General);
    std::unique_ptr<CopyDataServer> window;
    QProcess peer;
    if (state.range(0) == 0) {
        window = std::make_unique<CopyDataServer>([](const CopyDataBlock&) { return 1; });
        window->listen(QStringLiteral("TFESTIMATE"));
    } else {
        peer.setStandardOutputFile(QProcess::nullDevice());
        peer.start(QStringLiteral(KAVREL_PROGRAM_DIR "/estimate_peer"), QStringList());
        for (int i = 0; i < 500 && !QFile::exists(MessageSocketPath(QStringLiteral("TFESTIMATE"))); ++i)
            QThread::msleep(10);
    }
    for (auto _ : state) {
        const EstimateLine line = LookupEstimateLine(choice);
        const SendResult sent = SendCopyData(QStringLiteral("TFESTIMATE"),
                                             CopyDataBlock::fromText(EstimateRecordText(line), QStringLiteral("TFKANZAI")));
        if (sent.outcome != SendOutcome::Answered) {
            state.SkipWithError("the receiver did not answer");
            break;
        }
    }
    if (peer.state() != QProcess::NotRunning) {
        peer.terminate();
        peer.waitForFinished(5000);
    }
}
BENCHMARK(BM_LookupSendAnswer)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace

// Sockets want an application object; the receivers live in a runtime
// folder of the benchmark's own.
int main(int argc, char** argv)
{
    QTemporaryDir runtime;
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
