#pragma once

#include "Bevel.h"

#include <QAbstractButton>
#include <QColor>
#include <QIcon>

// A square button that shows an icon, with bevel looks by ButtonStyle and a
// background that changes while the pointer is over it.
class TIconButton : public QAbstractButton {
    Q_OBJECT
public:
    enum TButtonStyle { bsNone, bsLowered, bsRaised, bsFrame, bsGroove, bsIELike };
    Q_ENUM(TButtonStyle)

private:
    Q_PROPERTY(TButtonStyle ButtonStyle READ buttonStyle WRITE setButtonStyle)
    Q_PROPERTY(bool ColorChange READ colorChange WRITE setColorChange)
    Q_PROPERTY(QIcon Icon READ buttonIcon WRITE setButtonIcon)
    Q_PROPERTY(QColor InColor READ inColor WRITE setInColor)
    Q_PROPERTY(QColor OutColor READ outColor WRITE setOutColor)
    Q_PROPERTY(bool Stretch READ stretch WRITE setStretch)
    Q_PROPERTY(bool Ctl3D READ ctl3D WRITE setCtl3D)

public:
    explicit TIconButton(QWidget* parent = nullptr);

    TButtonStyle buttonStyle() const { return style_; }
    void setButtonStyle(TButtonStyle style);
    bool colorChange() const { return colorChange_; }
    void setColorChange(bool on) { colorChange_ = on; }
    QIcon buttonIcon() const { return icon_; }
    void setButtonIcon(const QIcon& icon);
    QColor inColor() const { return inColor_; }
    void setInColor(const QColor& color);
    QColor outColor() const { return outColor_; }
    void setOutColor(const QColor& color);
    bool stretch() const { return stretch_; }
    void setStretch(bool on);
    bool ctl3D() const { return ctl3D_; }
    void setCtl3D(bool on) { ctl3D_ = on; }

    // The look now: the outer and inner bevel, and the background.
    Bevel::TBevelCut outerBevel() const { return outer_; }
    Bevel::TBevelCut innerBevel() const { return inner_; }
    QColor currentColor() const { return current_; }

    QSize sizeHint() const override { return {36, 36}; }

signals:
    void MouseEnter(Qt::KeyboardModifiers shift, int x, int y);
    void MouseLeave(Qt::KeyboardModifiers shift, int x, int y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void restLook();
    void pressedLook();
    void releasedLook();
    void setLook(Bevel::TBevelCut outer, Bevel::TBevelCut inner);

    TButtonStyle style_ = bsFrame;
    bool colorChange_ = true;
    QIcon icon_;
    QColor inColor_;
    QColor outColor_;
    QColor current_;
    bool stretch_ = false;
    bool ctl3D_ = true;
    bool pointerInside_ = false;
    Bevel::TBevelCut outer_ = Bevel::bvNone;
    Bevel::TBevelCut inner_ = Bevel::bvNone;
};
