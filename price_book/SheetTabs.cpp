#include "SheetTabs.h"

#include "MaterialSettings.h"

QStringList SheetTabCaptions(const WorkSet& work)
{
    if (ConstMaterialSettings{work.settingsRow()}.refrigerantMode())
        return {QStringLiteral("一般")};
    QStringList captions;
    for (int sheet = 0; sheet < Sheets; ++sheet)
        captions << work.row(MaterialRowNumber(sheet, LinesPerSheet)).sheetName.text();
    return captions;
}
