#include "TGradBox.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

TGradBox::TGradBox(QWidget* parent)
    : QWidget(parent)
    , start_(Qt::white)
    , end_(Qt::black)
{
    resize(128, 128);
}

void TGradBox::changed()
{
    update();
    emit Change();
}

void TGradBox::setStartColor(const QColor& color)
{
    if (color == start_)
        return;
    start_ = color;
    changed();
}

void TGradBox::setEndColor(const QColor& color)
{
    if (color == end_)
        return;
    end_ = color;
    changed();
}

void TGradBox::setGradStep(int step)
{
    step = std::clamp(step, 0, 255);
    if (step == step_)
        return;
    step_ = step;
    changed();
}

void TGradBox::setDirection(TGradDirection direction)
{
    if (direction == direction_)
        return;
    direction_ = direction;
    changed();
}

QVector<TGradBox::Band> TGradBox::bands(int length, int gradStep, const QColor& start, const QColor& end)
{
    QVector<Band> result;
    if (length <= 0)
        return result;
    const int parts = gradStep + 1;
    const int bandLength = std::max(1, int(std::lround(double(length) / parts)));
    const auto channel = [&](int a, int b, int i) { return a + int(std::lround(double(b - a) / parts * i)); };
    QColor last = start;
    int covered = 0;
    for (int i = 0; i <= parts && covered < length; ++i) {
        last = QColor(channel(start.red(), end.red(), i), channel(start.green(), end.green(), i),
                      channel(start.blue(), end.blue(), i));
        const int from = i * bandLength;
        const int to = std::min(length, from + bandLength);
        result.append({from, to - from, last});
        covered = to;
    }
    if (covered < length)
        result.append({covered, length - covered, last});
    return result;
}

void TGradBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    // Colours are shown as they are: every colour is displayable here.
    const bool vertical = direction_ == gdVertical;
    const int length = vertical ? height() : width();
    for (const Band& band : bands(length, step_, start_, end_)) {
        const QRect r = vertical ? QRect(0, band.from, width(), band.length)
                                 : QRect(band.from, 0, band.length, height());
        painter.fillRect(r, band.color);
    }
}
