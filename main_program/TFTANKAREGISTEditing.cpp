#include "TFTANKAREGIST.h"

#include "BookCompareDialog.h"
#include "MessageBoxes.h"
#include "ModalSeam.h"
#include "TSCGCellParam.h"
#include "TStrColGrid.h"
#include "TableRows.h"

#include <QAction>
#include <QScopeGuard>
#include <QTreeWidget>

// The copy, paste, fill, clear and undo commands of the two edit menus.

void TFTANKAREGIST::copyClick(CopyKind kind)
{
    session_.Copy(kind);
    updatePasteItems();
}

void TFTANKAREGIST::pasteClick(CopyKind kind)
{
    if (!session_.pasteEnabled(kind))
        return;
    // Shown also when the paste is refused: the material is then as it was.
    const auto show = qScopeGuard([this, kind] { showChangedMaterial(kind.group == FieldGroup::AllContents); });
    session_.Paste(kind);
}

void TFTANKAREGIST::item_paste_5Click()
{
    const auto show = qScopeGuard([this] { showSelectedMaterial(); });
    session_.FillFromFirstSheet();
}

void TFTANKAREGIST::item_copy_5Click()
{
    const auto show = qScopeGuard([this] {
        showSelectedMaterial();
        updatePasteItems();
    });
    session_.CopyUnitPricesFromFirstSheet();
}

void TFTANKAREGIST::N22Click()
{
    if (ChoiceBox(QStringLiteral("現在の内容をすべてクリア－しますか？"), QStringLiteral("実行"), QStringLiteral("キャンセル"))
        != MessageBoxResult::First)
        return;
    // The setting controls keep their values until another material is shown.
    const auto show = qScopeGuard([this] { showChangedMaterial(false); });
    session_.ClearMaterial();
}

void TFTANKAREGIST::N2Click()
{
    stepClick(&PriceBookSession::Undo);
}

void TFTANKAREGIST::redoClick()
{
    stepClick(&PriceBookSession::Redo);
}

void TFTANKAREGIST::stepClick(void (PriceBookSession::*step)())
{
    const auto show = qScopeGuard([this] {
        // A step of another material selects it, in the tree too.
        TreeView1->setCurrentItem(
            TreeView1->topLevelItem(session_.currentCategory())->child(session_.currentMaterial()));
        showChangedMaterial(true);
    });
    (session_.*step)();
}

void TFTANKAREGIST::reviseBook(RevisionDialog::Mode mode)
{
    RevisionDialog dialog(session_.book(), programFolder_, mode, this);
    if (ModalSeam::current().exec(dialog) != QDialog::Accepted)
        return;
    session_.ApplyRevision(dialog.changes());
    showChangedMaterial(true);
}

void TFTANKAREGIST::restoreFromHistory()
{
    BookCompareDialog dialog(session_.book(), session_.currentPath(), programFolder_, BookCompareDialog::Mode::Restore,
                             this);
    if (ModalSeam::current().exec(dialog) != QDialog::Accepted || dialog.comparedFile().isEmpty())
        return;
    clearMarks();
    session_.RestoreVersion(dialog.comparedFile());
    RefreshMaterialLabels(1, BookRows);
    showChangedMaterial(true);
}

void TFTANKAREGIST::compareWithFile()
{
    BookCompareDialog dialog(session_.book(), session_.currentPath(), programFolder_, BookCompareDialog::Mode::Compare,
                             this);
    if (ModalSeam::current().exec(dialog) != QDialog::Accepted || !dialog.shownDifference())
        return;
    const BookDifference shown = *dialog.shownDifference();
    TreeView1->setCurrentItem(TreeView1->topLevelItem(session_.currentCategory())->child(shown.material));
    SelectMaterial(shown.material);
    TabControl1->setCurrentIndex(shown.sheet);
    markDifferences(shown.material, shown.sheet, dialog.differences());
}

void TFTANKAREGIST::markDifferences(int material, int sheet, const std::vector<BookDifference>& differences)
{
    clearMarks();
    for (const BookDifference& d : differences) {
        if (d.material != material || d.sheet != sheet || d.line > PriceLines)
            continue;
        const BookFieldInfo& field = FieldInfo(d.field);
        TStrColGrid* grid = field.kind == FieldKind::MaterialPrice ? StrColGrid2
                            : field.kind == FieldKind::Rate          ? StrColGrid1
                            : field.kind == FieldKind::ComputedPrice ? StrColGrid3
                                                                     : nullptr;
        if (!grid)
            continue;
        const int col = field.kind == FieldKind::Rate ? FirstRateColumn + field.index - 1 : field.index;
        const TSCGCellParam* before = grid->FindCellParam(col, d.line, false);
        marks_.push_back({grid, col, d.line, before && before->CellColorEnabled(), before ? before->CellColor() : QColor()});
        grid->SetCellColor(col, d.line, QColor(0xFF, 0xC0, 0xC0));
    }
}

void TFTANKAREGIST::clearMarks()
{
    for (const CellMark& mark : marks_) {
        if (mark.coloured) {
            mark.grid->SetCellColor(mark.col, mark.row, mark.colour);
        } else if (TSCGCellParam* param = mark.grid->FindCellParam(mark.col, mark.row, false)) {
            param->SetCellColorEnabled(false);
            mark.grid->viewport()->update();
        }
    }
    marks_.clear();
}

void TFTANKAREGIST::showChangedMaterial(bool settingControls)
{
    showMaterialLook(session_.currentSheet());
    if (settingControls)
        showSettingControls();
    showLabourRows();
    showPriceRows();
    const int line1 = RowNumber(session_.currentMaterial(), 0, 1);
    RefreshMaterialLabels(line1, line1);
}

void TFTANKAREGIST::updateUndoItem()
{
    N2->setEnabled(session_.canUndo());
    redoItem->setEnabled(session_.canRedo());
}

void TFTANKAREGIST::updatePasteItems()
{
    for (int i = 0; i < PasteItems; ++i)
        pasteItems[static_cast<std::size_t>(i)]->setEnabled(session_.pasteEnabled(PasteItemKind(i)));
}
