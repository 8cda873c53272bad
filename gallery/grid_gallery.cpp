// Shows the column grid styled like the labour rate table of the main window;
// with --screenshot FILE it renders itself to FILE and exits.
#include "ColorNumber.h"
#include "TSCGCellParam.h"
#include "TStrColGrid.h"

#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

namespace {

const QColor Fixed = ColorFromNumber(0xA28C8E);
const QColor Focus = ColorFromNumber(0xC08080);

void markRow(TStrColGrid& grid, int row)
{
    for (int r = 1; r < grid.RowCount(); ++r)
        grid.SetCellColor(0, r, r == row ? Focus : Fixed);
    grid.viewport()->update();
}

void styleLabourGrid(TStrColGrid& grid)
{
    grid.SetColCount(11);
    grid.SetRowCount(15);
    grid.SetFixedCols(4);
    grid.SetFixedRows(1);
    QFont font(QStringLiteral("IPAGothic"));
    font.setPixelSize(15);
    font.setFixedPitch(true);
    font.setStyleHint(QFont::TypeWriter);
    grid.SetFont(font);
    grid.SetFontColor(Qt::black);
    grid.SetDefaultRowHeight(17);
    grid.SetRowHeights(0, 3 * 17);
    grid.SetColWidths(0, 35);
    for (int c = 1; c < 11; ++c)
        grid.SetColWidths(c, 80);
    grid.SetColor(Qt::white);
    grid.SetFixedColor(Fixed);
    grid.SetFocusCellColor(Focus);
    grid.SetFocusCellFontColor(Qt::white);
    grid.SetFocusCellFontColorEnabled(true);
    grid.SetOptions(DefaultGridOptions | goDrawFocusSelected | goColSizing | goEditing);

    // Adopted and composite prices: right-aligned, white, and neither
    // focus-painted nor sizable while one of them is current.
    TSCGCellParam* prices = grid.CellParams()->Add();
    prices->SetColMax(2);
    prices->SetRowMax(14);
    prices->SetCol(1);
    prices->SetRow(1);
    prices->SetRangeEnabled(true);
    prices->SetAlignment(taRightJustify);
    prices->SetCellColor(Qt::white);
    prices->SetCellColorEnabled(true);
    prices->SetFontColor(Qt::black);
    prices->SetFontColorEnabled(true);
    prices->SetOptions(DefaultGridOptions);
    prices->SetOptionsEnabled(true);

    const QStringList headers{"No", "採用単価", "複合単価", "提出単価", "管\r(歩掛)\r人工", "継 手 類",
                              "接 合 材", "支持金物", "配 管 工", "", ""};
    const QStringList sizes{"15A", "20A", "25A", "32A", "40A", "50A", "65A",
                            "80A", "100A", "125A", "150A", "200A", "250A", "300A"};
    for (int c = 0; c < 11; ++c) {
        grid.SetCells(c, 0, headers[c]);
        grid.SetCellFontColor(c, 0, Qt::white);
        grid.SetCellAlignment(c, 0, taCenter);
    }
    TSCGCellParam* hatsuri = grid.FindCellParam(9, 0, false);
    hatsuri->SetCaption(QStringLiteral("はつり"));
    hatsuri->SetCaptionType(ctTop);
    grid.SetCells(9, 0, QStringLiteral("補修"));
    TSCGCellParam* other = grid.FindCellParam(10, 0, false);
    other->SetCaption(QStringLiteral("その他"));
    other->SetCaptionType(ctTop);
    grid.SetCellFontWidth(8, 0, 2);

    for (int r = 1; r < 15; ++r) {
        grid.SetCells(0, r, QString::number(r));
        grid.SetCellFontColor(0, r, Qt::white);
        grid.SetCellAlignment(0, r, taCenter);
        const double base = 480.0 * (r + 1);
        grid.SetCells(1, r, QLocale(QLocale::Japanese).toString(qint64(base * 3.1)));
        grid.SetCells(2, r, QLocale(QLocale::Japanese).toString(qint64(base * 3.1 + 7)));
        grid.SetCells(3, r, QLocale(QLocale::Japanese).toString(qint64(base)));
        for (int c = 3; c < 11; ++c) {
            if (c == 3 || c == 8) {
                grid.SetCellColor(c, r, Fixed);
                grid.SetCellFontColor(c, r, Qt::white);
            } else {
                grid.SetCellFontColor(c, r, Qt::black);
            }
            grid.SetCellAlignment(c, r, taRightJustify);
        }
        grid.SetCells(4, r, QStringLiteral("1"));
        grid.SetCells(5, r, QString::number(0.15 + 0.01 * r));
        grid.SetCells(6, r, QStringLiteral("0.05"));
        grid.SetCells(7, r, QString::number(0.1 + 0.005 * r));
        grid.SetCells(8, r, QString::number(0.041 + 0.004 * r, 'g', 3));
        grid.SetCells(9, r, QStringLiteral("0.02"));
        grid.SetCells(10, r, QStringLiteral("0"));
        grid.SetCells(0, r, sizes[r - 1]);
    }
    grid.SetColWidths(0, 44);
    grid.OnRowChanged = [&grid](QObject*, int, int row) { markRow(grid, row); };
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QString screenshot;
    const QStringList args = app.arguments();
    const qsizetype at = args.indexOf(QStringLiteral("--screenshot"));
    if (at >= 0 && at + 1 < args.size())
        screenshot = args[at + 1];

    QWidget window;
    window.setWindowTitle(QStringLiteral("TStrColGrid"));
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(new QLabel(QStringLiteral("歩掛表 (labour rate table)")));
    auto* grid = new TStrColGrid;
    styleLabourGrid(*grid);
    layout->addWidget(grid);
    window.resize(900, 360);
    window.show();
    grid->Loaded();
    grid->setFocus();
    grid->MoveTo(5, 3);
    grid->SetSelection(TGridRect{5, 3, 7, 4});
    markRow(*grid, 3);

    if (!screenshot.isEmpty()) {
        app.processEvents();
        return window.grab().save(screenshot) ? 0 : 1;
    }
    return app.exec();
}
