#pragma once

#include "TCustomBoxLabel.h"

// The bevelled label of the forms.
class TBoxLabel : public TCustomBoxLabel {
    Q_OBJECT
    Q_PROPERTY(Qt::Alignment Alignment READ alignment WRITE setAlignment)
    Q_PROPERTY(TCustomBoxLabel::THorizontalAlign HorizontalAlign READ horizontalAlign WRITE setHorizontalAlign)
    Q_PROPERTY(QString Caption READ caption WRITE setCaption)
    Q_PROPERTY(int TextBorder READ textBorder WRITE setTextBorder)
    Q_PROPERTY(Bevel::TBevelCut BevelInner READ bevelInner WRITE setBevelInner)
    Q_PROPERTY(Bevel::TBevelCut BevelOuter READ bevelOuter WRITE setBevelOuter)
    Q_PROPERTY(int BevelWidth READ bevelWidth WRITE setBevelWidth)
    Q_PROPERTY(QString FormatString READ formatString WRITE setFormatString)
    Q_PROPERTY(QColor Color READ color WRITE setColor)
    Q_PROPERTY(int Width READ width WRITE setWidth)
    Q_PROPERTY(int Height READ height WRITE setHeight)
    Q_PROPERTY(bool WordWrap READ wordWrap WRITE setWordWrap)
    Q_PROPERTY(TCustomBoxLabel::TBorderStyle BorderStyle READ borderStyle WRITE setBorderStyle)
    Q_PROPERTY(int Decimals READ decimals WRITE setDecimals)

public:
    explicit TBoxLabel(QWidget* parent = nullptr);

    void setWidth(int width) { resize(width, height()); }
    void setHeight(int height) { resize(width(), height); }
};
