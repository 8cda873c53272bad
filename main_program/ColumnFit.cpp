#include "ColumnFit.h"

#include "DisplaySettings.h"
#include "TStrColGrid.h"

#include <QEvent>

#include <algorithm>
#include <numeric>

namespace {

// A text needs its width and the cell's margins of 2 pixels on each side.
constexpr int CellMargins = 4;
// A width set can show or hide a scroll bar and so change the room again;
// a few passes settle it, and a bar that comes and goes is not chased.
constexpr int FitPasses = 3;

} // namespace

ColumnFit::ColumnFit(TStrColGrid* grid)
    : QObject(grid), grid_(grid)
{
    grid_->viewport()->installEventFilter(this);
}

void ColumnFit::setWanted(const std::vector<int>& widths)
{
    wanted_ = widths;
    fitting_ = true;
    fit();
}

void ColumnFit::adoptShown()
{
    wanted_ = shown();
    fitting_ = false;
}

void ColumnFit::fit()
{
    if (!fitting_)
        return;
    if (busy_) {
        again_ = true;
        return;
    }
    busy_ = true;
    for (int pass = 0; pass < FitPasses; ++pass) {
        again_ = false;
        const std::vector<int> needed = textWidths();
        const int room = grid_->ColumnsRoom();
        const int shortfall = std::accumulate(needed.begin(), needed.end(), 0) - room;
        if (shortfall > 0 && OnShortOfRoom)
            OnShortOfRoom(shortfall);
        const std::vector<int> widths = FitColumnWidths(wanted_, needed, grid_->ColumnsRoom());
        for (int c = 0; c < static_cast<int>(widths.size()); ++c)
            grid_->SetColWidths(c, widths[static_cast<std::size_t>(c)]);
        if (!again_)
            break;
    }
    busy_ = false;
}

bool ColumnFit::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize)
        fit();
    return QObject::eventFilter(watched, event);
}

std::vector<int> ColumnFit::shown() const
{
    std::vector<int> widths;
    for (int c = 0; c < grid_->ColCount(); ++c)
        widths.push_back(grid_->ColWidths(c));
    return widths;
}

std::vector<int> ColumnFit::textWidths() const
{
    std::vector<int> needed;
    for (int c = 0; c < grid_->ColCount(); ++c) {
        int widest = 0;
        for (int r = 0; r < grid_->RowCount(); ++r)
            widest = std::max(widest, grid_->TextWidth(grid_->Cells(c, r)));
        needed.push_back(widest + CellMargins);
    }
    return needed;
}
