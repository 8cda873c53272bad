#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

// One row of a price list as the file holds it.
struct PriceListTableRow {
    int number = 0;    // as the file numbers it, from 1
    QStringList cells; // from column A; empty cells at the end are left off

    // The text of a column from 0; empty beyond the row's last cell.
    QString cell(int column) const { return column < cells.size() ? cells[column] : QString(); }
    bool isEmpty() const;
};

// The rows of a price list file, in the file's order.
struct PriceListTable {
    QString file;
    std::vector<PriceListTableRow> rows;

    // One more than the last column any row holds.
    int columnCount() const;
    // The row the file numbers `number`; nullptr when it holds none.
    const PriceListTableRow* row(int number) const;
};

// How the bytes of a CSV file become text. Detect takes a byte order mark
// as UTF-8, then text that is valid UTF-8 as UTF-8, and the rest as Shift-JIS.
enum class TextEncoding { Detect, ShiftJis, Utf8 };

struct PriceListReadOptions {
    TextEncoding encoding = TextEncoding::Detect; // of a CSV file
    QString sheetName;                            // of an XLSX file; empty for the first sheet
};

// The most a price list file, and each part of an XLSX file unpacked, may
// hold: a price list of suppliers is a few megabytes at most, and a zip that
// unpacks to more is refused before it is unpacked.
constexpr qint64 PriceListMaxBytes = 64 * 1024 * 1024;
// The most cells a table may hold, counting the empty ones before the last
// of each row and a row without cells as one, so that a small file cannot
// ask for an endless table.
constexpr qint64 PriceListMaxCells = 4 * 1024 * 1024;

// Reads a CSV (comma or tab separated) or XLSX file, told apart by its
// content, not by its name. Throws FileError naming the file (and the row,
// where there is one) for a file it cannot read or that is neither.
PriceListTable ReadPriceListTable(const QString& path, const PriceListReadOptions& options = {});
PriceListTable PriceListTableFromBytes(const QString& path, const QByteArray& bytes,
                                       const PriceListReadOptions& options = {});

// The names of the sheets of an XLSX file in their order, for a choice of
// sheet; empty for a CSV file. Throws FileError as ReadPriceListTable does.
QStringList PriceListSheetNames(const QString& path);
