#include "MaterialWorkbook.h"

#include "AtomicFile.h"
#include "CompositePrice.h"
#include "FileError.h"
#include "WorksheetNames.h"
#include "XlsxWorkbook.h"

#include <QFileInfo>

namespace {

QString levelName(int level)
{
    return level >= Level1 && level <= Level5 ? QStringLiteral("LEVEL%1").arg(level) : QStringLiteral("原価");
}

QString subject(const QString& bookFile, const QString& what, const ExportChoices& choices)
{
    return QStringLiteral("%1 の%2（%3）").arg(QFileInfo(bookFile).fileName(), what, levelName(choices.level));
}

// Writes the block of one sheet from `row` on, as the CSV has it; gives the
// row after it.
int writeBlock(XlsxWorkbook& xlsx, int row, const ExportSheet& sheet, const QStringList& headings)
{
    xlsx.text(row++, 0, sheet.name, CellStyle::Title, false);
    if (!headings.isEmpty()) {
        for (int column = 0; column < headings.size(); ++column)
            xlsx.text(row, column, headings[column], CellStyle::Heading);
        ++row;
    }
    for (const std::vector<ExportField>& line : sheet.lines) {
        for (int column = 0; column < static_cast<int>(line.size()); ++column) {
            const ExportField& field = line[static_cast<std::size_t>(column)];
            if (field.kind == ExportField::Kind::Text)
                xlsx.text(row, column, field.text);
            else if (field.kind != ExportField::Kind::Empty)
                xlsx.number(row, column, field.value,
                            field.kind == ExportField::Kind::Money ? CellStyle::Money : CellStyle::Rate);
        }
        ++row;
    }
    return row;
}

} // namespace

void WriteMaterialWorkbook(const QString& path, const WorkSet& work, const ExportView& view,
                           const ExportChoices& choices, const QString& bookFile, int material)
{
    const ExportTable table = ExportMaterialTable(work, view, ExportMode::File, choices);
    XlsxWorkbook xlsx(path);
    xlsx.setProperties(MaterialLabel(view.headerTexts[0]),
                       subject(bookFile, QStringLiteral("材料 %1").arg(material + 1), choices));
    QStringList tabs;
    for (const ExportSheet& sheet : table.sheets)
        tabs << sheet.name;
    const QStringList names = WorksheetNames(tabs);
    for (std::size_t s = 0; s < table.sheets.size(); ++s) {
        xlsx.addWorksheet(names[static_cast<qsizetype>(s)]);
        writeBlock(xlsx, 0, table.sheets[s], table.headings);
    }
    WriteFileAtomically(path, xlsx.finish());
}

void WriteBookWorkbook(const QString& path, const PriceBook& book, const QString& bookFile,
                       const ExportChoices& choices)
{
    QList<int> used;
    QStringList wanted;
    for (int m = 0; m < Materials; ++m) {
        const QString goods = book.row(m, 1).headerText.text().trimmed();
        if (goods.isEmpty())
            continue;
        used << m;
        wanted << QStringLiteral("%1 %2").arg(m + 1).arg(goods);
    }
    if (used.isEmpty())
        throw FileError(bookFile, QStringLiteral("品名のある材料がないため、書き出しませんでした"));

    XlsxWorkbook xlsx(path);
    xlsx.setProperties(QFileInfo(bookFile).fileName(), subject(bookFile, QStringLiteral("全材料"), choices));
    const QStringList names = WorksheetNames(wanted);
    PriceBook computed = book;
    WorkSet work;
    for (qsizetype i = 0; i < used.size(); ++i) {
        SelectAndComputeMaterial(work, computed, used[i]);
        const ExportTable table = ExportMaterialTable(work, ShownExportView(work), ExportMode::File, choices);
        xlsx.addWorksheet(names[i]);
        int row = 0;
        for (const ExportSheet& sheet : table.sheets)
            row = writeBlock(xlsx, row, sheet, table.headings);
    }
    WriteFileAtomically(path, xlsx.finish());
}
