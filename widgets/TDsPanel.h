#pragma once

#include <QColor>
#include <QWidget>

// A panel with a face over a drop shadow; child controls lie on the face.
class TDsPanel : public QWidget {
    Q_OBJECT
public:
    enum TBorderLine { blNone, blRaised, blLowered };
    Q_ENUM(TBorderLine)
    enum TTextStyle { txNone, txLowered, txRaised };
    Q_ENUM(TTextStyle)

private:
    Q_PROPERTY(Qt::Alignment Alignment READ alignment WRITE setAlignment)
    Q_PROPERTY(TBorderLine BorderLine READ borderLine WRITE setBorderLine)
    Q_PROPERTY(QString Caption READ caption WRITE setCaption)
    Q_PROPERTY(QColor Color READ color WRITE setColor)
    Q_PROPERTY(QColor Color_High READ colorHigh WRITE setColorHigh)
    Q_PROPERTY(QColor Color_Low READ colorLow WRITE setColorLow)
    Q_PROPERTY(bool Ctl3D READ ctl3D WRITE setCtl3D)
    Q_PROPERTY(QColor FaceColor READ faceColor WRITE setFaceColor)
    Q_PROPERTY(bool Locked READ locked WRITE setLocked)
    Q_PROPERTY(QColor ShadowColor READ shadowColor WRITE setShadowColor)
    Q_PROPERTY(int ShadowWidth READ shadowWidth WRITE setShadowWidth)
    Q_PROPERTY(TTextStyle TextStyle READ textStyle WRITE setTextStyle)

public:
    explicit TDsPanel(QWidget* parent = nullptr);

    Qt::Alignment alignment() const { return alignment_; }
    void setAlignment(Qt::Alignment alignment);
    TBorderLine borderLine() const { return borderLine_; }
    void setBorderLine(TBorderLine line);
    QString caption() const { return caption_; }
    void setCaption(const QString& caption);
    QColor color() const { return color_; }
    void setColor(const QColor& color);
    QColor colorHigh() const { return colorHigh_; }
    void setColorHigh(const QColor& color);
    QColor colorLow() const { return colorLow_; }
    void setColorLow(const QColor& color);
    bool ctl3D() const { return ctl3D_; }
    void setCtl3D(bool on) { ctl3D_ = on; }
    QColor faceColor() const { return faceColor_; }
    void setFaceColor(const QColor& color);
    bool locked() const { return locked_; }
    void setLocked(bool on) { locked_ = on; }
    QColor shadowColor() const { return shadowColor_; }
    void setShadowColor(const QColor& color);
    int shadowWidth() const { return shadowWidth_; }
    void setShadowWidth(int width);
    TTextStyle textStyle() const { return textStyle_; }
    void setTextStyle(TTextStyle style);

    // The face, where the caption and the child controls go.
    QRect faceRect() const;

    QSize sizeHint() const override { return {185, 41}; }

signals:
    void Click();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void updateMargins();

    Qt::Alignment alignment_ = Qt::AlignHCenter;
    TBorderLine borderLine_ = blRaised;
    QString caption_;
    QColor color_;
    QColor colorHigh_;
    QColor colorLow_;
    bool ctl3D_ = true;
    QColor faceColor_;
    bool locked_ = false;
    QColor shadowColor_;
    int shadowWidth_ = 2;
    TTextStyle textStyle_ = txRaised;
    bool pressed_ = false;
};
