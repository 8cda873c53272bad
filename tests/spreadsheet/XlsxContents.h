#pragma once

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <utility>

// What a test needs of an XLSX file, read from its parts as a spreadsheet
// program reads them.
struct XlsxCell {
    bool number = false; // a number cell: no type, or type "n"
    QString text;        // the value as written, or the shared string
    QString format;      // the number format's code, "General" when none

    bool operator==(const XlsxCell&) const = default;
};

struct XlsxSheet {
    QString name;
    QMap<std::pair<int, int>, XlsxCell> cells; // (row, column) from 0
    QMap<int, double> widths;                  // column from 0
    int rows = 0;                              // one past the last row with a cell

    bool operator==(const XlsxSheet&) const = default;
};

struct XlsxContents {
    QString error; // empty when the file could be read
    QString title;
    QString subject;
    QList<XlsxSheet> sheets;

    bool operator==(const XlsxContents&) const = default;
};

XlsxContents ReadXlsx(const QString& path);

// The records of a CSV text: fields split at commas outside quotes, quotes
// taken off, records at line ends (CR LF or LF) outside quotes.
QList<QStringList> CsvRecords(const QString& text);

// Fails the test unless `sheet` holds the CSV records row for row: texts as
// text cells, the numbers of the price lines (from the third field on) as
// number cells of the same value, in the money format or, for the middle
// seven when they are rates, the rate format; an empty field as no cell.
// Each column must be as wide as its texts and whole yen.
void CompareWithCsv(const XlsxSheet& sheet, const QList<QStringList>& records, bool rates);
