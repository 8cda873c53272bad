#include "TBoxCaption.h"

#include <QEvent>

TBoxCaption::TBoxCaption(QWidget* parent)
    : TBoxLabel(parent)
{
}

void TBoxCaption::setAttachTo(TAttachTo side)
{
    if (side == attachTo_)
        return;
    attachTo_ = side;
    attach();
    update();
}

void TBoxCaption::setHook(QWidget* control)
{
    if (control == hook_)
        return;
    if (hook_)
        hook_->removeEventFilter(this);
    hook_ = control == this ? nullptr : control;
    if (hook_)
        hook_->installEventFilter(this);
    attach();
    update();
}

void TBoxCaption::attach()
{
    if (!hook_ || attachTo_ == alNone || !parentWidget() || !hook_->parentWidget())
        return;
    // The control may live under another parent; place by window position.
    const QPoint origin = hook_->parentWidget() == parentWidget()
                              ? hook_->pos()
                              : parentWidget()->mapFrom(window(), hook_->mapTo(window(), QPoint(0, 0)));
    const QRect target(origin, hook_->size());
    QRect next = geometry();
    switch (attachTo_) {
    case alTop:
        next = QRect(target.left(), target.top() - height(), target.width(), height());
        break;
    case alBottom:
        next = QRect(target.left(), target.bottom() + 1, target.width(), height());
        break;
    case alLeft:
        next = QRect(target.left() - width(), target.top(), width(), target.height());
        break;
    case alRight:
        next = QRect(target.right() + 1, target.top(), width(), target.height());
        break;
    case alNone:
        break;
    }
    if (next != geometry())
        setGeometry(next);
}

void TBoxCaption::paintEvent(QPaintEvent* event)
{
    TBoxLabel::paintEvent(event);
    attach();
}

void TBoxCaption::changeEvent(QEvent* event)
{
    TBoxLabel::changeEvent(event);
    if (event->type() == QEvent::EnabledChange && hook_)
        hook_->setEnabled(isEnabled());
}

bool TBoxCaption::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == hook_ && (event->type() == QEvent::Move || event->type() == QEvent::Resize))
        attach();
    return TBoxLabel::eventFilter(watched, event);
}
