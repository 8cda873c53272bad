#include "TCustomBoxLabel.h"

#include "ColorNumber.h"

#include <QMouseEvent>
#include <QPainter>

TCustomBoxLabel::TCustomBoxLabel(QWidget* parent)
    : QWidget(parent)
    , color_(SystemColor(15))
{
    resize(70, 20);
}

#define BOXLABEL_SETTER(Name, member, Type) \
    void TCustomBoxLabel::Name(Type value)  \
    {                                       \
        if (member == value)                \
            return;                         \
        member = value;                     \
        update();                           \
    }

BOXLABEL_SETTER(setAlignment, alignment_, Qt::Alignment)
BOXLABEL_SETTER(setHorizontalAlign, horizontalAlign_, THorizontalAlign)
BOXLABEL_SETTER(setCaption, caption_, const QString&)
BOXLABEL_SETTER(setTextBorder, textBorder_, int)
BOXLABEL_SETTER(setBevelInner, bevelInner_, Bevel::TBevelCut)
BOXLABEL_SETTER(setBevelOuter, bevelOuter_, Bevel::TBevelCut)
BOXLABEL_SETTER(setBevelWidth, bevelWidth_, int)
BOXLABEL_SETTER(setFormatString, formatString_, const QString&)
BOXLABEL_SETTER(setColor, color_, const QColor&)
BOXLABEL_SETTER(setWordWrap, wordWrap_, bool)
BOXLABEL_SETTER(setBorderStyle, borderStyle_, TBorderStyle)
BOXLABEL_SETTER(setDecimals, decimals_, int)
#undef BOXLABEL_SETTER

void TCustomBoxLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), color_);
    QRect area = rect();
    const QColor light = Qt::white;
    const QColor dark = SystemColor(16);
    Bevel::draw(painter, area, bevelOuter_, bevelWidth_, light, dark);
    if (borderStyle_ == bsSingle)
        Bevel::frame(painter, area, Qt::black, Qt::black);
    Bevel::draw(painter, area, bevelInner_, bevelWidth_, light, dark);
    if (caption_.isEmpty())
        return;

    int flags = 0;
    if (alignment_ & Qt::AlignLeft)
        flags |= Qt::AlignLeft;
    else if (alignment_ & Qt::AlignRight)
        flags |= Qt::AlignRight;
    else
        flags |= Qt::AlignHCenter;
    flags |= horizontalAlign_ == haTop ? Qt::AlignTop : horizontalAlign_ == haBottom ? Qt::AlignBottom : Qt::AlignVCenter;
    flags |= wordWrap_ ? Qt::TextWordWrap : Qt::TextSingleLine;
    painter.setFont(font());
    if (isEnabled()) {
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(area, flags, caption_);
    } else {
        painter.setPen(Qt::white);
        painter.drawText(area.translated(1, 1), flags, caption_);
        painter.setPen(QColor(0x80, 0x80, 0x80));
        painter.drawText(area, flags, caption_);
    }
}

void TCustomBoxLabel::mousePressEvent(QMouseEvent* event)
{
    pressed_ = event->button() == Qt::LeftButton;
    QWidget::mousePressEvent(event);
}

void TCustomBoxLabel::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    QWidget::mouseReleaseEvent(event);
    if (click)
        emit Click();
}
