// Filling and repainting a grid the size of the labour rate table, with the
// styles the main window gives it at start-up.
#include "PriceTableStyle.h"
#include "TStrColGrid.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

void style(TStrColGrid& grid)
{
    StyleLabourTable(grid);
    grid.SetCells(4, 0, QStringLiteral("管\r(歩掛)\r人工"));
    grid.resize(920, 300);
    grid.show();
    QApplication::processEvents();
    grid.SetSelection(TGridRect{5, 3, 7, 4});
}

// QWidget::render paints synchronously, so each round really draws every cell.
void repaint(TStrColGrid& grid, QImage& target)
{
    grid.viewport()->render(&target);
}

void BM_FillAndRepaint(benchmark::State& state)
{
    TStrColGrid grid;
    style(grid);
    QImage target(grid.viewport()->size(), QImage::Format_RGB32);
    int round = 0;
    for (auto _ : state) {
        ++round;
        for (int r = 1; r < 15; ++r)
            for (int c = 0; c < 11; ++c)
                grid.SetCells(c, r, QString::number(r * 1000 + c * 10 + (round & 7)));
        repaint(grid, target);
        benchmark::DoNotOptimize(target.constBits());
    }
}
BENCHMARK(BM_FillAndRepaint)->Unit(benchmark::kMicrosecond);

void BM_Repaint(benchmark::State& state)
{
    TStrColGrid grid;
    style(grid);
    for (int r = 1; r < 15; ++r)
        for (int c = 0; c < 11; ++c)
            grid.SetCells(c, r, QString::number(r * 1000 + c * 10));
    QImage target(grid.viewport()->size(), QImage::Format_RGB32);
    for (auto _ : state) {
        repaint(grid, target);
        benchmark::DoNotOptimize(target.constBits());
    }
}
BENCHMARK(BM_Repaint)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
