#include "BasicData.h"

#include "MaterialSettings.h"
#include "SettingsCapture.h"

namespace {

constexpr int DecimalChoices = 4;
constexpr Currency RefrigerantModeValue = Currency::fromUnits(2);

// The button a stored value stands for, or the group's present choice when it
// stands for none.
int ChoiceOr(int item, int present) { return item == CapturedControls::NoItem ? present : item; }

// The field for a text as the dialog hands it back. An unchanged text keeps the
// bytes it was shown from, because not every Shift-JIS sequence survives a
// decode and encode; a new one is cut to the capacity at a character boundary.
template <int Capacity>
ShortText<Capacity> FieldFor(const QString& text, const ShortText<Capacity>& shownFrom)
{
    if (text == shownFrom.text())
        return shownFrom;
    ShortText<Capacity> field;
    field.setText(text);
    return field;
}

void StoreChoices(const BasicData& data, MaterialSettings settings)
{
    settings.componentDecimals() = Currency::fromUnits(data.componentDecimals);
    // The rounding and significant-digit buttons offer the values of the main
    // window's combo boxes, in the same order.
    settings.componentAddend() = AddendForItem(data.componentAddend);
    settings.adoptedStepAddend() = AddendForItem(data.adoptedStepAddend);
    settings.adoptedStep() = RatePriceStepForItem(data.adoptedStep);
    settings.mode() = data.mode == 1 ? RefrigerantModeValue : Currency();
}

} // namespace

BasicData ShowBasicData(WorkSet& work)
{
    BasicData data;
    for (int line = 1; line <= HeaderLines; ++line)
        data.headerTexts[static_cast<std::size_t>(line - 1)] = work.row(line).headerText.text();
    data.unit = work.row(1).unit.text();
    for (int sheet = 0; sheet < Sheets; ++sheet)
        data.sheetNames[static_cast<std::size_t>(sheet)] =
            work.row(MaterialRowNumber(sheet, LinesPerSheet)).sheetName.text();
    for (int line = 1; line <= PriceLines; ++line)
        data.sizeNames[static_cast<std::size_t>(line - 1)] = work.row(line).sizeName.text();

    MaterialSettings settings{work.settingsRow()};
    if (settings.adoptedStep() == Currency())
        settings.adoptedStep() = Currency::fromUnits(1);
    const std::int64_t decimals = settings.componentDecimals().units();
    if (decimals >= 0 && decimals < DecimalChoices)
        data.componentDecimals = static_cast<int>(decimals);
    data.componentAddend = ChoiceOr(ItemForAddend(settings.componentAddend()), data.componentAddend);
    data.adoptedStepAddend = ChoiceOr(ItemForAddend(settings.adoptedStepAddend()), data.adoptedStepAddend);
    data.adoptedStep = ChoiceOr(ItemForRatePriceStep(settings.adoptedStep()), data.adoptedStep);
    data.mode = settings.refrigerantMode() ? 1 : 0;
    return data;
}

void StoreBasicData(const BasicData& data, WorkSet& work, PriceBook& book, int material)
{
    // Every field is worked out from the rows as shown before any of them changes.
    std::array<ShortText<80>, HeaderLines> headers;
    for (int line = 1; line <= HeaderLines; ++line)
        headers[static_cast<std::size_t>(line - 1)] =
            FieldFor(data.headerTexts[static_cast<std::size_t>(line - 1)], work.row(line).headerText);
    const ShortText<4> unit = FieldFor(data.unit, work.row(1).unit);
    std::array<ShortText<6>, PriceLines> sizes;
    for (int line = 1; line <= PriceLines; ++line)
        sizes[static_cast<std::size_t>(line - 1)] =
            FieldFor(data.sizeNames[static_cast<std::size_t>(line - 1)], work.row(line).sizeName);
    std::array<ShortText<40>, Sheets> sheetNames;
    for (int sheet = 0; sheet < Sheets; ++sheet)
        sheetNames[static_cast<std::size_t>(sheet)] = FieldFor(
            data.sheetNames[static_cast<std::size_t>(sheet)], work.row(MaterialRowNumber(sheet, LinesPerSheet)).sheetName);

    for (int line = 1; line <= HeaderLines; ++line)
        work.row(line).headerText = headers[static_cast<std::size_t>(line - 1)];
    for (int sheet = 0; sheet < Sheets; ++sheet) {
        for (int line = 1; line <= LinesPerSheet; ++line) {
            WorkRow& row = work.row(MaterialRowNumber(sheet, line));
            row.unit = unit;
            // Line 15 has no size of its own.
            row.sizeName = line <= PriceLines ? sizes[static_cast<std::size_t>(line - 1)] : ShortText<6>();
            row.sheetName = sheetNames[static_cast<std::size_t>(sheet)];
        }
    }
    StoreChoices(data, MaterialSettings{work.settingsRow()});

    for (int n = 1; n <= RowsPerMaterial; ++n) {
        PriceRow& target = book.row(material, n);
        const Currency compositeCost = target.compositeCost;
        static_cast<RowFields&>(target) = work.row(n);
        // The recomputation that follows writes the composite cost of price
        // lines; on the settings and labour lines the slot is a stored setting
        // (the NET base labour cost) that nothing else would write.
        if (n != SettingsRowNumber && n != LabourRowNumber)
            target.compositeCost = compositeCost;
    }
}
