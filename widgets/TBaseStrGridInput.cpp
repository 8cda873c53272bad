// Keyboard, mouse and in-place editor of the string grid.
#include "TBaseStrGrid.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <algorithm>

namespace {
constexpr int SizingMargin = 3;

QChar eventChar(const QKeyEvent* event)
{
    const QString text = event->text();
    return text.isEmpty() ? QChar() : text.front();
}
} // namespace

bool TBaseStrGrid::EditorMode() const
{
    return editor_ && !editor_->isHidden();
}

void TBaseStrGrid::SetEditorMode(bool value)
{
    if (value)
        ShowEditor();
    else
        HideEditor();
}

void TBaseStrGrid::ShowEditor()
{
    if (!(gridOptions_ & goEditing) || IsFixedCell(col_, row_))
        return;
    if (!editor_) {
        editor_ = new QLineEdit(viewport());
        editor_->setFrame(false);
        editor_->installEventFilter(this);
        connect(editor_, &QLineEdit::textChanged, this, &TBaseStrGrid::editorTextChanged);
        EditorCreated(editor_);
    }
    editCol_ = col_;
    editRow_ = row_;
    editOriginal_ = Cells(col_, row_);
    settingEditorText_ = true;
    editor_->setText(editOriginal_);
    settingEditorText_ = false;
    editor_->selectAll();
    editor_->show();
    dropEditorLayoutRequest();
    placeEditor();
    editor_->setFocus();
}

void TBaseStrGrid::HideEditor()
{
    if (!editor_ || editor_->isHidden())
        return;
    // The grid takes the focus back first: a hidden editor would hand it to
    // the next widget in the chain, which repaints, and then take it back.
    if (editor_->hasFocus())
        setFocus();
    editor_->hide();
    dropEditorLayoutRequest();
    updateCell(editCol_, editRow_);
    updateSelection();
}

// Showing or hiding the editor asks its parent, the viewport, to lay out its
// children, which it has none to lay out; the scroll area would answer by
// laying out and repainting both scroll bars and what lies under them.
void TBaseStrGrid::dropEditorLayoutRequest()
{
    QCoreApplication::removePostedEvents(viewport(), QEvent::LayoutRequest);
}

void TBaseStrGrid::placeEditor()
{
    if (!editor_ || editor_->isHidden())
        return;
    const QRect rect = CellRect(editCol_, editRow_);
    if (rect.isEmpty())
        editor_->move(-rect.width() - 10000, 0); // scrolled away: keep editing, out of sight
    else
        editor_->setGeometry(rect);
}

void TBaseStrGrid::editorTextChanged(const QString& text)
{
    if (settingEditorText_)
        return;
    const int col = editCol_;
    const int row = editRow_;
    cells_[static_cast<std::size_t>(row * colCount_ + col)] = text;
    if (OnSetEditText)
        OnSetEditText(this, col, row, text);
}

bool TBaseStrGrid::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == editor_ && event->type() == QEvent::KeyPress)
        return editorKey(static_cast<QKeyEvent*>(event));
    if (watched == editor_ && event->type() == QEvent::FocusOut)
        updateSelection();
    return QAbstractScrollArea::eventFilter(watched, event);
}

// Keys typed into the editor pass the grid's key hooks first; keys that move
// between cells are the grid's, the rest the editor's.
bool TBaseStrGrid::editorKey(QKeyEvent* event)
{
    int key = event->key();
    const Qt::KeyboardModifiers mods = event->modifiers();
    if (OnKeyDown)
        OnKeyDown(this, key, mods);
    if (key == 0)
        return true;
    if (!EditorMode()) {
        // The handler closed the editor: the character had nowhere to go.
        navigate(key, mods);
        return true;
    }
    switch (key) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        navigate(key, mods);
        return true;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        if (gridOptions_ & goTabs) {
            navigate(key, mods);
            return true;
        }
        break;
    default:
        break;
    }
    QChar ch = eventChar(event);
    if (ch.isNull())
        return false;
    const QChar typed = ch;
    if (OnKeyPress)
        OnKeyPress(this, ch);
    if (ch.isNull())
        return true;
    if (ch == QChar('\r') || ch == QChar('\n')) {
        HideEditor();
        return true;
    }
    if (ch == QChar(0x1B)) {
        editor_->setText(editOriginal_);
        HideEditor();
        return true;
    }
    if (ch != typed) {
        editor_->insert(QString(ch));
        return true;
    }
    return false;
}

void TBaseStrGrid::keyPressEvent(QKeyEvent* event)
{
    int key = event->key();
    const Qt::KeyboardModifiers mods = event->modifiers();
    if (OnKeyDown)
        OnKeyDown(this, key, mods);
    if (key == 0)
        return;
    if (navigate(key, mods))
        return;
    if (key == Qt::Key_F2) {
        ShowEditor();
        return;
    }
    QChar ch = eventChar(event);
    if (ch.isNull())
        return;
    if (OnKeyPress)
        OnKeyPress(this, ch);
    if (ch.isNull())
        return;
    if (ch == QChar('\r') || ch == QChar('\n')) {
        SetEditorMode(!EditorMode());
        return;
    }
    if (ch.isPrint() && (gridOptions_ & goEditing)) {
        ShowEditor();
        if (EditorMode())
            editor_->insert(QString(ch));
    }
}

bool TBaseStrGrid::navigate(int key, Qt::KeyboardModifiers mods)
{
    const bool ctrl = mods & Qt::ControlModifier;
    const bool extend = (mods & Qt::ShiftModifier) && (gridOptions_ & goRangeSelect);
    int col = col_;
    int row = row_;
    int page = 1;
    {
        // Rows fully in view below the fixed rows.
        int space = viewport()->height();
        for (int r = 0; r < fixedRows_; ++r)
            space -= RowHeights(r) + 1;
        int n = 0;
        for (int r = topRow_; r < rowCount_ && space >= RowHeights(r) + 1; ++r, ++n)
            space -= RowHeights(r) + 1;
        page = std::max(1, n);
    }
    switch (key) {
    case Qt::Key_Up: --row; break;
    case Qt::Key_Down: ++row; break;
    case Qt::Key_Left: (gridOptions_ & goRowSelect) ? SetLeftCol(leftCol_ - 1) : void(--col); break;
    case Qt::Key_Right: (gridOptions_ & goRowSelect) ? SetLeftCol(leftCol_ + 1) : void(++col); break;
    case Qt::Key_PageUp: row -= page; break;
    case Qt::Key_PageDown: row += page; break;
    case Qt::Key_Home: ctrl ? void(row = fixedRows_) : void(col = fixedCols_); break;
    case Qt::Key_End: ctrl ? void(row = rowCount_ - 1) : void(col = colCount_ - 1); break;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        if (!(gridOptions_ & goTabs))
            return false;
        if (key == Qt::Key_Backtab || (mods & Qt::ShiftModifier)) {
            if (--col < fixedCols_) {
                col = colCount_ - 1;
                --row;
            }
        } else if (++col >= colCount_) {
            col = fixedCols_;
            ++row;
        }
        if (row < fixedRows_ || row >= rowCount_)
            return true;
        break;
    default:
        return false;
    }
    const int oldCol = col_;
    const int oldRow = row_;
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab)
        focusCell(col, row, true);
    else
        focusCell(col, row, !extend);
    if ((col_ != oldCol || row_ != oldRow) && OnClick)
        OnClick(this);
    return true;
}

bool TBaseStrGrid::focusNextPrevChild(bool next)
{
    // With goTabs, Tab moves between cells instead of leaving the grid.
    if (gridOptions_ & goTabs)
        return false;
    return QAbstractScrollArea::focusNextPrevChild(next);
}

int TBaseStrGrid::sizingBoundary(const QPoint& point) const
{
    if (!(gridOptions_ & goColSizing))
        return -1;
    int col = 0;
    int row = 0;
    if (!MouseToCell(point, col, row) || row >= fixedRows_)
        return -1;
    const QRect rect = CellRect(col, row);
    if (point.x() >= rect.right() + 1 - SizingMargin)
        return col;
    if (point.x() < rect.left() + SizingMargin && col > 0) {
        const int prev = col == leftCol_ ? fixedCols_ - 1 : col - 1;
        return prev >= 0 ? prev : -1;
    }
    return -1;
}

void TBaseStrGrid::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QAbstractScrollArea::mousePressEvent(event);
        return;
    }
    setFocus(Qt::MouseFocusReason);
    const QPoint pos = event->position().toPoint();
    sizingCol_ = sizingBoundary(pos);
    if (sizingCol_ >= 0) {
        sizingStartX_ = pos.x();
        sizingStartWidth_ = ColWidths(sizingCol_);
        return;
    }
    int col = 0;
    int row = 0;
    if (!MouseToCell(pos, col, row) || IsFixedCell(col, row))
        return;
    const bool extend = (event->modifiers() & Qt::ShiftModifier) && (gridOptions_ & goRangeSelect);
    if (focusCell(col, row, !extend)) {
        selecting_ = bool(gridOptions_ & goRangeSelect);
        if (OnClick)
            OnClick(this);
    }
}

void TBaseStrGrid::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    if (sizingCol_ >= 0) {
        SetColWidths(sizingCol_, std::max(0, sizingStartWidth_ + pos.x() - sizingStartX_));
        return;
    }
    if (selecting_ && (event->buttons() & Qt::LeftButton)) {
        int col = 0;
        int row = 0;
        if (MouseToCell(pos, col, row) && !IsFixedCell(col, row))
            focusCell(col, row, false);
        return;
    }
    viewport()->setCursor(sizingBoundary(pos) >= 0 ? Qt::SplitHCursor : Qt::ArrowCursor);
}

void TBaseStrGrid::mouseReleaseEvent(QMouseEvent* event)
{
    selecting_ = false;
    const bool sized = sizingCol_ >= 0;
    sizingCol_ = -1;
    QAbstractScrollArea::mouseReleaseEvent(event);
    if (sized && OnColSized)
        OnColSized(this);
}

void TBaseStrGrid::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    int col = 0;
    int row = 0;
    const bool onCell = MouseToCell(event->position().toPoint(), col, row);
    if (OnDblClick)
        OnDblClick(this);
    if (onCell && col == col_ && row == row_)
        ShowEditor();
}

// Focus changes the look of the selected cells only (highlight, focus dots).
// The base class would repaint the whole widget, every cell and both scroll
// bars with it, each time the cell editor takes or gives back the focus.
void TBaseStrGrid::focusInEvent(QFocusEvent*)
{
    updateSelection();
}

void TBaseStrGrid::focusOutEvent(QFocusEvent*)
{
    updateSelection();
}

void TBaseStrGrid::inputMethodEvent(QInputMethodEvent* event)
{
    // Text composed while no editor is open starts editing the current cell.
    if (event->commitString().isEmpty() || !(gridOptions_ & goEditing))
        return;
    ShowEditor();
    if (EditorMode())
        editor_->insert(event->commitString());
}
