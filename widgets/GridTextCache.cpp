#include "GridTextCache.h"

#include <QFontMetrics>
#include <QPaintDevice>
#include <QPainter>

#define XXH_INLINE_ALL
#include <xxhash.h>

namespace {
// A grid shows at most a few hundred texts; past this the cache starts over
// rather than grow with every value ever shown.
constexpr qsizetype MostEntries = 2048;
// Room around the text's box for glyphs that reach past their advance or
// above the ascent (accents, italics).
constexpr int Margin = 2;
} // namespace

std::size_t GridTextCache::TextHash::operator()(const QString& text) const noexcept
{
    return XXH3_64bits(text.constData(), static_cast<std::size_t>(text.size()) * sizeof(QChar));
}

void GridTextCache::forget()
{
    entries_.clear();
    last_ = nullptr;
    lastText_.clear();
}

void GridTextCache::useFont(const QFont& font)
{
    // The cells' fonts are copies of a few kept fonts: the copy test spares
    // comparing every attribute at every cell.
    if (font.isCopyOf(font_) || (font == font_ && font.resolveMask() == font_.resolveMask()))
        return;
    forget();
    font_ = font;
    const QFontMetrics metrics(font);
    ascent_ = metrics.ascent();
    descent_ = metrics.descent();
    height_ = metrics.height();
}

int GridTextCache::ascent(const QFont& font)
{
    useFont(font);
    return ascent_;
}

int GridTextCache::height(const QFont& font)
{
    useFont(font);
    return height_;
}

GridTextCache::Entry& GridTextCache::entry(const QFont& font, const QString& text)
{
    useFont(font);
    if (last_ && text.constData() == lastText_.constData() && text.size() == lastText_.size())
        return *last_;
    auto it = entries_.find(text);
    if (it == entries_.end()) {
        if (entries_.size() >= MostEntries)
            forget();
        Entry e;
        e.width = QFontMetrics(font).horizontalAdvance(text);
        it = entries_.emplace(text, std::move(e)).first;
    }
    lastText_ = text;
    last_ = &it->second;
    return it->second;
}

int GridTextCache::width(const QFont& font, const QString& text) { return entry(font, text).width; }

void GridTextCache::render(Entry& e, const QString& text, QRgb colour, const QPaintDevice& device)
{
    const QFontMetrics metrics(font_);
    const int left = std::min(0, metrics.leftBearing(text.front())) - Margin;
    const int right = std::max(e.width, e.width - metrics.rightBearing(text.back())) + Margin;
    e.offset = QPoint(left, -ascent_ - Margin);
    const QSize size(right - left, ascent_ + descent_ + 2 * Margin);
    const qreal pixelRatio = device.devicePixelRatioF();
    e.image = QImage((QSizeF(size) * pixelRatio).toSize(), QImage::Format_ARGB32_Premultiplied);
    e.image.setDevicePixelRatio(pixelRatio);
    // The font's points become the same pixels as on the grid's screen.
    e.image.setDotsPerMeterX(qRound(device.logicalDpiX() / 0.0254));
    e.image.setDotsPerMeterY(qRound(device.logicalDpiY() / 0.0254));
    e.image.fill(Qt::transparent);
    e.colour = colour;
    QPainter painter(&e.image);
    painter.setFont(font_);
    painter.setPen(QColor::fromRgba(colour));
    painter.drawText(QPointF(-e.offset.x(), -e.offset.y()), text);
}

void GridTextCache::draw(QPainter& painter, const QFont& font, const QColor& colour, int x, int baseline,
                         const QString& text)
{
    const QPaintDevice* device = painter.device();
    if (text.isEmpty() || !device)
        return;
    // Images drawn for another screen would be scaled; the cache starts over
    // instead.
    const Screen screen{device->devicePixelRatioF(), device->logicalDpiX(), device->logicalDpiY()};
    if (screen != screen_) {
        forget();
        screen_ = screen;
    }
    Entry& e = entry(font, text);
    if (e.image.isNull() || e.colour != colour.rgba())
        render(e, text, colour.rgba(), *device);
    painter.drawImage(QPoint(x, baseline) + e.offset, e.image);
}
