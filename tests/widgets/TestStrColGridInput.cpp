// Cell selection events, refused moves, options per range and the in-place
// editor with the key hooks.
#include "TSCGCellFont.h"
#include "TSCGCellParam.h"
#include "TStrColGrid.h"

#include <QLineEdit>
#include <QScrollBar>
#include <QtTest>
#include <stdexcept>

namespace {

// A 11 x 15 grid like the labour rate table, shown and focused.
struct InputFixture {
    TStrColGrid grid;
    QStringList log;

    InputFixture()
    {
        grid.SetColCount(11);
        grid.SetRowCount(15);
        grid.SetFixedCols(4);
        grid.SetDefaultRowHeight(17);
        grid.SetColWidths(0, 35);
        grid.resize(900, 300);
    }

    void show()
    {
        grid.show();
        grid.activateWindow();
        grid.setFocus();
        QVERIFY(QTest::qWaitForWindowActive(&grid));
    }

    // Logs every cell-change event of a parameter and of the grid.
    void watch(TSCGCellParam* p, const QString& tag)
    {
        p->OnExitCell = [this, tag](QObject*, TStrColGrid*, int oc, int orow, int nc, int nr) {
            log << QStringLiteral("%1.ExitCell %2,%3>%4,%5").arg(tag).arg(oc).arg(orow).arg(nc).arg(nr);
        };
        p->OnExitCol = [this, tag](QObject*, TStrColGrid*, int o, int n) { log << QStringLiteral("%1.ExitCol %2>%3").arg(tag).arg(o).arg(n); };
        p->OnExitRow = [this, tag](QObject*, TStrColGrid*, int o, int n) { log << QStringLiteral("%1.ExitRow %2>%3").arg(tag).arg(o).arg(n); };
        p->OnEnterCell = [this, tag](QObject*, TStrColGrid*, int oc, int orow, int nc, int nr) {
            log << QStringLiteral("%1.EnterCell %2,%3>%4,%5").arg(tag).arg(oc).arg(orow).arg(nc).arg(nr);
        };
        p->OnEnterCol = [this, tag](QObject*, TStrColGrid*, int o, int n) { log << QStringLiteral("%1.EnterCol %2>%3").arg(tag).arg(o).arg(n); };
        p->OnEnterRow = [this, tag](QObject*, TStrColGrid*, int o, int n) { log << QStringLiteral("%1.EnterRow %2>%3").arg(tag).arg(o).arg(n); };
    }

    void watchGrid()
    {
        grid.OnCellChanged = [this](QObject*, int oc, int orow, int nc, int nr) {
            log << QStringLiteral("CellChanged %1,%2>%3,%4").arg(oc).arg(orow).arg(nc).arg(nr);
        };
        grid.OnColChanged = [this](QObject*, int o, int n) { log << QStringLiteral("ColChanged %1>%2").arg(o).arg(n); };
        grid.OnRowChanged = [this](QObject*, int o, int n) { log << QStringLiteral("RowChanged %1>%2").arg(o).arg(n); };
    }

    TSCGCellParam* range(int col, int row, int colMax, int rowMax)
    {
        TSCGCellParam* p = grid.CellParams()->Add();
        p->SetCol(col);
        p->SetRow(row);
        p->SetColMax(colMax);
        p->SetRowMax(rowMax);
        p->SetRangeEnabled(true);
        return p;
    }
};

} // namespace

class TestStrColGridInput : public QObject {
    Q_OBJECT

private slots:
    void eventOrder_data();
    void eventOrder();
    void throwingHandlerRefusesTheMove_data();
    void throwingHandlerRefusesTheMove();
    void baseRefusalFiresNothing();
    void rangeOptionsSwitchEditing();
    void editingThroughTheEditor();
    void keyHooksSeeEditorKeys();
    void handlerClosingTheEditorDropsTheCharacter();
    void escapeRestoresTheText();
    void editorTakesTheCellFontAndImeMode();
    void navigationKeys_data();
    void navigationKeys();
    void fixedCellsStayWhileScrolling();
    void scrollBarsOnlyWhenNeeded_data();
    void scrollBarsOnlyWhenNeeded();
    void mouseSelectsAndSizesColumns();
};

void TestStrColGridInput::eventOrder_data()
{
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("row");
    QTest::addColumn<QStringList>("expected");
    // Start at 5,3 inside A (4..5 x 1..5); B covers 6..10 x 1..14.
    QTest::newRow("along the row into B")
        << 7 << 3
        << QStringList{"A.ExitCell 5,3>7,3", "A.ExitCol 5>7", "B.EnterCell 5,3>7,3", "B.EnterCol 5>7",
                       "CellChanged 5,3>7,3", "ColChanged 5>7"};
    QTest::newRow("down the column within A")
        << 5 << 4
        << QStringList{"A.ExitCell 5,3>5,4", "A.ExitRow 3>4", "A.EnterCell 5,3>5,4", "A.EnterRow 3>4",
                       "CellChanged 5,3>5,4", "RowChanged 3>4"};
    QTest::newRow("diagonal into B")
        << 8 << 9
        << QStringList{"A.ExitCell 5,3>8,9", "A.ExitCol 5>8", "A.ExitRow 3>9", "B.EnterCell 5,3>8,9",
                       "B.EnterCol 5>8", "B.EnterRow 3>9", "CellChanged 5,3>8,9", "ColChanged 5>8",
                       "RowChanged 3>9"};
    QTest::newRow("out of every parameter")
        << 4 << 12 << QStringList{"A.ExitCell 5,3>4,12", "A.ExitCol 5>4", "A.ExitRow 3>12", "CellChanged 5,3>4,12",
                                  "ColChanged 5>4", "RowChanged 3>12"};
    QTest::newRow("same cell") << 5 << 3 << QStringList{};
}

void TestStrColGridInput::eventOrder()
{
    QFETCH(int, col);
    QFETCH(int, row);
    QFETCH(QStringList, expected);
    InputFixture f;
    f.watch(f.range(4, 1, 5, 5), "A");
    f.watch(f.range(6, 1, 10, 14), "B");
    QVERIFY(f.grid.MoveTo(5, 3));
    f.watchGrid();
    f.log.clear();
    QVERIFY(f.grid.MoveTo(col, row));
    QCOMPARE(f.log, expected);
    QCOMPARE(f.grid.Col(), col);
    QCOMPARE(f.grid.Row(), row);
}

void TestStrColGridInput::throwingHandlerRefusesTheMove_data()
{
    QTest::addColumn<QString>("thrower");
    QTest::newRow("enter cell") << "B.EnterCell";
    QTest::newRow("exit row") << "A.ExitRow";
    QTest::newRow("grid row changed") << "RowChanged";
}

void TestStrColGridInput::throwingHandlerRefusesTheMove()
{
    QFETCH(QString, thrower);
    InputFixture f;
    TSCGCellParam* a = f.range(4, 1, 5, 5);
    TSCGCellParam* b = f.range(6, 1, 10, 14);
    b->SetOptions(f.grid.Options() | goEditing);
    b->SetOptionsEnabled(true);
    f.watch(a, "A");
    f.watch(b, "B");
    f.watchGrid();
    f.show();
    QTest::keyClick(&f.grid, Qt::Key_Down); // 4,1 -> 4,2 through the keyboard
    QCOMPARE(f.grid.Row(), 2);
    int clicks = 0;
    f.grid.OnClick = [&](QObject*) { ++clicks; };
    auto chained = [&](const QString& name) {
        if (name == thrower)
            throw std::runtime_error("refused");
    };
    b->OnEnterCell = [&](QObject*, TStrColGrid*, int, int, int, int) { chained("B.EnterCell"); };
    a->OnExitRow = [&](QObject*, TStrColGrid*, int, int) { chained("A.ExitRow"); };
    f.grid.OnRowChanged = [&](QObject*, int, int) { chained("RowChanged"); };

    QVERIFY(!f.grid.MoveTo(7, 3));
    QCOMPARE(f.grid.Col(), 4);
    QCOMPARE(f.grid.Row(), 2);
    QVERIFY(!(f.grid.GridOptions() & goEditing)); // the refused cell's options are not in force
    QTest::keyClick(&f.grid, Qt::Key_Down);
    if (thrower == "A.ExitRow" || thrower == "RowChanged") {
        QCOMPARE(f.grid.Row(), 2); // every row change is refused
        QCOMPARE(clicks, 0);
    } else {
        QCOMPARE(f.grid.Row(), 3);
        QCOMPARE(clicks, 1);
    }
    // The kept cell is still the old value of the next move.
    f.log.clear();
    a->OnExitRow = nullptr;
    f.grid.OnRowChanged = nullptr;
    b->OnEnterCell = nullptr;
    const int row = f.grid.Row();
    QVERIFY(f.grid.MoveTo(5, row));
    QCOMPARE(f.log.value(0), QStringLiteral("A.ExitCell 4,%1>5,%1").arg(row));
}

void TestStrColGridInput::baseRefusalFiresNothing()
{
    InputFixture f;
    f.watch(f.range(4, 1, 10, 14), "A");
    f.watchGrid();
    f.grid.OnSelectCell = [](QObject*, int col, int, bool& can) { can = col != 6; };
    QVERIFY(!f.grid.MoveTo(6, 2));
    QVERIFY(f.log.isEmpty());
    QCOMPARE(f.grid.Col(), 4);
    QVERIFY(f.grid.MoveTo(7, 2));
    QCOMPARE(f.log.value(0), QStringLiteral("A.ExitCell 4,1>7,2"));
}

void TestStrColGridInput::rangeOptionsSwitchEditing()
{
    InputFixture f;
    f.grid.SetOptions(f.grid.Options() | goEditing | goDrawFocusSelected | goColSizing);
    TSCGCellParam* locked = f.range(1, 1, 2, 14); // fixed columns, never current
    locked->SetOptions(DefaultGridOptions);
    locked->SetOptionsEnabled(true);
    TSCGCellParam* readOnly = f.range(8, 1, 9, 14);
    readOnly->SetOptions(DefaultGridOptions | goRowSelect);
    readOnly->SetOptionsEnabled(true);
    TSCGCellParam* start = f.grid.FindCellParam(4, 1, true); // the current cell at loading
    start->SetOptions(DefaultGridOptions);
    start->SetOptionsEnabled(true);
    QVERIFY(f.grid.GridOptions() & goEditing);
    f.grid.Loaded();
    QCOMPARE(f.grid.GridOptions(), DefaultGridOptions);
    QVERIFY(f.grid.MoveTo(5, 1));
    QVERIFY(f.grid.GridOptions() & goEditing);
    QVERIFY(f.grid.MoveTo(8, 4));
    QCOMPARE(f.grid.GridOptions(), DefaultGridOptions | goRowSelect);
    const TGridRect sel = f.grid.Selection();
    QCOMPARE(sel.Left, 4);
    QCOMPARE(sel.Right, 10);
    f.grid.ShowEditor();
    QVERIFY(!f.grid.EditorMode());
    // Setting the grid's options puts them in force; focus entry puts the
    // current cell's back.
    f.grid.SetOptions(f.grid.Options());
    QVERIFY(f.grid.GridOptions() & goEditing);
    f.show();
    QCOMPARE(f.grid.GridOptions(), DefaultGridOptions | goRowSelect);
    QVERIFY(f.grid.MoveTo(10, 4));
    QVERIFY(f.grid.GridOptions() & goEditing);
    QCOMPARE(f.grid.Options(), f.grid.GridOptions());
    f.grid.ShowEditor();
    QVERIFY(f.grid.EditorMode());
}

void TestStrColGridInput::editingThroughTheEditor()
{
    InputFixture f;
    f.grid.SetOptions(f.grid.Options() | goEditing);
    f.show();
    QList<QStringList> edits;
    f.grid.OnSetEditText = [&](QObject* sender, int col, int row, const QString& value) {
        QCOMPARE(sender, &f.grid);
        edits << QStringList{QString::number(col), QString::number(row), value};
    };
    QVERIFY(f.grid.MoveTo(5, 2));
    f.grid.SetCells(5, 2, QStringLiteral("0.5"));
    QTest::mouseDClick(f.grid.viewport(), Qt::LeftButton, {}, f.grid.CellRect(5, 2).center());
    QLineEdit* editor = f.grid.InplaceEditor();
    QVERIFY(editor);
    QVERIFY(f.grid.EditorMode());
    QCOMPARE(editor->text(), QStringLiteral("0.5"));
    QCOMPARE(editor->geometry(), f.grid.CellRect(5, 2));
    QTest::keyClicks(editor, QStringLiteral("1.25"));
    QCOMPARE(f.grid.Cells(5, 2), QStringLiteral("1.25"));
    QCOMPARE(edits.last(), (QStringList{"5", "2", "1.25"}));
    QTest::keyClick(editor, Qt::Key_Return);
    QVERIFY(!f.grid.EditorMode());
    QCOMPARE(f.grid.Cells(5, 2), QStringLiteral("1.25"));

    // Typing on the grid opens the editor with the typed character.
    QTest::keyClick(&f.grid, Qt::Key_Down);
    QTest::keyClick(&f.grid, Qt::Key_7, Qt::KeypadModifier);
    QVERIFY(f.grid.EditorMode());
    QCOMPARE(f.grid.Cells(5, 3), QStringLiteral("7"));
    // Down in the editor moves on and closes it.
    QTest::keyClick(editor, Qt::Key_Down);
    QVERIFY(!f.grid.EditorMode());
    QCOMPARE(f.grid.Row(), 4);
    QCOMPARE(f.grid.Cells(5, 3), QStringLiteral("7"));
}

void TestStrColGridInput::keyHooksSeeEditorKeys()
{
    InputFixture f;
    f.grid.SetOptions(f.grid.Options() | goEditing);
    f.show();
    QStringList keys;
    // Like the price tables: main-keyboard digits are refused, keypad digits
    // type, and Enter is swallowed as a character.
    f.grid.OnKeyDown = [&](QObject* sender, int& key, Qt::KeyboardModifiers mods) {
        QCOMPARE(sender, &f.grid);
        keys << QStringLiteral("down %1%2").arg(key).arg(mods & Qt::KeypadModifier ? "k" : "");
        if (key >= Qt::Key_0 && key <= Qt::Key_9 && !(mods & Qt::KeypadModifier))
            key = 0;
    };
    f.grid.OnKeyPress = [&](QObject*, QChar& ch) {
        keys << QStringLiteral("press %1").arg(ch.unicode());
        if (ch == QChar('\r'))
            ch = QChar();
        if (ch == QChar('x'))
            ch = QChar('y');
    };
    f.grid.MoveTo(6, 1);
    f.grid.ShowEditor();
    QLineEdit* editor = f.grid.InplaceEditor();
    QVERIFY(editor && editor->hasFocus());
    QTest::keyClick(editor, Qt::Key_5);
    QTest::keyClick(editor, Qt::Key_5, Qt::KeypadModifier);
    QTest::keyClick(editor, Qt::Key_X, {}, 'x');
    QTest::keyClick(editor, Qt::Key_Return);
    QCOMPARE(editor->text(), QStringLiteral("5y"));
    QCOMPARE(f.grid.Cells(6, 1), QStringLiteral("5y"));
    QVERIFY(f.grid.EditorMode()); // Enter was swallowed
    QCOMPARE(keys, (QStringList{QStringLiteral("down %1").arg(Qt::Key_5), QStringLiteral("down %1k").arg(Qt::Key_5),
                                QStringLiteral("press 53"), QStringLiteral("down %1").arg(Qt::Key_X),
                                QStringLiteral("press 120"), QStringLiteral("down %1").arg(Qt::Key_Return),
                                QStringLiteral("press 13")}));
    // With the editor closed the hooks run too, and a swallowed Enter does
    // not reopen it.
    f.grid.HideEditor();
    keys.clear();
    QTest::keyClick(&f.grid, Qt::Key_Return);
    QVERIFY(!f.grid.EditorMode());
    QCOMPARE(keys, (QStringList{QStringLiteral("down %1").arg(Qt::Key_Return), QStringLiteral("press 13")}));
}

void TestStrColGridInput::handlerClosingTheEditorDropsTheCharacter()
{
    InputFixture f;
    f.grid.SetOptions(f.grid.Options() | goEditing);
    f.show();
    // Any key but keypad digits closes the editor, as the price tables do.
    f.grid.OnKeyDown = [&](QObject*, int& key, Qt::KeyboardModifiers mods) {
        if (!(mods & Qt::KeypadModifier) && key != Qt::Key_Backspace)
            f.grid.SetEditorMode(false);
    };
    f.grid.MoveTo(6, 5);
    f.grid.SetCells(6, 5, QStringLiteral("12"));
    f.grid.ShowEditor();
    QLineEdit* editor = f.grid.InplaceEditor();
    editor->end(false);
    QTest::keyClick(editor, Qt::Key_3, Qt::KeypadModifier);
    QCOMPARE(f.grid.Cells(6, 5), QStringLiteral("123"));
    QTest::keyClick(editor, Qt::Key_5);
    QVERIFY(!f.grid.EditorMode());
    QCOMPARE(f.grid.Cells(6, 5), QStringLiteral("123"));
    f.grid.ShowEditor();
    QTest::keyClick(editor, Qt::Key_Up);
    QVERIFY(!f.grid.EditorMode());
    QCOMPARE(f.grid.Row(), 4);
}

void TestStrColGridInput::escapeRestoresTheText()
{
    InputFixture f;
    f.grid.SetOptions(f.grid.Options() | goEditing);
    f.show();
    f.grid.SetCells(4, 1, QStringLiteral("80"));
    f.grid.ShowEditor();
    QTest::keyClicks(f.grid.InplaceEditor(), QStringLiteral("99"));
    QCOMPARE(f.grid.Cells(4, 1), QStringLiteral("99"));
    QTest::keyClick(f.grid.InplaceEditor(), Qt::Key_Escape);
    QVERIFY(!f.grid.EditorMode());
    QCOMPARE(f.grid.Cells(4, 1), QStringLiteral("80"));
}

void TestStrColGridInput::editorTakesTheCellFontAndImeMode()
{
    InputFixture f;
    f.grid.SetOptions(f.grid.Options() | goEditing);
    f.grid.SetImeMode(imSAlpha);
    TSCGCellFont* big = f.grid.Fonts()->Add();
    QFont font(QStringLiteral("IPAGothic"));
    font.setPixelSize(21);
    big->SetFont(font);
    TSCGCellParam* p = f.range(6, 1, 6, 14);
    p->SetFontName(big->Name());
    p->SetImeMode(imDisable);
    TSCGCellParam* ignored = f.range(7, 1, 7, 14);
    ignored->SetImeMode(imDisable); // not enabled, so the grid's mode holds
    f.show();
    f.grid.MoveTo(6, 2);
    f.grid.ShowEditor();
    QLineEdit* editor = f.grid.InplaceEditor();
    QCOMPARE(editor->font().pixelSize(), 21);
    QCOMPARE(editor->inputMethodHints(), Qt::ImhLatinOnly);
    QVERIFY(editor->testAttribute(Qt::WA_InputMethodEnabled));
    p->SetImeModeEnabled(true);
    f.grid.MoveTo(6, 3);
    QVERIFY(!editor->testAttribute(Qt::WA_InputMethodEnabled));
    f.grid.MoveTo(7, 3);
    QVERIFY(editor->testAttribute(Qt::WA_InputMethodEnabled));
    QCOMPARE(editor->inputMethodHints(), Qt::ImhLatinOnly);
    QCOMPARE(editor->font().pixelSize(), f.grid.Font().pixelSize());
    f.grid.SetImeMode(imHira);
    QCOMPARE(editor->inputMethodHints(), Qt::ImhNone);
    QCOMPARE(f.grid.inputMethodHints(), Qt::ImhNone);
}

void TestStrColGridInput::navigationKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("mods");
    QTest::addColumn<int>("options");
    QTest::addColumn<QRect>("expected"); // current col,row and selection width,height
    QTest::newRow("right") << int(Qt::Key_Right) << 0 << 0 << QRect(6, 5, 1, 1);
    QTest::newRow("up") << int(Qt::Key_Up) << 0 << 0 << QRect(5, 4, 1, 1);
    QTest::newRow("home") << int(Qt::Key_Home) << 0 << 0 << QRect(4, 5, 1, 1);
    QTest::newRow("ctrl end") << int(Qt::Key_End) << int(Qt::ControlModifier) << 0 << QRect(5, 14, 1, 1);
    QTest::newRow("shift extends") << int(Qt::Key_Down) << int(Qt::ShiftModifier) << 0 << QRect(5, 6, 1, 2);
    QTest::newRow("tab without goTabs stays") << int(Qt::Key_Tab) << 0 << 0 << QRect(5, 5, 1, 1);
    QTest::newRow("tab with goTabs") << int(Qt::Key_Tab) << 0 << int(goTabs) << QRect(6, 5, 1, 1);
    QTest::newRow("row select spans the row") << int(Qt::Key_Down) << 0 << int(goRowSelect) << QRect(5, 6, 7, 1);
}

void TestStrColGridInput::navigationKeys()
{
    QFETCH(int, key);
    QFETCH(int, mods);
    QFETCH(int, options);
    QFETCH(QRect, expected);
    InputFixture f;
    f.grid.SetOptions(f.grid.Options() | TGridOptions::fromInt(options));
    f.show();
    QVERIFY(f.grid.MoveTo(5, 5));
    QTest::keyClick(&f.grid, Qt::Key(key), Qt::KeyboardModifiers::fromInt(mods));
    QCOMPARE(f.grid.Col(), expected.x());
    QCOMPARE(f.grid.Row(), expected.y());
    const TGridRect sel = f.grid.Selection();
    QCOMPARE(sel.Right - sel.Left + 1, expected.width());
    QCOMPARE(sel.Bottom - sel.Top + 1, expected.height());
}

void TestStrColGridInput::fixedCellsStayWhileScrolling()
{
    InputFixture f;
    f.grid.resize(400, 120);
    f.show();
    const QRect corner = f.grid.CellRect(0, 0);
    const QRect header = f.grid.CellRect(2, 1);
    QVERIFY(f.grid.MoveTo(10, 14));
    QVERIFY(f.grid.TopRow() > 1);
    QVERIFY(f.grid.LeftCol() > 4);
    QCOMPARE(f.grid.CellRect(0, 0), corner);
    QCOMPARE(f.grid.CellRect(2, f.grid.TopRow()), header);
    QVERIFY(f.grid.CellRect(4, 1).isEmpty());
    QVERIFY(!f.grid.CellRect(10, 14).isEmpty());
    QVERIFY(f.grid.viewport()->rect().contains(f.grid.CellRect(10, 14)));
    QTest::keyClick(&f.grid, Qt::Key_Home, Qt::ControlModifier);
    QCOMPARE(f.grid.TopRow(), 1);
    QCOMPARE(f.grid.verticalScrollBar()->value(), 0);
}

// The sizes, before and after a resize of the shown grid, are relative to
// the size at which every cell just shows (a one-pixel line after each
// cell, the frame around). A grid that grows back must lose its bars.
void TestStrColGridInput::scrollBarsOnlyWhenNeeded_data()
{
    QTest::addColumn<QPoint>("before");
    QTest::addColumn<QPoint>("after");
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<bool>("vertical");
    QTest::newRow("just fits") << QPoint(0, 0) << QPoint(0, 0) << false << false;
    QTest::newRow("grown back from both bars") << QPoint(-100, -100) << QPoint(0, 0) << false << false;
    QTest::newRow("grown back from the vertical bar") << QPoint(60, -1) << QPoint(0, 0) << false << false;
    QTest::newRow("grown back from the horizontal bar") << QPoint(-1, 60) << QPoint(0, 0) << false << false;
    QTest::newRow("a pixel narrower") << QPoint(0, 0) << QPoint(-1, 0) << true << true;
    QTest::newRow("a pixel lower") << QPoint(0, 0) << QPoint(0, -1) << true << true;
    QTest::newRow("a pixel lower, room for the bar") << QPoint(-100, -100) << QPoint(60, -1) << false << true;
    QTest::newRow("a pixel narrower, room for the bar") << QPoint(-100, -100) << QPoint(-1, 60) << true << false;
}

void TestStrColGridInput::scrollBarsOnlyWhenNeeded()
{
    QFETCH(QPoint, before);
    QFETCH(QPoint, after);
    QFETCH(bool, horizontal);
    QFETCH(bool, vertical);
    InputFixture f;
    QSize cells(0, 0);
    for (int c = 0; c < f.grid.ColCount(); ++c)
        cells.rwidth() += f.grid.ColWidths(c) + 1;
    for (int r = 0; r < f.grid.RowCount(); ++r)
        cells.rheight() += f.grid.RowHeights(r) + 1;
    const QSize fit = cells + 2 * QSize(f.grid.frameWidth(), f.grid.frameWidth());
    const auto sized = [&](QPoint offset) { return fit + QSize(offset.x(), offset.y()); };
    f.grid.resize(sized(before));
    f.show();
    QTest::qWait(20);
    f.grid.resize(sized(after));
    // The bars are shown and hidden from the event loop.
    QTRY_COMPARE(f.grid.horizontalScrollBar()->isVisible(), horizontal);
    QTRY_COMPARE(f.grid.verticalScrollBar()->isVisible(), vertical);
    QTest::qWait(20);
    QCOMPARE(f.grid.horizontalScrollBar()->isVisible(), horizontal);
    QCOMPARE(f.grid.verticalScrollBar()->isVisible(), vertical);
    QCOMPARE(f.grid.horizontalScrollBar()->maximum() > 0, horizontal);
    QCOMPARE(f.grid.verticalScrollBar()->maximum() > 0, vertical);
}

void TestStrColGridInput::mouseSelectsAndSizesColumns()
{
    InputFixture f;
    f.show();
    int clicks = 0;
    f.grid.OnClick = [&](QObject*) { ++clicks; };
    QTest::mouseClick(f.grid.viewport(), Qt::LeftButton, {}, f.grid.CellRect(6, 3).center());
    QCOMPARE(f.grid.Col(), 6);
    QCOMPARE(f.grid.Row(), 3);
    QCOMPARE(clicks, 1);
    QTest::mouseClick(f.grid.viewport(), Qt::LeftButton, {}, f.grid.CellRect(2, 5).center()); // fixed
    QCOMPARE(f.grid.Col(), 6);
    QCOMPARE(f.grid.Row(), 3);
    QCOMPARE(clicks, 1);

    const QRect head = f.grid.CellRect(5, 0);
    const QPoint edge(head.right(), head.center().y());
    auto drag = [&] {
        QTest::mousePress(f.grid.viewport(), Qt::LeftButton, {}, edge);
        QMouseEvent move(QEvent::MouseMove, edge + QPoint(30, 0), f.grid.viewport()->mapToGlobal(edge + QPoint(30, 0)),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(f.grid.viewport(), &move);
        QTest::mouseRelease(f.grid.viewport(), Qt::LeftButton, {}, edge + QPoint(30, 0));
    };
    int sized = 0;
    f.grid.OnColSized = [&](QObject*) { ++sized; };
    drag();
    QCOMPARE(f.grid.ColWidths(5), 64); // no goColSizing
    QCOMPARE(sized, 0);
    f.grid.SetOptions(f.grid.Options() | goColSizing);
    drag();
    QCOMPARE(f.grid.ColWidths(5), 94);
    QCOMPARE(sized, 1);
    QCOMPARE(clicks, 1); // a drag is no click
}

#include "TestMain.h"
KAVREL_TEST_MAIN(TestStrColGridInput)
#include "TestStrColGridInput.moc"
