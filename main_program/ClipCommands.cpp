#include "ClipCommands.h"

namespace {

// What line 15 of a sheet holds: the first sheet's is the material's
// settings line, the last sheet's its base labour costs, the others' plain
// hidden lines.
enum class HiddenLine { Settings, Plain, Labour };

HiddenLine hiddenLineOf(int sheet)
{
    if (sheet == 0)
        return HiddenLine::Settings;
    return sheet == Sheets - 1 ? HiddenLine::Labour : HiddenLine::Plain;
}

void copyUnitPrices(const RowFields& from, RowFields& to)
{
    to.costPrice = from.costPrice;
    to.levelPrice = from.levelPrice;
    to.listPrice = from.listPrice;
}

// The fill copies values only: the texts that name the row stay.
void copyValues(const RowFields& from, RowFields& to)
{
    const auto headerText = to.headerText;
    const auto sheetName = to.sheetName;
    const auto sizeName = to.sizeName;
    to = from;
    to.headerText = headerText;
    to.sheetName = sheetName;
    to.sizeName = sizeName;
}

// Runs `copy` from each data line of the first sheet to the same line of
// the three other sheets.
template <typename Copy>
void fromFirstSheet(PriceBook& book, int material, Copy&& copy)
{
    for (int sheet = 1; sheet < Sheets; ++sheet) {
        for (int line = 1; line <= PriceLines; ++line)
            copy(book.row(material, line), book.row(material, MaterialRowNumber(sheet, line)));
    }
}

} // namespace

void CopyFields(const RowFields& from, RowFields& to, FieldGroup group)
{
    switch (group) {
    case FieldGroup::AllContents: to = from; break;
    case FieldGroup::UnitPrices: copyUnitPrices(from, to); break;
    case FieldGroup::LabourRates: to.rate = from.rate; break;
    case FieldGroup::LabourCostRate: to.rate[4] = from.rate[4]; break;
    }
}

void CopyToClip(ClipSet& clip, const WorkSet& work, const PriceBook& book, int material, int sheet, CopyKind kind)
{
    if (kind.scope == ClipScope::Material) {
        const bool fromBook = kind.group == FieldGroup::AllContents;
        for (int n = 1; n <= RowsPerMaterial; ++n)
            CopyFields(fromBook ? static_cast<const RowFields&>(book.row(material, n)) : work.row(n), clip.rows.row(n),
                       kind.group);
        return;
    }
    for (int line = 1; line <= LinesPerSheet; ++line)
        CopyFields(work.row(MaterialRowNumber(sheet, line)), clip.rows.row(line), kind.group);
    clip.sourceSheet = sheet;
}

bool PasteFromClip(const ClipSet& clip, MaterialInBook target, int sheet, CopyKind kind)
{
    const auto paste = [&](int from, int n) {
        PriceRow& bookRow = target.book.row(target.material, n);
        CopyFields(clip.rows.row(from), bookRow, kind.group);
        CopyFields(bookRow, target.work.row(n), kind.group);
    };
    if (kind.scope == ClipScope::Material) {
        for (int n = 1; n <= RowsPerMaterial; ++n)
            paste(n, n);
        return true;
    }
    const bool withLine15 = hiddenLineOf(clip.sourceSheet) == hiddenLineOf(sheet);
    for (int line = 1; line <= (withLine15 ? LinesPerSheet : PriceLines); ++line)
        paste(line, MaterialRowNumber(sheet, line));
    return withLine15 && sheet == 0;
}

void FillSheetsFromFirst(PriceBook& book, int material)
{
    fromFirstSheet(book, material, copyValues);
}

void CopyUnitPricesFromFirstSheet(PriceBook& book, int material)
{
    fromFirstSheet(book, material, copyUnitPrices);
}

void ClearMaterialRows(PriceBook& book, int material)
{
    for (int n = 1; n <= RowsPerMaterial; ++n)
        static_cast<RowFields&>(book.row(material, n)) = RowFields();
}
