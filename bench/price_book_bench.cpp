#include "AtomicFile.h"
#include "CompositePrice.h"
#include "MaterialExport.h"
#include "MaterialSettings.h"
#include "PlainReference.h"
#include "PriceBookFile.h"
#include "SampleBooks.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

Currency units(double v) { return Currency::fromDouble(v); }

// A book with every price line filled and settings that exercise every
// rounding path: rate pricing, significant digits, component decimals.
PriceBook filledBook()
{
    PriceBook book;
    for (int m = 0; m < Materials; ++m) {
        MaterialSettings s{book.row(m, SettingsRowNumber)};
        s.ratePricingFlag() = units(m % 2);
        for (int level = Level1; level <= CostLevel; ++level)
            s.ratePercent(level) = units(60 + level * 5);
        s.ratePriceStep() = units(3);
        s.ratePriceDecimalAddend() = units(0.9);
        s.adoptedStep() = units(100);
        s.adoptedStepAddend() = units(0.5);
        s.componentDecimals() = units(1);
        s.componentAddend() = units(0.5);
        s.mode() = units(m % 3 == 0 ? 2 : 0);
        for (int level = Level1; level <= CostLevel; ++level)
            BaseLabourCost(book.row(m, LabourRowNumber), level) = units(18000 + 500 * level);
        for (int n = 1; n < RowsPerMaterial; ++n) {
            if (n % LinesPerSheet == 0)
                continue;
            PriceRow& row = book.row(m, n);
            row.listPrice = units(100.5 * n + m);
            for (int level = Level1; level <= CostLevel; ++level)
                MaterialPrice(row, level) = units(90.25 * n + level);
            row.rate = {units(1.05), units(0.3), units(0.05), units(0.1), units(0.012 * n), units(0.05),
                        units(0.1)};
            row.sizeName.setText(QString::number(n) + "A");
        }
    }
    return book;
}

// The benchmark books: a filled book with every rounding path, and a
// realistic one (the first sample book, rate pricing on its material 1).
enum class Books { Filled, Sample };
PriceBook benchmarkBook(Books books) { return books == Books::Filled ? filledBook() : SampleBook(0); }
constexpr int BenchMaterial = 1;

// The engine and the plain reference must agree on every material of the
// benchmark books, both ways of rate pricing; otherwise the comparison
// means nothing and the benchmark stops.
bool referenceAgrees(benchmark::State& state)
{
    for (Books books : {Books::Filled, Books::Sample}) {
        for (int m = 0; m < Materials; ++m) {
            for (bool ratePricing : {false, true}) {
                PriceBook engineBook = benchmarkBook(books);
                PriceBook referenceBook = engineBook;
                WorkSet engine, reference;
                LoadMaterial(engine, engineBook, m);
                LoadMaterial(reference, referenceBook, m);
                ComputeMaterialRows({engine, engineBook, m}, ratePricing);
                PlainReferenceMaterialRows(reference, referenceBook, m, ratePricing);
                if (!(engine == reference) || !(engineBook == referenceBook)) {
                    state.SkipWithError("the plain reference and the engine disagree");
                    return false;
                }
            }
        }
    }
    return true;
}

template <typename Compute>
void recomputeMaterial(benchmark::State& state, Books books, Compute compute)
{
    if (!referenceAgrees(state))
        return;
    PriceBook book = benchmarkBook(books);
    WorkSet work;
    LoadMaterial(work, book, BenchMaterial);
    for (auto _ : state) {
        compute(work, book);
        benchmark::ClobberMemory();
    }
}

void BM_RecomputeOneMaterial(benchmark::State& state)
{
    recomputeMaterial(state, Books::Filled,
                      [](WorkSet& work, PriceBook& book) { ComputeMaterialRows({work, book, BenchMaterial}, true); });
}
BENCHMARK(BM_RecomputeOneMaterial)->Unit(benchmark::kMicrosecond);

void BM_ReferenceOneMaterial(benchmark::State& state)
{
    recomputeMaterial(state, Books::Filled, [](WorkSet& work, PriceBook& book) {
        PlainReferenceMaterialRows(work, book, BenchMaterial, true);
    });
}
BENCHMARK(BM_ReferenceOneMaterial)->Unit(benchmark::kMicrosecond);

void BM_RecomputeSampleMaterial(benchmark::State& state)
{
    recomputeMaterial(state, Books::Sample,
                      [](WorkSet& work, PriceBook& book) { ComputeMaterialRows({work, book, BenchMaterial}, true); });
}
BENCHMARK(BM_RecomputeSampleMaterial)->Unit(benchmark::kMicrosecond);

void BM_ReferenceSampleMaterial(benchmark::State& state)
{
    recomputeMaterial(state, Books::Sample, [](WorkSet& work, PriceBook& book) {
        PlainReferenceMaterialRows(work, book, BenchMaterial, true);
    });
}
BENCHMARK(BM_ReferenceSampleMaterial)->Unit(benchmark::kMicrosecond);

void BM_RecomputeWholeBook(benchmark::State& state)
{
    PriceBook book = filledBook();
    WorkSet work;
    for (auto _ : state) {
        for (int m = 0; m < Materials; ++m)
            SelectAndComputeMaterial(work, book, m);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_RecomputeWholeBook)->Unit(benchmark::kMicrosecond);

void BM_LoadBook(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("haikan1.FDA");
    WritePriceBookFile(path, filledBook(), 0);
    PriceBook book;
    for (auto _ : state)
        benchmark::DoNotOptimize(LoadPriceBook(book, path, 0));
}
BENCHMARK(BM_LoadBook)->Unit(benchmark::kMicrosecond);

void BM_SaveBookAtomically(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("haikan1.FDA");
    const PriceBook book = filledBook();
    for (auto _ : state)
        WritePriceBookFile(path, book, 0);
}
BENCHMARK(BM_SaveBookAtomically)->Unit(benchmark::kMicrosecond);

// What `pricebook recompute` does: load, recompute all 20 materials, save.
void BM_LoadRecomputeSave(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("haikan1.FDA");
    WritePriceBookFile(path, filledBook(), 0);
    PriceBook book;
    WorkSet work;
    for (auto _ : state) {
        LoadPriceBook(book, path, 0);
        for (int m = 0; m < Materials; ++m)
            SelectAndComputeMaterial(work, book, m);
        WritePriceBookFile(path, book, 0);
    }
}
BENCHMARK(BM_LoadRecomputeSave)->Unit(benchmark::kMicrosecond);

// The CSV bytes of one computed material (four sheets, headings, results).
void BM_ExportMaterialText(benchmark::State& state)
{
    PriceBook book = filledBook();
    WorkSet work;
    SelectAndComputeMaterial(work, book, 1);
    const ExportView view = ShownExportView(work);
    for (auto _ : state) {
        const QByteArray bytes = ExportFileBytes(ExportMaterialText(work, view, ExportMode::File, {3, true, true}));
        benchmark::DoNotOptimize(bytes.constData());
    }
}
BENCHMARK(BM_ExportMaterialText)->Unit(benchmark::kMicrosecond);

// What `pricebook export --output` does: read the book, recompute the
// material, export it and write the file.
void BM_PricebookExport(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("haikan1.FDA");
    WritePriceBookFile(path, filledBook(), 0);
    const QString output = dir.filePath("out.CSV");
    WorkSet work;
    for (auto _ : state) {
        PriceBook book = ReadPriceBookFile(path);
        SelectAndComputeMaterial(work, book, 1);
        const QString text = ExportMaterialText(work, ShownExportView(work), ExportMode::File, {3, true, true});
        WriteFileAtomically(output, ExportFileBytes(text));
    }
}
BENCHMARK(BM_PricebookExport)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
