#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QString>

#include <cstddef>
#include <unordered_map>

class QPaintDevice;
class QPainter;

// Cell texts laid out and drawn once, then copied onto the grid paint after
// paint. Shaping a text (for its width and again for drawing it) and blending
// its glyphs one by one was most of what a grid paint cost, and a grid shows
// the same few hundred texts paint after paint.
class GridTextCache {
public:
    // The width of `text` in `font`, as QFontMetrics::horizontalAdvance.
    int width(const QFont& font, const QString& text);
    // QFontMetrics(font).ascent() and height().
    int ascent(const QFont& font);
    int height(const QFont& font);
    // Draws `text` in `colour` with its baseline at `baseline`, its left edge
    // at x, as QPainter::drawText(QPointF, QString) does with that pen.
    void draw(QPainter& painter, const QFont& font, const QColor& colour, int x, int baseline, const QString& text);

private:
    struct Entry {
        int width = 0;
        // The text drawn on a transparent image, and where the image's
        // top-left corner lies from the text's baseline origin; made at the
        // first draw in a colour.
        QImage image;
        QRgb colour = 0;
        QPoint offset;
    };
    Entry& entry(const QFont& font, const QString& text);
    void useFont(const QFont& font);
    void render(Entry& entry, const QString& text, QRgb colour, const QPaintDevice& device);

    struct Screen {
        qreal pixelRatio = 0;
        int dpiX = 0;
        int dpiY = 0;
        bool operator==(const Screen&) const = default;
    };

    // Qt's own string hash, on AES instructions, took a tenth of a grid
    // paint's time in profiles for a few hundred short texts; a scalar hash
    // of their few characters costs next to nothing.
    struct TextHash {
        std::size_t operator()(const QString& text) const noexcept;
    };
    void forget();

    QFont font_;
    Screen screen_;
    int ascent_ = 0;
    int descent_ = 0;
    int height_ = 0;
    std::unordered_map<QString, Entry, TextHash> entries_;
    // A cell's width is asked and then the same string is drawn: the second
    // lookup finds it here. Entries of the map stay where they are until it
    // is cleared.
    QString lastText_;
    Entry* last_ = nullptr;
};
