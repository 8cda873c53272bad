#include "TDsPanel.h"

#include "Bevel.h"
#include "ColorNumber.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

TDsPanel::TDsPanel(QWidget* parent)
    : QWidget(parent)
    , color_(SystemColor(15))
    , colorHigh_(ColorFromNumber(0xE0E8E8))
    , colorLow_(ColorFromNumber(0x688DA2))
    , faceColor_(SystemColor(15))
    , shadowColor_(ColorFromNumber(0x808080))
{
    resize(185, 41);
    updateMargins();
}

#define DSPANEL_SETTER(Name, member, Type) \
    void TDsPanel::Name(Type value)        \
    {                                      \
        if (member == value)               \
            return;                        \
        member = value;                    \
        update();                          \
    }

DSPANEL_SETTER(setAlignment, alignment_, Qt::Alignment)
DSPANEL_SETTER(setCaption, caption_, const QString&)
DSPANEL_SETTER(setColor, color_, const QColor&)
DSPANEL_SETTER(setColorHigh, colorHigh_, const QColor&)
DSPANEL_SETTER(setColorLow, colorLow_, const QColor&)
DSPANEL_SETTER(setFaceColor, faceColor_, const QColor&)
DSPANEL_SETTER(setShadowColor, shadowColor_, const QColor&)
DSPANEL_SETTER(setTextStyle, textStyle_, TTextStyle)
#undef DSPANEL_SETTER

void TDsPanel::setBorderLine(TBorderLine line)
{
    if (line == borderLine_)
        return;
    borderLine_ = line;
    updateMargins();
    update();
}

void TDsPanel::setShadowWidth(int width)
{
    width = std::max(width, 0);
    if (width == shadowWidth_)
        return;
    shadowWidth_ = width;
    updateMargins();
    update();
}

QRect TDsPanel::faceRect() const
{
    return QRect(0, 0, std::max(0, width() - shadowWidth_), std::max(0, height() - shadowWidth_));
}

void TDsPanel::updateMargins()
{
    const int border = borderLine_ == blNone ? 0 : 1;
    setContentsMargins(border, border, border + shadowWidth_, border + shadowWidth_);
}

void TDsPanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), color_);
    const QRect face = faceRect();
    painter.fillRect(face.translated(shadowWidth_, shadowWidth_), shadowColor_);
    painter.fillRect(face, faceColor_);
    QRect inner = face;
    if (borderLine_ == blRaised)
        Bevel::frame(painter, inner, colorHigh_, colorLow_);
    else if (borderLine_ == blLowered)
        Bevel::frame(painter, inner, colorLow_, colorHigh_);
    if (caption_.isEmpty())
        return;

    int flags = Qt::AlignVCenter | Qt::TextSingleLine;
    flags |= (alignment_ & Qt::AlignLeft) ? Qt::AlignLeft : (alignment_ & Qt::AlignRight) ? Qt::AlignRight : Qt::AlignHCenter;
    const QRect textArea = inner.adjusted(2, 0, -2, 0);
    if (textStyle_ == txRaised) {
        painter.setPen(colorHigh_);
        painter.drawText(textArea.translated(-1, -1), flags, caption_);
    } else if (textStyle_ == txLowered) {
        painter.setPen(colorHigh_);
        painter.drawText(textArea.translated(1, 1), flags, caption_);
    }
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.drawText(textArea, flags, caption_);
}

void TDsPanel::mousePressEvent(QMouseEvent* event)
{
    pressed_ = event->button() == Qt::LeftButton;
    QWidget::mousePressEvent(event);
}

void TDsPanel::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    QWidget::mouseReleaseEvent(event);
    if (click)
        emit Click();
}
