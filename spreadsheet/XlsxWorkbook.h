#pragma once

#include "Currency.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <array>
#include <vector>

struct lxw_workbook;
struct lxw_worksheet;
struct lxw_format;

// How a cell of the exported workbooks looks. Money shows whole yen grouped
// by thousands, as the window's tables do, while the cell keeps the exact
// amount; a rate shows three decimals and the fourth when there is one.
enum class CellStyle { Text, Title, Heading, Money, Rate };

// An XLSX workbook being built, in a temporary folder since the library
// writes only to a file; finish() gives its bytes. Every column is made as
// wide as the widest cell written into it that fits. Every failure throws
// FileError naming `target`, the file the bytes are meant for.
class XlsxWorkbook {
public:
    explicit XlsxWorkbook(const QString& target);
    ~XlsxWorkbook();
    XlsxWorkbook(const XlsxWorkbook&) = delete;
    XlsxWorkbook& operator=(const XlsxWorkbook&) = delete;

    // `name` must be valid and new (see WorksheetNames).
    void addWorksheet(const QString& name);
    // Cells of the worksheet added last; rows and columns count from 0. An
    // empty text writes nothing. A text that need not fit (a title that may
    // run on over the empty cells beside it) leaves the width as it is.
    void text(int row, int column, const QString& text, CellStyle style = CellStyle::Text, bool fit = true);
    void number(int row, int column, Currency value, CellStyle style);
    void setProperties(const QString& title, const QString& subject);
    QByteArray finish();

private:
    void check(int error) const;
    void fit(int column, double width);
    void applyWidths();

    QString target_;
    QTemporaryDir folder_;
    // Kept while the workbook lives, as the library may keep the pointers.
    QByteArray scratchFolder_, title_, subject_;
    lxw_workbook* workbook_ = nullptr;
    lxw_worksheet* sheet_ = nullptr;
    std::array<lxw_format*, 5> formats_{};
    std::vector<double> widths_; // of the worksheet added last, in digit widths
};

// The width of a text in digit widths, the unit of column widths: two for a
// wide (full-width) character, one for any other.
double TextWidth(const QString& text);
