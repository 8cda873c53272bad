#include "TSCGCellFonts.h"

#include "TSCGCellFont.h"
#include "TSCGCellParam.h"
#include "TSCGCellParams.h"
#include "TSCGError.h"
#include "TStrColGrid.h"

TSCGCellFonts::TSCGCellFonts(TStrColGrid* grid) : QObject(grid), grid_(grid) {}

TSCGCellFont* TSCGCellFonts::Add()
{
    auto* item = new TSCGCellFont(this);
    items_.push_back(item);
    item->name_ = QStringLiteral("フォント") + QString::number(Count());
    if (grid_) {
        item->font_ = grid_->Font();
        item->fontColor_ = grid_->FontColor();
    }
    return item;
}

void TSCGCellFonts::Delete(int index)
{
    TSCGCellFont* item = Items(index);
    items_.erase(items_.begin() + index);
    forgetName(item->Name());
    delete item;
}

void TSCGCellFonts::Clear()
{
    while (!items_.empty())
        Delete(Count() - 1);
}

void TSCGCellFonts::Assign(const TSCGCellFonts& source)
{
    if (&source == this)
        return;
    Clear();
    for (const TSCGCellFont* item : source.items_)
        Add()->Assign(*item);
}

int TSCGCellFonts::Find(const QString& Name) const
{
    for (std::size_t i = 0; i < items_.size(); ++i)
        if (items_[i]->Name() == Name)
            return static_cast<int>(i);
    return -1;
}

int TSCGCellFonts::IndexOfFont(const QString& Name) const
{
    const int index = Find(Name);
    if (index < 0)
        throw TSCGError(QStringLiteral("CellParams で指定されたフォント名が Fonts に登録されていません"));
    return index;
}

void TSCGCellFonts::forgetName(const QString& name)
{
    if (!grid_ || name.isEmpty() || Find(name) >= 0)
        return;
    TSCGCellParams* params = grid_->CellParams();
    for (int i = 0; i < params->Count(); ++i)
        if (params->Items(i)->FontName() == name)
            params->Items(i)->SetFontName(QString());
}
