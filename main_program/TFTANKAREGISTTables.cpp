#include "TFTANKAREGIST.h"

#include "ApplicationTitle.h"
#include "ColumnFit.h"
#include "MessageBoxes.h"
#include "ModalSeam.h"
#include "NumberText.h"
#include "PriceTableStyle.h"
#include "TCheckGroupBox.h"
#include "TNValEdit.h"
#include "TStrColGrid.h"
#include "Tftankacalc.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QScopeGuard>
#include <algorithm>

namespace {

void notice(const QString& text) { InfoBox(text, ConfirmCaption()); }

void setRow(TStrColGrid* grid, int row, int firstColumn, const QStringList& texts)
{
    for (int i = 0; i < texts.size(); ++i)
        grid->SetCells(firstColumn + i, row, texts[i]);
}

bool isArrow(int key) { return key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down; }

// A modifier pressed on its own (Shift before Shift+Enter, Ctrl of a menu
// shortcut) is not a key of the table's.
bool isModifier(int key)
{
    return key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt || key == Qt::Key_Meta;
}

} // namespace

TableModes TFTANKAREGIST::tableModes() const
{
    TableModes modes;
    modes.level = std::clamp(StrColGrid2->Col(), 1, 7);
    modes.labourShowsResults = N34->isChecked();
    modes.compositeShowsAdopted = N50->isChecked();
    modes.refrigerant = session_.refrigerant();
    return modes;
}

void TFTANKAREGIST::ShowLabourRow(int n)
{
    const int r = n - LinesPerSheet * session_.currentSheet();
    setRow(StrColGrid1, r, 0, LabourRowTexts(session_.work().row(n), tableModes()));
}

void TFTANKAREGIST::ShowPriceRow(int r)
{
    const WorkRow& first = session_.work().row(r);
    StrColGrid2->SetCells(0, r, SizeNameText(first));
    setRow(StrColGrid2, r, 1, PriceRowTexts(first));
    const WorkRow& shown = session_.work().row(MaterialRowNumber(session_.currentSheet(), r));
    StrColGrid3->SetCells(0, r, SizeNameText(shown));
    setRow(StrColGrid3, r, 1, CompositeRowTexts(shown, tableModes()));
}

void TFTANKAREGIST::showLabourRows()
{
    for (int line = 1; line <= PriceLines; ++line)
        ShowLabourRow(MaterialRowNumber(session_.currentSheet(), line));
}

void TFTANKAREGIST::showPriceRows()
{
    for (int r = 1; r <= PriceLines; ++r)
        ShowPriceRow(r);
}

void TFTANKAREGIST::markCurrentRow(int row)
{
    for (TStrColGrid* grid : {StrColGrid1, StrColGrid2, StrColGrid3})
        MarkCurrentRow(*grid, row);
}

// Every change of a table's current row passes here, through the grids' row
// hook, whether a click, a key or a command moved it: the other tables follow
// to the same row, keeping their columns, and the row mark moves with them.
void TFTANKAREGIST::currentRowChanged(TStrColGrid* moved, int row)
{
    if (followingRow_)
        return;
    const QScopedValueRollback<bool> following(followingRow_, true);
    for (TStrColGrid* grid : {StrColGrid1, StrColGrid2, StrColGrid3}) {
        if (grid != moved)
            grid->MoveTo(grid->Col(), row);
    }
    markCurrentRow(row);
}

void TFTANKAREGIST::StrColGrid1Click()
{
    for (TStrColGrid* grid : {StrColGrid1, StrColGrid2, StrColGrid3})
        grid->viewport()->update();
}

void TFTANKAREGIST::StrColGrid2Click()
{
    StrColGrid3->MoveTo(StrColGrid2->Col(), StrColGrid2->Row());
    showLabourRows();
}

void TFTANKAREGIST::StrColGrid3Click()
{
    StrColGrid2->MoveTo(StrColGrid3->Col(), StrColGrid3->Row());
    showLabourRows();
}

// The key rules the two editable tables share. Returns true when the key
// stores the cell last edited; otherwise the grid handles it as usual.
bool TFTANKAREGIST::editorKey(TStrColGrid* grid, int& key, Qt::KeyboardModifiers shift, bool& enter)
{
    enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    if (isModifier(key))
        return false;
    if (key == Qt::Key_Backspace)
        return false;
    const QChar typed = CellCharacter(key, shift, grid->EditorMode());
    if (!typed.isNull()) {
        // The grid types what the key's text says, opening the editor on a
        // closed cell; a keypad key with NumLock off says something else.
        if (key != typed.unicode()) {
            grid->InplaceEditor()->insert(QString(typed));
            key = 0;
        }
        return false;
    }
    if (isArrow(key) && !grid->EditorMode())
        return false;
    if (!enter && key != Qt::Key_Up && key != Qt::Key_Down)
        QApplication::beep();
    grid->HideEditor();
    key = 0;
    return true;
}

void TFTANKAREGIST::moveEditRowDown(TStrColGrid* grid, EditCell& cell)
{
    cell.row = cell.row % PriceLines + 1;
    grid->MoveTo(cell.col, cell.row);
}

void TFTANKAREGIST::StrColGrid2KeyDown(int& key, Qt::KeyboardModifiers shift)
{
    if (isModifier(key))
        return;
    if (const std::optional<QString> refusal = PriceCellRefusal(StrColGrid2->Col(), session_.ratePricing())) {
        key = 0;
        StrColGrid2->HideEditor();
        notice(*refusal);
        showPriceRows();
        return;
    }
    bool enter = false;
    if (!editorKey(StrColGrid2, key, shift, enter))
        return;
    const Currency value = ParseCurrency(StrColGrid2->Cells(priceEdit.col, priceEdit.row));
    {
        // A refused store shows the line as it still is.
        const auto show = qScopeGuard([this] {
            ShowLabourRow(MaterialRowNumber(session_.currentSheet(), priceEdit.row));
            ShowPriceRow(priceEdit.row);
        });
        session_.StorePrice(priceEdit.col, priceEdit.row, value);
    }
    if (enter)
        moveEditRowDown(StrColGrid2, priceEdit);
}

void TFTANKAREGIST::StrColGrid1KeyDown(int& key, Qt::KeyboardModifiers shift)
{
    bool enter = false;
    if (!editorKey(StrColGrid1, key, shift, enter))
        return;
    const EditCell cell = labourEdit;
    const LabourCellTarget target = LabourCellStore(cell.col, tableModes());
    if (target.rateInput == 0) {
        notice(target.refusal);
        ShowLabourRow(MaterialRowNumber(session_.currentSheet(), cell.row));
    } else {
        const Currency value = LabourCellValue(StrColGrid1->Cells(cell.col, cell.row));
        const bool fillDown = shift & Qt::ShiftModifier;
        const auto show = qScopeGuard([&] {
            for (int line = cell.row; line <= (fillDown ? PriceLines : cell.row); ++line) {
                ShowLabourRow(MaterialRowNumber(session_.currentSheet(), line));
                ShowPriceRow(line);
            }
        });
        session_.StoreRate(target.rateInput, cell.row, value, fillDown);
    }
    if (enter && !target.keepsRow)
        moveEditRowDown(StrColGrid1, labourEdit);
}

void TFTANKAREGIST::showLevel(int level)
{
    StrColGrid2->MoveTo(level, 1);
    StrColGrid3->MoveTo(level, 1);
    showLabourRows();
}

void TFTANKAREGIST::adjustColumnWidths(TStrColGrid* grid, const QString& prompt, int lastColumn)
{
    const std::optional<QString> text =
        ModalSeam::current().inputText(this, ApplicationTitle(), prompt, QString());
    bool ok = false;
    const int width = text ? text->trimmed().toInt(&ok) : 0;
    if (!ok || width == 0)
        return;
    for (int c = 1; c <= lastColumn; ++c)
        grid->SetColWidths(c, width);
    columnsSetByHand(grid);
}

void TFTANKAREGIST::columnsSetByHand(TStrColGrid* grid)
{
    const std::array<TStrColGrid*, 3> grids{StrColGrid1, StrColGrid2, StrColGrid3};
    const auto at = std::find(grids.begin(), grids.end(), grid);
    if (at != grids.end())
        columnFits_[static_cast<std::size_t>(at - grids.begin())]->adoptShown();
}

CapturedControls TFTANKAREGIST::capturedControls() const
{
    CapturedControls c;
    c.ratePriceStepItem = ComboBox1->currentIndex();
    c.ratePriceDecimalItem = ComboBox2->currentIndex();
    c.ratePriceStepAddendItem = ComboBox3->currentIndex();
    c.ratePricing = CheckGroupBox1->checked();
    for (std::size_t i = 0; i < 5; ++i) {
        c.levelRates[i] = avr[i]->value();
        c.levelLabour[i] = Currency::fromDouble(GPAYDAY[i]->value());
    }
    c.costRate = avr_N->value();
    c.costLabour = Currency::fromDouble(GPAYDAY_N->value());
    return c;
}

void TFTANKAREGIST::RecomputeMaterial()
{
    if (displayUpdating_)
        return;
    try {
        session_.RecomputeMaterial(capturedControls());
    } catch (...) {
        // Refused: the controls show the settings the material still has.
        showSettingControls();
        throw;
    }
    showLabourRows();
    showPriceRows();
}

void TFTANKAREGIST::CheckGroupBox1Click()
{
    RecomputeMaterial();
    for (QLabel* label : CheckGroupBox1->findChildren<QLabel*>())
        label->setEnabled(true);
}

void TFTANKAREGIST::gpaydayEnter(int index)
{
    RecomputeMaterial();
    const int next = (index + 1) % 6;
    (next < 5 ? GPAYDAY[static_cast<std::size_t>(next)] : GPAYDAY_N)->setFocus();
}

void TFTANKAREGIST::unitPriceCalcClick()
{
    Tftankacalc dialog(this);
    ModalSeam::current().exec(dialog);
    if (dialog.resultTag() != 1)
        return;
    session_.RepriceFromLevels(dialog.choices());
    showLabourRows();
    showPriceRows();
}
