#pragma once

#include <QObject>
#include <QString>
#include <vector>

class TSCGCellFont;
class TStrColGrid;

// The ordered list of named fonts of a grid.
class TSCGCellFonts : public QObject {
    Q_OBJECT

public:
    explicit TSCGCellFonts(TStrColGrid* grid);

    // Adds a font that copies the grid's font, named "フォント<count>".
    TSCGCellFont* Add();
    int Count() const { return static_cast<int>(items_.size()); }
    TSCGCellFont* Items(int index) const { return items_.at(static_cast<std::size_t>(index)); }
    TSCGCellFont* operator[](int index) const { return Items(index); }
    // Removing a font clears FontName in the cell parameters that named it.
    void Delete(int index);
    void Clear();
    void Assign(const TSCGCellFonts& source);

    // Index of the first font named exactly Name; raises when there is none.
    int IndexOfFont(const QString& Name) const;
    // As IndexOfFont, but -1 instead of an error.
    int Find(const QString& Name) const;

    TStrColGrid* Grid() const { return grid_; }

private:
    void forgetName(const QString& name);

    TStrColGrid* grid_;
    std::vector<TSCGCellFont*> items_;
};
