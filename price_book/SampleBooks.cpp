#include "SampleBooks.h"

#include "CompositePrice.h"
#include "MaterialSettings.h"
#include "Rounding.h"

#include <array>
#include <cassert>
#include <span>
#include <vector>

namespace {

// One size of a size list, with how price and labour grow along the list.
struct SizeStep {
    const char* name;
    int pricePercent;    // list price against the first size: about the weight per metre
    int fitterMilliDays; // pipe fitter man-days per metre × 1000, screwed steel pipe indoors
};

const SizeStep PipeSizes[] = {
    {"15A", 100, 70},   {"20A", 128, 80},   {"25A", 185, 100},  {"32A", 258, 120},
    {"40A", 297, 140},  {"50A", 405, 170},  {"65A", 570, 220},  {"80A", 671, 260},
    {"100A", 931, 340}, {"125A", 1145, 420}, {"150A", 1511, 500},
};

// The copper sizes of the basic data dialog's refrigerant preset.
const SizeStep CopperSizes[] = {
    {"6.4", 100, 50},   {"9.5", 157, 55},   {"12.7", 214, 60},  {"15.9", 334, 70},   {"19.1", 404, 80},
    {"22.2", 475, 90},  {"25.4", 546, 100}, {"28.6", 618, 110}, {"31.8", 754, 125},  {"34.9", 904, 140},
    {"38.1", 1112, 155}, {"44.5", 1488, 180}, {"50.8", 1928, 210}, {"53.98", 2224, 230},
};

struct SampleMaterial {
    const char* goods;
    const char* usage;
    const char* joint;
    int firstSize; // 0-based, into the category's size list
    int lastSize;
    int firstListPrice; // yen per metre at the first size of the list
    int labourPercent;  // pipe fitter man-days against screwed steel pipe
    // rate[2], rate[3], rate[4] in percent: fittings, jointing material and
    // support hardware in piping mode; fittings and jointing, support
    // hardware and miscellaneous material in refrigerant mode.
    std::array<int, 3> ratioPercent;
};

struct SampleCategory {
    bool refrigerant;
    std::vector<SampleMaterial> materials;
};

// Goods, usages and joint methods are those the basic data dialog offers.
const std::vector<SampleCategory>& Categories()
{
    static const std::vector<SampleCategory> categories = {
        {false, // 給水
         {{"水道用硬質塩化ﾋﾞﾆﾙﾗｲﾆﾝｸﾞ鋼管(VA)", "給水", "ねじ接合（管端防食継手）", 0, 10, 1150, 105, {40, 5, 10}},
          {"水道用硬質塩化ﾋﾞﾆﾙﾗｲﾆﾝｸﾞ鋼管(VB)", "給水", "ねじ接合（管端防食継手）", 0, 10, 1240, 105, {40, 5, 10}},
          {"水道用硬質塩化ﾋﾞﾆﾙﾗｲﾆﾝｸﾞ鋼管(VD)", "給水", "ねじ接合（管端防食継手）", 0, 10, 1480, 110, {40, 5, 10}},
          {"水道用ﾎﾟﾘｴﾁﾚﾝ粉体ﾗｲﾆﾝｸﾞ鋼管PB", "給水", "ねじ接合（管端防食継手）", 0, 10, 1320, 105, {40, 5, 10}},
          {"ステンレス鋼鋼管", "給水、給湯", "圧縮、プレス", 0, 6, 1060, 85, {45, 0, 10}},
          {"ﾌﾗﾝｼﾞ付硬質塩化ﾋﾞﾆﾙﾗｲﾆﾝｸﾞ鋼管(FVA)", "給水", "フランジ接合", 7, 10, 1400, 95, {35, 8, 10}}}},
        {false, // 排水
         {{"排水用硬質塩化ﾋﾞﾆﾙﾗｲﾆﾝｸﾞ鋼管（黒）", "排水", "ＭＤ継手", 4, 10, 980, 90, {55, 0, 10}},
          {"排水用ﾀ-ﾙｴﾎﾟｷｼ塗装鋼管", "排水", "ＭＤ継手", 4, 10, 860, 90, {55, 0, 10}},
          {"排水用塩化ﾋﾞﾆﾙｺ-ﾃｨﾝｸﾞ鋼管", "排水", "ＭＤ継手", 4, 10, 1050, 90, {55, 0, 10}},
          {"配管用炭素鋼鋼管（白）", "排水", "ねじ接合", 0, 10, 520, 100, {30, 5, 10}},
          {"鋳鉄管", "排水", "メカニカル形継手", 5, 10, 1900, 110, {50, 0, 12}}}},
        {false, // 通気
         {{"配管用炭素鋼鋼管（白）", "通気", "ねじ接合", 0, 10, 520, 100, {30, 5, 10}},
          {"排水用硬質塩化ﾋﾞﾆﾙﾗｲﾆﾝｸﾞ鋼管（黒）", "通気", "ＭＤ継手", 4, 10, 980, 90, {50, 0, 10}},
          {"排水用塩化ﾋﾞﾆﾙｺ-ﾃｨﾝｸﾞ鋼管", "通気", "ＭＤ継手", 4, 10, 1050, 90, {50, 0, 10}},
          {"排水用ﾀ-ﾙｴﾎﾟｷｼ塗装鋼管", "通気", "ＭＤ継手", 4, 10, 860, 90, {50, 0, 10}}}},
        {false, // 給湯
         {{"給湯用塩化ﾋﾞﾆﾙﾗｲﾆﾝｸﾞ鋼管", "給湯", "ねじ接合（管端防食継手）", 0, 10, 1620, 110, {40, 5, 10}},
          {"ステンレス鋼鋼管", "給湯", "圧縮、プレス", 0, 6, 1060, 85, {45, 0, 10}},
          {"ステンレス鋼鋼管", "給湯", "拡管式", 0, 8, 1060, 90, {50, 0, 10}},
          {"ステンレス鋼鋼管", "給水、給湯", "溶接接合", 5, 10, 1060, 110, {30, 3, 10}},
          {"銅管（Ｍ）", "給湯", "溶接接合", 0, 8, 900, 90, {35, 5, 10}}}},
        {false, // 消火
         {{"消火配管用炭素鋼鋼管（白）　SGP", "消火、冷却水、冷温水", "ねじ接合", 0, 10, 540, 100, {30, 5, 10}},
          {"圧力配管用炭素鋼鋼管(白)", "消火、冷却水、冷温水", "ねじ接合", 0, 6, 780, 105, {30, 5, 10}},
          {"圧力配管用炭素鋼鋼管(白)", "消火、冷却水、冷温水", "溶接接合", 6, 10, 780, 110, {25, 3, 10}},
          {"消火用硬質塩化ﾋﾞﾆﾙ外面被覆銅管(VS)", "消火、冷却水、冷温水", "ねじ接合", 0, 10, 890, 100, {30, 5, 10}},
          {"消火用ﾎﾟﾘｴﾁﾚﾝ外面被覆銅管(PS)", "通気、消火、給湯、ﾌﾟﾛﾊﾟﾝ、冷却水、冷温水", "ねじ接合", 0, 10, 920, 100,
           {30, 5, 10}},
          {"配管用炭素鋼鋼管（白）", "消火、冷却水、冷温水", "ハウジング形管継手", 5, 10, 520, 80, {45, 0, 10}}}},
        {false, // 冷温水
         {{"配管用炭素鋼鋼管（白）", "冷温水", "ねじ接合", 0, 10, 520, 100, {30, 5, 10}},
          {"配管用炭素鋼鋼管（白）", "冷温水", "溶接接合", 6, 10, 520, 110, {25, 3, 10}},
          {"配管用炭素鋼鋼管（白）", "冷温水", "ハウジング形管継手", 5, 10, 520, 80, {45, 0, 10}},
          {"圧力配管用炭素鋼鋼管(白)", "冷温水", "溶接接合", 6, 10, 780, 110, {25, 3, 10}},
          {"ステンレス鋼鋼管", "冷温水", "圧縮、プレス", 0, 6, 1060, 85, {45, 0, 10}},
          {"配管用炭素鋼鋼管（白）", "冷温水", "フランジ接合", 7, 10, 520, 105, {35, 8, 10}}}},
        {false, // 冷却水
         {{"配管用炭素鋼鋼管（白）", "冷却水", "ねじ接合", 0, 10, 520, 100, {30, 5, 10}},
          {"配管用炭素鋼鋼管（白）", "冷却水", "溶接接合", 6, 10, 520, 110, {25, 3, 10}},
          {"水道用硬質塩化ﾋﾞﾆﾙﾗｲﾆﾝｸﾞ鋼管(VB)", "給水、冷却水", "ねじ接合（管端防食継手）", 0, 10, 1240, 105, {40, 5, 10}},
          {"配管用炭素鋼鋼管（白）", "冷却水", "ハウジング形管継手", 5, 10, 520, 80, {45, 0, 10}}}},
        {false, // 蒸気
         {{"圧力配管用炭素鋼鋼管(黒)", "蒸気給気管、蒸気還管", "ねじ接合", 0, 6, 700, 105, {30, 5, 10}},
          {"圧力配管用炭素鋼鋼管(黒)", "蒸気給気管、蒸気還管", "溶接接合", 4, 10, 700, 110, {25, 3, 10}},
          {"配管用炭素鋼鋼管（白）", "低圧蒸気用", "ねじ接合", 0, 8, 520, 100, {30, 5, 10}},
          {"ステンレス鋼鋼管", "蒸気給気管、蒸気還管", "溶接接合", 2, 10, 1060, 110, {30, 3, 10}}}},
        {false, // 油
         {{"配管用炭素鋼鋼管（白）", "蒸気、油", "ねじ接合", 0, 8, 520, 100, {30, 5, 10}},
          {"圧力配管用炭素鋼鋼管(黒)", "蒸気、油", "ねじ接合", 0, 6, 700, 105, {30, 5, 10}},
          {"圧力配管用炭素鋼鋼管(黒)", "蒸気、油", "溶接接合", 4, 10, 700, 110, {25, 3, 10}},
          {"圧力配管用炭素鋼鋼管(黒)", "蒸気、油", "フランジ接合", 7, 10, 700, 105, {35, 8, 10}}}},
        {true, // 冷媒
         {{"冷媒用銅管", "冷媒", "溶接接合", 0, 13, 280, 100, {25, 10, 5}},
          {"冷媒用被覆銅管", "冷媒", "溶接接合", 0, 13, 420, 100, {25, 10, 5}},
          {"被覆銅管", "冷媒", "圧縮、プレス", 0, 7, 380, 90, {30, 10, 5}},
          {"保温付被覆銅管", "冷媒", "溶接接合", 0, 9, 620, 105, {25, 10, 5}}}},
    };
    return categories;
}

// The four installation locations of the dialog's sheet preset and how the
// work differs there: more labour in a crowded machine room, no hangers for
// buried pipe, nothing to chip and repair outdoors.
struct SheetStyle {
    const char* name;
    int labourPercent;
    bool supports;
    bool chipping;
};
const SheetStyle SheetStyles[Sheets] = {
    {"屋内一般", 100, true, true},
    {"機械室", 120, true, true},
    {"屋外架空", 110, true, false},
    {"地中配管", 90, false, false},
};

// Three ways of setting up the price levels and roundings, taken in turn by
// the materials of a category.
struct PricingStyle {
    std::array<int, SubmissionLevels + 1> percent; // LEVEL1..LEVEL5, cost
    int ratePriceStep;
    RoundingChoice ratePriceDecimalRounding;
    RoundingChoice ratePriceStepRounding;
    int adoptedStep;
    RoundingChoice adoptedStepRounding;
    RoundingChoice componentRounding;
    int componentDecimals;
};
using R = RoundingChoice;
const PricingStyle PricingStyles[] = {
    {{95, 90, 85, 80, 75, 65}, 10, R::Truncate, R::Half, 10, R::Half, R::Truncate, 0},
    {{90, 85, 80, 75, 70, 60}, 1, R::Half, R::Truncate, 3, R::Truncate, R::Half, 1},
    {{85, 80, 75, 70, 65, 55}, 4, R::Up, R::Up, 100, R::Up, R::Truncate, 2},
};

// Base labour cost per man-day, LEVEL1..LEVEL5 and cost.
const std::array<int, SubmissionLevels + 1> BaseLabourYen = {26000, 24500, 23000, 21500, 20000, 18000};

Currency yen(std::int64_t v) { return Currency::fromUnits(v); }
Currency percent(int p) { return Currency::fromRaw(p * Currency::Scale / 100); }

// yen × p / 100, to the nearest 10 yen as price lists quote them.
std::int64_t tenYenOf(std::int64_t yen, int p) { return (yen * p + 500) / 1000 * 10; }

template <int N>
void setText(ShortText<N>& field, const char* utf8)
{
    field.setText(QString::fromUtf8(utf8));
}

void fillSettings(RowFields& settingsRow, const PricingStyle& style, bool ratePricing, bool refrigerant)
{
    MaterialSettings s{settingsRow};
    for (int level = Level1; level <= CostLevel; ++level)
        s.ratePercent(level) = yen(style.percent[level - 1]);
    s.ratePriceStep() = yen(style.ratePriceStep);
    s.ratePriceDecimalAddend() = RoundingAddend(style.ratePriceDecimalRounding);
    s.ratePriceStepAddend() = RoundingAddend(style.ratePriceStepRounding);
    s.ratePricingFlag() = yen(ratePricing ? 1 : 0);
    s.adoptedStep() = yen(style.adoptedStep);
    s.adoptedStepAddend() = RoundingAddend(style.adoptedStepRounding);
    s.componentAddend() = RoundingAddend(style.componentRounding);
    s.componentDecimals() = yen(style.componentDecimals);
    s.mode() = yen(refrigerant ? 2 : 0);
}

void fillPriceLine(RowFields& row, const SizeStep& size, const SampleMaterial& material, const SheetStyle& sheet,
                   const PricingStyle& style, bool ratePricing, bool refrigerant, int line)
{
    setText(row.sizeName, size.name);
    const std::int64_t list = tenYenOf(material.firstListPrice, size.pricePercent);
    row.listPrice = yen(list);
    if (!ratePricing) {
        // Prices as quoted, a little off the percentages.
        for (int level = Level1; level <= CostLevel; ++level)
            MaterialPrice(row, level) = yen(tenYenOf(list, style.percent[level - 1] - line % 3));
    }
    row.rate[0] = yen(1);
    row.rate[1] = percent(material.ratioPercent[0]);
    row.rate[2] = percent(material.ratioPercent[1]);
    row.rate[3] = percent(material.ratioPercent[2]);
    if (!sheet.supports)
        row.rate[refrigerant ? 2 : 3] = Currency();
    const int milliDays = (size.fitterMilliDays * material.labourPercent * sheet.labourPercent + 5000) / 10000;
    row.rate[4] = Currency::fromRaw(milliDays * Currency::Scale / 1000);
    row.rate[5] = percent(sheet.chipping && !refrigerant ? 5 : 0);
    row.rate[6] = percent(10);
}

void fillMaterial(PriceBook& book, int category, int m, const SampleMaterial& material, bool refrigerant)
{
    const std::span<const SizeStep> sizes = refrigerant ? std::span<const SizeStep>(CopperSizes)
                                                        : std::span<const SizeStep>(PipeSizes);
    assert(material.lastSize < static_cast<int>(sizes.size()));
    assert(material.lastSize - material.firstSize < PriceLines);
    const PricingStyle& style = PricingStyles[m % std::size(PricingStyles)];
    // Most materials price their levels from the list price; every third one
    // holds quoted level prices instead.
    const bool ratePricing = m % 3 != 1;

    for (int s = 0; s < Sheets; ++s) {
        for (int line = 1; line <= LinesPerSheet; ++line) {
            PriceRow& row = book.row(m, MaterialRowNumber(s, line));
            setText(row.sheetName, SheetStyles[s].name);
            setText(row.unit, "ｍ");
            const int size = material.firstSize + line - 1;
            if (line <= PriceLines && size <= material.lastSize)
                fillPriceLine(row, sizes[size], material, SheetStyles[s], style, ratePricing, refrigerant, line);
        }
    }

    static const char* const References[] = {"メーカー公表価格 2024年4月", "市場単価 2024年度", "見積単価 2024年3月"};
    setText(book.row(m, 1).headerText, material.goods);
    setText(book.row(m, 2).headerText, material.usage);
    setText(book.row(m, 3).headerText, material.joint);
    setText(book.row(m, 4).headerText, References[m % std::size(References)]);
    book.row(m, 5).headerText.setText(QStringLiteral("P.%1").arg(100 + 24 * category + 4 * m));

    fillSettings(book.row(m, SettingsRowNumber), style, ratePricing, refrigerant);
    for (int level = Level1; level <= CostLevel; ++level)
        BaseLabourCost(book.row(m, LabourRowNumber), level) = yen(BaseLabourYen[level - 1]);
}

} // namespace

PriceBook SampleBook(int category)
{
    assert(category >= 0 && category < static_cast<int>(Categories().size()));
    const SampleCategory& sample = Categories()[static_cast<std::size_t>(category)];
    PriceBook book;
    WorkSet work;
    for (std::size_t m = 0; m < sample.materials.size(); ++m) {
        fillMaterial(book, category, static_cast<int>(m), sample.materials[m], sample.refrigerant);
        SelectAndComputeMaterial(work, book, static_cast<int>(m));
    }
    return book;
}
