#include "PriceTableStyle.h"

#include "ColorNumber.h"
#include "ProgramStart.h"
#include "TSCGCellParam.h"
#include "TSCGCellParams.h"
#include "TStrColGrid.h"

#include <QStringList>

namespace {

const QColor FixedColour = ColorFromNumber(0xA28C8E);
const QColor CurrentRowColour = ColorFromNumber(0xC08080);
constexpr int Rows = 15;

void baseStyle(TStrColGrid& grid, int columns, int fixedColumns)
{
    grid.BeginLoading();
    grid.SetColCount(columns);
    grid.SetRowCount(Rows);
    grid.SetFixedCols(fixedColumns);
    grid.SetFixedRows(1);
    QFont font(QString::fromLatin1(JapaneseFace));
    font.setPixelSize(15);
    font.setFixedPitch(true);
    font.setStyleHint(QFont::TypeWriter);
    grid.SetFont(font);
    grid.SetFontColor(Qt::black);
    grid.SetDefaultRowHeight(17);
    grid.SetColWidths(0, 35);
    for (int c = 1; c < columns; ++c)
        grid.SetColWidths(c, 80);
    grid.SetColor(Qt::white);
    grid.SetFixedColor(FixedColour);
    grid.SetFocusCellColor(CurrentRowColour);
    grid.SetFocusCellFontColor(Qt::white);
    grid.SetFocusCellFontColorEnabled(true);
}

void styleCells(TStrColGrid& grid, const QStringList& headers)
{
    for (int c = 0; c < grid.ColCount(); ++c) {
        grid.SetCells(c, 0, headers.value(c));
        grid.SetCellFontColor(c, 0, Qt::white);
        grid.SetCellAlignment(c, 0, taCenter);
    }
    for (int r = 1; r < Rows; ++r) {
        grid.SetCellFontColor(0, r, Qt::white);
        grid.SetCellAlignment(0, r, taCenter);
        for (int c = 1; c < grid.ColCount(); ++c) {
            grid.SetCellAlignment(c, r, taRightJustify);
            grid.SetCellFontColor(c, r, Qt::black);
        }
    }
}

} // namespace

void StyleLabourTable(TStrColGrid& grid)
{
    baseStyle(grid, 11, 4);
    grid.SetOptions(DefaultGridOptions | goDrawFocusSelected | goColSizing | goEditing);
    // The adopted and composite prices: white and right-aligned, without focus
    // painting or column sizing while one of them is selected.
    TSCGCellParam* prices = grid.CellParams()->Add();
    prices->SetCol(1);
    prices->SetRow(1);
    prices->SetColMax(2);
    prices->SetRowMax(14);
    prices->SetRangeEnabled(true);
    prices->SetAlignment(taRightJustify);
    prices->SetCellColor(Qt::white);
    prices->SetCellColorEnabled(true);
    prices->SetFontColor(Qt::black);
    prices->SetFontColorEnabled(true);
    prices->SetOptions(DefaultGridOptions);
    prices->SetOptionsEnabled(true);
    styleCells(grid, {QStringLiteral("No"), QStringLiteral("採用単価"), QStringLiteral("複合単価"), QStringLiteral("提出単価"),
                      QStringLiteral("管"), QStringLiteral("継手"), QStringLiteral("接合材"), QStringLiteral("支持金"),
                      QStringLiteral("配 管 工"), QStringLiteral("はつり"), QStringLiteral("その他")});
    for (int r = 1; r < Rows; ++r) {
        for (int c : {3, 8}) {
            grid.SetCellColor(c, r, FixedColour);
            grid.SetCellFontColor(c, r, Qt::white);
        }
    }
    grid.setToolTip(QStringLiteral("数字を打つとセルに入力されます（ダブルクリックかF2でも編集できます）。Shift+Enterで以降の行に同一のデータが入力されます。"));
    grid.Loaded();
}

void StylePriceTable(TStrColGrid& grid, bool editable)
{
    baseStyle(grid, 8, 1);
    TGridOptions options = DefaultGridOptions | goDrawFocusSelected;
    if (editable)
        options |= goEditing;
    grid.SetOptions(options);
    styleCells(grid, {QStringLiteral("No"), QStringLiteral("LEVEL1"), QStringLiteral("LEVEL2"), QStringLiteral("LEVEL3"),
                      QStringLiteral("LEVEL4"), QStringLiteral("LEVEL5"), QStringLiteral("原　価"), QStringLiteral("定　価")});
    grid.Loaded();
}

void MarkCurrentRow(TStrColGrid& grid, int row)
{
    for (int r = 1; r < Rows; ++r)
        grid.SetCellColor(0, r, r == row ? CurrentRowColour : FixedColour);
}

void ClearDataCells(TStrColGrid& grid, int firstColumn)
{
    for (int r = 1; r < Rows; ++r) {
        for (int c = firstColumn; c < grid.ColCount(); ++c)
            grid.SetCells(c, r, QString());
    }
}
