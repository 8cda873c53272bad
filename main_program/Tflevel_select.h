#pragma once

#include <QDialog>
#include <array>

class QCheckBox;
class QPushButton;
class TBorRadio;

// The level selection dialog of export and printing.
class Tflevel_select : public QDialog {
    Q_OBJECT
public:
    explicit Tflevel_select(QWidget* parent = nullptr);

    // 1 after "実　行", 0 after "キャンセル" or when closed otherwise.
    int resultValue() const { return Result; }
    // 1..5 for LEVEL1..LEVEL5, 6 for the cost price.
    int checkedLevel() const;
    bool writeHeadings() const;      // 見出しを出力
    bool writeComputedResults() const; // 計算結果を出力
    // For callers that have no use for the two options.
    void hideOptions();

    std::array<TBorRadio*, 6> level{};
    QCheckBox* CheckBox7 = nullptr;
    QCheckBox* CheckBox8 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;

private:
    void Button1Click();
    void Button2Click();

    int Result = 0;
};
