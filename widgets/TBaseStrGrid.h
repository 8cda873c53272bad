#pragma once

#include "TSCGCanvas.h"
#include "TSCGEvents.h"
#include "TSCGTypes.h"

#include <QAbstractScrollArea>
#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>
#include <vector>

class QLineEdit;
class QScrollBar;

// A string grid: text cells by (column, row), leading fixed rows and columns
// that stay in place while the rest scrolls, a current cell and a selection,
// and an in-place editor created on demand. Fixed cells are cells like any
// other: they hold text and are painted through DrawCell.
class TBaseStrGrid : public QAbstractScrollArea {
    Q_OBJECT
    Q_PROPERTY(int ColCount READ ColCount WRITE SetColCount)
    Q_PROPERTY(int RowCount READ RowCount WRITE SetRowCount)
    Q_PROPERTY(int FixedCols READ FixedCols WRITE SetFixedCols)
    Q_PROPERTY(int FixedRows READ FixedRows WRITE SetFixedRows)
    Q_PROPERTY(QColor Color READ Color WRITE SetColor)
    Q_PROPERTY(QColor FixedColor READ FixedColor WRITE SetFixedColor)
    Q_PROPERTY(QFont Font READ Font WRITE SetFont)
    Q_PROPERTY(QColor FontColor READ FontColor WRITE SetFontColor)
    Q_PROPERTY(bool Ctl3D READ Ctl3D WRITE SetCtl3D)
    Q_PROPERTY(bool DefaultDrawing READ DefaultDrawing WRITE SetDefaultDrawing)
    Q_PROPERTY(int DefaultColWidth READ DefaultColWidth WRITE SetDefaultColWidth)
    Q_PROPERTY(int DefaultRowHeight READ DefaultRowHeight WRITE SetDefaultRowHeight)
    Q_PROPERTY(int Col READ Col WRITE SetCol)
    Q_PROPERTY(int Row READ Row WRITE SetRow)
    Q_PROPERTY(int TopRow READ TopRow WRITE SetTopRow)
    Q_PROPERTY(int LeftCol READ LeftCol WRITE SetLeftCol)
    Q_PROPERTY(bool EditorMode READ EditorMode WRITE SetEditorMode)

public:
    explicit TBaseStrGrid(QWidget* parent = nullptr);
    ~TBaseStrGrid() override;

    int ColCount() const { return colCount_; }
    void SetColCount(int value);
    int RowCount() const { return rowCount_; }
    void SetRowCount(int value);
    int FixedCols() const { return fixedCols_; }
    void SetFixedCols(int value);
    int FixedRows() const { return fixedRows_; }
    void SetFixedRows(int value);
    QColor Color() const { return color_; }
    void SetColor(const QColor& value);
    QColor FixedColor() const { return fixedColor_; }
    void SetFixedColor(const QColor& value);
    QFont Font() const { return font(); }
    void SetFont(const QFont& value);
    // The colour of the grid's font (Qt fonts carry none).
    QColor FontColor() const { return fontColor_; }
    void SetFontColor(const QColor& value);
    bool Ctl3D() const { return ctl3D_; }
    void SetCtl3D(bool value);
    bool DefaultDrawing() const { return defaultDrawing_; }
    void SetDefaultDrawing(bool value);
    int DefaultColWidth() const { return defaultColWidth_; }
    void SetDefaultColWidth(int value);
    int DefaultRowHeight() const { return defaultRowHeight_; }
    void SetDefaultRowHeight(int value);
    int ColWidths(int col) const;
    void SetColWidths(int col, int width);
    // The width the columns together may take without a scroll bar: the
    // viewport less the line after each column.
    int ColumnsRoom() const;
    int RowHeights(int row) const;
    void SetRowHeights(int row, int height);

    QString Cells(int col, int row) const;
    void SetCells(int col, int row, const QString& text);

    // The options in force.
    TGridOptions GridOptions() const { return gridOptions_; }
    void SetGridOptions(TGridOptions value);

    int Col() const { return col_; }
    void SetCol(int value) { MoveTo(value, row_); }
    int Row() const { return row_; }
    void SetRow(int value) { MoveTo(col_, value); }
    // Moves the current cell and collapses the selection onto it; false when
    // the move was refused.
    bool MoveTo(int col, int row);
    TGridRect Selection() const;
    void SetSelection(const TGridRect& value);
    int TopRow() const { return topRow_; }
    void SetTopRow(int value);
    int LeftCol() const { return leftCol_; }
    void SetLeftCol(int value);

    // The rectangle of a cell in viewport coordinates; empty when the cell
    // is scrolled out of view.
    QRect CellRect(int col, int row) const;
    // The cell under a viewport point; false outside every cell.
    bool MouseToCell(const QPoint& point, int& col, int& row) const;
    bool IsFixedCell(int col, int row) const { return col < fixedCols_ || row < fixedRows_; }
    // The grid or its editor has the keyboard focus.
    bool Focused() const;

    // The in-place editor, or nullptr before it was first needed.
    QLineEdit* InplaceEditor() const { return editor_; }
    bool EditorMode() const;
    void SetEditorMode(bool value);
    void ShowEditor();
    void HideEditor();

    TSCGCanvas& Canvas() { return canvas_; }

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    // The user dragged a column's edge to a new width.
    TNotifyEvent OnColSized;
    TSelectCellEvent OnSelectCell;
    TDrawCellEvent OnDrawCell;
    TKeyEvent OnKeyDown;
    TKeyPressEvent OnKeyPress;
    // The text of the cell being edited changed through the editor.
    TSetEditEvent OnSetEditText;

protected:
    // Asked before the current cell moves; false keeps it where it is.
    virtual bool SelectCell(int col, int row);
    // Paints one cell through Canvas(); the painter is clipped to ARect.
    virtual void DrawCell(int col, int row, const QRect& rect, TGridDrawState state);
    virtual void BeforePaint() {}
    // The current cell was moved without asking, to stay inside the grid.
    virtual void CurrentCellForced() {}
    virtual void EditorCreated(QLineEdit*) {}
    // Repaints one cell at the next paint.
    void updateCell(int col, int row);

    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    bool focusNextPrevChild(bool next) override;

private:
    // What decides which cells a move of the current cell repaints.
    struct SelectionView {
        TGridRect selection;
        int col, row, topRow, leftCol;
        TGridOptions options;
    };
    SelectionView selectionView() const;
    void selectionChanged(const SelectionView& before);
    // Repaints these cells, or the selection and the current cell.
    void updateCells(const TGridRect& cells);
    void updateSelection();
    bool focusCell(int col, int row, bool moveAnchor);
    bool navigate(int key, Qt::KeyboardModifiers mods);
    bool editorKey(QKeyEvent* event);
    void editorTextChanged(const QString& text);
    void placeEditor();
    void dropEditorLayoutRequest();
    // Sizes or the scroll position changed: scroll bars, editor and paint follow.
    void geometryChanged();
    void resizeStorage(int cols, int rows);
    void updateScrollBars();
    void setScrollBar(QScrollBar* bar, int maximum, int pageStep, int value);
    void scrollIntoView(int col, int row);
    int lastTopRow() const;
    int lastLeftCol() const;
    int lastTopRowIn(int height) const;
    int lastLeftColIn(int width) const;
    QSize cellRoom() const;
    int columnX(int col) const;
    int rowY(int row) const;
    int sizingBoundary(const QPoint& point) const;
    void drawGridLines(QPainter& painter, int col, int row, const QRect& rect);

    int colCount_ = 5;
    int rowCount_ = 5;
    int fixedCols_ = 1;
    int fixedRows_ = 1;
    std::vector<QString> cells_;
    std::vector<int> colWidths_;
    std::vector<int> rowHeights_;
    int defaultColWidth_ = 64;
    int defaultRowHeight_ = 24;
    QColor color_;
    QColor fixedColor_;
    QColor fontColor_;
    bool ctl3D_ = true;
    bool defaultDrawing_ = true;
    TGridOptions gridOptions_ = DefaultGridOptions;

    int col_ = 1;
    int row_ = 1;
    int anchorCol_ = 1;
    int anchorRow_ = 1;
    int topRow_ = 1;
    int leftCol_ = 1;

    QLineEdit* editor_ = nullptr;
    int editCol_ = -1;
    int editRow_ = -1;
    QString editOriginal_;
    bool settingEditorText_ = false;

    bool selecting_ = false;
    int sizingCol_ = -1;
    int sizingStartX_ = 0;
    int sizingStartWidth_ = 0;

    TSCGCanvas canvas_;
    QImage buffer_;
    int dirtyCells_ = 0; // marked one by one since the last paint
    bool wholeViewportDirty_ = false;
};
