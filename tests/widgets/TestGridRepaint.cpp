// A grid repaints only the cells a change touches, and draws texts laid out
// once: what is on screen after any change must be what a full paint gives.
#include "PriceTableStyle.h"
#include "TStrColGrid.h"

#include <QScreen>
#include <QScrollBar>
#include <QtTest>
#include <functional>
#include <memory>

namespace {

// The grid's pixels as the window shows them now (the backing store), and as
// a paint of the whole grid from scratch gives them.
QImage onScreen(QWidget& window, QWidget& viewport)
{
    QCoreApplication::processEvents();
    const QRect r(viewport.mapTo(&window, QPoint(0, 0)), viewport.size());
    return window.screen()->grabWindow(window.winId(), r.x(), r.y(), r.width(), r.height()).toImage();
}

QImage fullPaint(QWidget& viewport)
{
    QImage image(viewport.size(), QImage::Format_RGB32);
    viewport.render(&image);
    return image;
}

using Step = std::function<void(TStrColGrid&)>;

} // namespace

class TestGridRepaint : public QObject {
    Q_OBJECT
private slots:
    void screenMatchesAFullPaint_data();
    void screenMatchesAFullPaint();
    void textsFollowAFontChange();
    void scrollBarsFollowTheSize();
};

void TestGridRepaint::screenMatchesAFullPaint_data()
{
    QTest::addColumn<Step>("step");
    QTest::newRow("move down a row") << Step([](TStrColGrid& g) { g.MoveTo(5, 3); });
    QTest::newRow("move to the last cell") << Step([](TStrColGrid& g) { g.MoveTo(10, 14); });
    QTest::newRow("move into the price parameter range") << Step([](TStrColGrid& g) { g.MoveTo(2, 6); });
    QTest::newRow("move out of it") << Step([](TStrColGrid& g) {
        g.MoveTo(1, 6);
        QCoreApplication::processEvents();
        g.MoveTo(6, 6);
    });
    QTest::newRow("a range selection, then a move") << Step([](TStrColGrid& g) {
        g.SetSelection(TGridRect{5, 3, 8, 7});
        QCoreApplication::processEvents();
        g.MoveTo(9, 12);
    });
    QTest::newRow("texts changed, one back to an earlier one") << Step([](TStrColGrid& g) {
        g.SetCells(5, 5, QStringLiteral("12,345"));
        QCoreApplication::processEvents();
        g.SetCells(5, 5, QStringLiteral("1"));
        g.SetCells(6, 5, QStringLiteral("12,345"));
    });
    QTest::newRow("every text changed, then one more") << Step([](TStrColGrid& g) {
        for (int r = 1; r < 15; ++r)
            for (int c = 0; c < 11; ++c)
                g.SetCells(c, r, QString::number(r * 31 + c));
        QCoreApplication::processEvents();
        g.SetCells(3, 3, QStringLiteral("7"));
    });
    QTest::newRow("two-line header changed") << Step([](TStrColGrid& g) {
        g.SetCells(6, 0, QStringLiteral("接 合\r材"));
    });
    QTest::newRow("a larger font") << Step([](TStrColGrid& g) {
        QFont font = g.Font();
        font.setPixelSize(12);
        g.SetFont(font);
        QCoreApplication::processEvents();
        font.setPixelSize(17);
        g.SetFont(font);
    });
    QTest::newRow("focus leaves the grid") << Step([](TStrColGrid& g) { g.clearFocus(); });
    QTest::newRow("focus leaves and comes back") << Step([](TStrColGrid& g) {
        g.clearFocus();
        QCoreApplication::processEvents();
        g.setFocus();
    });
    QTest::newRow("editor opened and closed") << Step([](TStrColGrid& g) {
        g.ShowEditor();
        QCoreApplication::processEvents();
        g.HideEditor();
    });
    QTest::newRow("cell colour and font colour") << Step([](TStrColGrid& g) {
        g.SetCellColor(0, 9, QColor(128, 128, 192));
        g.SetCellFontColor(4, 9, Qt::red);
    });
}

void TestGridRepaint::screenMatchesAFullPaint()
{
    QFETCH(Step, step);
    QWidget window;
    TStrColGrid grid(&window);
    StyleLabourTable(grid);
    for (int r = 1; r < 15; ++r)
        for (int c = 0; c < 11; ++c)
            grid.SetCells(c, r, QString::number(r * 1013 + c * 7));
    grid.setGeometry(0, 0, 920, 300);
    window.resize(920, 300);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.activateWindow();
    grid.setFocus();
    grid.MoveTo(5, 2);
    QCOMPARE(onScreen(window, *grid.viewport()), fullPaint(*grid.viewport()));

    step(grid);
    QCOMPARE(onScreen(window, *grid.viewport()), fullPaint(*grid.viewport()));
    // The frame and the scroll bars too.
    QCOMPARE(onScreen(window, grid), fullPaint(grid));
}

// Texts laid out in one font are not reused in another: a grid that changed
// its font paints as one that had the new font from the start.
void TestGridRepaint::textsFollowAFontChange()
{
    auto table = [](int pixelSize, bool paintFirst) {
        auto grid = std::make_unique<TStrColGrid>();
        StyleLabourTable(*grid);
        grid->resize(920, 300);
        grid->show();
        QCoreApplication::processEvents();
        for (int r = 1; r < 15; ++r)
            grid->SetCells(4, r, QString::number(r * 1013));
        if (paintFirst)
            fullPaint(*grid->viewport());
        QFont font = grid->Font();
        font.setPixelSize(pixelSize);
        font.setBold(pixelSize > 15);
        grid->SetFont(font);
        return fullPaint(*grid->viewport());
    };
    for (int size : {11, 19}) {
        const QImage changed = table(size, true);
        QCOMPARE(changed, table(size, false));
        QVERIFY(changed != table(15, false));
    }
}

// A grid made smaller than its rows and then large enough for them all shows
// its vertical scroll bar only while it needs it.
void TestGridRepaint::scrollBarsFollowTheSize()
{
    TStrColGrid grid;
    StyleLabourTable(grid);
    grid.resize(920, 120);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    QTRY_VERIFY(grid.verticalScrollBar()->isVisible());
    grid.resize(920, 330);
    QTRY_VERIFY(!grid.verticalScrollBar()->isVisible());
    QCOMPARE(grid.viewport()->width(), 920 - 2 * grid.frameWidth());
    grid.resize(920, 120);
    QTRY_VERIFY(grid.verticalScrollBar()->isVisible());
}

#include "TestMain.h"
KAVREL_TEST_MAIN(TestGridRepaint)
#include "TestGridRepaint.moc"
