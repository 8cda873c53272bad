// Shows the column grid styled like the labour rate table of the main window;
// with --screenshot FILE it renders itself to FILE and exits.
#include "PriceTableStyle.h"
#include "TSCGCellParam.h"
#include "TStrColGrid.h"

#include <QApplication>
#include <QLabel>
#include <QLocale>
#include <QVBoxLayout>
#include <QWidget>

namespace {

// The table as the main window styles it, plus what the gallery shows off:
// a three-line header cell, top captions, an overstruck header and data.
void styleLabourGrid(TStrColGrid& grid)
{
    StyleLabourTable(grid);
    grid.SetRowHeights(0, 3 * 17);
    grid.SetColWidths(0, 44);
    const QStringList headers{"No", "採用単価", "複合単価", "提出単価", "管\r(歩掛)\r人工", "継 手 類",
                              "接 合 材", "支持金物", "配 管 工", "", ""};
    for (int c = 0; c < 11; ++c)
        grid.SetCells(c, 0, headers[c]);
    TSCGCellParam* hatsuri = grid.FindCellParam(9, 0, false);
    hatsuri->SetCaption(QStringLiteral("はつり"));
    hatsuri->SetCaptionType(ctTop);
    grid.SetCells(9, 0, QStringLiteral("補修"));
    TSCGCellParam* other = grid.FindCellParam(10, 0, false);
    other->SetCaption(QStringLiteral("その他"));
    other->SetCaptionType(ctTop);
    grid.SetCellFontWidth(8, 0, 2);

    const QStringList sizes{"15A", "20A", "25A", "32A", "40A", "50A", "65A",
                            "80A", "100A", "125A", "150A", "200A", "250A", "300A"};
    const QLocale japanese(QLocale::Japanese);
    for (int r = 1; r < 15; ++r) {
        const double base = 480.0 * (r + 1);
        grid.SetCells(0, r, sizes[r - 1]);
        grid.SetCells(1, r, japanese.toString(qint64(base * 3.1)));
        grid.SetCells(2, r, japanese.toString(qint64(base * 3.1 + 7)));
        grid.SetCells(3, r, japanese.toString(qint64(base)));
        grid.SetCells(4, r, QStringLiteral("1"));
        grid.SetCells(5, r, QString::number(0.15 + 0.01 * r));
        grid.SetCells(6, r, QStringLiteral("0.05"));
        grid.SetCells(7, r, QString::number(0.1 + 0.005 * r));
        grid.SetCells(8, r, QString::number(0.041 + 0.004 * r, 'g', 3));
        grid.SetCells(9, r, QStringLiteral("0.02"));
        grid.SetCells(10, r, QStringLiteral("0"));
    }
    grid.OnRowChanged = [&grid](QObject*, int, int row) { MarkCurrentRow(grid, row); };
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
    MarkCurrentRow(*grid, 3);

    if (!screenshot.isEmpty()) {
        app.processEvents();
        return window.grab().save(screenshot) ? 0 : 1;
    }
    return app.exec();
}
