#include "TSCGCellParams.h"

#include "TSCGCellParam.h"
#include "TStrColGrid.h"

TSCGCellParams::TSCGCellParams(TStrColGrid* grid) : QObject(grid), grid_(grid) {}

TSCGCellParam* TSCGCellParams::Add()
{
    auto* item = new TSCGCellParam(this);
    items_.push_back(item);
    item->name_ = QStringLiteral("パラメータ") + QString::number(Count());
    if (grid_)
        item->options_ = grid_->Options();
    return item;
}

void TSCGCellParams::Delete(int index)
{
    TSCGCellParam* item = Items(index);
    items_.erase(items_.begin() + index);
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
    for (auto it = items_.rbegin(); it != items_.rend(); ++it)
        if ((*it)->Covers(col, row))
            return *it;
    return nullptr;
}
