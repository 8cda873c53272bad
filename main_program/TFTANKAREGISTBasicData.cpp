#include "TFTANKAREGIST.h"

#include "Tfsheetset.h"

#include <QLabel>
#include <QScopeGuard>

void TFTANKAREGIST::user_selClick()
{
    session_.TakeUndoSnapshot();
    updateUndoItem();
    {
        Tfsheetset dialog(session_.work, session_.book, this);
        dialog.nopanel->setText(QString::number(session_.currentMaterial));
        dialog.Execute();
        session_.currentMaterial = dialog.material();
    }
    // Stored or not, the window shows the material afresh and the book counts
    // as changed.
    clearTables();
    const auto show = qScopeGuard([this] {
        ShowMaterialSettings();
        showLabourRows();
        showPriceRows();
        const int first = RowsPerMaterial * session_.currentMaterial;
        RefreshMaterialLabels(first, first + RowsPerMaterial);
        updateUndoItem();
    });
    session_.BasicDataClosed();
}
