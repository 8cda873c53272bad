#include "MaterialExport.h"

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

// A text with a comma, a quote or a line break would shift every later
// column of the CSV, so it is quoted; every other text stays as it is.
QString csvField(const QString& text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char('\r'))
        && !text.contains(QLatin1Char('\n')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

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

QString ExportMaterialText(const WorkSet& work, const ExportView& view, ExportMode mode,
                           const ExportChoices& choices)
{
    const bool print = mode == ExportMode::Print;
    const QChar separator = print ? QLatin1Char(';') : QLatin1Char(',');
    const int level = std::clamp(choices.level, static_cast<int>(Level1), static_cast<int>(CostLevel));
    const bool inputs = print || !choices.computedResults;
    const bool computed = print || choices.computedResults;
    const bool singleSheet = view.sheetNames.size() == 1;
    const int sheets = std::min(static_cast<int>(view.sheetNames.size()), Sheets);
    const auto text = [print](const QString& t) { return print ? printField(t) : csvField(t); };
    const auto money = [print](Currency v) { return print ? FormatYen(v) : PlainText(v); };
    const QString headingLine =
        !print && choices.headings ? Headings.join(separator) + LineEnd : QString();

    QString out;
    const auto field = [&out, separator](const QString& f) {
        out += f;
        out += separator;
    };
    for (int sheet = 0; sheet < sheets; ++sheet) {
        const QString& sheetName = view.sheetNames[sheet];
        if (!print)
            out += text(sheetName) + LineEnd;
        out += headingLine;
        for (int line = 1; line <= PriceLines; ++line) {
            const WorkRow& row = work.row(MaterialRowNumber(sheet, line));
            if (print) {
                for (const QString& header : view.headerTexts)
                    field(text(header));
                field(text(sheetName));
            }
            field(text(row.sizeName.text()));
            field(text(row.unit.text()));
            field(money(LevelAdoptedPrice(row, level)));
            field(money(MaterialPrice(row, level)));
            if (inputs) {
                for (const Currency rate : row.rate)
                    field(PlainText(rate));
            }
            if (computed) {
                const auto& components = row.breakdown[static_cast<std::size_t>(level - 1)];
                for (int c = 0; c < RateInputs; ++c)
                    field(c == ChippingComponent && singleSheet ? QString()
                                                                : money(components[static_cast<std::size_t>(c)]));
            }
            field(money(LevelCompositePrice(row, level)));
            if (sheet < sheets - 1 || line < PriceLines)
                out += LineEnd;
        }
    }
    return out;
}

QByteArray ExportFileBytes(const QString& text)
{
    return ShiftJis::encode(text + LineEnd);
}
