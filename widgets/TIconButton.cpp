#include "TIconButton.h"

#include "ColorNumber.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

using Bevel::bvLowered;
using Bevel::bvNone;
using Bevel::bvRaised;

TIconButton::TIconButton(QWidget* parent)
    : QAbstractButton(parent)
    , inColor_(SystemColor(2))
    , outColor_(SystemColor(15))
    , current_(outColor_)
{
    setFocusPolicy(Qt::StrongFocus);
    resize(36, 36);
    restLook();
}

void TIconButton::setButtonStyle(TButtonStyle style)
{
    if (style == style_)
        return;
    style_ = style;
    restLook();
}

void TIconButton::setButtonIcon(const QIcon& icon)
{
    icon_ = icon;
    update();
}

void TIconButton::setInColor(const QColor& color)
{
    if (color == inColor_)
        return;
    inColor_ = color;
    if (pointerInside_ && colorChange_)
        current_ = color;
    update();
}

void TIconButton::setOutColor(const QColor& color)
{
    if (color == outColor_)
        return;
    outColor_ = color;
    if (!(pointerInside_ && colorChange_))
        current_ = color;
    update();
}

void TIconButton::setStretch(bool on)
{
    if (on == stretch_)
        return;
    stretch_ = on;
    update();
}

void TIconButton::setLook(Bevel::TBevelCut outer, Bevel::TBevelCut inner)
{
    outer_ = outer;
    inner_ = inner;
    update();
}

void TIconButton::restLook()
{
    switch (style_) {
    case bsNone:
    case bsIELike: setLook(bvNone, bvNone); break;
    case bsLowered: setLook(bvLowered, bvNone); break;
    case bsRaised: setLook(bvNone, bvRaised); break;
    case bsFrame: setLook(bvRaised, bvLowered); break;
    case bsGroove: setLook(bvLowered, bvRaised); break;
    }
}

void TIconButton::pressedLook()
{
    switch (style_) {
    case bsNone:
    case bsRaised:
    case bsIELike: setLook(bvLowered, inner_); break;
    case bsLowered: setLook(outer_, bvLowered); break;
    case bsFrame: setLook(bvNone, inner_); break;
    case bsGroove: setLook(outer_, bvNone); break;
    }
}

void TIconButton::releasedLook()
{
    switch (style_) {
    case bsNone: setLook(bvNone, inner_); break;
    case bsLowered: setLook(outer_, bvNone); break;
    case bsRaised:
    case bsFrame: setLook(bvRaised, inner_); break;
    case bsGroove: setLook(outer_, bvRaised); break;
    case bsIELike: setLook(pointerInside_ ? bvRaised : bvNone, inner_); break;
    }
}

void TIconButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        setFocus(Qt::MouseFocusReason);
        pressedLook();
    }
    QAbstractButton::mousePressEvent(event);
}

void TIconButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        pointerInside_ = rect().contains(event->position().toPoint());
        releasedLook();
    }
    QAbstractButton::mouseReleaseEvent(event);
}

void TIconButton::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        pressedLook();
        click();
        releasedLook();
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat())
        pressedLook();
    QAbstractButton::keyPressEvent(event);
}

void TIconButton::keyReleaseEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat())
        releasedLook();
    QAbstractButton::keyReleaseEvent(event);
}

void TIconButton::enterEvent(QEnterEvent* event)
{
    pointerInside_ = true;
    const QPoint pos = event->position().toPoint();
    emit MouseEnter(QApplication::queryKeyboardModifiers(), pos.x(), pos.y());
    if (style_ == bsIELike)
        setLook(QApplication::mouseButtons() & Qt::LeftButton ? bvLowered : bvRaised, inner_);
    if (colorChange_) {
        current_ = inColor_;
        update();
    }
    QAbstractButton::enterEvent(event);
}

void TIconButton::leaveEvent(QEvent* event)
{
    pointerInside_ = false;
    const QPoint pos = mapFromGlobal(QCursor::pos());
    emit MouseLeave(QApplication::queryKeyboardModifiers(), pos.x(), pos.y());
    if (style_ == bsIELike)
        setLook(bvNone, inner_);
    current_ = outColor_;
    update();
    QAbstractButton::leaveEvent(event);
}

void TIconButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), current_);
    QRect area = rect();
    const QColor light = SystemColor(20);
    const QColor dark = SystemColor(16);
    Bevel::draw(painter, area, outer_, 1, light, dark);
    Bevel::draw(painter, area, inner_, 1, light, dark);
    if (icon_.isNull())
        return;
    const QIcon::Mode mode = isEnabled() ? QIcon::Normal : QIcon::Disabled;
    if (stretch_) {
        painter.drawPixmap(area, icon_.pixmap(area.size(), devicePixelRatio(), mode));
    } else {
        const QRect box(rect().center().x() - 15, rect().center().y() - 15, 32, 32);
        painter.drawPixmap(box, icon_.pixmap(QSize(32, 32), devicePixelRatio(), mode));
    }
}
