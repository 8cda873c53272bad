#include "PaintedIcon.h"

#include "DevicePixelIconEngine.h"

#include <QApplication>
#include <QHash>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QStyleOption>

#include <utility>

namespace {

class PaintedIconEngine : public DevicePixelIconEngine {
public:
    PaintedIconEngine(int side, std::function<void(QPainter&)> draw) : side_(side), draw_(std::move(draw)) {}

    QIconEngine* clone() const override { return new PaintedIconEngine(*this); }
    QString key() const override { return QStringLiteral("PaintedIconEngine"); }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override { return {QSize(side_, side_)}; }
    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override
    {
        const int side = std::min(size.width(), size.height());
        return QSize(side, side);
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        const QSize square = actualSize(size, mode, state);
        if (square.isEmpty())
            return QPixmap();
        const quint64 key = (quint64(square.width()) << 8) | quint64(mode);
        if (const auto known = drawn_.constFind(key); known != drawn_.cend())
            return *known;
        QPixmap pixmap(square);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(qreal(square.width()) / side_, qreal(square.height()) / side_);
        draw_(painter);
        painter.end();
        if (mode != QIcon::Normal) {
            // The look the style gives a disabled or selected icon, as Qt's
            // own icons get it.
            QStyleOption option;
            pixmap = QApplication::style()->generatedIconPixmap(mode, pixmap, &option);
        }
        drawn_.insert(key, pixmap);
        return pixmap;
    }

private:
    int side_;
    std::function<void(QPainter&)> draw_;
    QHash<quint64, QPixmap> drawn_;
};

} // namespace

QIcon PaintedIcon(int side, std::function<void(QPainter&)> draw)
{
    return QIcon(new PaintedIconEngine(side, std::move(draw)));
}
