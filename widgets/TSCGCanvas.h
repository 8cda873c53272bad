#pragma once

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QPen>

class QPainter;
class QImage;

// The drawing state of the cell being painted: Qt fonts carry no colour, so
// the text colour is kept beside the font. Handlers of the text events may
// change it; the grid saves and restores it around them.
struct TSCGCanvasState {
    QBrush Brush;
    QPen Pen;
    QFont Font;
    QColor FontColor;
};

struct TSCGCanvas : TSCGCanvasState {
    QPainter* Painter = nullptr; // only set while the grid paints
    QImage* Image = nullptr;     // the paint buffer, for reading pixels
};
