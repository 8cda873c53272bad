#include "TCheckCustomGroupBox.h"

#include <QFontMetrics>

TCheckCustomGroupBox::TCheckCustomGroupBox(QWidget* parent)
    : QGroupBox(parent)
{
    setCheckable(true);
    setChecked(true);
    // The toolkit's own group box enables and disables the children; the
    // notifications follow it.
    connect(this, &QGroupBox::toggled, this, &TCheckCustomGroupBox::checkChanged);
}

void TCheckCustomGroupBox::setBoxAlignment(Qt::Alignment alignment)
{
    boxAlignment_ = (alignment & Qt::AlignRight) ? Qt::AlignRight : Qt::AlignLeft;
    setAlignment(boxAlignment_);
}

void TCheckCustomGroupBox::setCaption(const QString& caption)
{
    // Before the box has a size of its own (a layout sizes it later) there is
    // nothing to measure against.
    const bool sized = testAttribute(Qt::WA_Resized) || isVisible();
    if (sized && QFontMetrics(font()).horizontalAdvance(caption) + 25 >= width())
        return;
    setTitle(caption);
}

void TCheckCustomGroupBox::checkChanged()
{
    emit Click();
    emit CheckBoxClick();
}
