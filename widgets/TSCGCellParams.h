#pragma once

#include <QObject>
#include <vector>

class TSCGCellParam;
class TStrColGrid;

// The ordered list of cell parameters of a grid; where items overlap, the
// later one decides.
class TSCGCellParams : public QObject {
    Q_OBJECT

public:
    explicit TSCGCellParams(TStrColGrid* grid);

    // Adds an item named "パラメータ<count>" with the grid's options.
    TSCGCellParam* Add();
    int Count() const { return static_cast<int>(items_.size()); }
    TSCGCellParam* Items(int index) const { return items_.at(static_cast<std::size_t>(index)); }
    TSCGCellParam* operator[](int index) const { return Items(index); }
    void Delete(int index);
    void Clear();
    void Assign(const TSCGCellParams& source);

    // The last item that covers the cell, or nullptr.
    TSCGCellParam* Find(int col, int row) const;

    TStrColGrid* Grid() const { return grid_; }

private:
    TStrColGrid* grid_;
    std::vector<TSCGCellParam*> items_;
};
