#include "GridTextCache.h"

#include <QFontMetrics>
#include <QPainter>

namespace {
// A grid shows at most a few hundred texts; past this the cache starts over
// rather than grow with every value ever shown.
constexpr qsizetype MostEntries = 4096;
} // namespace

void GridTextCache::useFont(const QFont& font)
{
    if (font == font_ && font.resolveMask() == font_.resolveMask())
        return;
    entries_.clear();
    font_ = font;
    exactAscent_ = QFontMetricsF(font).ascent();
    const QFontMetrics metrics(font);
    ascent_ = metrics.ascent();
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
    if (entries_.size() >= MostEntries && !entries_.contains(text))
        entries_.clear();
    auto it = entries_.find(text);
    if (it == entries_.end()) {
        Entry e;
        e.width = QFontMetrics(font).horizontalAdvance(text);
        e.text.setText(text);
        e.text.setTextFormat(Qt::PlainText);
        e.text.setPerformanceHint(QStaticText::AggressiveCaching);
        e.text.prepare(QTransform(), font);
        it = entries_.insert(text, e);
    }
    return *it;
}

int GridTextCache::width(const QFont& font, const QString& text) { return entry(font, text).width; }

void GridTextCache::draw(QPainter& painter, const QFont& font, int x, int baseline, const QString& text)
{
    Entry& e = entry(font, text);
    painter.setFont(font);
    painter.drawStaticText(QPointF(x, baseline - exactAscent_), e.text);
}
