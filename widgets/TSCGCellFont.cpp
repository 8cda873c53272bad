#include "TSCGCellFont.h"

#include "TSCGCellFonts.h"
#include "TSCGCellParam.h"
#include "TSCGCellParams.h"
#include "TSCGError.h"
#include "TStrColGrid.h"

TSCGCellFont::TSCGCellFont(TSCGCellFonts* collection) : QObject(collection), collection_(collection) {}

void TSCGCellFont::SetName(const QString& value)
{
    if (value.isEmpty())
        throw TSCGError(QStringLiteral("フォント名は空にできません"));
    TStrColGrid* grid = collection_ ? collection_->Grid() : nullptr;
    const bool loading = grid && grid->IsLoading();
    if (collection_ && !loading && collection_->Find(value) >= 0)
        throw TSCGError(QStringLiteral("このフォント名はすでに使用されています"));
    if (grid && !name_.isEmpty()) {
        TSCGCellParams* params = grid->CellParams();
        for (int i = 0; i < params->Count(); ++i)
            if (params->Items(i)->FontName() == name_)
                params->Items(i)->fontName_ = value;
    }
    name_ = value;
}

QString TSCGCellFont::DisplayName() const
{
    const int size = font_.pointSize() > 0 ? font_.pointSize() : font_.pixelSize();
    // One formatting step: a "%1" in the name must stay as it is.
    return QStringLiteral("%1( %2, %3 )").arg(name_, font_.family(), QString::number(size));
}

void TSCGCellFont::Assign(const TSCGCellFont& source)
{
    font_ = source.font_;
    fontColor_ = source.fontColor_;
    name_ = source.name_;
}
