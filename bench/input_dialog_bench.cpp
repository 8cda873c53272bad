#include "EstimateLine.h"
#include "PriceBookFile.h"
#include "PriceLookup.h"

#include <QTemporaryDir>
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

} // namespace

BENCHMARK_MAIN();
