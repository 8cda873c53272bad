#pragma once

#include "Bevel.h"

#include <QColor>
#include <QWidget>

// A bevelled label: the drawing and the stored values behind TBoxLabel.
class TCustomBoxLabel : public QWidget {
    Q_OBJECT
public:
    enum THorizontalAlign { haTop, haCenter, haBottom };
    Q_ENUM(THorizontalAlign)
    enum TBorderStyle { bsNone, bsSingle };
    Q_ENUM(TBorderStyle)

    explicit TCustomBoxLabel(QWidget* parent = nullptr);

    Qt::Alignment alignment() const { return alignment_; }
    void setAlignment(Qt::Alignment alignment);
    THorizontalAlign horizontalAlign() const { return horizontalAlign_; }
    void setHorizontalAlign(THorizontalAlign align);
    QString caption() const { return caption_; }
    void setCaption(const QString& caption);
    int textBorder() const { return textBorder_; }
    void setTextBorder(int border);
    Bevel::TBevelCut bevelInner() const { return bevelInner_; }
    void setBevelInner(Bevel::TBevelCut cut);
    Bevel::TBevelCut bevelOuter() const { return bevelOuter_; }
    void setBevelOuter(Bevel::TBevelCut cut);
    int bevelWidth() const { return bevelWidth_; }
    void setBevelWidth(int width);
    QString formatString() const { return formatString_; }
    void setFormatString(const QString& format);
    QColor color() const { return color_; }
    void setColor(const QColor& color);
    bool wordWrap() const { return wordWrap_; }
    void setWordWrap(bool on);
    TBorderStyle borderStyle() const { return borderStyle_; }
    void setBorderStyle(TBorderStyle style);
    int decimals() const { return decimals_; }
    void setDecimals(int decimals);

    QSize sizeHint() const override { return {70, 20}; }

signals:
    void Click();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    Qt::Alignment alignment_ = Qt::AlignHCenter;
    THorizontalAlign horizontalAlign_ = haCenter;
    QString caption_;
    int textBorder_ = 2;
    Bevel::TBevelCut bevelInner_ = Bevel::bvLowered;
    Bevel::TBevelCut bevelOuter_ = Bevel::bvRaised;
    int bevelWidth_ = 1;
    QString formatString_;
    QColor color_;
    bool wordWrap_ = false;
    TBorderStyle borderStyle_ = bsNone;
    int decimals_ = 0;
    bool pressed_ = false;
};
