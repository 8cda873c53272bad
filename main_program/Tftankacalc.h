#pragma once

#include "Reprice.h"

#include <QDialog>
#include <array>

class QPushButton;
class TBorRadio;
class TNValEdit;

// The unit price calculation dialog: percentages per level, the method, the
// rounding and the step for rewriting the level prices.
class Tftankacalc : public QDialog {
    Q_OBJECT
public:
    explicit Tftankacalc(QWidget* parent = nullptr);

    // 1 after "実 行", 0 after "Exit" or when closed otherwise.
    int resultTag() const { return Tag; }
    RepriceChoices choices() const;

    std::array<TBorRadio*, 3> bc{}; // 四捨五入, 切り上げ, 切り捨て
    std::array<TBorRadio*, 5> bd{}; // 1 … 10000
    std::array<TNValEdit*, 5> Lev{};
    TBorRadio* CheckBox1 = nullptr; // 提 出=定価×掛 率％
    TBorRadio* CheckBox2 = nullptr; // 提 出=原 価×割増率％
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;

private:
    void Button1Click();
    void Button2Click();

    int Tag = 0;
};
