#include "TStrColGrid.h"

#include "ApplicationTitle.h"
#include "ColorNumber.h"
#include "ModalSeam.h"
#include "TSCGCellFont.h"
#include "TSCGCellParam.h"
#include "TSCGError.h"
#include "TSCGRangeError.h"

#include <QLineEdit>

namespace {

[[noreturn]] void raiseOutOfGrid()
{
    throw TSCGRangeError(QStringLiteral("ｾﾙ位置がｸﾞﾘｯﾄﾞの範囲を超えました。"));
}

} // namespace

TStrColGrid::TStrColGrid(QWidget* parent)
    : TBaseStrGrid(parent), cellParams_(new TSCGCellParams(this)), fonts_(new TSCGCellFonts(this)),
      focusCellColor_(SystemColor(13)), focusCellFontColor_(SystemColor(14))
{
    SetDefaultDrawing(false);
    SetGridOptions(options_);
    prevCol_ = Col();
    prevRow_ = Row();
    ApplyImeMode(this, imeMode_);
}

TStrColGrid::~TStrColGrid() = default;

void TStrColGrid::SetAlignment(TAlignment value)
{
    if (value == alignment_)
        return;
    alignment_ = value;
    viewport()->update();
}

void TStrColGrid::SetFixedAlignment(TAlignment value)
{
    if (value == fixedAlignment_)
        return;
    fixedAlignment_ = value;
    viewport()->update();
}

void TStrColGrid::SetFixedLayout(TTextLayout value)
{
    if (value == fixedLayout_)
        return;
    fixedLayout_ = value;
    viewport()->update();
}

void TStrColGrid::SetFocusDraw(bool value)
{
    if (value == focusDraw_)
        return;
    focusDraw_ = value;
    viewport()->update();
}

void TStrColGrid::SetFocusCellColor(const QColor& value)
{
    focusCellColor_ = value;
    viewport()->update();
}

void TStrColGrid::SetFocusCellFontColor(const QColor& value)
{
    focusCellFontColor_ = value;
    viewport()->update();
}

void TStrColGrid::SetFocusCellFontColorEnabled(bool value)
{
    focusCellFontColorEnabled_ = value;
    viewport()->update();
}

void TStrColGrid::SetImeMode(TImeMode value)
{
    imeMode_ = value;
    ApplyImeMode(this, value);
    if (InplaceEditor())
        ApplyImeMode(InplaceEditor(), value);
}

void TStrColGrid::SetCellDivide(bool value)
{
    if (value == cellDivide_)
        return;
    cellDivide_ = value;
    viewport()->update();
}

void TStrColGrid::SetOptions(TGridOptions value)
{
    options_ = value;
    SetGridOptions(value);
}

void TStrColGrid::checkCellIndex(int col, int row) const
{
    if (col < 0 || col >= ColCount() || row < 0 || row >= RowCount())
        raiseOutOfGrid();
}

TSCGCellParam* TStrColGrid::FindCellParam(int ACol, int ARow, bool Create)
{
    if (TSCGCellParam* found = cellParams_->Find(ACol, ARow))
        return found;
    if (!Create)
        return nullptr;
    // A cell beyond the present columns or rows may come with more of them;
    // a negative position never does.
    if (ACol < 0 || ARow < 0)
        raiseOutOfGrid();
    TSCGCellParam* param = cellParams_->Add();
    param->SetCaption(QString());
    param->SetFontColor(FontColor());
    param->SetCellColor(IsFixedCell(ACol, ARow) ? FixedColor() : Color());
    param->SetCellColorEnabled(true);
    param->SetFontColorEnabled(true);
    param->SetCol(ACol);
    param->SetRow(ARow);
    return param;
}

// The cell setters repaint the cell only when its look changed: the window
// sets the row marks of whole columns at every row change.
template <typename Changed, typename Set>
void TStrColGrid::changeCell(int ACol, int ARow, Changed changed, Set set)
{
    checkCellIndex(ACol, ARow);
    const int before = cellParams_->Count();
    TSCGCellParam* param = FindCellParam(ACol, ARow, true);
    if (cellParams_->Count() == before && !changed(param))
        return;
    set(param);
    updateCell(ACol, ARow);
}

void TStrColGrid::SetCellAlignment(int ACol, int ARow, TAlignment Value)
{
    changeCell(
        ACol, ARow, [&](TSCGCellParam* p) { return p->Alignment() != Value; },
        [&](TSCGCellParam* p) { p->SetAlignment(Value); });
}

void TStrColGrid::SetCellFontColor(int ACol, int ARow, const QColor& Value)
{
    changeCell(
        ACol, ARow, [&](TSCGCellParam* p) { return p->FontColor() != Value; },
        [&](TSCGCellParam* p) { p->SetFontColor(Value); });
}

void TStrColGrid::SetCellFontWidth(int ACol, int ARow, int Value)
{
    changeCell(
        ACol, ARow, [&](TSCGCellParam* p) { return p->FontWidth() != Value; },
        [&](TSCGCellParam* p) { p->SetFontWidth(Value); });
}

void TStrColGrid::SetCellColor(int ACol, int ARow, const QColor& Value)
{
    changeCell(
        ACol, ARow, [&](TSCGCellParam* p) { return p->CellColor() != Value || !p->CellColorEnabled(); },
        [&](TSCGCellParam* p) {
            p->SetCellColor(Value);
            p->SetCellColorEnabled(true);
        });
}

const TSCGCellFont* TStrColGrid::namedFont(const TSCGCellParam* param) const
{
    if (!param || param->FontName().isEmpty())
        return nullptr;
    return fonts_->Items(fonts_->IndexOfFont(param->FontName()));
}

QFont TStrColGrid::fontFor(const TSCGCellParam* param, QColor* color)
{
    const TSCGCellFont* font = nullptr;
    try {
        font = namedFont(param);
    } catch (const TSCGError& e) {
        reportMissingFont(param->FontName(), e.message());
    }
    if (color)
        *color = font ? font->FontColor() : FontColor();
    return font ? font->Font() : Font();
}

void TStrColGrid::reportMissingFont(const QString& name, const QString& message)
{
    if (reportedFonts_.contains(name))
        return;
    reportedFonts_.insert(name);
    // Reported after the paint: a modal report must not run inside one.
    QMetaObject::invokeMethod(
        this, [this, message] { ModalSeam::current().errorReport(window(), ApplicationTitle(), message); },
        Qt::QueuedConnection);
}

void TStrColGrid::applyCellSettings(TSCGCellParam* param)
{
    if (QLineEdit* editor = InplaceEditor()) {
        editor->setFont(fontFor(param));
        ApplyImeMode(editor, param && param->ImeModeEnabled() ? param->ImeMode() : imeMode_);
        const TAlignment align = param ? param->Alignment() : alignment_;
        editor->setAlignment(align == taRightJustify ? Qt::AlignRight
                             : align == taCenter     ? Qt::AlignHCenter
                                                     : Qt::AlignLeft);
    }
    SetGridOptions(param && param->OptionsEnabled() ? param->Options() : options_);
}

bool TStrColGrid::SelectCell(int col, int row)
{
    // A refusal by the base check ends the step: the cell did not move, so
    // no cell-change event may report that it did.
    if (!TBaseStrGrid::SelectCell(col, row))
        return false;
    TSCGCellParam* newParam = FindCellParam(col, row, false);
    TSCGCellParam* oldParam = FindCellParam(prevCol_, prevRow_, false);
    // A font name missing from Fonts refuses the move with its error.
    namedFont(newParam);
    applyCellSettings(newParam);
    const int oldCol = prevCol_;
    const int oldRow = prevRow_;
    if (col != oldCol || row != oldRow) {
        const bool colChanged = col != oldCol;
        const bool rowChanged = row != oldRow;
        try {
            if (oldParam) {
                if (oldParam->OnExitCell)
                    oldParam->OnExitCell(oldParam, this, oldCol, oldRow, col, row);
                if (colChanged && oldParam->OnExitCol)
                    oldParam->OnExitCol(oldParam, this, oldCol, col);
                if (rowChanged && oldParam->OnExitRow)
                    oldParam->OnExitRow(oldParam, this, oldRow, row);
            }
            if (newParam) {
                if (newParam->OnEnterCell)
                    newParam->OnEnterCell(newParam, this, oldCol, oldRow, col, row);
                if (colChanged && newParam->OnEnterCol)
                    newParam->OnEnterCol(newParam, this, oldCol, col);
                if (rowChanged && newParam->OnEnterRow)
                    newParam->OnEnterRow(newParam, this, oldRow, row);
            }
            if (OnCellChanged)
                OnCellChanged(this, oldCol, oldRow, col, row);
            if (colChanged && OnColChanged)
                OnColChanged(this, oldCol, col);
            if (rowChanged && OnRowChanged)
                OnRowChanged(this, oldRow, row);
        } catch (...) {
            // The move is refused; the cell that stays current keeps its settings.
            applyCellSettings(oldParam);
            return false;
        }
    }
    prevCol_ = col;
    prevRow_ = row;
    return true;
}

void TStrColGrid::EditorCreated(QLineEdit* editor)
{
    Q_UNUSED(editor);
    applyCellSettings(FindCellParam(Col(), Row(), false));
}

void TStrColGrid::Loaded()
{
    loading_ = false;
    loadedOnce_ = true;
    prevCol_ = Col();
    prevRow_ = Row();
    SelectCell(Col(), Row());
    viewport()->update();
}

void TStrColGrid::showEvent(QShowEvent* event)
{
    TBaseStrGrid::showEvent(event);
    if (!loadedOnce_)
        Loaded();
}

void TStrColGrid::focusInEvent(QFocusEvent* event)
{
    TBaseStrGrid::focusInEvent(event);
    SelectCell(Col(), Row());
}

void TStrColGrid::CurrentCellForced()
{
    prevCol_ = Col();
    prevRow_ = Row();
}

int TStrColGrid::TextWidth(const QString& text) { return text.isEmpty() ? 0 : texts_.width(Font(), text); }

void TStrColGrid::BeforePaint()
{
    if (BeforeDraw)
        BeforeDraw(this);
    cellParams_->IndexCells(ColCount(), RowCount());
}

QString TStrColGrid::CombineCaption(TSCGCellCaptionType type, const QString& caption, const QString& cellText)
{
    switch (type) {
    case ctCaption:
        return caption.isEmpty() ? cellText : caption;
    case ctCellText:
        return cellText.isEmpty() ? caption : cellText;
    case ctHeader:
        return caption + cellText;
    case ctFooter:
        return cellText + caption;
    case ctTop:
        // A final line break ends a line without starting one, so an empty
        // cell needs a second break to keep its empty lower band.
        return caption + QChar('\r') + cellText + (cellText.isEmpty() ? QStringLiteral("\r") : QString());
    case ctBottom:
        return cellText + QChar('\r') + caption;
    }
    return cellText;
}

QList<QRect> TStrColGrid::DivideRect(const QRect& rect, int lines)
{
    QList<QRect> bands;
    lines = std::max(lines, 1);
    for (int i = 0; i < lines; ++i)
        bands.append(BandRect(rect, lines, i));
    return bands;
}

QRect TStrColGrid::BandRect(const QRect& rect, int lines, int i)
{
    lines = std::max(lines, 1);
    const int h = rect.height() / lines;
    const int bandTop = rect.top() + h * i;
    const int bandBottom = i == lines - 1 ? rect.top() + rect.height() : rect.top() + h * (i + 1);
    return QRect(rect.left(), bandTop, rect.width(), bandBottom - bandTop);
}

// Qt has no hints for the kana, Chinese or Hangul conversion modes, so those
// and imOpen leave the input method on unrestricted; imClose and imAlpha
// prefer Latin input, imSAlpha allows Latin only, imDisable switches the
// input method off for the widget, and imDontCare clears the hints.
void TStrColGrid::ApplyImeMode(QWidget* widget, TImeMode mode)
{
    Qt::InputMethodHints hints = Qt::ImhNone;
    bool enabled = true;
    switch (mode) {
    case imDisable:
        enabled = false;
        hints = Qt::ImhLatinOnly;
        break;
    case imClose:
    case imAlpha:
        hints = Qt::ImhPreferLatin;
        break;
    case imSAlpha:
        hints = Qt::ImhLatinOnly;
        break;
    default:
        break;
    }
    widget->setAttribute(Qt::WA_InputMethodEnabled, enabled);
    widget->setInputMethodHints(hints);
}
