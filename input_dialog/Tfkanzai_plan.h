#pragma once

#include "RemovalSettings.h"

#include <QDialog>
#include <array>

class QPushButton;
class TBorRadio;
class TNValEditC;

// The removal settings dialog: the two factors of the pipe fitter labour
// rate and the rounding of the result. "確　定" stores them in "kavre_p.adv".
class Tfkanzai_plan : public QDialog {
    Q_OBJECT
public:
    Tfkanzai_plan(const QString& programFolder, const RemovalSettings& settings, QWidget* parent = nullptr);

    // The settings as confirmed (or as given, until then).
    const RemovalSettings& settings() const { return settings_; }

    TNValEditC* NValEditC1 = nullptr; // 撤　去
    TNValEditC* NValEditC2 = nullptr; // 撤去再利用
    std::array<TBorRadio*, 3> ba{};   // 第１位まで, 第２位まで, 第３位まで
    std::array<TBorRadio*, 3> aa{};   // 四捨五入, 切り上げ, 切り捨て
    QPushButton* Button1 = nullptr;   // 確　定
    QPushButton* Button2 = nullptr;   // キャンセル

private:
    void Button1Click();

    QString programFolder_;
    RemovalSettings settings_;
};
