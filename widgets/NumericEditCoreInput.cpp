#include "NumericEditCore.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>

// The clipboard, keyboard, mouse and focus handling of the number field: every
// way in goes through the value, none edits the text directly.

void NumericEditCore::pasteValue()
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    setValueFromText(data && data->hasText() ? cleanNumberText(data->text()) : QString());
}

void NumericEditCore::cutValue()
{
    // Without a selection there is nothing to cut, and the value stays.
    if (!hasSelectedText())
        return;
    QLineEdit::cut();
    setValueFromText(QString());
}

void NumericEditCore::clearValue()
{
    if (!hasSelectedText())
        return;
    QLineEdit::del();
    setValueFromText(QString());
}

void NumericEditCore::undoValue()
{
    if (!isUndoAvailable())
        return;
    QLineEdit::undo();
    setValueFromText(cleanNumberText(QLineEdit::text()));
}

void NumericEditCore::keyPressEvent(QKeyEvent* event)
{
    if (editCommandKey(event) || controlKey(event))
        return;
    const QString text = event->text();
    const bool command = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (!text.isEmpty() && text.at(0).isPrint() && !command) {
        if (!isReadOnly()) {
            for (QChar c : text)
                typeCharacter(c);
        }
        event->accept();
        return;
    }
    // Every other editing key would change the text behind the value's back.
    event->ignore();
}

NumericEditCore::PlainKey NumericEditCore::plainKey(const QKeyEvent& event)
{
    const int key = event.key();
    if ((event.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier
        && ((key >= Qt::Key_0 && key <= Qt::Key_9) || key == Qt::Key_Period || key == Qt::Key_Minus))
        return PlainKey::Editing;
    if (event.modifiers() != Qt::NoModifier)
        return PlainKey::None;
    switch (key) {
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
        return PlainKey::Editing;
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Left:
    case Qt::Key_Right:
        return PlainKey::Moving;
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return PlainKey::Passing;
    default:
        return PlainKey::None;
    }
}

bool NumericEditCore::event(QEvent* event)
{
    // Before every key the line edit tests the key against some twenty
    // platform key lists, each built anew, to claim the keys it edits with.
    // A number key or an editing key it claims unless the field is
    // read-only, a key that moves the cursor always, and the other keys the
    // field handles it leaves to the window. That test was a third of the
    // time of typing a digit.
    if (event->type() == QEvent::ShortcutOverride) {
        const PlainKey kind = plainKey(*static_cast<QKeyEvent*>(event));
        if (kind == PlainKey::Editing)
            event->setAccepted(!isReadOnly());
        else if (kind == PlainKey::Moving)
            event->accept();
        if (kind != PlainKey::None)
            return QWidget::event(event);
    }
    return QLineEdit::event(event);
}

bool NumericEditCore::editCommandKey(QKeyEvent* event)
{
    // Each match below asks the platform for its key list anew.
    if (plainKey(*event) != PlainKey::None)
        return false;
    if (event->matches(QKeySequence::Copy)) {
        QLineEdit::keyPressEvent(event);
        return true;
    }
    if (event->matches(QKeySequence::Paste) || event->matches(QKeySequence::Cut)
        || event->matches(QKeySequence::Undo)) {
        if (!isReadOnly()) {
            if (event->matches(QKeySequence::Paste))
                pasteValue();
            else if (event->matches(QKeySequence::Cut))
                cutValue();
            else
                undoValue();
        }
        event->accept();
        return true;
    }
    if (event->matches(QKeySequence::SelectAll)) {
        selectAll();
        event->accept();
        return true;
    }
    return false;
}

bool NumericEditCore::controlKey(QKeyEvent* event)
{
    const bool readOnly = isReadOnly();
    switch (event->key()) {
    case Qt::Key_Backspace:
        if (!readOnly)
            backspace();
        event->accept();
        return true;
    case Qt::Key_Left:
        event->accept();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (enterNext_) {
            focusNextChild();
            event->accept();
        } else {
            QLineEdit::keyPressEvent(event);
        }
        return true;
    case Qt::Key_Escape:
        // A changed value is restored; an unchanged field lets the window
        // have the key, so Escape still cancels a dialog.
        if (!readOnly) {
            const QString before = QLineEdit::text();
            restoreEntry();
            if (QLineEdit::text() != before) {
                event->accept();
                return true;
            }
        }
        event->ignore();
        return true;
    case Qt::Key_Home:
        selectAll();
        event->accept();
        return true;
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (arrowNext_) {
            if (event->key() == Qt::Key_Up)
                focusPreviousChild();
            else
                focusNextChild();
            event->accept();
        } else {
            event->ignore();
        }
        return true;
    case Qt::Key_Delete:
        if (!readOnly && (hasSelectedText() || delAllClear_)) {
            clearAll();
            buildDisplay();
        }
        event->accept();
        return true;
    case Qt::Key_Right:
    case Qt::Key_End:
        QLineEdit::keyPressEvent(event);
        return true;
    default:
        return false;
    }
}

void NumericEditCore::inputMethodEvent(QInputMethodEvent* event)
{
    if (!isReadOnly()) {
        for (QChar c : event->commitString().normalized(QString::NormalizationForm_KC))
            typeCharacter(c);
    }
    event->accept();
}

void NumericEditCore::focusInEvent(QFocusEvent* event)
{
    rememberEntry();
    QLineEdit::focusInEvent(event);
    const bool byMouse = mouseActivation_ || event->reason() == Qt::MouseFocusReason;
    mouseActivation_ = false;
    if (autoSelect_ && !byMouse)
        selectAll();
    else if (!byMouse)
        end(false);
}

void NumericEditCore::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    if (event->reason() == Qt::PopupFocusReason)
        return;
    rememberEntry();
    reapply();
}

void NumericEditCore::mousePressEvent(QMouseEvent* event)
{
    if (!hasFocus())
        mouseActivation_ = true;
    doubleClicked_ = false;
    QLineEdit::mousePressEvent(event);
}

void NumericEditCore::mouseDoubleClickEvent(QMouseEvent* event)
{
    doubleClicked_ = true;
    QLineEdit::mouseDoubleClickEvent(event);
}

void NumericEditCore::mouseReleaseEvent(QMouseEvent* event)
{
    QLineEdit::mouseReleaseEvent(event);
    if (!doubleClicked_ && !(hasSelectedText() && selectedText() == QLineEdit::text()))
        end(false);
    doubleClicked_ = false;
}

void NumericEditCore::contextMenuEvent(QContextMenuEvent* event)
{
    // The standard menu's actions edit the text directly; these go through the value.
    QMenu menu(this);
    const bool readOnly = isReadOnly();
    QAction* undo = menu.addAction(QLineEdit::tr("&Undo"), this, &NumericEditCore::undoValue);
    undo->setEnabled(!readOnly && isUndoAvailable());
    menu.addSeparator();
    QAction* cut = menu.addAction(QLineEdit::tr("Cu&t"), this, &NumericEditCore::cutValue);
    cut->setEnabled(!readOnly && hasSelectedText());
    QAction* copy = menu.addAction(QLineEdit::tr("&Copy"), this, &QLineEdit::copy);
    copy->setEnabled(hasSelectedText());
    QAction* paste = menu.addAction(QLineEdit::tr("&Paste"), this, &NumericEditCore::pasteValue);
    paste->setEnabled(!readOnly);
    QAction* del = menu.addAction(QLineEdit::tr("Delete"), this, &NumericEditCore::clearValue);
    del->setEnabled(!readOnly && hasSelectedText());
    menu.addSeparator();
    QAction* all = menu.addAction(QLineEdit::tr("Select All"), this, &QLineEdit::selectAll);
    all->setEnabled(!QLineEdit::text().isEmpty());
    menu.exec(event->globalPos());
    event->accept();
}
