#pragma once

#include <QFont>
#include <QHash>
#include <QStaticText>
#include <QString>

class QPainter;

// Cell texts laid out once and drawn many times. Shaping a text (for its
// width and again for drawing it) is most of what a grid paint costs, and a
// grid shows the same few hundred texts paint after paint.
class GridTextCache {
public:
    // The width of `text` in `font`, as QFontMetrics::horizontalAdvance.
    int width(const QFont& font, const QString& text);
    // QFontMetrics(font).ascent() and height().
    int ascent(const QFont& font);
    int height(const QFont& font);
    // Draws `text` with its baseline at `baseline`, its left edge at x, in
    // the painter's pen, as QPainter::drawText(QPointF, QString) does.
    void draw(QPainter& painter, const QFont& font, int x, int baseline, const QString& text);

private:
    struct Entry {
        int width = 0;
        QStaticText text;
    };
    Entry& entry(const QFont& font, const QString& text);
    void useFont(const QFont& font);

    QFont font_;
    qreal exactAscent_ = 0; // where a laid-out text places its baseline
    int ascent_ = 0;
    int height_ = 0;
    QHash<QString, Entry> entries_;
};
