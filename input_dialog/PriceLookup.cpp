#include "PriceLookup.h"

#include "MaterialSettings.h"
#include "PriceBookFile.h"
#include "WorkSet.h"

QStringList ReadMaterialNames(const QString& path)
{
    // The list is filled from whatever records are there; a book cut short
    // shows its materials still, and choosing one tells what is missing.
    const std::array<QString, Materials> names = ReadGoodsNames(path, BookLength::RecordsRead);
    return QStringList(names.begin(), names.end());
}

MaterialView ReadMaterialView(const QString& path, int material)
{
    MaterialView view;
    for (int s = 0; s < Sheets; ++s)
        view.sheetNames[s] = ReadPriceRecord(path, RowNumber(material, s, LinesPerSheet)).sheetName.text();
    for (int row = 0; row < PriceLines; ++row)
        view.sizeNames[row] = ReadPriceRecord(path, RowNumber(material, 0, row + 1)).sizeName.text();
    const PriceRow settings = ReadPriceRecord(path, RowNumber(material, SettingsRowNumber));
    view.refrigerantMode = ConstMaterialSettings{settings}.refrigerantMode();
    return view;
}
