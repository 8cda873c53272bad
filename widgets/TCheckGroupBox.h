#pragma once

#include "TCheckCustomGroupBox.h"

// The check group box of the forms.
class TCheckGroupBox : public TCheckCustomGroupBox {
    Q_OBJECT
    Q_PROPERTY(Qt::Alignment BoxAlignment READ boxAlignment WRITE setBoxAlignment)
    Q_PROPERTY(QString Caption READ caption WRITE setCaption)
    Q_PROPERTY(bool Checked READ checked WRITE setBoxChecked)

public:
    explicit TCheckGroupBox(QWidget* parent = nullptr);
};
