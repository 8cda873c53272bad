#include "TBaseStrGrid.h"

#include "ColorNumber.h"

#include <QLineEdit>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>
#include <exception>

namespace {
// Width of the line between two cells, included in the cell pitch whether
// the line is drawn or not, so switching lines off never shifts the cells.
constexpr int LineWidth = 1;
} // namespace

TBaseStrGrid::TBaseStrGrid(QWidget* parent)
    : QAbstractScrollArea(parent), color_(SystemColor(5)), fixedColor_(SystemColor(15)), fontColor_(SystemColor(8))
{
    resizeStorage(colCount_, rowCount_);
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setAutoFillBackground(false);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    viewport()->setMouseTracking(true);
    updateScrollBars();
}

TBaseStrGrid::~TBaseStrGrid() = default;

void TBaseStrGrid::resizeStorage(int cols, int rows)
{
    std::vector<QString> cells(static_cast<std::size_t>(cols) * static_cast<std::size_t>(rows));
    for (int r = 0; r < std::min(rows, rowCount_); ++r)
        for (int c = 0; c < std::min(cols, colCount_); ++c)
            if (!cells_.empty())
                cells[static_cast<std::size_t>(r * cols + c)] = std::move(cells_[static_cast<std::size_t>(r * colCount_ + c)]);
    cells_ = std::move(cells);
    colWidths_.resize(static_cast<std::size_t>(cols), defaultColWidth_);
    rowHeights_.resize(static_cast<std::size_t>(rows), defaultRowHeight_);
    colCount_ = cols;
    rowCount_ = rows;
}

void TBaseStrGrid::SetColCount(int value)
{
    value = std::max(value, 1);
    if (value == colCount_)
        return;
    HideEditor();
    resizeStorage(value, rowCount_);
    fixedCols_ = std::min(fixedCols_, colCount_ - 1);
    col_ = std::clamp(col_, fixedCols_, colCount_ - 1);
    anchorCol_ = std::clamp(anchorCol_, fixedCols_, colCount_ - 1);
    CurrentCellForced();
    leftCol_ = std::clamp(leftCol_, fixedCols_, std::max(fixedCols_, lastLeftCol()));
    updateScrollBars();
    viewport()->update();
}

void TBaseStrGrid::SetRowCount(int value)
{
    value = std::max(value, 1);
    if (value == rowCount_)
        return;
    HideEditor();
    resizeStorage(colCount_, value);
    fixedRows_ = std::min(fixedRows_, rowCount_ - 1);
    row_ = std::clamp(row_, fixedRows_, rowCount_ - 1);
    anchorRow_ = std::clamp(anchorRow_, fixedRows_, rowCount_ - 1);
    CurrentCellForced();
    topRow_ = std::clamp(topRow_, fixedRows_, std::max(fixedRows_, lastTopRow()));
    updateScrollBars();
    viewport()->update();
}

void TBaseStrGrid::SetFixedCols(int value)
{
    // At least one column must stay scrollable, as in every string grid.
    value = std::clamp(value, 0, colCount_ - 1);
    if (value == fixedCols_)
        return;
    fixedCols_ = value;
    col_ = anchorCol_ = std::max(col_, fixedCols_);
    CurrentCellForced();
    leftCol_ = std::max(leftCol_, fixedCols_);
    updateScrollBars();
    viewport()->update();
}

void TBaseStrGrid::SetFixedRows(int value)
{
    value = std::clamp(value, 0, rowCount_ - 1);
    if (value == fixedRows_)
        return;
    fixedRows_ = value;
    row_ = anchorRow_ = std::max(row_, fixedRows_);
    CurrentCellForced();
    topRow_ = std::max(topRow_, fixedRows_);
    updateScrollBars();
    viewport()->update();
}

void TBaseStrGrid::SetColor(const QColor& value)
{
    if (value == color_)
        return;
    color_ = value;
    viewport()->update();
}

void TBaseStrGrid::SetFixedColor(const QColor& value)
{
    if (value == fixedColor_)
        return;
    fixedColor_ = value;
    viewport()->update();
}

void TBaseStrGrid::SetFont(const QFont& value)
{
    setFont(value);
    viewport()->update();
}

void TBaseStrGrid::SetFontColor(const QColor& value)
{
    if (value == fontColor_)
        return;
    fontColor_ = value;
    viewport()->update();
}

void TBaseStrGrid::SetCtl3D(bool value)
{
    if (value == ctl3D_)
        return;
    ctl3D_ = value;
    viewport()->update();
}

void TBaseStrGrid::SetDefaultDrawing(bool value)
{
    if (value == defaultDrawing_)
        return;
    defaultDrawing_ = value;
    viewport()->update();
}

void TBaseStrGrid::geometryChanged()
{
    updateScrollBars();
    placeEditor();
    viewport()->update();
}

void TBaseStrGrid::SetDefaultColWidth(int value)
{
    defaultColWidth_ = std::max(value, 0);
    std::fill(colWidths_.begin(), colWidths_.end(), defaultColWidth_);
    geometryChanged();
}

void TBaseStrGrid::SetDefaultRowHeight(int value)
{
    defaultRowHeight_ = std::max(value, 0);
    std::fill(rowHeights_.begin(), rowHeights_.end(), defaultRowHeight_);
    geometryChanged();
}

int TBaseStrGrid::ColWidths(int col) const
{
    return col >= 0 && col < colCount_ ? colWidths_[static_cast<std::size_t>(col)] : 0;
}

void TBaseStrGrid::SetColWidths(int col, int width)
{
    if (col < 0 || col >= colCount_)
        return;
    colWidths_[static_cast<std::size_t>(col)] = std::max(width, 0);
    geometryChanged();
}

int TBaseStrGrid::ColumnsRoom() const { return viewport()->width() - colCount_ * LineWidth; }

int TBaseStrGrid::RowHeights(int row) const
{
    return row >= 0 && row < rowCount_ ? rowHeights_[static_cast<std::size_t>(row)] : 0;
}

void TBaseStrGrid::SetRowHeights(int row, int height)
{
    if (row < 0 || row >= rowCount_)
        return;
    rowHeights_[static_cast<std::size_t>(row)] = std::max(height, 0);
    geometryChanged();
}

QString TBaseStrGrid::Cells(int col, int row) const
{
    if (col < 0 || col >= colCount_ || row < 0 || row >= rowCount_)
        return {};
    return cells_[static_cast<std::size_t>(row * colCount_ + col)];
}

void TBaseStrGrid::SetCells(int col, int row, const QString& text)
{
    if (col < 0 || col >= colCount_ || row < 0 || row >= rowCount_)
        return;
    QString& cell = cells_[static_cast<std::size_t>(row * colCount_ + col)];
    if (cell == text)
        return;
    cell = text;
    if (EditorMode() && col == editCol_ && row == editRow_ && editor_->text() != text) {
        settingEditorText_ = true;
        editor_->setText(text);
        settingEditorText_ = false;
    }
    updateCell(col, row);
}

// Each cell marked dirty costs a region union; a refresh that changes many
// cells before the next paint marks the whole viewport once instead.
void TBaseStrGrid::updateCell(int col, int row)
{
    constexpr int MostSingleCells = 24;
    if (wholeViewportDirty_)
        return;
    if (++dirtyCells_ > MostSingleCells) {
        wholeViewportDirty_ = true;
        viewport()->update();
        return;
    }
    const QRect rect = CellRect(col, row);
    if (!rect.isEmpty())
        viewport()->update(rect);
}

void TBaseStrGrid::SetGridOptions(TGridOptions value)
{
    if (value == gridOptions_)
        return;
    gridOptions_ = value;
    if (!(gridOptions_ & goEditing))
        HideEditor();
    if (gridOptions_ & goRowSelect)
        anchorRow_ = row_;
    viewport()->update();
}

TGridRect TBaseStrGrid::Selection() const
{
    TGridRect r{std::min(col_, anchorCol_), std::min(row_, anchorRow_), std::max(col_, anchorCol_),
                std::max(row_, anchorRow_)};
    if (gridOptions_ & goRowSelect) {
        r.Left = fixedCols_;
        r.Right = colCount_ - 1;
    }
    return r;
}

void TBaseStrGrid::SetSelection(const TGridRect& value)
{
    // The current cell goes to the top left corner of the new selection.
    if (!MoveTo(value.Left, value.Top))
        return;
    if (gridOptions_ & goRangeSelect) {
        anchorCol_ = std::clamp(value.Right, fixedCols_, colCount_ - 1);
        anchorRow_ = std::clamp(value.Bottom, fixedRows_, rowCount_ - 1);
    }
    viewport()->update();
}

bool TBaseStrGrid::MoveTo(int col, int row)
{
    const SelectionView before = selectionView();
    col = std::clamp(col, fixedCols_, colCount_ - 1);
    row = std::clamp(row, fixedRows_, rowCount_ - 1);
    if (col != col_ || row != row_) {
        if (!SelectCell(col, row))
            return false;
        if (EditorMode())
            HideEditor();
        col_ = col;
        row_ = row;
    }
    anchorCol_ = col_;
    anchorRow_ = row_;
    scrollIntoView(col_, row_);
    selectionChanged(before);
    return true;
}

bool TBaseStrGrid::focusCell(int col, int row, bool moveAnchor)
{
    col = std::clamp(col, fixedCols_, colCount_ - 1);
    row = std::clamp(row, fixedRows_, rowCount_ - 1);
    if (moveAnchor || !(gridOptions_ & goRangeSelect))
        return MoveTo(col, row);
    const SelectionView before = selectionView();
    if (col != col_ || row != row_) {
        if (!SelectCell(col, row))
            return false;
        if (EditorMode())
            HideEditor();
        col_ = col;
        row_ = row;
    }
    scrollIntoView(col_, row_);
    selectionChanged(before);
    return true;
}

TBaseStrGrid::SelectionView TBaseStrGrid::selectionView() const
{
    return {Selection(), col_, row_, topRow_, leftCol_, gridOptions_};
}

// A move of the current cell changes the look of the cells of the old and
// the new selection only, unless the grid scrolled or its options changed
// with the cell: repainting just those keeps a move cheap.
void TBaseStrGrid::selectionChanged(const SelectionView& before)
{
    if (before.topRow != topRow_ || before.leftCol != leftCol_ || before.options != gridOptions_) {
        viewport()->update();
        return;
    }
    const TGridRect after = Selection();
    if (before.col == col_ && before.row == row_ && before.selection == after)
        return;
    updateCells(before.selection);
    updateCells(after);
    updateCell(before.col, before.row);
    updateCell(col_, row_);
}

void TBaseStrGrid::updateCells(const TGridRect& cells)
{
    for (int row = cells.Top; row <= cells.Bottom; ++row)
        for (int col = cells.Left; col <= cells.Right; ++col)
            updateCell(col, row);
}

void TBaseStrGrid::updateSelection()
{
    updateCells(Selection());
    updateCell(col_, row_);
}

bool TBaseStrGrid::SelectCell(int col, int row)
{
    bool canSelect = true;
    if (OnSelectCell)
        OnSelectCell(this, col, row, canSelect);
    return canSelect;
}

void TBaseStrGrid::SetTopRow(int value)
{
    value = std::clamp(value, fixedRows_, std::max(fixedRows_, lastTopRow()));
    if (value == topRow_)
        return;
    topRow_ = value;
    geometryChanged();
}

void TBaseStrGrid::SetLeftCol(int value)
{
    value = std::clamp(value, fixedCols_, std::max(fixedCols_, lastLeftCol()));
    if (value == leftCol_)
        return;
    leftCol_ = value;
    geometryChanged();
}

int TBaseStrGrid::lastTopRow() const { return lastTopRowIn(cellRoom().height()); }

int TBaseStrGrid::lastLeftCol() const { return lastLeftColIn(cellRoom().width()); }

int TBaseStrGrid::lastTopRowIn(int height) const
{
    int space = height;
    for (int r = 0; r < fixedRows_; ++r)
        space -= RowHeights(r) + LineWidth;
    int top = rowCount_;
    while (top > fixedRows_ && space >= RowHeights(top - 1) + LineWidth)
        space -= RowHeights(--top) + LineWidth;
    return std::max(std::min(top, rowCount_ - 1), fixedRows_);
}

int TBaseStrGrid::lastLeftColIn(int width) const
{
    int space = width;
    for (int c = 0; c < fixedCols_; ++c)
        space -= ColWidths(c) + LineWidth;
    int left = colCount_;
    while (left > fixedCols_ && space >= ColWidths(left - 1) + LineWidth)
        space -= ColWidths(--left) + LineWidth;
    return std::max(std::min(left, colCount_ - 1), fixedCols_);
}

QSize TBaseStrGrid::cellRoom() const
{
    // Cells that fit once the bars are gone need no bars. Measured in the
    // viewport alone they would keep both bars shown, each taking the room
    // the other one lacks.
    const QSize whole = maximumViewportSize();
    if (lastTopRowIn(whole.height()) == fixedRows_ && lastLeftColIn(whole.width()) == fixedCols_)
        return whole;
    return viewport()->size();
}

void TBaseStrGrid::updateScrollBars()
{
    const int lastTop = lastTopRow();
    const int lastLeft = lastLeftCol();
    topRow_ = std::clamp(topRow_, fixedRows_, lastTop);
    leftCol_ = std::clamp(leftCol_, fixedCols_, lastLeft);
    setScrollBar(verticalScrollBar(), lastTop - fixedRows_, rowCount_ - lastTop, topRow_ - fixedRows_);
    setScrollBar(horizontalScrollBar(), lastLeft - fixedCols_, colCount_ - lastLeft, leftCol_ - fixedCols_);
}

// The value follows the grid, never the reverse, so it changes unheard. The
// range must be heard: the scroll area shows or hides a bar by it.
void TBaseStrGrid::setScrollBar(QScrollBar* bar, int maximum, int pageStep, int value)
{
    const auto quietly = [bar](int v) {
        if (bar->value() == v)
            return;
        const QSignalBlocker block(bar);
        bar->setValue(v);
    };
    if (bar->minimum() != 0 || bar->maximum() != maximum) {
        quietly(0); // inside any range, so the new one cannot move it
        bar->setRange(0, maximum);
    }
    if (bar->pageStep() != std::max(1, pageStep))
        bar->setPageStep(std::max(1, pageStep));
    quietly(value);
}

void TBaseStrGrid::scrollContentsBy(int, int)
{
    topRow_ = fixedRows_ + verticalScrollBar()->value();
    leftCol_ = fixedCols_ + horizontalScrollBar()->value();
    placeEditor();
    viewport()->update();
}

void TBaseStrGrid::scrollIntoView(int col, int row)
{
    if (row < topRow_) {
        topRow_ = row;
    } else {
        const int viewHeight = viewport()->height();
        while (topRow_ < row && rowY(row) + RowHeights(row) > viewHeight)
            ++topRow_;
    }
    if (col < leftCol_) {
        leftCol_ = col;
    } else {
        const int viewWidth = viewport()->width();
        while (leftCol_ < col && columnX(col) + ColWidths(col) > viewWidth)
            ++leftCol_;
    }
    updateScrollBars();
    placeEditor();
}

void TBaseStrGrid::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
    placeEditor();
}

int TBaseStrGrid::columnX(int col) const
{
    if (col < 0 || col >= colCount_ || (col >= fixedCols_ && col < leftCol_))
        return -1;
    int x = 0;
    for (int c = 0; c < std::min(col, fixedCols_); ++c)
        x += ColWidths(c) + LineWidth;
    for (int c = leftCol_; c < col; ++c)
        x += ColWidths(c) + LineWidth;
    return x;
}

int TBaseStrGrid::rowY(int row) const
{
    if (row < 0 || row >= rowCount_ || (row >= fixedRows_ && row < topRow_))
        return -1;
    int y = 0;
    for (int r = 0; r < std::min(row, fixedRows_); ++r)
        y += RowHeights(r) + LineWidth;
    for (int r = topRow_; r < row; ++r)
        y += RowHeights(r) + LineWidth;
    return y;
}

QRect TBaseStrGrid::CellRect(int col, int row) const
{
    const int x = columnX(col);
    const int y = rowY(row);
    if (x < 0 || y < 0 || x >= viewport()->width() || y >= viewport()->height())
        return {};
    return {x, y, ColWidths(col), RowHeights(row)};
}

bool TBaseStrGrid::MouseToCell(const QPoint& point, int& col, int& row) const
{
    auto find = [](int pos, int fixed, int first, int count, auto size) {
        int at = 0;
        for (int i = 0; i < count; ++i) {
            const int index = i < fixed ? i : first + (i - fixed);
            if (index >= count)
                break;
            const int end = at + size(index) + LineWidth;
            if (pos >= at && pos < end)
                return index;
            at = end;
        }
        return -1;
    };
    col = find(point.x(), fixedCols_, leftCol_, colCount_, [this](int c) { return ColWidths(c); });
    row = find(point.y(), fixedRows_, topRow_, rowCount_, [this](int r) { return RowHeights(r); });
    return col >= 0 && row >= 0;
}

bool TBaseStrGrid::Focused() const
{
    return hasFocus() || viewport()->hasFocus() || (editor_ && editor_->hasFocus());
}

void TBaseStrGrid::paintEvent(QPaintEvent* event)
{
    // Whatever was marked dirty is painted now.
    dirtyCells_ = 0;
    wholeViewportDirty_ = false;
    BeforePaint();
    const qreal dpr = viewport()->devicePixelRatioF();
    const QSize size = viewport()->size() * dpr;
    if (buffer_.size() != size)
        buffer_ = QImage(size, QImage::Format_RGB32);
    buffer_.setDevicePixelRatio(dpr);
    {
        QPainter painter(&buffer_);
        // Only what the paint covers is drawn and shown; the rest of the
        // buffer is not looked at, so it need not be kept.
        const QRegion area = event->region();
        for (const QRect& r : area)
            painter.fillRect(r, color_);
        canvas_.Painter = &painter;
        canvas_.Image = &buffer_;
        const bool focused = Focused();
        const TGridRect selection = Selection();
        const int width = viewport()->width();
        const int height = viewport()->height();
        for (int ri = 0, y = 0; ri < rowCount_ && y < height; ++ri) {
            const int row = ri < fixedRows_ ? ri : topRow_ + (ri - fixedRows_);
            if (row >= rowCount_)
                break;
            const int h = RowHeights(row);
            for (int ci = 0, x = 0; ci < colCount_ && x < width; ++ci) {
                const int col = ci < fixedCols_ ? ci : leftCol_ + (ci - fixedCols_);
                if (col >= colCount_)
                    break;
                const int w = ColWidths(col);
                const QRect rect(x, y, w, h);
                if (area.intersects(rect.adjusted(0, 0, LineWidth, LineWidth))) {
                    TGridDrawState state;
                    if (IsFixedCell(col, row)) {
                        state |= gdFixed;
                    } else {
                        if (selection.Contains(col, row))
                            state |= gdSelected;
                        if (focused && col == col_ && row == row_)
                            state |= gdFocused;
                    }
                    painter.save();
                    painter.setClipRect(rect);
                    try {
                        DrawCell(col, row, rect, state);
                    } catch (const std::exception& e) {
                        // A failing draw handler must not take the paint down; the
                        // cell stays as far as it was drawn.
                        qWarning("grid cell %d,%d: %s", col, row, e.what());
                    }
                    painter.restore();
                    drawGridLines(painter, col, row, rect);
                }
                x += w + LineWidth;
            }
            y += h + LineWidth;
        }
        canvas_.Painter = nullptr;
        canvas_.Image = nullptr;
    }
    QPainter screen(viewport());
    screen.drawImage(QPointF(0, 0), buffer_);
}

void TBaseStrGrid::drawGridLines(QPainter& painter, int col, int row, const QRect& rect)
{
    const bool fixed = IsFixedCell(col, row);
    const QColor line = fixed ? QColor(0x40, 0x40, 0x40) : QColor(0xC0, 0xC0, 0xC0);
    if (gridOptions_ & (fixed ? goFixedVertLine : goVertLine))
        painter.fillRect(rect.right() + 1, rect.top(), LineWidth, rect.height() + LineWidth, line);
    if (gridOptions_ & (fixed ? goFixedHorzLine : goHorzLine))
        painter.fillRect(rect.left(), rect.bottom() + 1, rect.width() + LineWidth, LineWidth, line);
}

void TBaseStrGrid::DrawCell(int col, int row, const QRect& rect, TGridDrawState state)
{
    if (defaultDrawing_) {
        QPainter& p = *canvas_.Painter;
        QColor back = (state & gdFixed) ? fixedColor_ : color_;
        QColor text = fontColor_;
        if ((state & gdSelected) &&
            (!(state & gdFocused) || (gridOptions_ & (goDrawFocusSelected | goRowSelect)))) {
            back = palette().color(QPalette::Highlight);
            text = palette().color(QPalette::HighlightedText);
        }
        p.fillRect(rect, back);
        p.setFont(font());
        p.setPen(text);
        p.drawText(rect.adjusted(2, 2, -2, -2), Qt::AlignLeft | Qt::AlignTop, Cells(col, row));
        if (state & gdFocused) {
            p.setPen(QPen(fontColor_, 1, Qt::DotLine));
            p.drawRect(rect.adjusted(0, 0, -1, -1));
        }
    }
    if (OnDrawCell)
        OnDrawCell(this, col, row, rect, state);
}
