#include "Bevel.h"

#include <QPainter>

namespace Bevel {

void frame(QPainter& painter, QRect& rect, const QColor& topLeft, const QColor& bottomRight)
{
    if (rect.width() <= 0 || rect.height() <= 0)
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(topLeft);
    painter.drawLine(rect.left(), rect.top(), rect.right(), rect.top());
    painter.drawLine(rect.left(), rect.top(), rect.left(), rect.bottom());
    painter.setPen(bottomRight);
    painter.drawLine(rect.left(), rect.bottom(), rect.right(), rect.bottom());
    painter.drawLine(rect.right(), rect.top(), rect.right(), rect.bottom());
    painter.restore();
    rect.adjust(1, 1, -1, -1);
}

void draw(QPainter& painter, QRect& rect, TBevelCut cut, int width, const QColor& light, const QColor& dark)
{
    if (cut == bvNone)
        return;
    for (int i = 0; i < width; ++i) {
        if (cut == bvRaised)
            frame(painter, rect, light, dark);
        else
            frame(painter, rect, dark, light);
    }
}

} // namespace Bevel
