#include "TSCGCellParam.h"

#include "ColorNumber.h"
#include "TSCGCellFonts.h"
#include "TSCGCellParams.h"
#include "TSCGRangeError.h"
#include "TStrColGrid.h"

TSCGCellParam::TSCGCellParam(TSCGCellParams* collection)
    : QObject(collection), collection_(collection), cellColor_(SystemColor(5)), fontColor_(SystemColor(8))
{
}

bool TSCGCellParam::loading() const
{
    return collection_ && collection_->Grid() && collection_->Grid()->IsLoading();
}

void TSCGCellParam::SetCol(int value)
{
    if (value < 0)
        throw TSCGRangeError(DisplayName() + QStringLiteral(".Col の値が 0 を下まわりました"));
    const int old = col_;
    col_ = value;
    try {
        SetRangeEnabled(rangeEnabled_);
    } catch (...) {
        col_ = old;
        throw;
    }
}

void TSCGCellParam::SetRow(int value)
{
    if (value < 0)
        throw TSCGRangeError(DisplayName() + QStringLiteral(".Row の値が 0 を下まわりました"));
    const int old = row_;
    row_ = value;
    try {
        SetRangeEnabled(rangeEnabled_);
    } catch (...) {
        row_ = old;
        throw;
    }
}

void TSCGCellParam::SetColMax(int value)
{
    const int old = colMax_;
    colMax_ = value;
    try {
        SetRangeEnabled(rangeEnabled_);
    } catch (...) {
        colMax_ = old;
        throw;
    }
}

void TSCGCellParam::SetRowMax(int value)
{
    const int old = rowMax_;
    rowMax_ = value;
    try {
        SetRangeEnabled(rangeEnabled_);
    } catch (...) {
        rowMax_ = old;
        throw;
    }
}

void TSCGCellParam::SetRangeEnabled(bool value)
{
    // Every change of where the item lies ends here, even one undone after.
    if (collection_)
        collection_->ItemsChanged();
    // While a form is loading, ColMax and RowMax may arrive after RangeEnabled.
    if (value && !loading() && (colMax_ < col_ || rowMax_ < row_))
        throw TSCGRangeError(QStringLiteral("範囲が不正です"));
    rangeEnabled_ = value;
}

void TSCGCellParam::SetFontWidth(int value)
{
    if (value < 0)
        throw TSCGRangeError(DisplayName() + QStringLiteral(".FontWidth の値が範囲を超えました"));
    fontWidth_ = value;
}

void TSCGCellParam::SetFontName(const QString& value)
{
    if (!value.isEmpty() && !loading()) {
        const TStrColGrid* grid = collection_ ? collection_->Grid() : nullptr;
        if (!grid || grid->Fonts()->Find(value) < 0) {
            fontName_.clear();
            return;
        }
    }
    fontName_ = value;
}

bool TSCGCellParam::Covers(int col, int row) const
{
    if (rangeEnabled_)
        return col >= col_ && col <= colMax_ && row >= row_ && row <= rowMax_;
    return col == col_ && row == row_;
}

QString TSCGCellParam::DisplayName() const
{
    return QString::asprintf("%s (%3d,%3d)-(%3d,%3d)", name_.toUtf8().constData(), col_, row_, colMax_, rowMax_);
}

void TSCGCellParam::Assign(const TSCGCellParam& source)
{
    if (collection_)
        collection_->ItemsChanged();
    alignment_ = source.alignment_;
    caption_ = source.caption_;
    captionType_ = source.captionType_;
    cellColor_ = source.cellColor_;
    cellColorEnabled_ = source.cellColorEnabled_;
    col_ = source.col_;
    colMax_ = source.colMax_;
    brush_ = source.brush_;
    brushEnabled_ = source.brushEnabled_;
    fontName_ = source.fontName_;
    fontColor_ = source.fontColor_;
    fontColorEnabled_ = source.fontColorEnabled_;
    fontWidth_ = source.fontWidth_;
    imeMode_ = source.imeMode_;
    imeModeEnabled_ = source.imeModeEnabled_;
    layout_ = source.layout_;
    name_ = source.name_;
    options_ = source.options_;
    optionsEnabled_ = source.optionsEnabled_;
    rangeEnabled_ = source.rangeEnabled_;
    row_ = source.row_;
    rowMax_ = source.rowMax_;
    tag_ = source.tag_;
    OnEnterCell = source.OnEnterCell;
    OnExitCell = source.OnExitCell;
    OnEnterCol = source.OnEnterCol;
    OnExitCol = source.OnExitCol;
    OnEnterRow = source.OnEnterRow;
    OnExitRow = source.OnExitRow;
    OnOutCellText = source.OnOutCellText;
    OnDrawTextOneLine = source.OnDrawTextOneLine;
    OnDrawCell = source.OnDrawCell;
}
