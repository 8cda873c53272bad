#include "TGradBtn.h"

#include "ColorNumber.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmapCache>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <algorithm>

namespace {

constexpr int Steps = 256;

QColor step(const QColor& a, const QColor& b, int i)
{
    const auto channel = [i](int x, int y) { return x + (y - x) * i / (Steps - 1); };
    return QColor(channel(a.red(), b.red()), channel(a.green(), b.green()), channel(a.blue(), b.blue()));
}

} // namespace

TGradBtn::TGradBtn(QWidget* parent)
    : QAbstractButton(parent)
    , btnHilite_(SystemColor(20))
    , btnShadow_(SystemColor(16))
    , txtHilite_(SystemColor(20))
    , txtShadow_(SystemColor(16))
    , begin_(ColorFromNumber(0x800000))
    , end_(ColorFromNumber(0xFFFF00))
{
    setFocusPolicy(Qt::StrongFocus);
    QPalette pal = palette();
    pal.setColor(QPalette::ButtonText, Qt::black);
    setPalette(pal);
    resize(75, 25);
}

#define GRADBTN_SETTER(Name, member, Type) \
    void TGradBtn::Name(Type value)        \
    {                                      \
        if (member == value)               \
            return;                        \
        member = value;                    \
        update();                          \
    }

GRADBTN_SETTER(setBtnHiliteClr, btnHilite_, const QColor&)
GRADBTN_SETTER(setBtnShadowClr, btnShadow_, const QColor&)
GRADBTN_SETTER(setTxtHiliteClr, txtHilite_, const QColor&)
GRADBTN_SETTER(setTxtShadowClr, txtShadow_, const QColor&)
GRADBTN_SETTER(setBeginColor, begin_, const QColor&)
GRADBTN_SETTER(setEndColor, end_, const QColor&)
GRADBTN_SETTER(setShowFocus, showFocus_, bool)
GRADBTN_SETTER(setGradientStyle, gradientStyle_, TGradientStyle)
GRADBTN_SETTER(setTextStyle, textStyle_, TTextStyle)
GRADBTN_SETTER(setTextShadeType, shadeType_, TShadeType)
#undef GRADBTN_SETTER

void TGradBtn::setBtnFrameSize(int size)
{
    size = std::max(size, 0);
    if (size == frameSize_)
        return;
    frameSize_ = size;
    update();
}

void TGradBtn::paintGradient(QPainter& painter, const QColor& from, const QColor& to) const
{
    const int w = width();
    const int h = height();
    for (int i = 0; i < Steps; ++i) {
        const QColor color = step(from, to, i);
        switch (gradientStyle_) {
        case gsHorizontal:
            painter.fillRect(QRect(i * w / Steps, 0, (i + 1) * w / Steps - i * w / Steps, h), color);
            break;
        case gsVertical:
            painter.fillRect(QRect(0, i * h / Steps, w, (i + 1) * h / Steps - i * h / Steps), color);
            break;
        case gsVertCenter: {
            // From both long edges towards the middle line.
            const int half = (h + 1) / 2;
            const int top = i * half / Steps;
            const int next = (i + 1) * half / Steps;
            painter.fillRect(QRect(0, top, w, next - top), color);
            painter.fillRect(QRect(0, h - next, w, next - top), color);
            break;
        }
        case gsHorizCenter: {
            const int half = (w + 1) / 2;
            const int left = i * half / Steps;
            const int next = (i + 1) * half / Steps;
            painter.fillRect(QRect(left, 0, next - left, h), color);
            painter.fillRect(QRect(w - next, 0, next - left, h), color);
            break;
        }
        case gsRectangle: {
            const double f = double(i) / Steps;
            const QRectF r(f * w / 2, f * h / 2, w * (1 - f), h * (1 - f));
            painter.fillRect(r, color);
            break;
        }
        case gsElliptic: {
            // The outer ellipse passes through the corners.
            const double f = 1.0 - double(i) / Steps;
            const double rx = w * 0.7072 * f;
            const double ry = h * 0.7072 * f;
            if (i == 0)
                painter.fillRect(rect(), color);
            painter.setPen(Qt::NoPen);
            painter.setBrush(color);
            painter.drawEllipse(QPointF(w / 2.0, h / 2.0), rx, ry);
            break;
        }
        }
    }
}

QPixmap TGradBtn::gradient(qreal dpr) const
{
    const QString key = QStringLiteral("TGradBtn %1 %2x%3 %4 %5 %6")
                            .arg(int(gradientStyle_))
                            .arg(width())
                            .arg(height())
                            .arg(dpr)
                            .arg(begin_.rgba())
                            .arg(end_.rgba());
    QPixmap pixmap;
    if (QPixmapCache::find(key, &pixmap))
        return pixmap;
    pixmap = QPixmap(size() * dpr);
    pixmap.setDevicePixelRatio(dpr);
    {
        QPainter painter(&pixmap);
        paintGradient(painter, begin_, end_);
    }
    QPixmapCache::insert(key, pixmap);
    return pixmap;
}

QPixmap TGradBtn::face() const
{
    // Drawn in the screen's own pixels: a face of the button's logical size
    // would be blown up, blurred, on a scaled screen.
    const qreal dpr = devicePixelRatioF();
    QPixmap pixmap(size() * dpr);
    pixmap.setDevicePixelRatio(dpr);
    QPainter painter(&pixmap);
    const bool pressed = isDown();
    painter.drawPixmap(0, 0, gradient(dpr));

    QRect ring = rect();
    for (int i = 0; i < frameSize_ && ring.width() > 0 && ring.height() > 0; ++i) {
        painter.setPen(pressed ? btnShadow_ : btnHilite_);
        painter.drawLine(ring.topLeft(), ring.topRight());
        painter.drawLine(ring.topLeft(), ring.bottomLeft());
        painter.setPen(pressed ? btnHilite_ : btnShadow_);
        painter.drawLine(ring.bottomLeft(), ring.bottomRight());
        painter.drawLine(ring.topRight(), ring.bottomRight());
        ring.adjust(1, 1, -1, -1);
    }

    const int flags = Qt::AlignCenter | Qt::TextShowMnemonic | Qt::TextSingleLine;
    const QRect textRect = pressed ? ring.translated(1, 1) : ring;
    painter.setFont(font());
    if (textStyle_ != tsNormal) {
        const int d = textStyle_ == tsRaised ? -1 : 1;
        painter.setPen(txtHilite_);
        painter.drawText(textRect.translated(d, d), flags, text());
        if (shadeType_ == stHeavy) {
            painter.setPen(txtShadow_);
            painter.drawText(textRect.translated(-d, -d), flags, text());
        }
    }
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(textRect, flags, text());

    if (hasFocus() && showFocus_) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = ring.adjusted(2, 2, -2, -2);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
    return pixmap;
}

void TGradBtn::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, face());
}

void TGradBtn::swap()
{
    if (!swapColors_)
        return;
    std::swap(begin_, end_);
    swapped_ = !swapped_;
    update();
}

void TGradBtn::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && !swapped_)
        swap();
    QAbstractButton::mousePressEvent(event);
}

void TGradBtn::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && swapped_)
        swap();
    QAbstractButton::mouseReleaseEvent(event);
}

void TGradBtn::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        click();
        event->accept();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

void TGradBtn::enterEvent(QEnterEvent* event)
{
    emit MouseEnter();
    QAbstractButton::enterEvent(event);
}

void TGradBtn::leaveEvent(QEvent* event)
{
    emit MouseLeave();
    QAbstractButton::leaveEvent(event);
}
