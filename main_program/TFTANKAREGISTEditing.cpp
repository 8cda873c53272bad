#include "TFTANKAREGIST.h"

#include "MessageBoxes.h"
#include "ModalSeam.h"

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
