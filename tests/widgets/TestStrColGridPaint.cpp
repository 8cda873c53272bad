// What the column grid paints: fills, focus colours, captions, bands,
// overstrike, focus dots and the frame of fixed cells, read back as pixels.
#include "ColorNumber.h"
#include "TSCGCellParam.h"
#include "TSCGRangeError.h"
#include "TStrColGrid.h"

#include <QtTest>
#include <stdexcept>

namespace {

const QColor Fixed(142, 140, 162);
const QColor Focus(128, 128, 192);

struct PaintFixture {
    TStrColGrid grid;
    PaintFixture()
    {
        grid.SetColCount(6);
        grid.SetRowCount(6);
        grid.SetFixedCols(1);
        grid.SetFixedRows(1);
        grid.SetDefaultRowHeight(17);
        grid.SetDefaultColWidth(80);
        grid.SetColor(Qt::white);
        grid.SetFixedColor(Fixed);
        grid.SetFontColor(Qt::black);
        QFont font(QStringLiteral("IPAGothic"));
        font.setPixelSize(13);
        grid.SetFont(font);
        grid.SetFocusCellColor(Focus);
        grid.SetFocusCellFontColor(Qt::white);
        grid.resize(520, 160);
    }
    QImage shot() { return grid.viewport()->grab().toImage(); }
    void showFocused()
    {
        grid.show();
        grid.activateWindow();
        grid.setFocus();
        QVERIFY(QTest::qWaitForWindowActive(&grid));
    }
};

// Rows of rect (relative y) that hold a pixel darker than the limit, and the
// leftmost and rightmost such column.
struct Ink {
    QList<int> rows;
    int left = -1;
    int right = -1;
    int count = 0;
};

Ink inkIn(const QImage& image, const QRect& rect, int limit = 110)
{
    Ink ink;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        bool any = false;
        for (int x = rect.left(); x <= rect.right(); ++x) {
            if (qGray(image.pixel(x, y)) < limit) {
                any = true;
                ++ink.count;
                ink.left = ink.left < 0 ? x : std::min(ink.left, x);
                ink.right = std::max(ink.right, x);
            }
        }
        if (any)
            ink.rows << y - rect.top();
    }
    return ink;
}

} // namespace

class TestStrColGridPaint : public QObject {
    Q_OBJECT

private slots:
    void fillsAndFontColours();
    void oneTextInEveryColour();
    void focusHighlightRule_data();
    void focusHighlightRule();
    void captionBands_data();
    void captionBands();
    void threeLineCellBands();
    void undividedCellBreaksLines_data();
    void undividedCellBreaksLines();
    void overstrike();
    void alignmentAndLayout_data();
    void alignmentAndLayout();
    void textEventsAndCanvasReset();
    void oneLineEventPerBand();
    void focusDotsAndFixedFrame();
    void failingDrawHandlerSparesTheOtherCells();
};

void TestStrColGridPaint::fillsAndFontColours()
{
    PaintFixture f;
    f.grid.SetCellColor(2, 2, QColor(0, 200, 0));
    f.grid.SetCellColor(0, 3, Focus);
    TSCGCellParam* hatch = f.grid.FindCellParam(3, 3, true);
    hatch->SetBrush(QBrush(Qt::red, Qt::SolidPattern));
    hatch->SetBrushEnabled(true);
    TSCGCellParam* plain = f.grid.CellParams()->Add(); // no colour enabled
    plain->SetCol(4);
    plain->SetRow(0);
    bool drawn = false;
    f.grid.BeforeDraw = [&](QObject* sender) { drawn = sender == &f.grid; };
    const QImage image = f.shot();
    QVERIFY(drawn);
    auto centre = [&](int c, int r) { return QColor(image.pixel(f.grid.CellRect(c, r).center())); };
    QCOMPARE(centre(2, 2), QColor(0, 200, 0));
    QCOMPARE(centre(0, 3), Focus);
    QCOMPARE(centre(3, 3), QColor(Qt::red));
    QCOMPARE(centre(4, 0), Fixed);
    QCOMPARE(centre(0, 4), Fixed);
    QCOMPARE(centre(5, 5), QColor(Qt::white));
}

void TestStrColGridPaint::oneTextInEveryColour()
{
    // The same text in two colours side by side, then the grid's colour
    // changed: each paint shows each cell's own colour, never the colour the
    // text was last drawn in.
    PaintFixture f;
    const QString text = QStringLiteral("■■■");
    f.grid.SetCells(1, 1, text);
    f.grid.SetCells(2, 1, text);
    TSCGCellParam* red = f.grid.FindCellParam(2, 1, true);
    red->SetFontColor(Qt::red);
    red->SetFontColorEnabled(true);
    // The colour of the darkest pixel of a cell: its ink.
    auto inkColour = [&](const QImage& image, int col) {
        const QRect rect = f.grid.CellRect(col, 1);
        QColor ink = Qt::white;
        for (int y = rect.top(); y <= rect.bottom(); ++y)
            for (int x = rect.left(); x <= rect.right(); ++x)
                if (qGray(image.pixel(x, y)) < qGray(ink.rgb()))
                    ink = QColor(image.pixel(x, y));
        return ink;
    };
    for (int paint = 0; paint < 2; ++paint) {
        const QImage image = f.shot();
        QCOMPARE(inkColour(image, 1), QColor(Qt::black));
        QCOMPARE(inkColour(image, 2), QColor(Qt::red));
    }
    f.grid.SetFontColor(Qt::blue);
    const QImage image = f.shot();
    QCOMPARE(inkColour(image, 1), QColor(Qt::blue));
    QCOMPARE(inkColour(image, 2), QColor(Qt::red));
}

void TestStrColGridPaint::focusHighlightRule_data()
{
    QTest::addColumn<bool>("focused");
    QTest::addColumn<bool>("focusDraw");
    QTest::addColumn<int>("options");
    QTest::addColumn<bool>("currentPainted");
    QTest::addColumn<bool>("otherPainted");
    QTest::newRow("focused, plain") << true << true << 0 << false << true;
    QTest::newRow("focused, draw focus selected") << true << false << int(goDrawFocusSelected) << true << true;
    QTest::newRow("focused, row select") << true << true << int(goRowSelect) << true << true;
    QTest::newRow("unfocused, focus draw") << false << true << 0 << true << true;
    QTest::newRow("unfocused, no focus draw") << false << false << int(goDrawFocusSelected) << false << false;
}

void TestStrColGridPaint::focusHighlightRule()
{
    QFETCH(bool, focused);
    QFETCH(bool, focusDraw);
    QFETCH(int, options);
    QFETCH(bool, currentPainted);
    QFETCH(bool, otherPainted);
    PaintFixture f;
    f.grid.SetOptions(DefaultGridOptions | TGridOptions::fromInt(options));
    f.grid.SetFocusDraw(focusDraw);
    f.grid.SetFocusCellFontColorEnabled(true);
    f.grid.SetCells(2, 2, QStringLiteral("8888"));
    if (focused)
        f.showFocused();
    QVERIFY(f.grid.MoveTo(2, 2));
    f.grid.SetSelection(TGridRect{2, 2, 3, 2});
    QCOMPARE(f.grid.Focused(), focused);
    const QImage image = f.shot();
    const QRect current = f.grid.CellRect(2, 2);
    QCOMPARE(QColor(image.pixel(current.left() + 1, current.bottom() - 1)) == Focus, currentPainted);
    QCOMPARE(QColor(image.pixel(f.grid.CellRect(3, 2).center())) == Focus, otherPainted);
    // Focus text is white, so no dark ink is left on a painted cell.
    const Ink ink = inkIn(image, current.adjusted(1, 1, -1, -1));
    QCOMPARE(ink.count == 0, currentPainted);
}

void TestStrColGridPaint::captionBands_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("cell");
    QTest::addColumn<bool>("upper");
    QTest::addColumn<bool>("lower");
    QTest::newRow("top, empty cell") << int(ctTop) << "" << true << false;
    QTest::newRow("bottom, empty cell") << int(ctBottom) << "" << false << true;
    QTest::newRow("top with text") << int(ctTop) << "12" << true << true;
    QTest::newRow("placeholder") << int(ctCellText) << "" << true << false;
}

void TestStrColGridPaint::captionBands()
{
    QFETCH(int, type);
    QFETCH(QString, cell);
    QFETCH(bool, upper);
    QFETCH(bool, lower);
    PaintFixture f;
    f.grid.SetRowHeights(2, 40);
    f.grid.SetOptions(DefaultGridOptions & ~TGridOptions(goHorzLine));
    TSCGCellParam* p = f.grid.FindCellParam(3, 2, true);
    p->SetCaption(QStringLiteral("計"));
    p->SetCaptionType(static_cast<TSCGCellCaptionType>(type));
    f.grid.SetCells(3, 2, cell);
    const QImage image = f.shot();
    const QRect rect = f.grid.CellRect(3, 2);
    QCOMPARE(inkIn(image, QRect(rect.left(), rect.top(), rect.width(), 20)).count > 0, upper);
    QCOMPARE(inkIn(image, QRect(rect.left(), rect.top() + 20, rect.width(), 20)).count > 0, lower);
}

void TestStrColGridPaint::threeLineCellBands()
{
    PaintFixture f;
    f.grid.SetRowHeights(2, 52);
    f.grid.SetCells(3, 2, QStringLiteral("a\rb\rc"));
    f.grid.SetCells(0, 2, QStringLiteral("x\r\ny"));
    QImage image = f.shot();
    const QRect rect = f.grid.CellRect(3, 2);
    const QColor silver(0xC0, 0xC0, 0xC0);
    // Bands of 17, 17 and 18 pixels: inner lines on the tops of bands 1 and 2.
    QList<int> lines;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        if (QColor(image.pixel(rect.left() + 40, y)) == silver && QColor(image.pixel(rect.right() - 1, y)) == silver)
            lines << y - rect.top();
    QCOMPARE(lines, (QList<int>{17, 34}));
    // Each band carries its own line of text.
    for (int band = 0; band < 3; ++band)
        QVERIFY(inkIn(image, QRect(rect.left(), rect.top() + 17 * band + 1, rect.width(), 15)).count > 0);
    // A fixed cell gets a light line on the lower band and a shadow under the upper one.
    const QRect fixed = f.grid.CellRect(0, 2);
    QCOMPARE(QColor(image.pixel(fixed.left() + 20, fixed.top() + 26)).rgb(), SystemColor(20).rgb());
    QCOMPARE(QColor(image.pixel(fixed.left() + 20, fixed.top() + 25)).rgb(), SystemColor(16).rgb());

    f.grid.SetCellDivide(false);
    image = f.shot();
    QCOMPARE(QColor(image.pixel(rect.left() + 40, rect.top() + 17)), QColor(Qt::white));
}

void TestStrColGridPaint::undividedCellBreaksLines_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("captionType");
    QTest::addColumn<bool>("twoLines");
    QTest::newRow("CR") << "AAA\rBBB" << -1 << true;
    QTest::newRow("LF") << "AAA\nBBB" << -1 << true;
    QTest::newRow("CR LF") << "AAA\r\nBBB" << -1 << true;
    QTest::newRow("one line") << "AAABBB" << -1 << false;
    QTest::newRow("caption on top") << "BBB" << int(ctTop) << true;
    QTest::newRow("caption below") << "AAA" << int(ctBottom) << true;
}

// Without division the text wraps in the whole cell, but every kind of line
// break still starts a new line.
void TestStrColGridPaint::undividedCellBreaksLines()
{
    QFETCH(QString, text);
    QFETCH(int, captionType);
    QFETCH(bool, twoLines);
    PaintFixture f;
    f.grid.SetCellDivide(false);
    f.grid.SetRowHeights(2, 40);
    f.grid.SetCells(3, 2, text);
    if (captionType >= 0) {
        TSCGCellParam* p = f.grid.FindCellParam(3, 2, true);
        p->SetCaption(captionType == ctTop ? QStringLiteral("AAA") : QStringLiteral("BBB"));
        p->SetCaptionType(static_cast<TSCGCellCaptionType>(captionType));
    }
    const QRect rect = f.grid.CellRect(3, 2);
    const Ink ink = inkIn(f.shot(), rect);
    QVERIFY(!ink.rows.isEmpty());
    // A second line lies below the first: ink in rows past the first line's height.
    const int lineHeight = QFontMetrics(f.grid.Font()).height();
    QCOMPARE(ink.rows.last() >= 2 + lineHeight, twoLines);
}

void TestStrColGridPaint::overstrike()
{
    PaintFixture f;
    for (int r = 1; r <= 3; ++r) {
        f.grid.SetCells(2, r, QStringLiteral("1234"));
        f.grid.SetCellFontWidth(2, r, r - 1);
        f.grid.SetCellColor(2, r, QColor(255, 255, 200));
    }
    const QImage image = f.shot();
    const Ink none = inkIn(image, f.grid.CellRect(2, 1));
    const Ink normal = inkIn(image, f.grid.CellRect(2, 2));
    const Ink bold = inkIn(image, f.grid.CellRect(2, 3));
    QCOMPARE(none.count, 0);
    QCOMPARE(QColor(image.pixel(f.grid.CellRect(2, 1).center())), QColor(255, 255, 200));
    QVERIFY(normal.count > 0);
    QCOMPARE(bold.left, normal.left);
    QCOMPARE(bold.right, normal.right + 1);
    QVERIFY(bold.count > normal.count);
    QVERIFY_THROWS_EXCEPTION(TSCGRangeError, f.grid.SetCellFontWidth(2, 1, -1));
}

void TestStrColGridPaint::alignmentAndLayout_data()
{
    QTest::addColumn<int>("alignment");
    QTest::addColumn<int>("layout");
    QTest::newRow("left top") << int(taLeftJustify) << int(tlTop);
    QTest::newRow("right centre") << int(taRightJustify) << int(tlCenter);
    QTest::newRow("centre bottom") << int(taCenter) << int(tlBottom);
}

void TestStrColGridPaint::alignmentAndLayout()
{
    QFETCH(int, alignment);
    QFETCH(int, layout);
    PaintFixture f;
    f.grid.SetRowHeights(2, 60);
    f.grid.SetOptions(DefaultGridOptions & ~TGridOptions(goHorzLine | goVertLine));
    f.grid.SetCells(2, 2, QStringLiteral("88"));
    TSCGCellParam* p = f.grid.FindCellParam(2, 2, true);
    p->SetAlignment(static_cast<TAlignment>(alignment));
    p->SetLayout(static_cast<TTextLayout>(layout));
    const QRect rect = f.grid.CellRect(2, 2);
    const Ink ink = inkIn(f.shot(), rect);
    QVERIFY(ink.count > 0);
    const int leftGap = ink.left - rect.left();
    const int rightGap = rect.right() - ink.right;
    const int topGap = ink.rows.first();
    const int bottomGap = rect.height() - 1 - ink.rows.last();
    if (alignment == taLeftJustify)
        QVERIFY(leftGap <= 4 && rightGap > 40);
    else if (alignment == taRightJustify)
        QVERIFY(rightGap <= 4 && leftGap > 40);
    else
        QVERIFY(std::abs(leftGap - rightGap) <= 2);
    if (layout == tlTop)
        QVERIFY(topGap < 8 && bottomGap > 30);
    else if (layout == tlBottom)
        QVERIFY(bottomGap < 8 && topGap > 30);
    else
        QVERIFY(std::abs(topGap - bottomGap) <= 4);
}

void TestStrColGridPaint::textEventsAndCanvasReset()
{
    PaintFixture f;
    f.grid.SetCells(2, 2, QStringLiteral("raw"));
    f.grid.SetCells(3, 2, QStringLiteral("raw"));
    f.grid.setWindowTitle(QStringLiteral("grid text"));
    TSCGCellParam* p = f.grid.FindCellParam(3, 2, true);
    p->SetCaption(QStringLiteral("cap"));
    QStringList seen;
    f.grid.OnOutCellText = [&](QObject* sender, TStrColGrid*, const QRect&, int col, int row, const QString& caption,
                               QString& value, bool& reset) {
        if (col == 2 && row == 2) {
            seen << QStringLiteral("grid %1 %2 %3").arg(sender == &f.grid).arg(caption, value);
            value = QStringLiteral("8");
            f.grid.Canvas().FontColor = Qt::red;
            reset = false; // keep the red
        }
    };
    p->OnOutCellText = [&](QObject* sender, TStrColGrid* grid, const QRect&, int, int, const QString& caption,
                           QString& value, bool&) {
        seen << QStringLiteral("param %1 %2 %3").arg(sender == p && grid == &f.grid).arg(caption, value);
        value = QStringLiteral("8");
        grid->Canvas().FontColor = Qt::red; // undone: reset stays true
    };
    const QImage image = f.shot();
    QVERIFY(seen.contains(QStringLiteral("grid 1 grid text raw")));
    QVERIFY(seen.contains(QStringLiteral("param 1 cap raw")));
    auto hasRed = [&](const QRect& rect) {
        for (int y = rect.top(); y <= rect.bottom(); ++y)
            for (int x = rect.left(); x <= rect.right(); ++x) {
                const QColor c(image.pixel(x, y));
                if (c.red() > 200 && c.green() < 90 && c.blue() < 90)
                    return true;
            }
        return false;
    };
    QVERIFY(hasRed(f.grid.CellRect(2, 2)));
    QVERIFY(!hasRed(f.grid.CellRect(3, 2)));
    QVERIFY(inkIn(image, f.grid.CellRect(3, 2)).count > 0);
}

void TestStrColGridPaint::oneLineEventPerBand()
{
    PaintFixture f;
    f.grid.SetRowHeights(2, 40);
    f.grid.SetCells(2, 2, QStringLiteral("a\rb"));
    TSCGCellParam* p = f.grid.FindCellParam(2, 2, true);
    QStringList calls;
    f.grid.OnDrawTextOneLine = [&](QObject* sender, TStrColGrid*, const QRect& band, int col, int row, int index,
                                   TGridDrawState, QString& text, TAlignment& alignment, TTextLayout&,
                                   bool& inner) {
        if (col != 2 || row != 2)
            return;
        calls << QStringLiteral("grid %1 %2 %3 %4").arg(sender == &f.grid).arg(index).arg(band.height()).arg(text);
        alignment = taRightJustify;
        inner = false;
    };
    p->OnDrawTextOneLine = [&](QObject* sender, TStrColGrid*, const QRect&, int, int, int index, TGridDrawState,
                               QString& text, TAlignment& alignment, TTextLayout&, bool&) {
        calls << QStringLiteral("param %1 %2 %3").arg(sender == p).arg(index).arg(alignment);
        if (index == 1)
            text.clear();
    };
    const QImage image = f.shot();
    QCOMPARE(calls, (QStringList{"grid 1 0 20 a", QStringLiteral("param 1 0 %1").arg(int(taRightJustify)),
                                 "grid 1 1 20 b", QStringLiteral("param 1 1 %1").arg(int(taRightJustify))}));
    const QRect rect = f.grid.CellRect(2, 2);
    const Ink upper = inkIn(image, QRect(rect.left(), rect.top(), rect.width(), 20));
    QVERIFY(upper.count > 0 && rect.right() - upper.right <= 4);
    QCOMPARE(inkIn(image, QRect(rect.left(), rect.top() + 20, rect.width(), 20), 200).count, 0); // no text, no line
}

void TestStrColGridPaint::focusDotsAndFixedFrame()
{
    PaintFixture f;
    f.showFocused();
    QVERIFY(f.grid.MoveTo(2, 2));
    QImage image = f.shot();
    const QRect cell = f.grid.CellRect(2, 2);
    // Dots are the inverse of white (black) every second pixel of the edge.
    QCOMPARE(QColor(image.pixel(cell.topLeft())), QColor(Qt::black));
    QCOMPARE(QColor(image.pixel(cell.left() + 1, cell.top())), QColor(Qt::white));
    QCOMPARE(QColor(image.pixel(cell.left() + 2, cell.top())), QColor(Qt::black));
    QCOMPARE(QColor(image.pixel(cell.left(), cell.top() + 2)), QColor(Qt::black));
    QCOMPARE(QColor(image.pixel(cell.right(), cell.top() + 2)), QColor(Qt::black));
    // On a mid grey the inverse is too close, so the dot is white.
    f.grid.SetCellColor(2, 2, QColor(0x80, 0x80, 0x80));
    image = f.shot();
    QCOMPARE(QColor(image.pixel(cell.topLeft())), QColor(Qt::white));

    const QRect fixed = f.grid.CellRect(1, 0);
    QCOMPARE(QColor(image.pixel(fixed.left(), fixed.top() + 5)).rgb(), SystemColor(20).rgb());
    QCOMPARE(QColor(image.pixel(fixed.left() + 5, fixed.top())).rgb(), SystemColor(20).rgb());
    QCOMPARE(QColor(image.pixel(fixed.right(), fixed.top() + 5)), QColor(0x80, 0x80, 0x80));
    QCOMPARE(QColor(image.pixel(fixed.left() + 5, fixed.bottom())), QColor(0x80, 0x80, 0x80));
    f.grid.SetCtl3D(false);
    image = f.shot();
    QCOMPARE(QColor(image.pixel(fixed.left(), fixed.top() + 5)), Fixed);

    // Row selection: dotted top and bottom on every cell, sides at the ends.
    f.grid.SetOptions(DefaultGridOptions | goRowSelect);
    f.grid.SetCellColor(2, 2, Qt::white);
    f.grid.SetFocusDraw(false);
    f.grid.SetFocusCellColor(Qt::white);
    image = f.shot();
    const QRect first = f.grid.CellRect(1, 2);
    const QRect middle = f.grid.CellRect(3, 2);
    const QRect last = f.grid.CellRect(5, 2);
    QCOMPARE(QColor(image.pixel(middle.topLeft())), QColor(Qt::black));
    QCOMPARE(QColor(image.pixel(middle.left(), middle.top() + 4)), QColor(Qt::white));
    QCOMPARE(QColor(image.pixel(first.left(), first.top() + 4)), QColor(Qt::black));
    QCOMPARE(QColor(image.pixel(last.right(), last.top() + 4)), QColor(Qt::black));
    QCOMPARE(QColor(image.pixel(first.right(), first.top() + 4)), QColor(Qt::white));
}

void TestStrColGridPaint::failingDrawHandlerSparesTheOtherCells()
{
    PaintFixture f;
    f.grid.SetCellColor(4, 4, QColor(0, 0, 255));
    f.grid.OnDrawCell = [](QObject*, int col, int row, const QRect&, TGridDrawState) {
        if (col == 2 && row == 2)
            throw std::runtime_error("handler failed");
    };
    QTest::ignoreMessage(QtWarningMsg, "grid cell 2,2: handler failed");
    const QImage image = f.shot();
    QCOMPARE(QColor(image.pixel(f.grid.CellRect(4, 4).center())), QColor(0, 0, 255));
}

#include "TestMain.h"
KAVREL_TEST_MAIN(TestStrColGridPaint)
#include "TestStrColGridPaint.moc"
