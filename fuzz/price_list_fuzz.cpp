// A supplier's price list of any bytes, read as a CSV file (in each
// encoding; detection reads as the encoding it detects) and as an XLSX file:
// it reads, or fails with FileError naming the file; rows are numbered
// upwards from 1 and hold no empty cell at their end; a CSV table written out
// again as UTF-8 CSV reads back as itself; and the rows of every table read,
// or fail naming the file.
#include "FuzzSupport.h"

#include "CsvTable.h"
#include "FileError.h"
#include "PriceBook.h"
#include "PriceListColumns.h"
#include "PriceListRow.h"
#include "PriceListTable.h"

#include <algorithm>
#include <iterator>
#include <optional>

namespace {

const QString CsvPath = QStringLiteral("list.csv");

QByteArray csvBytes(const PriceListTable& table)
{
    // Written into one text: a list of fields and one of lines, each joined,
    // were a fifth of the run.
    QString text;
    for (const PriceListTableRow& row : table.rows) {
        for (qsizetype k = 0; k < row.cells.size(); ++k) {
            const QString& cell = row.cells[k];
            if (k > 0)
                text += u',';
            text += u'"';
            text += cell.contains(u'"') ? QString(cell).replace(u'"', QStringLiteral("\"\"")) : cell;
            text += u'"';
        }
        // Every line ended, so that rows without cells at the end are kept.
        text += QStringLiteral("\r\n");
    }
    return text.toUtf8();
}

std::optional<PriceListTable> read(const QString& path, const QByteArray& bytes, const PriceListReadOptions& options)
{
    try {
        return PriceListTableFromBytes(path, bytes, options);
    } catch (const FileError& e) {
        FUZZ_CHECK(e.file() == path && !e.reason().isEmpty());
        return std::nullopt;
    }
}

// `csv` when the table was read from a CSV file, whose rows are numbered
// without gaps.
void checkTable(const PriceListTable& table, const QString& path, bool csv)
{
    FUZZ_CHECK(table.file == path);
    int last = 0;
    qint64 cells = 0;
    for (const PriceListTableRow& row : table.rows) {
        FUZZ_CHECK(row.number >= 1);
        if (csv)
            FUZZ_CHECK(row.number == last + 1);
        FUZZ_CHECK(row.cells.isEmpty() || !row.cells.last().isEmpty());
        last = row.number;
        cells += row.cells.size();
    }
    FUZZ_CHECK(cells <= PriceListMaxCells);
    try {
        const PriceListColumnChoice choice{QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"),
                                           QStringLiteral("D"), QStringLiteral("E"), 1};
        for (const PriceListRow& row : ReadPriceListRows(table, ResolvePriceListColumns(table, choice))) {
            FUZZ_CHECK(row.row > choice.headingRow);
            FUZZ_CHECK(!row.materialNumber || (*row.materialNumber >= 1 && *row.materialNumber <= Materials));
        }
    } catch (const FileError& e) {
        FUZZ_CHECK(e.file() == path && !e.reason().isEmpty());
    }
}

bool SameRows(const PriceListTable& a, const PriceListTable& b)
{
    return std::equal(a.rows.begin(), a.rows.end(), b.rows.begin(), b.rows.end(),
                      [](const PriceListTableRow& x, const PriceListTableRow& y) {
                          return x.number == y.number && x.cells == y.cells;
                      });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = FuzzBytes(data, size);
    // A zip is read as a workbook whatever its name.
    const bool zip = bytes.startsWith("PK\x03\x04") || bytes.startsWith("PK\x05\x06");
    const TextEncoding encodings[] = {TextEncoding::ShiftJis, TextEncoding::Utf8};
    std::optional<PriceListTable> tables[std::size(encodings)];
    for (std::size_t e = 0; e < std::size(encodings); ++e) {
        std::optional<PriceListTable>& table = tables[e];
        table = read(CsvPath, bytes, {encodings[e], QString()});
        // Text both encodings read alike (ASCII, a workbook) gives a table
        // already checked.
        if (!table || (e > 0 && tables[0] && SameRows(*table, *tables[0])))
            continue;
        checkTable(*table, CsvPath, !zip);
        if (zip)
            continue;
        const std::optional<PriceListTable> again = read(CsvPath, csvBytes(*table), {TextEncoding::Utf8, QString()});
        FUZZ_CHECK(again && again->rows.size() == table->rows.size());
        for (std::size_t k = 0; k < table->rows.size(); ++k)
            FUZZ_CHECK(again->rows[k].cells == table->rows[k].cells);
    }
    // Detection reads as the encoding it detects, so it is held to that
    // table, already checked above, instead of being checked and written out
    // again a third time.
    const std::optional<PriceListTable> detected = read(CsvPath, bytes, {TextEncoding::Detect, QString()});
    const std::optional<PriceListTable>& expected = tables[DetectTextEncoding(bytes) == TextEncoding::Utf8 ? 1 : 0];
    FUZZ_CHECK(detected.has_value() == expected.has_value());
    FUZZ_CHECK(!detected || SameRows(*detected, *expected));

    const QString xlsx = QStringLiteral("list.xlsx");
    if (const std::optional<PriceListTable> table = read(xlsx, bytes, {TextEncoding::Detect, QStringLiteral("Sheet2")}))
        checkTable(*table, xlsx, !zip);
    return 0;
}
