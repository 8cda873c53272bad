#include "TCheckGroupBox.h"

TCheckGroupBox::TCheckGroupBox(QWidget* parent)
    : TCheckCustomGroupBox(parent)
{
}
