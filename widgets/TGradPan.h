#pragma once

#include "Bevel.h"

#include <QColor>
#include <QFrame>
#include <QPixmap>
#include <QVector>

// A panel with a striped gradient or image background and an effect caption;
// title strips and bars. When Moveable, the user can drag and size it.
class TGradPan : public QFrame {
    Q_OBJECT
public:
    enum TBackGroundEffect { bdFlat, bdStretchImage, bdTileImage, bdUp, bdDown, bdLeft, bdRight,
                             bdHorzIn, bdHorzOut, bdVertIn, bdVertOut };
    Q_ENUM(TBackGroundEffect)
    enum TTextEffect { tenone, teShadow, teRaised, teLowered, teEmbossed };
    Q_ENUM(TTextEffect)
    enum TTextRotation { trNone, TrUp, TrDown };
    Q_ENUM(TTextRotation)
    enum TVertAlign { vlTop, vlCenter, VlBottom };
    Q_ENUM(TVertAlign)

private:
    Q_PROPERTY(QPixmap Bitmap READ bitmap WRITE setBitmap)
    Q_PROPERTY(TBackGroundEffect BackGroundEffect READ backGroundEffect WRITE setBackGroundEffect)
    Q_PROPERTY(QColor ColorEnd READ colorEnd WRITE setColorEnd)
    Q_PROPERTY(QColor ColorShadow READ colorShadow WRITE setColorShadow)
    Q_PROPERTY(QColor ColorStart READ colorStart WRITE setColorStart)
    Q_PROPERTY(bool Ctl3D READ ctl3D WRITE setCtl3D)
    Q_PROPERTY(TTextEffect TextEffect READ textEffect WRITE setTextEffect)
    Q_PROPERTY(TTextRotation TextRotation READ textRotation WRITE setTextRotation)
    Q_PROPERTY(TVertAlign VertAlign READ vertAlign WRITE setVertAlign)
    Q_PROPERTY(int Marge READ marge WRITE setMarge)
    Q_PROPERTY(bool Moveable READ moveable WRITE setMoveable)
    Q_PROPERTY(QString Caption READ caption WRITE setCaption)
    Q_PROPERTY(Qt::Alignment Alignment READ alignment WRITE setAlignment)
    Q_PROPERTY(Bevel::TBevelCut BevelInner READ bevelInner WRITE setBevelInner)
    Q_PROPERTY(Bevel::TBevelCut BevelOuter READ bevelOuter WRITE setBevelOuter)
    Q_PROPERTY(int BevelWidth READ bevelWidth WRITE setBevelWidth)

public:
    explicit TGradPan(QWidget* parent = nullptr);

    QPixmap bitmap() const { return bitmap_; }
    void setBitmap(const QPixmap& bitmap);
    TBackGroundEffect backGroundEffect() const { return effect_; }
    void setBackGroundEffect(TBackGroundEffect effect);
    QColor colorEnd() const { return colorEnd_; }
    void setColorEnd(const QColor& color);
    QColor colorShadow() const { return colorShadow_; }
    void setColorShadow(const QColor& color);
    QColor colorStart() const { return colorStart_; }
    void setColorStart(const QColor& color);
    bool ctl3D() const { return ctl3D_; }
    void setCtl3D(bool on);
    TTextEffect textEffect() const { return textEffect_; }
    void setTextEffect(TTextEffect effect);
    TTextRotation textRotation() const { return rotation_; }
    void setTextRotation(TTextRotation rotation);
    TVertAlign vertAlign() const { return vertAlign_; }
    void setVertAlign(TVertAlign align);
    int marge() const { return marge_; }
    void setMarge(int marge) { marge_ = marge; }
    bool moveable() const { return moveable_; }
    void setMoveable(bool on);
    QString caption() const { return caption_; }
    void setCaption(const QString& caption);
    Qt::Alignment alignment() const { return alignment_; }
    void setAlignment(Qt::Alignment alignment);
    Bevel::TBevelCut bevelInner() const { return bevelInner_; }
    void setBevelInner(Bevel::TBevelCut cut);
    Bevel::TBevelCut bevelOuter() const { return bevelOuter_; }
    void setBevelOuter(Bevel::TBevelCut cut);
    int bevelWidth() const { return bevelWidth_; }
    void setBevelWidth(int width);

    // The colours of the 100 stripes of a striped effect, first stripe first.
    static QVector<QColor> stripeColors(TBackGroundEffect effect, const QColor& start, const QColor& end);

    // The move or size zone at a point: a combination of Qt::Edge, 0 for the
    // drag zone.
    Qt::Edges zoneAt(const QPoint& pos) const;

signals:
    void PanelMove();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void paintBackground(QPainter& painter, const QRect& inner);
    void paintCaption(QPainter& painter, const QRect& area);
    int bevelExtent() const;
    void updateCursor(const QPoint& pos);

    QPixmap bitmap_;
    TBackGroundEffect effect_ = bdVertIn;
    QColor colorEnd_;
    QColor colorShadow_;
    QColor colorStart_;
    bool ctl3D_ = false;
    TTextEffect textEffect_ = teShadow;
    TTextRotation rotation_ = trNone;
    TVertAlign vertAlign_ = vlCenter;
    int marge_ = 6;
    bool moveable_ = false;
    QString caption_;
    Qt::Alignment alignment_ = Qt::AlignHCenter;
    Bevel::TBevelCut bevelInner_ = Bevel::bvNone;
    Bevel::TBevelCut bevelOuter_ = Bevel::bvRaised;
    int bevelWidth_ = 1;

    bool dragging_ = false;
    Qt::Edges dragZone_;
    QPoint dragStart_;
    QRect startGeometry_;
};
