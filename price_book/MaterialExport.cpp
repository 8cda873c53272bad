#include "MaterialExport.h"

#include "Fields.h"
#include "NumberText.h"
#include "SheetTabs.h"
#include "ShiftJis.h"

#include <algorithm>

namespace {

const QString LineEnd = QStringLiteral("\r\n");

// The spaces inside "継  手" and "合   計" are part of the headings.
const QStringList Headings{QStringLiteral("呼び径"),   QStringLiteral("単位"),     QStringLiteral("採用単価"),
                           QStringLiteral("材料単価"), QStringLiteral("所要材料"), QStringLiteral("継  手"),
                           QStringLiteral("接合材等"), QStringLiteral("支持金物"), QStringLiteral("配管工"),
                           QStringLiteral("はつり補修"), QStringLiteral("その他"), QStringLiteral("合   計")};

constexpr int ChippingComponent = 5; // はつり補修, unused in refrigerant mode


// The print data file knows no quoting: a ";" would shift the fields of the
// line and a line break would split it.
QString printField(const QString& text)
{
    QString field = text;
    field.replace(QLatin1Char(';'), QStringLiteral("；"));
    field.replace(LineEnd, QStringLiteral(" "));
    field.replace(QLatin1Char('\r'), QLatin1Char(' '));
    field.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return field;
}

} // namespace

ExportView ShownExportView(const WorkSet& work)
{
    ExportView view;
    view.sheetNames = SheetTabCaptions(work);
    for (int line = 1; line <= 3; ++line)
        view.headerTexts[static_cast<std::size_t>(line - 1)] = work.row(line).headerText.text();
    return view;
}

ExportTable ExportMaterialTable(const WorkSet& work, const ExportView& view, ExportMode mode,
                                const ExportChoices& choices)
{
    const bool print = mode == ExportMode::Print;
    const int level = std::clamp(choices.level, static_cast<int>(Level1), static_cast<int>(CostLevel));
    const bool inputs = print || !choices.computedResults;
    const bool computed = print || choices.computedResults;
    const bool singleSheet = view.sheetNames.size() == 1;
    const int sheets = std::min(static_cast<int>(view.sheetNames.size()), Sheets);
    const auto text = [](const QString& t) { return ExportField{ExportField::Kind::Text, t, {}}; };
    const auto money = [](Currency v) { return ExportField{ExportField::Kind::Money, {}, v}; };
    const auto rate = [](Currency v) { return ExportField{ExportField::Kind::Rate, {}, v}; };

    const std::size_t fieldsPerLine = (print ? view.headerTexts.size() + 1 : 0) + 5 + (inputs ? RateInputs : 0)
        + (computed ? RateInputs : 0);

    ExportTable table;
    if (!print && choices.headings)
        table.headings = Headings;
    table.sheets.reserve(static_cast<std::size_t>(std::max(sheets, 0)));
    for (int sheet = 0; sheet < sheets; ++sheet) {
        ExportSheet& out = table.sheets.emplace_back();
        out.name = view.sheetNames[sheet];
        out.lines.reserve(PriceLines);
        for (int line = 1; line <= PriceLines; ++line) {
            const WorkRow& row = work.row(MaterialRowNumber(sheet, line));
            std::vector<ExportField>& fields = out.lines.emplace_back();
            fields.reserve(fieldsPerLine);
            if (print) {
                for (const QString& header : view.headerTexts)
                    fields.push_back(text(header));
                fields.push_back(text(out.name));
            }
            fields.push_back(text(row.sizeName.text()));
            fields.push_back(text(row.unit.text()));
            fields.push_back(money(LevelAdoptedPrice(row, level)));
            fields.push_back(money(MaterialPrice(row, level)));
            if (inputs) {
                for (const Currency r : row.rate)
                    fields.push_back(rate(r));
            }
            if (computed) {
                const auto& components = row.breakdown[static_cast<std::size_t>(level - 1)];
                for (int c = 0; c < RateInputs; ++c)
                    fields.push_back(c == ChippingComponent && singleSheet
                                         ? ExportField{}
                                         : money(components[static_cast<std::size_t>(c)]));
            }
            fields.push_back(money(LevelCompositePrice(row, level)));
        }
    }
    return table;
}

QString ExportMaterialText(const WorkSet& work, const ExportView& view, ExportMode mode,
                           const ExportChoices& choices)
{
    const bool print = mode == ExportMode::Print;
    const QChar separator = print ? QLatin1Char(';') : QLatin1Char(',');
    const auto text = [print](const QString& t) { return print ? printField(t) : CsvField(t); };
    const auto fieldText = [&](const ExportField& f) {
        switch (f.kind) {
        case ExportField::Kind::Text: return text(f.text);
        case ExportField::Kind::Money: return print ? FormatYen(f.value) : PlainText(f.value);
        case ExportField::Kind::Rate: return PlainText(f.value);
        case ExportField::Kind::Empty: break;
        }
        return QString();
    };
    const ExportTable table = ExportMaterialTable(work, view, mode, choices);
    const QString headingLine = table.headings.isEmpty() ? QString() : table.headings.join(separator) + LineEnd;

    // Lines end with CR LF except the last one.
    QString out;
    for (const ExportSheet& sheet : table.sheets) {
        if (&sheet != &table.sheets.front())
            out += LineEnd;
        if (!print) {
            out += text(sheet.name);
            out += LineEnd;
        }
        out += headingLine;
        for (const std::vector<ExportField>& line : sheet.lines) {
            if (&line != &sheet.lines.front())
                out += LineEnd;
            for (const ExportField& field : line) {
                out += fieldText(field);
                out += separator;
            }
        }
    }
    return out;
}

QByteArray ExportFileBytes(const QString& text)
{
    return ShiftJis::encode(text + LineEnd);
}
