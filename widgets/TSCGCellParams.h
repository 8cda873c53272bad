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
    // Notes each cell's item of the first `cols` × `rows` cells, for the
    // lookups of a paint; any change of the items or of where they lie
    // drops the note.
    void IndexCells(int cols, int rows);
    // Called by an item whose cells change.
    void ItemsChanged() { indexed_ = false; }

    TStrColGrid* Grid() const { return grid_; }

private:
    TSCGCellParam* search(int col, int row) const;

    TStrColGrid* grid_;
    std::vector<TSCGCellParam*> items_;
    // A paint looks up every cell it draws, and a grid has a hundred items
    // or more to search from the end.
    std::vector<TSCGCellParam*> index_;
    int indexCols_ = 0;
    int indexRows_ = 0;
    bool indexed_ = false;
};
