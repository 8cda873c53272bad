// A yearly price revision: a supplier's list of 2,800 rows (the ten sample
// categories, with rows that match and rows that do not) read from CSV
// bytes, previewed against one book, and applied.
#include "PriceListRevision.h"
#include "PriceRevision.h"
#include "SampleBooks.h"
#include "ShiftJis.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int ListRows = 2800;

// Goods name, size and a new list price for every priced line of the ten
// sample books, repeated with other sizes until the list has 2,800 rows.
QByteArray supplierList()
{
    QStringList lines{QStringLiteral("品名,サイズ,定価")};
    for (int round = 0; lines.size() <= ListRows; ++round) {
        for (int category = 0; category < 10 && lines.size() <= ListRows; ++category) {
            const PriceBook book = SampleBook(category);
            for (const BookLine& at : PricedLines(book)) {
                if (lines.size() > ListRows)
                    break;
                const PriceRow& row = book.row(at.material, MaterialRowNumber(0, at.line));
                const QString size = round == 0 ? row.sizeName.text() : QStringLiteral("%1A").arg(1000 + round);
                lines << QStringLiteral("%1,%2,%3")
                             .arg(book.row(at.material, 1).headerText.text(), size)
                             .arg(row.listPrice.units() + 10 * (1 + round));
            }
        }
    }
    return ShiftJis::encode(lines.join(QStringLiteral("\r\n")));
}

PriceListColumnChoice columns()
{
    PriceListColumnChoice choice;
    choice.goodsName = QStringLiteral("品名");
    choice.sizeName = QStringLiteral("サイズ");
    choice.listPrice = QStringLiteral("定価");
    return choice;
}

void BM_ReadSupplierList(benchmark::State& state)
{
    const QByteArray bytes = supplierList();
    for (auto _ : state)
        benchmark::DoNotOptimize(RevisionRowsFromBytes(QStringLiteral("list.csv"), bytes, {}, columns()));
}
BENCHMARK(BM_ReadSupplierList)->Unit(benchmark::kMillisecond);

void BM_PreviewOneBook(benchmark::State& state)
{
    const std::vector<RevisionRow> rows = RevisionRowsFromBytes(QStringLiteral("list.csv"), supplierList(), {}, columns());
    const PriceBook book = SampleBook(0);
    for (auto _ : state)
        benchmark::DoNotOptimize(PreviewPriceList(book, rows));
}
BENCHMARK(BM_PreviewOneBook)->Unit(benchmark::kMillisecond);

void BM_ApplyToOneBook(benchmark::State& state)
{
    const std::vector<RevisionRow> rows = RevisionRowsFromBytes(QStringLiteral("list.csv"), supplierList(), {}, columns());
    const PriceBook sample = SampleBook(0);
    const RevisionPreview preview = PreviewPriceList(sample, rows);
    for (auto _ : state) {
        PriceBook book = sample;
        ApplyPriceChanges(book, preview.changes, false);
        benchmark::DoNotOptimize(book);
    }
}
BENCHMARK(BM_ApplyToOneBook)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
