#include "TSCGCellParams.h"

#include "TSCGCellParam.h"
#include "TStrColGrid.h"

#include <algorithm>

TSCGCellParams::TSCGCellParams(TStrColGrid* grid) : QObject(grid), grid_(grid) {}

TSCGCellParam* TSCGCellParams::Add()
{
    auto* item = new TSCGCellParam(this);
    items_.push_back(item);
    ItemsChanged();
    item->name_ = QStringLiteral("パラメータ") + QString::number(Count());
    if (grid_)
        item->options_ = grid_->Options();
    return item;
}

void TSCGCellParams::Delete(int index)
{
    TSCGCellParam* item = Items(index);
    items_.erase(items_.begin() + index);
    ItemsChanged();
    delete item;
}

void TSCGCellParams::Clear()
{
    while (!items_.empty())
        Delete(Count() - 1);
}

void TSCGCellParams::Assign(const TSCGCellParams& source)
{
    if (&source == this)
        return;
    Clear();
    for (const TSCGCellParam* item : source.items_)
        Add()->Assign(*item);
}

TSCGCellParam* TSCGCellParams::Find(int col, int row) const
{
    if (indexed_ && col >= 0 && row >= 0 && col < indexCols_ && row < indexRows_)
        return index_[static_cast<std::size_t>(row) * static_cast<std::size_t>(indexCols_) + static_cast<std::size_t>(col)];
    return search(col, row);
}

TSCGCellParam* TSCGCellParams::search(int col, int row) const
{
    for (auto it = items_.rbegin(); it != items_.rend(); ++it)
        if ((*it)->Covers(col, row))
            return *it;
    return nullptr;
}

void TSCGCellParams::IndexCells(int cols, int rows)
{
    if (indexed_ && cols == indexCols_ && rows == indexRows_)
        return;
    cols = std::max(cols, 0);
    rows = std::max(rows, 0);
    index_.assign(static_cast<std::size_t>(cols) * static_cast<std::size_t>(rows), nullptr);
    // In order, so that a later item overwrites the earlier ones it overlaps.
    for (TSCGCellParam* item : items_) {
        const bool range = item->RangeEnabled();
        const int lastCol = std::min(range ? item->ColMax() : item->Col(), cols - 1);
        const int lastRow = std::min(range ? item->RowMax() : item->Row(), rows - 1);
        for (int r = std::max(item->Row(), 0); r <= lastRow; ++r)
            for (int c = std::max(item->Col(), 0); c <= lastCol; ++c)
                index_[static_cast<std::size_t>(r) * static_cast<std::size_t>(cols) + static_cast<std::size_t>(c)] = item;
    }
    indexCols_ = cols;
    indexRows_ = rows;
    indexed_ = true;
}
