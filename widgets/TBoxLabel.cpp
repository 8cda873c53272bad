#include "TBoxLabel.h"

TBoxLabel::TBoxLabel(QWidget* parent)
    : TCustomBoxLabel(parent)
{
}
