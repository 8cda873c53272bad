#include "BookDiff.h"

#include "Fields.h"
#include "MaterialSettings.h"
#include "NumberText.h"

#include <QStringList>
#include <cmath>
#include <type_traits>

namespace {

QString name(const char* utf8) { return QString::fromUtf8(utf8); }

std::array<BookFieldInfo, BookFieldCount> makeFields()
{
    using F = BookField;
    std::array<BookFieldInfo, BookFieldCount> t{{
        {F::HeaderText, FieldKind::Text, 0, name("見出し")},
        {F::SheetName, FieldKind::Text, 0, name("シート名")},
        {F::SizeName, FieldKind::Text, 0, name("サイズ")},
        {F::Unit, FieldKind::Text, 0, name("単位")},
        {F::AuxValue, FieldKind::Number, 0, name("補助値")},
    }};
    // Slots 5..11: the price table's columns in the record's order (原価 first).
    t[5] = {F::CostPrice, FieldKind::MaterialPrice, CostLevel, name("原価")};
    const char* const rates[RateInputs] = {"管", "継手類", "接合材", "支持金物", "配管工", "はつり補修", "その他"};
    for (int k = 1; k <= SubmissionLevels; ++k) {
        const QString level = QStringLiteral(" LEVEL%1").arg(k);
        t[5 + k] = {BookField(int(F::CostPrice) + k), FieldKind::MaterialPrice, k, name("提出単価") + level};
        t[19 + k] = {BookField(int(F::CompositeCost) + k), FieldKind::ComputedPrice, k, name("複合単価") + level};
        t[24 + k] = {BookField(int(F::Adopted1) + k - 1), FieldKind::ComputedPrice, k, name("採用単価") + level};
    }
    t[11] = {F::ListPrice, FieldKind::MaterialPrice, ListLevel, name("定価")};
    for (int j = 0; j < RateInputs; ++j)
        t[12 + j] = {BookField(int(F::Rate1) + j), FieldKind::Rate, j + 1, name(rates[j])};
    t[19] = {F::CompositeCost, FieldKind::ComputedPrice, CostLevel, name("複合単価 原価")};
    return t;
}

// Where a numeric field lives in a row; null for the texts.
template <typename Row>
auto* currencyField(Row& row, BookField f)
{
    const int i = static_cast<int>(f);
    using C = std::conditional_t<std::is_const_v<Row>, const Currency, Currency>;
    C* none = nullptr;
    if (f == BookField::CostPrice)
        return &row.costPrice;
    if (f >= BookField::LevelPrice1 && f <= BookField::LevelPrice5)
        return &row.levelPrice[i - int(BookField::LevelPrice1)];
    if (f == BookField::ListPrice)
        return &row.listPrice;
    if (f >= BookField::Rate1 && f <= BookField::Rate7)
        return &row.rate[i - int(BookField::Rate1)];
    if (f == BookField::CompositeCost)
        return &row.compositeCost;
    if (f >= BookField::Composite1 && f <= BookField::Composite5)
        return &row.compositeLevel[i - int(BookField::Composite1)];
    if (f >= BookField::Adopted1 && f <= BookField::Adopted5)
        return &row.adoptedLevel[i - int(BookField::Adopted1)];
    return none;
}

struct SlotName {
    const Currency* slot;
    QString name;
};

// The names of the slots of line 15 that hold settings (sheet 1) and base
// labour costs (sheet 4), found through the accessors that define them.
struct LineFifteen {
    RowFields probe;
    std::vector<SlotName> settings;
    std::vector<SlotName> labour;

    LineFifteen()
    {
        MaterialSettings s{probe};
        for (int k = Level1; k <= CostLevel; ++k) {
            const QString level = k == CostLevel ? name("原価") : QStringLiteral("LEVEL%1").arg(k);
            settings.push_back({&s.ratePercent(k), name("掛け率 ") + level});
            labour.push_back({&BaseLabourCost(probe, k), name("基礎工費 ") + (k == CostLevel ? QStringLiteral("NET") : level)});
        }
        settings.push_back({&s.adoptedStep(), name("採用単価の有効桁")});
        settings.push_back({&s.componentAddend(), name("内訳の端数処理")});
        settings.push_back({&s.componentDecimals(), name("内訳の小数桁数")});
        settings.push_back({&s.mode(), name("冷媒モード")});
        settings.push_back({&s.adoptedStepAddend(), name("採用単価の有効桁以下の処理")});
        settings.push_back({&s.ratePriceStep(), name("有効桁")});
        settings.push_back({&s.ratePriceDecimalAddend(), name("小数以下の処理")});
        settings.push_back({&s.ratePriceStepAddend(), name("有効桁以下の処理")});
        settings.push_back({&s.ratePricingFlag(), name("単価に掛け率を使用")});
    }

    const SlotName* find(BookField f, int sheet) const
    {
        const Currency* slot = currencyField(probe, f);
        const std::vector<SlotName>& names = sheet == 0 ? settings : labour;
        for (const SlotName& n : names) {
            if (n.slot == slot)
                return &n;
        }
        return nullptr;
    }
};

const LineFifteen& lineFifteen()
{
    static const LineFifteen names;
    return names;
}

// The slot of line 15 that holds a setting, not an amount.
bool isSetting(BookField f, int sheet, int line)
{
    return line == LinesPerSheet && sheet == 0 && lineFifteen().find(f, sheet) != nullptr;
}

QString fieldText(const RowFields& row, BookField f, bool money)
{
    switch (f) {
    case BookField::HeaderText:
        return row.headerText.text();
    case BookField::SheetName:
        return row.sheetName.text();
    case BookField::SizeName:
        return row.sizeName.text();
    case BookField::Unit:
        return row.unit.text();
    case BookField::AuxValue:
        return QString::number(row.auxValue);
    default:
        break;
    }
    const Currency value = *currencyField(row, f);
    return money ? FormatYen(value) : PlainText(value);
}

bool differs(const RowFields& a, const RowFields& b, BookField f)
{
    switch (f) {
    case BookField::HeaderText:
        return a.headerText != b.headerText;
    case BookField::SheetName:
        return a.sheetName != b.sheetName;
    case BookField::SizeName:
        return a.sizeName != b.sizeName;
    case BookField::Unit:
        return a.unit != b.unit;
    case BookField::AuxValue:
        return a.auxValue != b.auxValue;
    default:
        return *currencyField(a, f) != *currencyField(b, f);
    }
}

BookDifference difference(const RowFields& a, const RowFields& b, int material, int sheet, int line, BookField f)
{
    const FieldKind kind = FieldInfo(f).kind;
    bool money = (kind == FieldKind::MaterialPrice || kind == FieldKind::ComputedPrice) && !isSetting(f, sheet, line);
    // A change below a yen must not read as none.
    if (money && FormatYen(*currencyField(a, f)) == FormatYen(*currencyField(b, f)))
        money = false;
    BookDifference d{material, sheet, line, f, FieldName(f, sheet, line), fieldText(a, f, money),
                     fieldText(b, f, money), std::nullopt};
    if (IsPrice(f, line)) {
        const double before = currencyField(a, f)->toDouble();
        if (before != 0)
            d.percent = (currencyField(b, f)->toDouble() - before) / std::abs(before) * 100.0;
    }
    return d;
}

// Shows a text on one line: quoted, with its quotes, backslashes and control
// characters escaped.
QString quoted(const QString& text)
{
    QString out = QStringLiteral("\"");
    for (const QChar c : text) {
        if (c == QLatin1Char('"') || c == QLatin1Char('\\'))
            out += QLatin1Char('\\') + c;
        else if (c == QLatin1Char('\n'))
            out += QStringLiteral("\\n");
        else if (c == QLatin1Char('\r'))
            out += QStringLiteral("\\r");
        else if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            out += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            out += c;
    }
    return out + QLatin1Char('"');
}


QString percentText(const BookDifference& d) { return d.percent ? QString::number(*d.percent, 'f', 1) : QString(); }

} // namespace

const std::array<BookFieldInfo, BookFieldCount>& BookFields()
{
    static const std::array<BookFieldInfo, BookFieldCount> fields = makeFields();
    return fields;
}

const BookFieldInfo& FieldInfo(BookField field) { return BookFields()[static_cast<std::size_t>(field)]; }

QString FieldName(BookField field, int sheet, int line)
{
    if (line == LinesPerSheet && (sheet == 0 || sheet == Sheets - 1)) {
        if (const SlotName* slot = lineFifteen().find(field, sheet))
            return slot->name;
    }
    return FieldInfo(field).name;
}

bool IsPrice(BookField field, int line)
{
    const FieldKind kind = FieldInfo(field).kind;
    return line <= PriceLines && (kind == FieldKind::MaterialPrice || kind == FieldKind::ComputedPrice);
}

std::vector<BookDifference> CompareBooks(const PriceBook& a, const PriceBook& b, const BookDiffOptions& options)
{
    std::vector<int> materials = options.materials;
    if (materials.empty()) {
        for (int m = 0; m < Materials; ++m)
            materials.push_back(m);
    }
    std::vector<BookDifference> differences;
    for (const int m : materials) {
        for (int s = 0; s < Sheets; ++s) {
            for (int l = 1; l <= LinesPerSheet; ++l) {
                const int k = RowNumber(m, s, l);
                for (const BookFieldInfo& field : BookFields()) {
                    if (options.pricesOnly && !IsPrice(field.field, l))
                        continue;
                    if (differs(a.row(k), b.row(k), field.field))
                        differences.push_back(difference(a.row(k), b.row(k), m, s, l, field.field));
                }
            }
        }
    }
    return differences;
}

QString BookDiffText(const std::vector<BookDifference>& differences, const PriceBook& b)
{
    QString text;
    int material = -1;
    for (const BookDifference& d : differences) {
        if (d.material != material) {
            material = d.material;
            text += QStringLiteral("material %1: %2\n").arg(material + 1).arg(quoted(MaterialLabel(b, material)));
        }
        const bool isText = FieldInfo(d.field).kind == FieldKind::Text;
        text += QStringLiteral("  sheet %1 line %2 %3: %4 -> %5")
                    .arg(d.sheet + 1)
                    .arg(d.line)
                    .arg(d.name, isText ? quoted(d.oldText) : d.oldText, isText ? quoted(d.newText) : d.newText);
        if (d.percent)
            text += QStringLiteral(" (%1%)").arg(percentText(d));
        text += QLatin1Char('\n');
    }
    return text;
}

QString BookDiffCsv(const std::vector<BookDifference>& differences, const PriceBook& b)
{
    QStringList rows{name("材料,品名,シート,行,項目,旧,新,増減(%)")};
    for (const BookDifference& d : differences) {
        const QStringList cells{QString::number(d.material + 1), MaterialLabel(b, d.material),
                                QString::number(d.sheet + 1), QString::number(d.line), d.name, d.oldText,
                                d.newText, percentText(d)};
        rows << CsvLine(cells);
    }
    return rows.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}
