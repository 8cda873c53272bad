#pragma once

#include <QString>

class QWidget;
class TGradPan;

// The gradient strip along the top of the input dialog's windows, with a
// caption box on the left and one on the right.
TGradPan* InputTitleStrip(QWidget* parent, const QString& left, const QString& right);

// The larger type of the input dialog's windows, read at arm's length on a
// touch screen. Windows do not pass their font on to their dialogs.
void UseTouchFont(QWidget* window);
