#include "TFTANKAREGIST.h"

#include "Tfsheetset.h"

#include <QLabel>
#include <QScopeGuard>

void TFTANKAREGIST::user_selClick()
{
    std::optional<BasicData> stored;
    {
        Tfsheetset dialog(session_.work(), session_.currentMaterial(), this);
        dialog.Execute();
        stored = dialog.storedData();
    }
    // Stored or not, the window shows the material afresh and the book counts
    // as changed.
    clearTables();
    const auto show = qScopeGuard([this] {
        ShowMaterialSettings();
        showLabourRows();
        showPriceRows();
        const int first = RowsPerMaterial * session_.currentMaterial();
        RefreshMaterialLabels(first, first + RowsPerMaterial);
        });
    session_.CloseBasicData(stored);
}
