#include "TBorRadio.h"

#include "ColorNumber.h"

#include <QFocusEvent>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <algorithm>

namespace {
constexpr int Diamond = 13;
constexpr int CaptionGap = 5;
} // namespace

TBorRadio::TBorRadio(QWidget* parent)
    : QAbstractButton(parent)
    , color_(SystemColor(15))
{
    setCheckable(true);
    setAutoExclusive(false);
    setFocusPolicy(Qt::ClickFocus);
    resize(98, 20);
    connect(this, &QAbstractButton::toggled, this, &TBorRadio::checkedChanged);
}

void TBorRadio::setCheckColor(const QColor& color)
{
    if (color == checkColor_)
        return;
    checkColor_ = color;
    update();
}

void TBorRadio::setGroupIndex(int index)
{
    groupIndex_ = std::clamp(index, 0, 255);
}

void TBorRadio::setColor(const QColor& color)
{
    if (color == color_)
        return;
    color_ = color;
    update();
}

QSize TBorRadio::sizeHint() const
{
    const QSize caption = fontMetrics().size(Qt::TextSingleLine, text());
    return {std::max(98, Diamond + CaptionGap + caption.width() + 4), std::max(20, caption.height() + 4)};
}

void TBorRadio::nextCheckState()
{
    // A radio is checked by a click, never unchecked by one.
    setChecked(true);
}

void TBorRadio::focusInEvent(QFocusEvent* event)
{
    QAbstractButton::focusInEvent(event);
    // A mouse press focuses too, but only the release inside checks.
    const Qt::FocusReason reason = event->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason
        && reason != Qt::MouseFocusReason && !isChecked())
        setChecked(true);
}

void TBorRadio::checkedChanged(bool checked)
{
    setFocusPolicy(checked ? Qt::StrongFocus : Qt::ClickFocus);
    if (checked) {
        if (QWidget* parent = parentWidget()) {
            const auto radios = parent->findChildren<TBorRadio*>(Qt::FindDirectChildrenOnly);
            for (TBorRadio* other : radios) {
                if (other != this && other->groupIndex_ == groupIndex_)
                    other->setChecked(false);
            }
        }
        emit Click();
    }
    update();
}

void TBorRadio::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), color_);
    const int top = (height() - Diamond) / 2;
    const QPointF left(0.5, top + 6.5), upper(6.5, top + 0.5), right(12.5, top + 6.5), lower(6.5, top + 12.5);
    QPainterPath diamond;
    diamond.moveTo(left);
    diamond.lineTo(upper);
    diamond.lineTo(right);
    diamond.lineTo(lower);
    diamond.closeSubpath();

    const bool sunken = isChecked() || isDown();
    const QColor light = SystemColor(20);
    const QColor shadow = SystemColor(16);
    const QColor darkShadow = SystemColor(21);
    const QColor face = isDown() ? QColor(Qt::black) : isChecked() ? SystemColor(5) : color_;
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.fillPath(diamond, face);
    // Two rings, as a 3D edge: the outer one light and black, the inner one
    // button face and shadow (reversed when sunken).
    const auto ring = [&](double inset, const QColor& upperColor, const QColor& lowerColor) {
        const QPointF l(left.x() + inset, left.y()), u(upper.x(), upper.y() + inset);
        const QPointF r(right.x() - inset, right.y()), d(lower.x(), lower.y() - inset);
        painter.setPen(QPen(upperColor, 1.2));
        painter.drawLine(d, l);
        painter.drawLine(l, u);
        painter.drawLine(u, r);
        painter.setPen(QPen(lowerColor, 1.2));
        painter.drawLine(r, d);
    };
    if (sunken) {
        ring(0, shadow, light);
        ring(1.2, darkShadow, color_);
    } else {
        ring(0, light, darkShadow);
        ring(1.2, color_, shadow);
    }
    if (isChecked() && !isDown()) {
        QPainterPath mark;
        mark.moveTo(3.5, top + 6.5);
        mark.lineTo(6.5, top + 3.5);
        mark.lineTo(9.5, top + 6.5);
        mark.lineTo(6.5, top + 9.5);
        mark.closeSubpath();
        painter.fillPath(mark, checkColor_);
    }
    painter.setRenderHint(QPainter::Antialiasing, false);

    const QRect textArea(Diamond + CaptionGap, 0, width() - Diamond - CaptionGap, height());
    const QRect textRect = fontMetrics().boundingRect(textArea, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic, text());
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.drawText(textArea, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic, text());
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = textRect.adjusted(-1, -1, 1, 1) & rect();
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}
