#include "PrintLayout.h"

#include <QFont>
#include <QPagedPaintDevice>
#include <QPainter>
#include <numeric>

namespace {

// The painter works in tenths of a millimetre.
constexpr double UnitsPerInch = 254.0;

constexpr int TitleHeight = 150;
constexpr int CaptionHeight = 45;
constexpr int HeaderRowHeight = 36;
constexpr int RowHeight = 42;
constexpr int TableGap = 60;
constexpr int FooterHeight = 40;
constexpr int CellPadding = 8;

// Table columns: fields 5 to 23 of a data line.
constexpr int FirstTableField = 4;
constexpr int TableColumns = 19;
constexpr int InputColumns = 4;    // columns 4..10: the labour rate inputs
constexpr int ComputedColumns = 11; // columns 11..17: the computed components
constexpr int ComponentCount = 7;
constexpr std::array<int, TableColumns> ColumnWeights{110, 80, 160, 160, 120, 120, 120, 120, 120, 120, 120,
                                                      140, 140, 140, 140, 140, 140, 140, 170};

QStringList inputHeadings(bool refrigerant)
{
    if (refrigerant)
        return {QStringLiteral("管"),     QStringLiteral("継手接合等"), QStringLiteral("支持金物"), QStringLiteral("雑材料"),
                QStringLiteral("配管工"), QStringLiteral("---"),        QStringLiteral("その他")};
    return {QStringLiteral("管"),     QStringLiteral("継手"),   QStringLiteral("接合材"), QStringLiteral("支持金"),
            QStringLiteral("配管工"), QStringLiteral("はつり"), QStringLiteral("その他")};
}

QStringList computedHeadings(bool refrigerant)
{
    if (refrigerant)
        return {QStringLiteral("所要材料"), QStringLiteral("継手接合等"), QStringLiteral("支持金物"), QStringLiteral("雑材料"),
                QStringLiteral("配管工"),   QStringLiteral("---"),        QStringLiteral("その他")};
    return {QStringLiteral("所要材料"), QStringLiteral("継手"),       QStringLiteral("接合材等"), QStringLiteral("支持金物"),
            QStringLiteral("配管工"),   QStringLiteral("はつり補修"), QStringLiteral("その他")};
}

QFont fontOf(int pixelSize, bool bold = false)
{
    QFont font(QStringLiteral("IPAGothic"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

class PageWriter {
public:
    PageWriter(const PrintJobContent& job, QPainter& painter, double width, double height)
        : job_(job), painter_(painter), width_(width), height_(height)
    {
        const int total = std::accumulate(ColumnWeights.begin(), ColumnWeights.end(), 0);
        double x = 0;
        for (int c = 0; c < TableColumns; ++c) {
            left_[static_cast<std::size_t>(c)] = x;
            x += width_ * ColumnWeights[static_cast<std::size_t>(c)] / total;
        }
        left_[TableColumns] = width_;
    }

    void page(int number, int pages)
    {
        title();
        double y = TitleHeight;
        const int first = number * SheetsPerPage;
        for (int s = first; s < std::min(first + SheetsPerPage, static_cast<int>(job_.sheets.size())); ++s) {
            y = table(job_.sheets[s], y);
            y += TableGap;
        }
        footer(number, pages);
    }

private:
    QRectF cell(int column, double top, double height, int span = 1) const
    {
        const double l = left_[static_cast<std::size_t>(column)];
        return QRectF(l, top, left_[static_cast<std::size_t>(column + span)] - l, height);
    }

    void boxed(const QRectF& rect, const QString& text, Qt::Alignment align)
    {
        painter_.drawRect(rect);
        painter_.drawText(rect.adjusted(CellPadding, 0, -CellPadding, 0), static_cast<int>(align | Qt::AlignVCenter),
                          text);
    }

    void title()
    {
        painter_.setFont(fontOf(60, true));
        painter_.drawText(QRectF(0, 0, width_, 70), Qt::AlignCenter, job_.dataTitle);
        painter_.setFont(fontOf(28));
        painter_.drawText(QRectF(0, 0, width_, 70), Qt::AlignLeft | Qt::AlignVCenter, job_.applicationTitle);
        // Era date: [tb] era and year, [tc] month, [td] day, [te] weekday.
        const QString date = QStringLiteral("%1年%2月%3日（%4）")
                                 .arg(job_.headerValue(1), job_.headerValue(2), job_.headerValue(3), job_.headerValue(4));
        painter_.drawText(QRectF(0, 0, width_, 70), Qt::AlignRight | Qt::AlignVCenter, date);
        const QString values = QStringLiteral("単価根拠：%1　　基礎工費：%2　　原価基礎工費：%3")
                                   .arg(job_.headerValue(7), job_.headerValue(8), job_.headerValue(9));
        painter_.drawText(QRectF(0, 80, width_, 50), Qt::AlignLeft | Qt::AlignVCenter, values);
    }

    double table(const PrintSheet& sheet, double top)
    {
        painter_.setFont(fontOf(30, true));
        const QString caption = QStringLiteral("%1　%2　%3　［%4］")
                                    .arg(sheet.goodsName(), sheet.usage(), sheet.jointMethod(), sheet.sheetName());
        painter_.drawText(QRectF(0, top, width_, CaptionHeight), Qt::AlignLeft | Qt::AlignVCenter, caption);
        double y = top + CaptionHeight;

        painter_.setFont(fontOf(22, true));
        const double both = 2 * HeaderRowHeight;
        const QString fixedHeadings[] = {QStringLiteral("呼び径"), QStringLiteral("単位"), QStringLiteral("採用単価"),
                                         QStringLiteral("材料単価")};
        for (int c = 0; c < InputColumns; ++c)
            boxed(cell(c, y, both), fixedHeadings[c], Qt::AlignHCenter);
        boxed(cell(InputColumns, y, HeaderRowHeight, ComponentCount), QStringLiteral("歩　掛"), Qt::AlignHCenter);
        boxed(cell(ComputedColumns, y, HeaderRowHeight, ComponentCount), QStringLiteral("計算結果"), Qt::AlignHCenter);
        boxed(cell(TableColumns - 1, y, both), QStringLiteral("合　計"), Qt::AlignHCenter);
        const QStringList inputs = inputHeadings(job_.refrigerant);
        const QStringList computed = computedHeadings(job_.refrigerant);
        for (int i = 0; i < ComponentCount; ++i) {
            boxed(cell(InputColumns + i, y + HeaderRowHeight, HeaderRowHeight), inputs[i], Qt::AlignHCenter);
            boxed(cell(ComputedColumns + i, y + HeaderRowHeight, HeaderRowHeight), computed[i], Qt::AlignHCenter);
        }
        y += both;

        painter_.setFont(fontOf(24));
        for (const PrintRow& row : sheet.rows) {
            for (int c = 0; c < TableColumns; ++c) {
                // Size and unit are names; every other column is a number.
                const Qt::Alignment align = c < 2 ? Qt::AlignHCenter : Qt::AlignRight;
                boxed(cell(c, y, RowHeight), row[static_cast<std::size_t>(FirstTableField + c)], align);
            }
            y += RowHeight;
        }
        return y;
    }

    void footer(int number, int pages)
    {
        painter_.setFont(fontOf(24));
        const QRectF band(0, height_ - FooterHeight, width_, FooterHeight);
        painter_.drawText(band, Qt::AlignCenter, QStringLiteral("%1 / %2").arg(number + 1).arg(pages));
        // Gregorian date: [ta] year, [tc] month, [td] day.
        painter_.drawText(band, Qt::AlignRight | Qt::AlignVCenter,
                          QStringLiteral("%1/%2/%3").arg(job_.headerValue(0), job_.headerValue(2), job_.headerValue(3)));
    }

    const PrintJobContent& job_;
    QPainter& painter_;
    double width_;
    double height_;
    std::array<double, TableColumns + 1> left_{};
};

} // namespace

QPageLayout PrintPageLayout()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(10, 10, 10, 10),
                       QPageLayout::Millimeter);
}

int PageCount(const PrintJobContent& job)
{
    return (static_cast<int>(job.sheets.size()) + SheetsPerPage - 1) / SheetsPerPage;
}

bool PaintPrintJob(const PrintJobContent& job, QPagedPaintDevice& device)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const double scale = device.logicalDpiX() / UnitsPerInch;
    painter.scale(scale, device.logicalDpiY() / UnitsPerInch);
    QPen pen(Qt::black);
    pen.setWidthF(2);
    painter.setPen(pen);
    PageWriter writer(job, painter, device.width() / scale, device.height() * UnitsPerInch / device.logicalDpiY());
    const int pages = PageCount(job);
    for (int p = 0; p < pages; ++p) {
        if (p > 0)
            device.newPage();
        writer.page(p, pages);
    }
    return painter.end();
}
