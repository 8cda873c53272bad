#pragma once

#include <QString>

class QHBoxLayout;
class QEvent;
class QLineEdit;
class QWidget;
class TIconButton;

// The controls the program's dialogs share.

// A read-only field whose text is changed through a dialog of its own when
// it is clicked (see IsFieldClick).
QLineEdit* ClickField(QWidget* parent, const QString& name, const QString& hint, int width);

// A left button press, or Space or Enter, on a click field.
bool IsFieldClick(const QEvent* event);

// The "登  録" and "Exit" icon buttons at the foot of a dialog, each with its
// caption beside it, to the right of their row.
struct StoreAndExit {
    QHBoxLayout* row;
    TIconButton* store;
    TIconButton* exit;
};
StoreAndExit StoreAndExitButtons(QWidget* parent, const QString& storeName, const QString& exitName);

// Sizes the dialog to its contents and centres it on the screen.
void CentreOnScreen(QWidget& dialog);
