#include "TGradPan.h"

#include "ColorNumber.h"

#include <QMouseEvent>
#include <QPainter>

namespace {

QColor lerpTruncated(const QColor& a, const QColor& b, int i, int last)
{
    const auto channel = [&](int x, int y) { return x + (y - x) * i / last; };
    return QColor(channel(a.red(), b.red()), channel(a.green(), b.green()), channel(a.blue(), b.blue()));
}

QPixmap framedSquare()
{
    QPixmap pixmap(50, 50);
    pixmap.fill(Qt::white);
    QPainter painter(&pixmap);
    painter.setPen(Qt::black);
    painter.drawRect(0, 0, 49, 49);
    return pixmap;
}

} // namespace

TGradPan::TGradPan(QWidget* parent)
    : QFrame(parent)
    , bitmap_(framedSquare())
    , colorEnd_(ColorFromNumber(0xFFFFFF))
    , colorShadow_(ColorFromNumber(0x808080))
    , colorStart_(ColorFromNumber(0x808000))
{
    setMouseTracking(true);
}

#define TGRADPAN_SETTER(Name, member, Type)   \
    void TGradPan::Name(Type value)           \
    {                                         \
        if (member == value)                  \
            return;                           \
        member = value;                       \
        update();                             \
    }

TGRADPAN_SETTER(setBackGroundEffect, effect_, TBackGroundEffect)
TGRADPAN_SETTER(setColorEnd, colorEnd_, const QColor&)
TGRADPAN_SETTER(setColorShadow, colorShadow_, const QColor&)
TGRADPAN_SETTER(setColorStart, colorStart_, const QColor&)
TGRADPAN_SETTER(setCtl3D, ctl3D_, bool)
TGRADPAN_SETTER(setTextEffect, textEffect_, TTextEffect)
TGRADPAN_SETTER(setTextRotation, rotation_, TTextRotation)
TGRADPAN_SETTER(setVertAlign, vertAlign_, TVertAlign)
TGRADPAN_SETTER(setCaption, caption_, const QString&)
TGRADPAN_SETTER(setAlignment, alignment_, Qt::Alignment)
TGRADPAN_SETTER(setBevelInner, bevelInner_, Bevel::TBevelCut)
TGRADPAN_SETTER(setBevelOuter, bevelOuter_, Bevel::TBevelCut)
TGRADPAN_SETTER(setBevelWidth, bevelWidth_, int)
#undef TGRADPAN_SETTER

void TGradPan::setBitmap(const QPixmap& bitmap)
{
    bitmap_ = bitmap;
    update();
}

void TGradPan::setMoveable(bool on)
{
    moveable_ = on;
    if (!on)
        unsetCursor();
}

QVector<QColor> TGradPan::stripeColors(TBackGroundEffect effect, const QColor& start, const QColor& end)
{
    QVector<QColor> table(100);
    for (int i = 0; i < 100; ++i)
        table[i] = lerpTruncated(start, end, i, 99);
    QVector<QColor> stripes(100);
    for (int i = 0; i < 100; ++i) {
        switch (effect) {
        case bdDown:
        case bdRight:
            stripes[i] = table[99 - i];
            break;
        case bdHorzIn:
        case bdVertIn:
        case bdHorzOut:
        case bdVertOut: {
            // Every second entry towards the middle and back, so that the
            // middle stripes reach the far end of the table.
            const int k = i < 50 ? i : 99 - i;
            const int entry = 2 * k * 99 / 98;
            const bool in = effect == bdHorzIn || effect == bdVertIn;
            stripes[i] = table[in ? entry : 99 - entry];
            break;
        }
        default:
            stripes[i] = table[i];
            break;
        }
    }
    return stripes;
}

int TGradPan::bevelExtent() const
{
    return ((bevelOuter_ != Bevel::bvNone) + (bevelInner_ != Bevel::bvNone)) * bevelWidth_;
}

void TGradPan::paintBackground(QPainter& painter, const QRect& inner)
{
    const QRect all = rect();
    switch (effect_) {
    case bdFlat:
        painter.fillRect(all, colorStart_);
        return;
    case bdStretchImage:
    case bdTileImage:
        painter.fillRect(all, colorStart_);
        if (bitmap_.isNull())
            return;
        if (effect_ == bdStretchImage)
            painter.drawPixmap(inner, bitmap_);
        else
            painter.drawTiledPixmap(inner, bitmap_);
        return;
    default:
        break;
    }
    const QVector<QColor> stripes = stripeColors(effect_, colorStart_, colorEnd_);
    const bool alongHeight = effect_ == bdUp || effect_ == bdDown || effect_ == bdHorzIn || effect_ == bdHorzOut;
    const int size = alongHeight ? all.height() : all.width();
    for (int i = 0; i < 100; ++i) {
        const int from = i * size / 100;
        const int to = (i + 1) * size / 100;
        if (to <= from)
            continue;
        const QRect stripe = alongHeight ? QRect(0, from, all.width(), to - from)
                                         : QRect(from, 0, to - from, all.height());
        painter.fillRect(stripe, stripes[i]);
    }
}

void TGradPan::paintCaption(QPainter& painter, const QRect& area)
{
    if (caption_.isEmpty())
        return;
    const QFontMetrics metrics(font());
    const QSize text = metrics.size(Qt::TextSingleLine, caption_);
    const bool rotated = rotation_ != trNone;
    const QSize box = rotated ? text.transposed() : text;

    int x = area.left() + (area.width() - box.width()) / 2;
    if (alignment_ & Qt::AlignLeft)
        x = area.left();
    else if (alignment_ & Qt::AlignRight)
        x = area.right() + 1 - box.width();
    int y = area.top() + (area.height() - box.height()) / 2;
    if (vertAlign_ == vlTop)
        y = area.top();
    else if (vertAlign_ == VlBottom)
        y = area.bottom() + 1 - box.height();

    painter.save();
    painter.translate(x + box.width() / 2.0, y + box.height() / 2.0);
    if (rotation_ == TrUp)
        painter.rotate(-90);
    else if (rotation_ == TrDown)
        painter.rotate(90);
    const QRect textRect(-text.width() / 2, -text.height() / 2, text.width(), text.height());
    const auto copy = [&](int dx, int dy, const QColor& color) {
        painter.setPen(color);
        painter.drawText(textRect.translated(dx, dy), Qt::AlignCenter | Qt::TextSingleLine, caption_);
    };
    const QColor light = Qt::white;
    QColor ink = palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText);
    switch (textEffect_) {
    case tenone:
        break;
    case teShadow:
        copy(1, 1, colorShadow_);
        break;
    case teRaised:
        copy(-1, -1, light);
        copy(1, 1, colorShadow_);
        break;
    case teLowered:
        copy(-1, -1, colorShadow_);
        copy(1, 1, light);
        break;
    case teEmbossed:
        copy(1, 1, light);
        ink = colorShadow_;
        break;
    }
    copy(0, 0, ink);
    painter.restore();
}

void TGradPan::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const int bevels = bevelExtent();
    const QRect inner = rect().adjusted(bevels, bevels, -bevels, -bevels);
    paintBackground(painter, inner);
    paintCaption(painter, inner.adjusted(2, 2, -2, -2));
    QRect ring = rect();
    const QColor dark = ColorFromNumber(0x808080);
    Bevel::draw(painter, ring, bevelOuter_, bevelWidth_, Qt::white, dark);
    Bevel::draw(painter, ring, bevelInner_, bevelWidth_, Qt::white, dark);
}

Qt::Edges TGradPan::zoneAt(const QPoint& pos) const
{
    Qt::Edges zone;
    if (pos.x() < marge_)
        zone |= Qt::LeftEdge;
    else if (pos.x() >= width() - marge_)
        zone |= Qt::RightEdge;
    if (pos.y() < marge_)
        zone |= Qt::TopEdge;
    else if (pos.y() >= height() - marge_)
        zone |= Qt::BottomEdge;
    return zone;
}

void TGradPan::updateCursor(const QPoint& pos)
{
    const Qt::Edges zone = zoneAt(pos);
    const bool horizontal = zone & (Qt::LeftEdge | Qt::RightEdge);
    const bool vertical = zone & (Qt::TopEdge | Qt::BottomEdge);
    if (horizontal && vertical) {
        const bool main = zone == (Qt::LeftEdge | Qt::TopEdge) || zone == (Qt::RightEdge | Qt::BottomEdge);
        setCursor(main ? Qt::SizeFDiagCursor : Qt::SizeBDiagCursor);
    } else if (horizontal) {
        setCursor(Qt::SizeHorCursor);
    } else if (vertical) {
        setCursor(Qt::SizeVerCursor);
    } else {
        setCursor(Qt::SizeAllCursor);
    }
}

void TGradPan::mousePressEvent(QMouseEvent* event)
{
    if (!moveable_ || event->button() != Qt::LeftButton) {
        QFrame::mousePressEvent(event);
        return;
    }
    dragging_ = true;
    dragZone_ = zoneAt(event->position().toPoint());
    dragStart_ = event->globalPosition().toPoint();
    startGeometry_ = geometry();
    event->accept();
}

void TGradPan::mouseMoveEvent(QMouseEvent* event)
{
    if (!moveable_) {
        QFrame::mouseMoveEvent(event);
        return;
    }
    if (!dragging_) {
        updateCursor(event->position().toPoint());
        return;
    }
    const QPoint delta = event->globalPosition().toPoint() - dragStart_;
    QRect next = startGeometry_;
    if (!dragZone_) {
        next.translate(delta);
    } else {
        const int least = 2 * marge_ + 1;
        if (dragZone_ & Qt::LeftEdge)
            next.setLeft(std::min(next.left() + delta.x(), next.right() + 1 - least));
        if (dragZone_ & Qt::RightEdge)
            next.setRight(std::max(next.right() + delta.x(), next.left() + least - 1));
        if (dragZone_ & Qt::TopEdge)
            next.setTop(std::min(next.top() + delta.y(), next.bottom() + 1 - least));
        if (dragZone_ & Qt::BottomEdge)
            next.setBottom(std::max(next.bottom() + delta.y(), next.top() + least - 1));
    }
    if (next == geometry())
        return;
    emit PanelMove();
    setGeometry(next);
    event->accept();
}

void TGradPan::mouseReleaseEvent(QMouseEvent* event)
{
    if (dragging_ && event->button() == Qt::LeftButton) {
        dragging_ = false;
        event->accept();
        return;
    }
    QFrame::mouseReleaseEvent(event);
}
