#pragma once

#include "GridTextCache.h"
#include "TBaseStrGrid.h"
#include "TSCGCellFonts.h"
#include "TSCGCellParams.h"
#include "TSCGEvents.h"
#include "TSCGTypes.h"

#include <QSet>
#include <QStringList>

class TSCGCellFont;
class TSCGCellParam;

// The string grid that paints every cell itself and takes its look and
// behaviour per cell or cell range from its cell parameters.
class TStrColGrid : public TBaseStrGrid {
    Q_OBJECT
    Q_PROPERTY(TSCGCellParams* CellParams READ CellParams CONSTANT)
    Q_PROPERTY(TSCGCellFonts* Fonts READ Fonts CONSTANT)
    Q_PROPERTY(Scg::TAlignment Alignment READ Alignment WRITE SetAlignment)
    Q_PROPERTY(Scg::TAlignment FixedAlignment READ FixedAlignment WRITE SetFixedAlignment)
    Q_PROPERTY(Scg::TTextLayout FixedLayout READ FixedLayout WRITE SetFixedLayout)
    Q_PROPERTY(bool FocusDraw READ FocusDraw WRITE SetFocusDraw)
    Q_PROPERTY(QColor FocusCellColor READ FocusCellColor WRITE SetFocusCellColor)
    Q_PROPERTY(QColor FocusCellFontColor READ FocusCellFontColor WRITE SetFocusCellFontColor)
    Q_PROPERTY(bool FocusCellFontColorEnabled READ FocusCellFontColorEnabled WRITE SetFocusCellFontColorEnabled)
    Q_PROPERTY(Scg::TImeMode ImeMode READ ImeMode WRITE SetImeMode)
    Q_PROPERTY(bool CellDivide READ CellDivide WRITE SetCellDivide)
    Q_PROPERTY(Scg::TTextLayout Layout READ Layout WRITE SetLayout)
    Q_PROPERTY(Scg::TGridOptions Options READ Options WRITE SetOptions)

public:
    explicit TStrColGrid(QWidget* parent = nullptr);
    ~TStrColGrid() override;

    TSCGCellParams* CellParams() const { return cellParams_; }
    TSCGCellFonts* Fonts() const { return fonts_; }
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment value);
    TAlignment FixedAlignment() const { return fixedAlignment_; }
    void SetFixedAlignment(TAlignment value);
    TTextLayout FixedLayout() const { return fixedLayout_; }
    void SetFixedLayout(TTextLayout value);
    bool FocusDraw() const { return focusDraw_; }
    void SetFocusDraw(bool value);
    QColor FocusCellColor() const { return focusCellColor_; }
    void SetFocusCellColor(const QColor& value);
    QColor FocusCellFontColor() const { return focusCellFontColor_; }
    void SetFocusCellFontColor(const QColor& value);
    bool FocusCellFontColorEnabled() const { return focusCellFontColorEnabled_; }
    void SetFocusCellFontColorEnabled(bool value);
    TImeMode ImeMode() const { return imeMode_; }
    void SetImeMode(TImeMode value);
    bool CellDivide() const { return cellDivide_; }
    void SetCellDivide(bool value);
    TTextLayout Layout() const { return layout_; }
    void SetLayout(TTextLayout value) { layout_ = value; }
    // The grid's own options; a cell parameter with OptionsEnabled replaces
    // them while one of its cells is current.
    TGridOptions Options() const { return options_; }
    void SetOptions(TGridOptions value);

    TSCGCellChangedEvent OnCellChanged;
    TSCGColChangedEvent OnColChanged;
    TSCGRowChangedEvent OnRowChanged;
    TSCGOutCellTextEvent OnOutCellText;
    TSCGDrawTextOneLineEvent OnDrawTextOneLine;
    TNotifyEvent BeforeDraw;

    // The last parameter covering the cell; with Create, a new single-cell
    // parameter in the cell's present colours when none covers it.
    TSCGCellParam* FindCellParam(int ACol, int ARow, bool Create);
    void SetCellAlignment(int ACol, int ARow, TAlignment Value);
    void SetCellFontColor(int ACol, int ARow, const QColor& Value);
    void SetCellFontWidth(int ACol, int ARow, int Value);
    void SetCellColor(int ACol, int ARow, const QColor& Value);
    virtual void PrepareCellCanvas(int ACol, int ARow, bool Highlight, TSCGCellParam* Param, TGridDrawState State);
    // The width of `text` in the grid's font, as a paint lays it out; kept
    // for the paints that show it.
    int TextWidth(const QString& text);

    // Form loading: between the two, ranges and font names are taken as they
    // come. Loaded then puts the current cell's settings in force.
    void BeginLoading() { loading_ = true; }
    void Loaded();
    bool IsLoading() const { return loading_; }

    // The display text of a parameter's cell from its caption and cell text.
    static QString CombineCaption(TSCGCellCaptionType type, const QString& caption, const QString& cellText);
    // The bands of a divided cell: equal heights, the last one taking the rest.
    static QList<QRect> DivideRect(const QRect& rect, int lines);
    // Band i (0-based) of the `lines` bands of DivideRect.
    static QRect BandRect(const QRect& rect, int lines, int i);
    // Applies an input-method mode to a widget as Qt input-method hints.
    static void ApplyImeMode(QWidget* widget, TImeMode mode);

protected:
    bool SelectCell(int col, int row) override;
    void DrawCell(int col, int row, const QRect& rect, TGridDrawState state) override;
    void BeforePaint() override;
    void CurrentCellForced() override;
    void EditorCreated(QLineEdit* editor) override;
    void focusInEvent(QFocusEvent* event) override;
    void showEvent(QShowEvent* event) override;

    bool IsFocusHighlight(TSCGCellParam* param, TGridDrawState state) const;
    void DrawFocusDots(const QRect& rect, bool top, bool bottom, bool left, bool right);

private:
    void checkCellIndex(int col, int row) const;
    template <typename Changed, typename Set>
    void changeCell(int ACol, int ARow, Changed changed, Set set);
    // The named font of a parameter, nullptr for the grid's own; raises for
    // a name missing from Fonts.
    const TSCGCellFont* namedFont(const TSCGCellParam* param) const;
    // The font of a parameter, or the grid's. A name missing from Fonts
    // cannot fail a paint: the grid's font is used and the error reported
    // once.
    QFont fontFor(const TSCGCellParam* param, QColor* color = nullptr);
    void reportMissingFont(const QString& name, const QString& message);
    void applyCellSettings(TSCGCellParam* param);
    void drawLines(int col, int row, const QRect& rect, TGridDrawState state, TSCGCellParam* param,
                   TGridOptions options, const QString& text, int overstrike, TAlignment alignment,
                   TTextLayout layout);
    void drawFocusMarks(int col, int row, const QRect& rect, TGridDrawState state, TSCGCellParam* param,
                        TGridOptions options);
    void draw3DFrame(const QRect& rect);

    TSCGCellParams* cellParams_;
    TSCGCellFonts* fonts_;
    TAlignment alignment_ = taLeftJustify;
    TAlignment fixedAlignment_ = taLeftJustify;
    TTextLayout fixedLayout_ = tlTop;
    bool focusDraw_ = true;
    QColor focusCellColor_;
    QColor focusCellFontColor_;
    bool focusCellFontColorEnabled_ = false;
    TImeMode imeMode_ = imDontCare;
    bool cellDivide_ = true;
    TTextLayout layout_ = tlTop;
    TGridOptions options_ = DefaultGridOptions;

    int prevCol_ = 1;
    int prevRow_ = 1;
    bool loading_ = false;
    bool loadedOnce_ = false;
    TSCGCanvasState saved_;
    QStringList lines_;
    GridTextCache texts_;
    QSet<QString> reportedFonts_;
};
