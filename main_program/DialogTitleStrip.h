#pragma once

#include <QString>

class QWidget;
class TGradPan;

// The gradient strip across the top of the small dialogs: the application
// title on the left, the dialog's own label on the right.
TGradPan* DialogTitleStrip(QWidget* parent, const QString& label);
