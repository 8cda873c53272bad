// Filling and repainting a grid the size of the labour rate table, with the
// cell parameters the main window sets at start-up.
#include "TSCGCellParam.h"
#include "TStrColGrid.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

void style(TStrColGrid& grid)
{
    grid.SetColCount(11);
    grid.SetRowCount(15);
    grid.SetFixedCols(4);
    QFont font(QStringLiteral("IPAGothic"));
    font.setPixelSize(15);
    grid.SetFont(font);
    grid.SetDefaultRowHeight(17);
    grid.SetColWidths(0, 35);
    for (int c = 1; c < 11; ++c)
        grid.SetColWidths(c, 80);
    grid.SetFixedColor(QColor(142, 140, 162));
    grid.SetFocusCellColor(QColor(128, 128, 192));
    grid.SetFocusCellFontColor(Qt::white);
    grid.SetFocusCellFontColorEnabled(true);
    TSCGCellParam* prices = grid.CellParams()->Add();
    prices->SetColMax(2);
    prices->SetRowMax(14);
    prices->SetCol(1);
    prices->SetRow(1);
    prices->SetRangeEnabled(true);
    prices->SetAlignment(taRightJustify);
    for (int r = 0; r < 15; ++r)
        for (int c = 0; c < 11; ++c) {
            grid.SetCellFontColor(c, r, r == 0 || c == 0 ? Qt::white : Qt::black);
            grid.SetCellAlignment(c, r, r == 0 || c == 0 ? taCenter : taRightJustify);
        }
    grid.SetCells(4, 0, QStringLiteral("管\r(歩掛)\r人工"));
    grid.resize(920, 300);
    grid.show();
    QApplication::processEvents();
    grid.Loaded();
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
