#pragma once

#include <QColor>
#include <QObject>
#include <QRect>

class QPainter;

// Bevel cuts shared by the panels, labels and buttons.
namespace Bevel {
Q_NAMESPACE

enum TBevelCut { bvNone, bvLowered, bvRaised };
Q_ENUM_NS(TBevelCut)

// Draws `width` rings of a bevel inside `rect` and shrinks `rect` past them;
// a raised bevel is light on the top and left, a lowered one the reverse.
void draw(QPainter& painter, QRect& rect, TBevelCut cut, int width, const QColor& light, const QColor& dark);

// Draws a one-pixel frame: `topLeft` on the top and left edges, `bottomRight`
// on the others, and shrinks `rect` by one pixel.
void frame(QPainter& painter, QRect& rect, const QColor& topLeft, const QColor& bottomRight);

} // namespace Bevel
