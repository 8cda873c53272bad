#pragma once

#include "TSCGEvents.h"
#include "TSCGTypes.h"

#include <QBrush>
#include <QColor>
#include <QObject>
#include <QString>

class TSCGCellParams;

// The look and behaviour of one cell or one rectangle of cells. Colours,
// brush and font colour take effect only with their Enabled flag set.
class TSCGCellParam : public QObject {
    Q_OBJECT
    Q_PROPERTY(Scg::TAlignment Alignment READ Alignment WRITE SetAlignment)
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(Scg::TSCGCellCaptionType CaptionType READ CaptionType WRITE SetCaptionType)
    Q_PROPERTY(QColor CellColor READ CellColor WRITE SetCellColor)
    Q_PROPERTY(bool CellColorEnabled READ CellColorEnabled WRITE SetCellColorEnabled)
    Q_PROPERTY(int Col READ Col WRITE SetCol)
    Q_PROPERTY(int ColMax READ ColMax WRITE SetColMax)
    Q_PROPERTY(QBrush Brush READ Brush WRITE SetBrush)
    Q_PROPERTY(bool BrushEnabled READ BrushEnabled WRITE SetBrushEnabled)
    Q_PROPERTY(QString FontName READ FontName WRITE SetFontName)
    Q_PROPERTY(QColor FontColor READ FontColor WRITE SetFontColor)
    Q_PROPERTY(bool FontColorEnabled READ FontColorEnabled WRITE SetFontColorEnabled)
    Q_PROPERTY(int FontWidth READ FontWidth WRITE SetFontWidth)
    Q_PROPERTY(Scg::TImeMode ImeMode READ ImeMode WRITE SetImeMode)
    Q_PROPERTY(bool ImeModeEnabled READ ImeModeEnabled WRITE SetImeModeEnabled)
    Q_PROPERTY(Scg::TTextLayout Layout READ Layout WRITE SetLayout)
    Q_PROPERTY(QString Name READ Name WRITE SetName)
    Q_PROPERTY(Scg::TGridOptions Options READ Options WRITE SetOptions)
    Q_PROPERTY(bool OptionsEnabled READ OptionsEnabled WRITE SetOptionsEnabled)
    Q_PROPERTY(bool RangeEnabled READ RangeEnabled WRITE SetRangeEnabled)
    Q_PROPERTY(int Row READ Row WRITE SetRow)
    Q_PROPERTY(int RowMax READ RowMax WRITE SetRowMax)
    Q_PROPERTY(int Tag READ Tag WRITE SetTag)

public:
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment value) { alignment_ = value; }
    QString Caption() const { return caption_; }
    void SetCaption(const QString& value) { caption_ = value; }
    TSCGCellCaptionType CaptionType() const { return captionType_; }
    void SetCaptionType(TSCGCellCaptionType value) { captionType_ = value; }
    QColor CellColor() const { return cellColor_; }
    void SetCellColor(const QColor& value) { cellColor_ = value; }
    bool CellColorEnabled() const { return cellColorEnabled_; }
    void SetCellColorEnabled(bool value) { cellColorEnabled_ = value; }
    int Col() const { return col_; }
    void SetCol(int value);
    int ColMax() const { return colMax_; }
    void SetColMax(int value);
    QBrush Brush() const { return brush_; }
    void SetBrush(const QBrush& value) { brush_ = value; }
    bool BrushEnabled() const { return brushEnabled_; }
    void SetBrushEnabled(bool value) { brushEnabled_ = value; }
    QString FontName() const { return fontName_; }
    // A name that is not among the grid's fonts is dropped silently.
    void SetFontName(const QString& value);
    QColor FontColor() const { return fontColor_; }
    void SetFontColor(const QColor& value) { fontColor_ = value; }
    bool FontColorEnabled() const { return fontColorEnabled_; }
    void SetFontColorEnabled(bool value) { fontColorEnabled_ = value; }
    int FontWidth() const { return fontWidth_; }
    void SetFontWidth(int value);
    TImeMode ImeMode() const { return imeMode_; }
    void SetImeMode(TImeMode value) { imeMode_ = value; }
    bool ImeModeEnabled() const { return imeModeEnabled_; }
    void SetImeModeEnabled(bool value) { imeModeEnabled_ = value; }
    TTextLayout Layout() const { return layout_; }
    void SetLayout(TTextLayout value) { layout_ = value; }
    QString Name() const { return name_; }
    void SetName(const QString& value) { name_ = value; }
    TGridOptions Options() const { return options_; }
    void SetOptions(TGridOptions value) { options_ = value; }
    bool OptionsEnabled() const { return optionsEnabled_; }
    void SetOptionsEnabled(bool value) { optionsEnabled_ = value; }
    bool RangeEnabled() const { return rangeEnabled_; }
    // Refuses a rectangle whose last column or row lies before its first.
    void SetRangeEnabled(bool value);
    int Row() const { return row_; }
    void SetRow(int value);
    int RowMax() const { return rowMax_; }
    void SetRowMax(int value);
    int Tag() const { return tag_; }
    void SetTag(int value) { tag_ = value; }

    TSCGParamsCellChangedEvent OnEnterCell;
    TSCGParamsCellChangedEvent OnExitCell;
    TSCGParamsColChangedEvent OnEnterCol;
    TSCGParamsColChangedEvent OnExitCol;
    TSCGParamsRowChangedEvent OnEnterRow;
    TSCGParamsRowChangedEvent OnExitRow;
    TSCGOutCellTextEvent OnOutCellText;
    TSCGDrawTextOneLineEvent OnDrawTextOneLine;
    TSCGDrawCellEvent OnDrawCell;

    bool Covers(int col, int row) const;
    // "Name (col,row)-(colMax,rowMax)", the prefix of the messages.
    QString DisplayName() const;
    // Copies every property and event of another item.
    void Assign(const TSCGCellParam& source);
    TSCGCellParams* Collection() const { return collection_; }

private:
    friend class TSCGCellParams;
    friend class TSCGCellFont; // follows a font rename
    explicit TSCGCellParam(TSCGCellParams* collection);
    bool loading() const;

    TSCGCellParams* collection_;
    TAlignment alignment_ = taLeftJustify;
    QString caption_;
    TSCGCellCaptionType captionType_ = ctCellText;
    QColor cellColor_;
    bool cellColorEnabled_ = false;
    int col_ = 0;
    int colMax_ = 0;
    QBrush brush_{Qt::white, Qt::SolidPattern};
    bool brushEnabled_ = false;
    QString fontName_;
    QColor fontColor_;
    bool fontColorEnabled_ = false;
    int fontWidth_ = 1;
    TImeMode imeMode_ = imDontCare;
    bool imeModeEnabled_ = false;
    TTextLayout layout_ = tlTop;
    QString name_;
    TGridOptions options_;
    bool optionsEnabled_ = false;
    bool rangeEnabled_ = false;
    int row_ = 0;
    int rowMax_ = 0;
    int tag_ = 0;
};
