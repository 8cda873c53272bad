#pragma once

#include <QIconEngine>
#include <QPainter>
#include <QPaintDevice>

// An icon engine whose pixmap() makes each size asked for: painted into a
// rectangle, the icon is made in the device's own pixels, so that it is not
// blown up, blurred, on a scaled screen.
class DevicePixelIconEngine : public QIconEngine {
public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatio() : 1.0;
        painter->drawPixmap(rect, pixmap(rect.size() * ratio, mode, state));
    }
};
