#include "PriceLookup.h"

#include "MaterialSettings.h"
#include "PriceBookFile.h"

QStringList ReadMaterialNames(const QString& path)
{
    QStringList names;
    for (int m = 0; m < Materials; ++m)
        names << ReadPriceRecord(path, MaterialNameRecord(m)).headerText.text();
    return names;
}

MaterialView ReadMaterialView(const QString& path, int material)
{
    MaterialView view;
    for (int s = 0; s < Sheets; ++s)
        view.sheetNames[s] = ReadPriceRecord(path, SheetNameRecord(material, s)).sheetName.text();
    for (int row = 0; row < PriceLines; ++row)
        view.sizeNames[row] = ReadPriceRecord(path, SizeNameRecord(material, row)).sizeName.text();
    const PriceRow settings = ReadPriceRecord(path, MaterialSettingsRecord(material));
    view.refrigerantMode = ConstMaterialSettings{settings}.refrigerantMode();
    return view;
}
