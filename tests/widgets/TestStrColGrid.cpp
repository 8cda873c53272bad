// Cell parameters, named fonts and the text rules of the column grid.
#include "ScriptedModalSeam.h"
#include "TSCGCellFont.h"
#include "TSCGCellParam.h"
#include "TSCGCellParams.h"
#include "TSCGError.h"
#include "TSCGRangeError.h"
#include "TStrColGrid.h"

#include <QtTest>
#include <functional>
#include <map>

Q_DECLARE_METATYPE(std::function<void(TSCGCellParams&)>)

class TestStrColGrid : public QObject {
    Q_OBJECT

private slots:
    void newGridDefaults();
    void lookupPrefersTheLastItem_data();
    void lookupPrefersTheLastItem();
    void lookupFollowsChangesAfterAPaint_data();
    void lookupFollowsChangesAfterAPaint();
    void textWidthInTheGridsFont_data();
    void textWidthInTheGridsFont();
    void createMakesASingleCellItem_data();
    void createMakesASingleCellItem();
    void setCellColorChangesTheCoveringRange();
    void setCellOperationsCheckThePosition_data();
    void setCellOperationsCheckThePosition();
    void rangeValidation_data();
    void rangeValidation();
    void rangeIsTakenAsItComesWhileLoading();
    void namesAndDisplayNames();
    void fontRenamesAndRemovalsReachTheParameters();
    void fontNameErrors();
    void unknownFontNameIsDropped();
    void unknownFontNameRefusesTheMove();
    void unknownFontNameIsReportedOnceWhenPainted();
    void assignCopiesEverything();
    void captionTypes_data();
    void captionTypes();
    void bandDivision_data();
    void bandDivision();
    void propertiesByName();
};

void TestStrColGrid::newGridDefaults()
{
    TStrColGrid grid;
    QVERIFY(!grid.DefaultDrawing());
    QCOMPARE(grid.Options(), DefaultGridOptions);
    QCOMPARE(grid.GridOptions(), DefaultGridOptions);
    QVERIFY(grid.FocusDraw());
    QVERIFY(grid.CellDivide());
    QCOMPARE(grid.ImeMode(), imDontCare);
    TSCGCellParam* p = grid.CellParams()->Add();
    QCOMPARE(p->Name(), QStringLiteral("パラメータ1"));
    QCOMPARE(p->CaptionType(), ctCellText);
    QCOMPARE(p->FontWidth(), 1);
    QCOMPARE(p->Brush().color(), QColor(Qt::white));
    grid.SetOptions(goEditing | goRowSelect);
    QCOMPARE(grid.CellParams()->Add()->Options(), TGridOptions(goEditing | goRowSelect));
    QCOMPARE(grid.CellParams()->Items(1)->Name(), QStringLiteral("パラメータ2"));
}

// A grid of the labour table's 11 × 15 cells with items, each
// (col, row, colMax, rowMax, range).
static void labourTableWith(TStrColGrid& grid, const QList<QList<int>>& items)
{
    grid.SetColCount(11);
    grid.SetRowCount(15);
    for (const QList<int>& it : items) {
        TSCGCellParam* p = grid.CellParams()->Add();
        p->SetCol(it[0]);
        p->SetRow(it[1]);
        p->SetColMax(it[2]);
        p->SetRowMax(it[3]);
        p->SetRangeEnabled(it[4] != 0);
    }
}

// Items as above; expect the index found or -1.
void TestStrColGrid::lookupPrefersTheLastItem_data()
{
    QTest::addColumn<QList<QList<int>>>("items");
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("expected");
    const QList<QList<int>> overlap{{1, 1, 2, 14, 1}, {2, 3, 2, 3, 0}};
    QTest::newRow("single cell over range") << overlap << 2 << 3 << 1;
    QTest::newRow("range elsewhere") << overlap << 1 << 3 << 0;
    QTest::newRow("range corner") << overlap << 2 << 14 << 0;
    QTest::newRow("outside everything") << overlap << 3 << 1 << -1;
    QTest::newRow("range after single wins") << QList<QList<int>>{{2, 3, 2, 3, 0}, {1, 1, 2, 14, 1}} << 2 << 3 << 1;
    QTest::newRow("range off covers only its corner")
        << QList<QList<int>>{{1, 1, 5, 5, 0}} << 2 << 2 << -1;
    QTest::newRow("range off, corner") << QList<QList<int>>{{1, 1, 5, 5, 0}} << 1 << 1 << 0;
    const QList<QList<int>> pastTheEdge{{9, 13, 30, 40, 1}};
    QTest::newRow("range past the grid, inside") << pastTheEdge << 10 << 14 << 0;
    QTest::newRow("range past the grid, outside it") << pastTheEdge << 25 << 16 << 0;
    QTest::newRow("single cell outside the grid") << QList<QList<int>>{{12, 20, 0, 0, 0}} << 12 << 20 << 0;
    QTest::newRow("last column and row") << QList<QList<int>>{{10, 14, 0, 0, 0}} << 10 << 14 << 0;
}

void TestStrColGrid::lookupPrefersTheLastItem()
{
    QFETCH(QList<QList<int>>, items);
    QFETCH(int, col);
    QFETCH(int, row);
    QFETCH(int, expected);
    TStrColGrid grid;
    labourTableWith(grid, items);
    // Before and after a paint has noted each cell's item.
    for (bool painted : {false, true}) {
        if (painted)
            grid.CellParams()->IndexCells(grid.ColCount(), grid.RowCount());
        TSCGCellParam* found = grid.FindCellParam(col, row, false);
        QCOMPARE(found, expected < 0 ? nullptr : grid.CellParams()->Items(expected));
    }
    QCOMPARE(grid.CellParams()->Count(), items.size());
}

using ParamsChange = std::function<void(TSCGCellParams&)>;

// A range (1,1)-(5,5) and a single cell (2,2) over it, looked up after a
// paint and then changed; `expected` is the index of the item found after
// the change, or -1.
void TestStrColGrid::lookupFollowsChangesAfterAPaint_data()
{
    QTest::addColumn<ParamsChange>("change");
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("expected");
    QTest::newRow("cell moved, old place") << ParamsChange([](TSCGCellParams& p) { p[1]->SetCol(3); }) << 2 << 2 << 0;
    QTest::newRow("cell moved, new place") << ParamsChange([](TSCGCellParams& p) { p[1]->SetCol(3); }) << 3 << 2 << 1;
    QTest::newRow("cell moved down") << ParamsChange([](TSCGCellParams& p) { p[1]->SetRow(7); }) << 2 << 7 << 1;
    QTest::newRow("range narrowed") << ParamsChange([](TSCGCellParams& p) { p[0]->SetColMax(3); }) << 4 << 4 << -1;
    QTest::newRow("range lowered") << ParamsChange([](TSCGCellParams& p) { p[0]->SetRowMax(3); }) << 4 << 4 << -1;
    QTest::newRow("range widened") << ParamsChange([](TSCGCellParams& p) { p[0]->SetColMax(10); }) << 10 << 5 << 0;
    QTest::newRow("range turned off") << ParamsChange([](TSCGCellParams& p) { p[0]->SetRangeEnabled(false); }) << 4 << 4
                                      << -1;
    QTest::newRow("refused range keeps the old one")
        << ParamsChange([](TSCGCellParams& p) { QVERIFY_THROWS_EXCEPTION(TSCGRangeError, p[0]->SetColMax(0)); }) << 4
        << 4 << 0;
    QTest::newRow("cell deleted") << ParamsChange([](TSCGCellParams& p) { p.Delete(1); }) << 2 << 2 << 0;
    QTest::newRow("range deleted, cell moves up") << ParamsChange([](TSCGCellParams& p) { p.Delete(0); }) << 2 << 2 << 0;
    QTest::newRow("item added at the origin") << ParamsChange([](TSCGCellParams& p) { p.Add(); }) << 0 << 0 << 2;
    QTest::newRow("cell takes the range") << ParamsChange([](TSCGCellParams& p) { p[1]->Assign(*p[0]); }) << 5 << 5 << 1;
    QTest::newRow("all cleared") << ParamsChange([](TSCGCellParams& p) { p.Clear(); }) << 3 << 3 << -1;
}

void TestStrColGrid::lookupFollowsChangesAfterAPaint()
{
    QFETCH(ParamsChange, change);
    QFETCH(int, col);
    QFETCH(int, row);
    QFETCH(int, expected);
    TStrColGrid grid;
    labourTableWith(grid, {{1, 1, 5, 5, 1}, {2, 2, 0, 0, 0}});
    TSCGCellParams& params = *grid.CellParams();
    params.IndexCells(grid.ColCount(), grid.RowCount());
    QCOMPARE(grid.FindCellParam(2, 2, false), params[1]);
    change(params);
    QCOMPARE(grid.FindCellParam(col, row, false), expected < 0 ? nullptr : params[expected]);
    // The next paint notes the cells again.
    params.IndexCells(grid.ColCount(), grid.RowCount());
    QCOMPARE(grid.FindCellParam(col, row, false), expected < 0 ? nullptr : params[expected]);
}

// What the column fitting measures: the width in the grid's font, also after
// the font changes under a measured text.
void TestStrColGrid::textWidthInTheGridsFont_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << QString();
    QTest::newRow("digits") << QStringLiteral("12,345");
    QTest::newRow("kanji") << QStringLiteral("採用単価");
    QTest::newRow("two lines") << QStringLiteral("15A\r\n20A");
    QTest::newRow("spaces only") << QStringLiteral("   ");
}

void TestStrColGrid::textWidthInTheGridsFont()
{
    QFETCH(QString, text);
    TStrColGrid grid;
    for (int pixels : {15, 22, 15}) {
        QFont font(QStringLiteral("IPAGothic"));
        font.setPixelSize(pixels);
        grid.SetFont(font);
        QCOMPARE(grid.TextWidth(text), QFontMetrics(font).horizontalAdvance(text));
        QCOMPARE(grid.TextWidth(text), QFontMetrics(font).horizontalAdvance(text)); // from the cache
    }
}

void TestStrColGrid::createMakesASingleCellItem_data()
{
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("fixed");
    QTest::newRow("normal cell") << 5 << 3 << false;
    QTest::newRow("header row") << 5 << 0 << true;
    QTest::newRow("fixed column") << 2 << 6 << true;
}

void TestStrColGrid::createMakesASingleCellItem()
{
    QFETCH(int, col);
    QFETCH(int, row);
    QFETCH(bool, fixed);
    TStrColGrid grid;
    grid.SetColCount(11);
    grid.SetRowCount(15);
    grid.SetFixedCols(4);
    grid.SetColor(QColor(10, 20, 30));
    grid.SetFixedColor(QColor(142, 140, 162));
    grid.SetFontColor(QColor(1, 2, 3));
    TSCGCellParam* p = grid.FindCellParam(col, row, true);
    QVERIFY(p);
    QCOMPARE(grid.CellParams()->Count(), 1);
    QCOMPARE(p->Col(), col);
    QCOMPARE(p->Row(), row);
    QVERIFY(!p->RangeEnabled());
    QVERIFY(p->CellColorEnabled());
    QVERIFY(p->FontColorEnabled());
    QCOMPARE(p->CellColor(), fixed ? QColor(142, 140, 162) : QColor(10, 20, 30));
    QCOMPARE(p->FontColor(), QColor(1, 2, 3));
    QCOMPARE(grid.FindCellParam(col, row, true), p);
    QCOMPARE(grid.CellParams()->Count(), 1);
}

void TestStrColGrid::setCellColorChangesTheCoveringRange()
{
    TStrColGrid grid;
    grid.SetColCount(11);
    grid.SetRowCount(15);
    TSCGCellParam* range = grid.CellParams()->Add();
    range->SetCol(1);
    range->SetRow(1);
    range->SetColMax(2);
    range->SetRowMax(14);
    range->SetRangeEnabled(true);
    grid.SetCellColor(2, 7, QColor(0xC0, 0x80, 0x80));
    QCOMPARE(grid.CellParams()->Count(), 1);
    QVERIFY(range->CellColorEnabled());
    QCOMPARE(range->CellColor(), QColor(0xC0, 0x80, 0x80));

    grid.SetCellColor(0, 7, QColor(0x80, 0x80, 0xC0));
    QCOMPARE(grid.CellParams()->Count(), 2);
    grid.SetCellAlignment(0, 7, taCenter);
    grid.SetCellFontColor(0, 7, Qt::white);
    grid.SetCellFontWidth(0, 7, 2);
    QCOMPARE(grid.CellParams()->Count(), 2);
    TSCGCellParam* header = grid.CellParams()->Items(1);
    QCOMPARE(header->Alignment(), taCenter);
    QCOMPARE(header->FontColor(), QColor(Qt::white));
    QCOMPARE(header->FontWidth(), 2);
}

void TestStrColGrid::setCellOperationsCheckThePosition_data()
{
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("creatable");
    QTest::newRow("column past the end") << 11 << 1 << true;
    QTest::newRow("row past the end") << 1 << 15 << true;
    QTest::newRow("far beyond both") << 40 << 99 << true;
    QTest::newRow("negative column") << -1 << 1 << false;
    QTest::newRow("negative row") << 1 << -1 << false;
}

void TestStrColGrid::setCellOperationsCheckThePosition()
{
    QFETCH(int, col);
    QFETCH(int, row);
    QFETCH(bool, creatable);
    TStrColGrid grid;
    grid.SetColCount(11);
    grid.SetRowCount(15);
    const QString message = QStringLiteral("ｾﾙ位置がｸﾞﾘｯﾄﾞの範囲を超えました。");
    const std::function<void()> calls[] = {
        [&] { grid.SetCellColor(col, row, Qt::red); }, [&] { grid.SetCellAlignment(col, row, taCenter); },
        [&] { grid.SetCellFontColor(col, row, Qt::red); }, [&] { grid.SetCellFontWidth(col, row, 2); }};
    for (const auto& call : calls) {
        try {
            call();
            QFAIL("no range error");
        } catch (const TSCGRangeError& e) {
            QCOMPARE(e.message(), message);
        }
    }
    QCOMPARE(grid.CellParams()->Count(), 0);
    // A parameter may be made for a cell the grid does not have yet; for a
    // negative position it is refused before anything is added.
    if (creatable) {
        TSCGCellParam* p = grid.FindCellParam(col, row, true);
        QVERIFY(p);
        QCOMPARE(QPoint(p->Col(), p->Row()), QPoint(col, row));
        QCOMPARE(grid.FindCellParam(col, row, false), p);
        QCOMPARE(grid.CellParams()->Count(), 1);
    } else {
        QVERIFY_THROWS_EXCEPTION(TSCGRangeError, grid.FindCellParam(col, row, true));
        QCOMPARE(grid.CellParams()->Count(), 0);
    }
}

void TestStrColGrid::rangeValidation_data()
{
    QTest::addColumn<QString>("step");
    QTest::addColumn<QString>("message");
    const QString prefix = QStringLiteral("パラメータ1 (  3,  4)-(  5,  6)");
    QTest::newRow("negative Col") << "Col=-1" << prefix + QStringLiteral(".Col の値が 0 を下まわりました");
    QTest::newRow("negative Row") << "Row=-2" << prefix + QStringLiteral(".Row の値が 0 を下まわりました");
    QTest::newRow("negative FontWidth") << "FontWidth=-1" << prefix + QStringLiteral(".FontWidth の値が範囲を超えました");
    QTest::newRow("Col past ColMax") << "Col=6" << QStringLiteral("範囲が不正です");
    QTest::newRow("Row past RowMax") << "Row=7" << QStringLiteral("範囲が不正です");
    QTest::newRow("ColMax before Col") << "ColMax=2" << QStringLiteral("範囲が不正です");
    QTest::newRow("RowMax before Row") << "RowMax=3" << QStringLiteral("範囲が不正です");
    QTest::newRow("Col inside") << "Col=5" << QString();
    QTest::newRow("RowMax equal to Row") << "RowMax=4" << QString();
}

void TestStrColGrid::rangeValidation()
{
    QFETCH(QString, step);
    QFETCH(QString, message);
    TStrColGrid grid;
    TSCGCellParam* p = grid.CellParams()->Add();
    p->SetCol(3);
    p->SetRow(4);
    p->SetColMax(5);
    p->SetRowMax(6);
    p->SetRangeEnabled(true);
    const QString name = step.section('=', 0, 0);
    const int value = step.section('=', 1).toInt();
    const QList<int> before{p->Col(), p->Row(), p->ColMax(), p->RowMax(), p->FontWidth()};
    const std::map<QString, std::function<void(int)>> setters{
        {"Col", [p](int v) { p->SetCol(v); }},         {"Row", [p](int v) { p->SetRow(v); }},
        {"ColMax", [p](int v) { p->SetColMax(v); }},   {"RowMax", [p](int v) { p->SetRowMax(v); }},
        {"FontWidth", [p](int v) { p->SetFontWidth(v); }}};
    QString raised;
    try {
        setters.at(name)(value);
    } catch (const TSCGRangeError& e) {
        raised = e.message();
    }
    QCOMPARE(raised, message);
    const QList<int> after{p->Col(), p->Row(), p->ColMax(), p->RowMax(), p->FontWidth()};
    if (message.isEmpty())
        QCOMPARE(p->property(name.toLatin1().constData()).toInt(), value);
    else
        QCOMPARE(after, before); // a refused value leaves the old one
    QVERIFY(p->RangeEnabled());
}

void TestStrColGrid::rangeIsTakenAsItComesWhileLoading()
{
    TStrColGrid grid;
    TSCGCellParam* p = grid.CellParams()->Add();
    p->SetCol(4);
    QVERIFY_THROWS_EXCEPTION(TSCGRangeError, p->SetRangeEnabled(true));
    QVERIFY(!p->RangeEnabled());
    grid.BeginLoading();
    p->SetRangeEnabled(true);
    p->SetColMax(10);
    grid.Loaded();
    QVERIFY(p->RangeEnabled());
    QCOMPARE(grid.FindCellParam(7, 0, false), p);
    p->SetRangeEnabled(false); // always accepted
    QVERIFY(!p->RangeEnabled());
}

void TestStrColGrid::namesAndDisplayNames()
{
    TStrColGrid grid;
    TSCGCellParam* p = grid.CellParams()->Add();
    p->SetCol(12);
    p->SetRow(3);
    p->SetColMax(120);
    p->SetRowMax(7);
    QCOMPARE(p->DisplayName(), QStringLiteral("パラメータ1 ( 12,  3)-(120,  7)"));
    QFont f(QStringLiteral("IPAGothic"));
    f.setPointSize(9);
    grid.SetFont(f);
    TSCGCellFont* font = grid.Fonts()->Add();
    QCOMPARE(font->Name(), QStringLiteral("フォント1"));
    QCOMPARE(font->Font().pointSize(), 9);
    QCOMPARE(font->DisplayName(), QStringLiteral("フォント1( %1, 9 )").arg(f.family()));
    QCOMPARE(grid.Fonts()->Add()->Name(), QStringLiteral("フォント2"));
    // Placeholders in a name are text, not further arguments.
    font->SetName(QStringLiteral("F%1%2"));
    QCOMPARE(font->DisplayName(), QStringLiteral("F%1%2( ") + f.family() + QStringLiteral(", 9 )"));
    p->SetName(QStringLiteral("P%1"));
    QCOMPARE(p->DisplayName(), QStringLiteral("P%1 ( 12,  3)-(120,  7)"));
}

void TestStrColGrid::fontRenamesAndRemovalsReachTheParameters()
{
    TStrColGrid grid;
    TSCGCellFont* bold = grid.Fonts()->Add();
    bold->SetName(QStringLiteral("太字"));
    grid.Fonts()->Add();
    TSCGCellParam* a = grid.CellParams()->Add();
    TSCGCellParam* b = grid.CellParams()->Add();
    a->SetFontName(QStringLiteral("太字"));
    b->SetFontName(QStringLiteral("フォント2"));
    QCOMPARE(grid.Fonts()->IndexOfFont(QStringLiteral("太字")), 0);
    bold->SetName(QStringLiteral("見出し"));
    QCOMPARE(a->FontName(), QStringLiteral("見出し"));
    QCOMPARE(b->FontName(), QStringLiteral("フォント2"));
    grid.Fonts()->Delete(0);
    QCOMPARE(a->FontName(), QString());
    QCOMPARE(b->FontName(), QStringLiteral("フォント2"));
    QCOMPARE(grid.Fonts()->IndexOfFont(QStringLiteral("フォント2")), 0);
}

void TestStrColGrid::fontNameErrors()
{
    TStrColGrid grid;
    TSCGCellFont* first = grid.Fonts()->Add();
    grid.Fonts()->Add();
    auto messageOf = [](const std::function<void()>& call) {
        try {
            call();
        } catch (const TSCGError& e) {
            return e.message();
        }
        return QString();
    };
    QCOMPARE(messageOf([&] { first->SetName(QString()); }), QStringLiteral("フォント名は空にできません"));
    QCOMPARE(messageOf([&] { first->SetName(QStringLiteral("フォント2")); }),
             QStringLiteral("このフォント名はすでに使用されています"));
    QCOMPARE(messageOf([&] { first->SetName(QStringLiteral("フォント1")); }),
             QStringLiteral("このフォント名はすでに使用されています"));
    QCOMPARE(first->Name(), QStringLiteral("フォント1"));
    QCOMPARE(messageOf([&] { grid.Fonts()->IndexOfFont(QStringLiteral("ない")); }),
             QStringLiteral("CellParams で指定されたフォント名が Fonts に登録されていません"));
    QCOMPARE(messageOf([&] { grid.Fonts()->IndexOfFont(QStringLiteral("ﾌｫﾝﾄ1")); }),
             QStringLiteral("CellParams で指定されたフォント名が Fonts に登録されていません"));
    grid.BeginLoading();
    first->SetName(QStringLiteral("フォント2")); // duplicates pass while loading
    grid.Loaded();
    QCOMPARE(first->Name(), QStringLiteral("フォント2"));
}

void TestStrColGrid::unknownFontNameIsDropped()
{
    TStrColGrid grid;
    TSCGCellParam* p = grid.CellParams()->Add();
    p->SetFontName(QStringLiteral("ない"));
    QCOMPARE(p->FontName(), QString());
    grid.BeginLoading();
    p->SetFontName(QStringLiteral("ない"));
    grid.Loaded();
    QCOMPARE(p->FontName(), QStringLiteral("ない"));
}

namespace {

// A grid whose cell (2, 2) names a font that Fonts does not have, as a form
// loaded with a stale name leaves it.
struct StaleFontGrid {
    TStrColGrid grid;
    TSCGCellParam* param;
    StaleFontGrid()
    {
        grid.SetColCount(4);
        grid.SetRowCount(4);
        grid.resize(300, 120);
        grid.SetColor(Qt::white);
        grid.SetFontColor(Qt::black);
        param = grid.CellParams()->Add();
        param->SetCol(2);
        param->SetRow(2);
        grid.BeginLoading();
        param->SetFontName(QStringLiteral("ない"));
        grid.Loaded();
        grid.SetCells(2, 2, QStringLiteral("abc"));
    }
};

const QString MissingFont = QStringLiteral("CellParams で指定されたフォント名が Fonts に登録されていません");

} // namespace

void TestStrColGrid::unknownFontNameRefusesTheMove()
{
    StaleFontGrid f;
    int changes = 0;
    f.grid.OnCellChanged = [&](QObject*, int, int, int, int) { ++changes; };
    try {
        f.grid.MoveTo(2, 2);
        QFAIL("the move was not refused");
    } catch (const TSCGError& e) {
        QCOMPARE(e.message(), MissingFont);
    }
    QCOMPARE(QPoint(f.grid.Col(), f.grid.Row()), QPoint(1, 1));
    QCOMPARE(changes, 0);
    // Other cells are reached as before, and so is this one once the font exists.
    QVERIFY(f.grid.MoveTo(3, 3));
    QCOMPARE(changes, 1);
    f.grid.Fonts()->Add()->SetName(QStringLiteral("ない"));
    QVERIFY(f.grid.MoveTo(2, 2));
}

void TestStrColGrid::unknownFontNameIsReportedOnceWhenPainted()
{
    ScriptedModalSeam seam;
    StaleFontGrid f;
    QVERIFY(!f.grid.grab().isNull());
    QVERIFY(!f.grid.grab().isNull());
    QCoreApplication::processEvents();
    QCOMPARE(seam.errors, QStringList{MissingFont});
    // The cell is still drawn, in the grid's own font.
    const QImage image = f.grid.viewport()->grab().toImage();
    const QRect cell = f.grid.CellRect(2, 2);
    int ink = 0;
    for (int y = cell.top(); y <= cell.bottom(); ++y)
        for (int x = cell.left(); x <= cell.right(); ++x)
            ink += qGray(image.pixel(x, y)) < 110 ? 1 : 0;
    QVERIFY(ink > 0);
    QCoreApplication::processEvents();
    QCOMPARE(seam.errors.size(), 1);
}

void TestStrColGrid::assignCopiesEverything()
{
    TStrColGrid source;
    source.Fonts()->Add();
    TSCGCellParam* p = source.CellParams()->Add();
    int calls = 0;
    p->SetAlignment(taRightJustify);
    p->SetCaption(QStringLiteral("計"));
    p->SetCaptionType(ctBottom);
    p->SetCellColor(Qt::blue);
    p->SetCellColorEnabled(true);
    p->SetColMax(3);
    p->SetRowMax(4);
    p->SetCol(2);
    p->SetRow(1);
    p->SetRangeEnabled(true);
    p->SetBrush(QBrush(Qt::red, Qt::BDiagPattern));
    p->SetBrushEnabled(true);
    p->SetFontName(QStringLiteral("フォント1"));
    p->SetFontWidth(2);
    p->SetImeMode(imHira);
    p->SetImeModeEnabled(true);
    p->SetLayout(tlBottom);
    p->SetOptions(goEditing);
    p->SetOptionsEnabled(true);
    p->SetTag(77);
    p->OnEnterCell = [&](QObject*, TStrColGrid*, int, int, int, int) { ++calls; };

    TStrColGrid target;
    target.CellParams()->Assign(*source.CellParams());
    QCOMPARE(target.CellParams()->Count(), 1);
    TSCGCellParam* q = target.CellParams()->Items(0);
    const QMetaObject* meta = q->metaObject();
    for (int i = meta->propertyOffset(); i < meta->propertyCount(); ++i) {
        const QMetaProperty prop = meta->property(i);
        QCOMPARE(prop.read(q), prop.read(p));
    }
    QVERIFY(q->OnEnterCell);
    q->OnEnterCell(q, &target, 0, 0, 1, 1);
    QCOMPARE(calls, 1);
    QCOMPARE(q->Collection(), target.CellParams());
}

void TestStrColGrid::captionTypes_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QString>("expected");
    QTest::newRow("caption wins") << int(ctCaption) << "C" << "v" << "C";
    QTest::newRow("caption empty") << int(ctCaption) << "" << "v" << "v";
    QTest::newRow("cell text wins") << int(ctCellText) << "C" << "v" << "v";
    QTest::newRow("placeholder") << int(ctCellText) << "C" << "" << "C";
    QTest::newRow("header") << int(ctHeader) << "C" << "v" << "Cv";
    QTest::newRow("footer") << int(ctFooter) << "C" << "v" << "vC";
    QTest::newRow("top") << int(ctTop) << "C" << "v" << "C\rv";
    QTest::newRow("top, empty cell") << int(ctTop) << "C" << "" << "C\r\r";
    QTest::newRow("bottom") << int(ctBottom) << "C" << "v" << "v\rC";
    QTest::newRow("bottom, empty cell") << int(ctBottom) << "C" << "" << "\rC";
}

void TestStrColGrid::captionTypes()
{
    QFETCH(int, type);
    QFETCH(QString, caption);
    QFETCH(QString, cell);
    QFETCH(QString, expected);
    QCOMPARE(TStrColGrid::CombineCaption(static_cast<TSCGCellCaptionType>(type), caption, cell), expected);
}

void TestStrColGrid::bandDivision_data()
{
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<int>("lines");
    QTest::addColumn<QList<int>>("edges"); // top of each band, then the bottom
    QTest::newRow("one line") << QRect(5, 10, 80, 17) << 1 << QList<int>{10, 27};
    QTest::newRow("two lines, odd height") << QRect(5, 10, 80, 17) << 2 << QList<int>{10, 18, 27};
    QTest::newRow("three lines take the rest") << QRect(0, 0, 80, 52) << 3 << QList<int>{0, 17, 34, 52};
    QTest::newRow("more lines than pixels") << QRect(0, 0, 80, 2) << 3 << QList<int>{0, 0, 0, 2};
}

void TestStrColGrid::bandDivision()
{
    QFETCH(QRect, rect);
    QFETCH(int, lines);
    QFETCH(QList<int>, edges);
    const QList<QRect> bands = TStrColGrid::DivideRect(rect, lines);
    QCOMPARE(bands.size(), lines);
    for (int i = 0; i < lines; ++i) {
        QCOMPARE(bands[i].top(), edges[i]);
        QCOMPARE(bands[i].top() + bands[i].height(), edges[i + 1]);
        QCOMPARE(bands[i].left(), rect.left());
        QCOMPARE(bands[i].width(), rect.width());
    }
}

void TestStrColGrid::propertiesByName()
{
    TStrColGrid grid;
    const char* names[] = {"CellParams", "Fonts", "Alignment", "FixedAlignment", "FixedLayout", "FocusDraw",
                           "FocusCellColor", "FocusCellFontColor", "FocusCellFontColorEnabled", "ImeMode",
                           "CellDivide", "Layout", "Options"};
    for (const char* name : names)
        QVERIFY2(grid.metaObject()->indexOfProperty(name) >= 0, name);
    QVERIFY(grid.setProperty("FocusCellColor", QColor(0xC0, 0x80, 0x80)));
    QCOMPARE(grid.FocusCellColor(), QColor(0xC0, 0x80, 0x80));
    QVERIFY(grid.setProperty("Alignment", QVariant::fromValue(taCenter)));
    QCOMPARE(grid.Alignment(), taCenter);
}

#include "TestMain.h"
KAVREL_TEST_MAIN(TestStrColGrid)
#include "TestStrColGrid.moc"
