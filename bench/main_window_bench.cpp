#include "ApplicationTitle.h"
#include "GuardedApplication.h"
#include "TFTANKAREGIST.h"
#include "Tkvconfig.h"
#include "TStrColGrid.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

// A program folder whose ten category books exist, as after the first run.
struct Folder {
    QTemporaryDir dir;
    Folder()
    {
        QDir(dir.path()).mkpath("kanzai");
        TFTANKAREGIST window(dir.filePath("kavrel"), {});
        Tkvconfig config(dir.path(), &window);
        window.setConfigDialog(&config);
        window.show();
        for (int k = 1; k < 10; ++k)
            emit window.TreeView1->itemClicked(window.TreeView1->topLevelItem(k), 0);
        window.close();
    }
};

// Window created, ten label files read, book loaded, material computed and shown.
void BM_StartUpToFirstMaterial(benchmark::State& state)
{
    Folder folder;
    for (auto _ : state) {
        TFTANKAREGIST window(folder.dir.filePath("kavrel"), {QStringLiteral("3;5;")});
        Tkvconfig config(folder.dir.path(), &window);
        window.setConfigDialog(&config);
        window.show();
        QCoreApplication::processEvents(); // the first paint
        benchmark::DoNotOptimize(window.session().currentMaterial);
        state.PauseTiming();
        window.hide();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartUpToFirstMaterial)->Unit(benchmark::kMillisecond);

void BM_CategorySwitch(benchmark::State& state)
{
    Folder folder;
    TFTANKAREGIST window(folder.dir.filePath("kavrel"), {});
    Tkvconfig config(folder.dir.path(), &window);
    window.setConfigDialog(&config);
    window.show();
    int k = 0;
    for (auto _ : state) {
        k = (k + 1) % 10;
        emit window.TreeView1->itemClicked(window.TreeView1->topLevelItem(k), 0);
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_CategorySwitch)->Unit(benchmark::kMillisecond);

// A list price typed and stored with Enter: store, recompute, refresh.
void BM_CellStore(benchmark::State& state)
{
    Folder folder;
    TFTANKAREGIST window(folder.dir.filePath("kavrel"), {});
    Tkvconfig config(folder.dir.path(), &window);
    window.setConfigDialog(&config);
    window.show();
    TStrColGrid* grid = window.StrColGrid2;
    int price = 1000;
    for (auto _ : state) {
        window.priceEdit = {7, 1 + price % 14};
        grid->SetCells(7, window.priceEdit.row, QString::number(++price));
        int key = Qt::Key_Return;
        grid->OnKeyDown(grid, key, Qt::NoModifier);
        QCoreApplication::processEvents(); // the repaint of what changed
    }
}
BENCHMARK(BM_CellStore)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    GuardedApplication app(argc, argv);
    SetApplicationTitle(QStringLiteral("Zavrikon（管材編）"));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
