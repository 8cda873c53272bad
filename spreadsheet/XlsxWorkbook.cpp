#include "XlsxWorkbook.h"

#include "FileError.h"
#include "NumberText.h"
#include "RegularFile.h"

#include <QFile>
#include <QRegularExpression>
#include <xlsxwriter.h>

#include <cerrno>

namespace {

const char* const WorkbookName = "workbook.xlsx";

QString failure(const QString& detail)
{
    return QStringLiteral("表計算ファイルを作れませんでした（%1）").arg(detail);
}

// A spreadsheet program reads "_x0041_" in a cell as the character it
// stands for, the form the library gives the characters XML cannot hold; a
// text that holds such a form itself keeps it by an escaped underscore.
QString keptLiteral(const QString& text)
{
    static const QRegularExpression escapeForm(QStringLiteral("_(x[0-9A-Fa-f]{4}_)"));
    return QString(text).replace(escapeForm, QStringLiteral("_x005F_\\1"));
}

bool isWide(char32_t c)
{
    if (c < 0x1100)
        return false;
    if (c <= 0x115F || (c >= 0x2E80 && c <= 0xA4CF) || (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF)
        || (c >= 0xFE30 && c <= 0xFE4F))
        return true;
    if (c >= 0xFF00 && c <= 0xFF60) // full-width forms; the half-width katakana after them are narrow
        return true;
    return (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x20000 && c <= 0x3FFFD);
}

// What the rate format shows: at least three decimals.
QString shownRate(Currency value)
{
    QString text = PlainText(value);
    const qsizetype point = text.indexOf(QLatin1Char('.'));
    const qsizetype decimals = point < 0 ? 0 : text.size() - point - 1;
    if (point < 0)
        text += QLatin1Char('.');
    return text + QString(std::max<qsizetype>(0, 3 - decimals), QLatin1Char('0'));
}

} // namespace

double TextWidth(const QString& text)
{
    double width = 0;
    for (const char32_t c : text.toUcs4())
        width += isWide(c) ? 2 : 1;
    return width;
}

XlsxWorkbook::XlsxWorkbook(const QString& target) : target_(target)
{
    if (!folder_.isValid())
        throw FileError(target_, failure(QStringLiteral("一時フォルダー：") + SystemErrorText(errno)));
    const QByteArray path = QFile::encodeName(folder_.filePath(QString::fromLatin1(WorkbookName)));
    scratchFolder_ = QFile::encodeName(folder_.path());
    lxw_workbook_options options{};
    options.tmpdir = scratchFolder_.data(); // the library's own scratch files go there too
    workbook_ = workbook_new_opt(path.constData(), &options);
    if (!workbook_)
        throw FileError(target_, failure(QStringLiteral("メモリー不足")));
    const auto format = [this](const char* numberFormat, bool bold) {
        lxw_format* f = workbook_add_format(workbook_);
        if (numberFormat)
            format_set_num_format(f, numberFormat);
        if (bold)
            format_set_bold(f);
        return f;
    };
    formats_ = {nullptr, format(nullptr, true), format(nullptr, true), format("#,##0", false), format("0.000#", false)};
}

XlsxWorkbook::~XlsxWorkbook()
{
    if (workbook_)
        lxw_workbook_free(workbook_);
}

void XlsxWorkbook::check(int error) const
{
    if (error != LXW_NO_ERROR)
        throw FileError(target_, failure(QString::fromUtf8(lxw_strerror(static_cast<lxw_error>(error)))));
}

void XlsxWorkbook::fit(int column, double width)
{
    if (widths_.size() <= static_cast<std::size_t>(column))
        widths_.resize(static_cast<std::size_t>(column) + 1, 0);
    widths_[static_cast<std::size_t>(column)] = std::max(widths_[static_cast<std::size_t>(column)], width);
}

// A margin of two digits keeps the texts off the grid lines; no column is
// narrower than six, so that a column of zeros still reads as one.
void XlsxWorkbook::applyWidths()
{
    for (std::size_t column = 0; column < widths_.size(); ++column) {
        const auto c = static_cast<lxw_col_t>(column);
        check(worksheet_set_column(sheet_, c, c, std::max(widths_[column] + 2, 6.0), nullptr));
    }
    widths_.clear();
}

void XlsxWorkbook::addWorksheet(const QString& name)
{
    if (sheet_)
        applyWidths();
    const QByteArray utf8 = name.toUtf8();
    check(workbook_validate_sheet_name(workbook_, utf8.constData()));
    sheet_ = workbook_add_worksheet(workbook_, utf8.constData());
    if (!sheet_)
        throw FileError(target_, failure(QStringLiteral("シート名「%1」").arg(name)));
}

void XlsxWorkbook::text(int row, int column, const QString& text, CellStyle style, bool fitText)
{
    if (text.isEmpty())
        return;
    check(worksheet_write_string(sheet_, static_cast<lxw_row_t>(row), static_cast<lxw_col_t>(column),
                                 keptLiteral(text).toUtf8().constData(), formats_[static_cast<std::size_t>(style)]));
    if (fitText)
        fit(column, TextWidth(text));
}

void XlsxWorkbook::number(int row, int column, Currency value, CellStyle style)
{
    check(worksheet_write_number(sheet_, static_cast<lxw_row_t>(row), static_cast<lxw_col_t>(column),
                                 value.toDouble(), formats_[static_cast<std::size_t>(style)]));
    fit(column, TextWidth(style == CellStyle::Rate ? shownRate(value) : FormatYen(value)));
}

void XlsxWorkbook::setProperties(const QString& title, const QString& subject)
{
    title_ = title.toUtf8();
    subject_ = subject.toUtf8();
    lxw_doc_properties properties{};
    properties.title = title_.data();
    properties.subject = subject_.data();
    check(workbook_set_properties(workbook_, &properties));
}

QByteArray XlsxWorkbook::finish()
{
    if (sheet_)
        applyWidths();
    lxw_workbook* workbook = workbook_;
    workbook_ = nullptr; // closing frees it, whatever the outcome
    check(workbook_close(workbook));
    QFile file(folder_.filePath(QString::fromLatin1(WorkbookName)));
    if (!file.open(QIODevice::ReadOnly))
        throw FileError(target_, failure(file.errorString()));
    return file.readAll();
}
