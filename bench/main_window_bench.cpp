#include "ApplicationTitle.h"
#include "GuardedApplication.h"
#include "PriceBookFile.h"
#include "SampleBooks.h"
#include "TFTANKAREGIST.h"
#include "Tkvconfig.h"
#include "TNValEdit.h"
#include "TStrColGrid.h"

#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

// A program folder whose ten category books exist: blank, as after the first
// run, or the sample books, as an estimator's prices would be.
enum class Books { Blank, Sample };

struct Folder {
    QTemporaryDir dir;
    explicit Folder(Books books)
    {
        QDir(dir.path()).mkpath("kanzai");
        if (books == Books::Sample) {
            for (int k = 0; k < CategoryCount; ++k)
                WritePriceBookFile(dir.filePath(QStringLiteral("kanzai/haikan%1.FDA").arg(k + 1)), SampleBook(k), 0);
            return;
        }
        TFTANKAREGIST window(dir.filePath("kavrel"), {});
        Tkvconfig config(dir.path(), &window);
        window.setConfigDialog(&config);
        window.show();
        for (int k = 1; k < CategoryCount; ++k)
            emit window.TreeView1->itemClicked(window.TreeView1->topLevelItem(k), 0);
        window.close();
    }
};

// The main window of a folder, shown, with material 2 of category 1 selected.
struct Window {
    Folder folder;
    std::unique_ptr<TFTANKAREGIST> window;
    std::unique_ptr<Tkvconfig> config;
    explicit Window(Books books) : folder(books)
    {
        window = std::make_unique<TFTANKAREGIST>(folder.dir.filePath("kavrel"), QStringList{QStringLiteral("1;2;")});
        config = std::make_unique<Tkvconfig>(folder.dir.path(), window.get());
        window->setConfigDialog(config.get());
        window->show();
        QCoreApplication::processEvents();
    }
    TFTANKAREGIST* operator->() { return window.get(); }
};

Books booksOf(const benchmark::State& state) { return state.range(0) ? Books::Sample : Books::Blank; }
void BothBooks(benchmark::internal::Benchmark* b) { b->ArgName("sample")->Arg(0)->Arg(1); }

// Window created, ten label files read, book loaded, material computed and shown.
void BM_StartUpToFirstMaterial(benchmark::State& state)
{
    Folder folder(booksOf(state));
    for (auto _ : state) {
        TFTANKAREGIST window(folder.dir.filePath("kavrel"), {QStringLiteral("3;5;")});
        Tkvconfig config(folder.dir.path(), &window);
        window.setConfigDialog(&config);
        window.show();
        QCoreApplication::processEvents(); // the first paint
        benchmark::DoNotOptimize(window.session().currentMaterial());
        state.PauseTiming();
        window.hide();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartUpToFirstMaterial)->Apply(BothBooks)->Unit(benchmark::kMillisecond);

void BM_CategorySwitch(benchmark::State& state)
{
    Window window(booksOf(state));
    int k = 0;
    for (auto _ : state) {
        k = (k + 1) % CategoryCount;
        emit window->TreeView1->itemClicked(window->TreeView1->topLevelItem(k), 0);
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_CategorySwitch)->Apply(BothBooks)->Unit(benchmark::kMillisecond);

// A list price typed and stored with Enter: store, recompute, refresh.
void BM_CellStore(benchmark::State& state)
{
    Window window(booksOf(state));
    TStrColGrid* grid = window->StrColGrid2;
    int price = 1000;
    for (auto _ : state) {
        window->priceEdit = {7, 1 + price % 14};
        grid->SetCells(7, window->priceEdit.row, QString::number(++price));
        int key = Qt::Key_Return;
        grid->OnKeyDown(grid, key, Qt::NoModifier);
        QCoreApplication::processEvents(); // the repaint of what changed
    }
}
BENCHMARK(BM_CellStore)->Apply(BothBooks)->Unit(benchmark::kMillisecond);

// The same as the user does it: a price typed into the open cell editor of
// the list price column, then Enter sent as a key event to the editor; the
// store, the recompute of the line and the repaint of what changed.
void BM_CellStoreKeyEvent(benchmark::State& state)
{
    Window window(booksOf(state));
    TStrColGrid* grid = window->StrColGrid2;
    window->activateWindow();
    grid->setFocus();
    int price = 1000;
    for (auto _ : state) {
        state.PauseTiming();
        grid->MoveTo(7, window->priceEdit.row);
        grid->ShowEditor();
        grid->InplaceEditor()->setText(QString::number(++price));
        QCoreApplication::processEvents();
        state.ResumeTiming();
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
        QCoreApplication::sendEvent(grid->InplaceEditor(), &press);
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_CellStoreKeyEvent)->Apply(BothBooks)->Unit(benchmark::kMillisecond);

// Enter in the first base labour edit: capture the controls, compute lines
// 1 to 59, refresh the three tables' texts, move the focus on (the paint
// follows later and is measured on its own).
void BM_WindowRecompute(benchmark::State& state)
{
    Window window(booksOf(state));
    for (auto _ : state) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
        QCoreApplication::sendEvent(window->GPAYDAY[0], &press);
    }
}
BENCHMARK(BM_WindowRecompute)->Apply(BothBooks)->Unit(benchmark::kMicrosecond);

// A paint of the labour rate table (11 × 15) and of the price table (8 × 15)
// as the window shows them. QWidget::render paints synchronously.
void repaintTable(benchmark::State& state, TStrColGrid* TFTANKAREGIST::*table)
{
    Window window(booksOf(state));
    TStrColGrid* grid = window.window.get()->*table;
    QImage target(grid->viewport()->size(), QImage::Format_RGB32);
    for (auto _ : state) {
        grid->viewport()->render(&target);
        benchmark::DoNotOptimize(target.constBits());
    }
}
void BM_RepaintLabourTable(benchmark::State& state) { repaintTable(state, &TFTANKAREGIST::StrColGrid1); }
BENCHMARK(BM_RepaintLabourTable)->Apply(BothBooks)->Unit(benchmark::kMicrosecond);
void BM_RepaintPriceTable(benchmark::State& state) { repaintTable(state, &TFTANKAREGIST::StrColGrid2); }
BENCHMARK(BM_RepaintPriceTable)->Apply(BothBooks)->Unit(benchmark::kMicrosecond);

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
