#pragma once

#include <QAbstractButton>
#include <QColor>

// A push button with a gradient face and an effect caption.
class TGradBtn : public QAbstractButton {
    Q_OBJECT
public:
    enum TGradientStyle { gsHorizontal, gsVertical, gsElliptic, gsRectangle, gsVertCenter, gsHorizCenter };
    Q_ENUM(TGradientStyle)
    enum TTextStyle { tsNormal, tsRaised, tsInset };
    Q_ENUM(TTextStyle)
    enum TShadeType { stLight, stHeavy };
    Q_ENUM(TShadeType)
    enum TPresets { None, GoldCoast, LimeBox, Aluminum, SunRise };
    Q_ENUM(TPresets)

private:
    Q_PROPERTY(QColor BtnHiliteClr READ btnHiliteClr WRITE setBtnHiliteClr)
    Q_PROPERTY(QColor BtnShadowClr READ btnShadowClr WRITE setBtnShadowClr)
    Q_PROPERTY(int BtnFrameSize READ btnFrameSize WRITE setBtnFrameSize)
    Q_PROPERTY(QColor TxtHiliteClr READ txtHiliteClr WRITE setTxtHiliteClr)
    Q_PROPERTY(QColor TxtShadowClr READ txtShadowClr WRITE setTxtShadowClr)
    Q_PROPERTY(QColor BeginColor READ beginColor WRITE setBeginColor)
    Q_PROPERTY(QColor EndColor READ endColor WRITE setEndColor)
    Q_PROPERTY(bool SwapColors READ swapColors WRITE setSwapColors)
    Q_PROPERTY(bool ShowFocus READ showFocus WRITE setShowFocus)
    Q_PROPERTY(TGradientStyle GradientStyle READ gradientStyle WRITE setGradientStyle)
    Q_PROPERTY(TTextStyle TextStyle READ textStyle WRITE setTextStyle)
    Q_PROPERTY(TShadeType TextShadeType READ textShadeType WRITE setTextShadeType)
    Q_PROPERTY(TPresets Presets READ presets WRITE setPresets)
    Q_PROPERTY(QString Caption READ text WRITE setText)

public:
    explicit TGradBtn(QWidget* parent = nullptr);

    QColor btnHiliteClr() const { return btnHilite_; }
    void setBtnHiliteClr(const QColor& color);
    QColor btnShadowClr() const { return btnShadow_; }
    void setBtnShadowClr(const QColor& color);
    int btnFrameSize() const { return frameSize_; }
    void setBtnFrameSize(int size);
    QColor txtHiliteClr() const { return txtHilite_; }
    void setTxtHiliteClr(const QColor& color);
    QColor txtShadowClr() const { return txtShadow_; }
    void setTxtShadowClr(const QColor& color);
    QColor beginColor() const { return begin_; }
    void setBeginColor(const QColor& color);
    QColor endColor() const { return end_; }
    void setEndColor(const QColor& color);
    bool swapColors() const { return swapColors_; }
    void setSwapColors(bool on) { swapColors_ = on; }
    bool showFocus() const { return showFocus_; }
    void setShowFocus(bool on);
    TGradientStyle gradientStyle() const { return gradientStyle_; }
    void setGradientStyle(TGradientStyle style);
    TTextStyle textStyle() const { return textStyle_; }
    void setTextStyle(TTextStyle style);
    TShadeType textShadeType() const { return shadeType_; }
    void setTextShadeType(TShadeType type);
    // Named schemes belong to a form editor; at run time this only stores.
    TPresets presets() const { return presets_; }
    void setPresets(TPresets presets) { presets_ = presets; }

    // The face as drawn now, gradient, frame and caption.
    QPixmap face() const;

    QSize sizeHint() const override { return {75, 25}; }

signals:
    void MouseEnter();
    void MouseLeave();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void paintGradient(QPainter& painter, const QColor& from, const QColor& to) const;
    // The gradient alone, shared by every button of the same size, style and
    // colours: a window of keypads has dozens of alike buttons, and each
    // gradient is 256 bands.
    QPixmap gradient(qreal dpr) const;
    void swap();

    QColor btnHilite_;
    QColor btnShadow_;
    int frameSize_ = 1;
    QColor txtHilite_;
    QColor txtShadow_;
    QColor begin_;
    QColor end_;
    bool swapColors_ = true;
    bool showFocus_ = true;
    TGradientStyle gradientStyle_ = gsVertCenter;
    TTextStyle textStyle_ = tsRaised;
    TShadeType shadeType_ = stLight;
    TPresets presets_ = None;
    bool swapped_ = false;
};
