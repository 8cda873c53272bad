#pragma once

#include <QString>
#include <QStyle>

class QBoxLayout;
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

// An icon button with its caption beside it, added to `row`.
TIconButton* CaptionedIconButton(QWidget* parent, QBoxLayout* row, const QString& name, const QString& caption,
                                 QStyle::StandardPixmap pixmap);

// Sizes the dialog to its contents and centres it on the screen.
void CentreOnScreen(QWidget& dialog);
