#pragma once

#include "BasicData.h"

#include <QDialog>
#include <array>
#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TBorRadio;
class TIconButton;
class TStrColGrid;

// The basic data dialog of a material: header texts, unit, sizes, sheet names
// and the calculation settings. It shows the work set when it becomes
// visible; "登  録" keeps what it shows as the data to store, "Exit" does not.
class Tfsheetset : public QDialog {
    Q_OBJECT
public:
    Tfsheetset(const WorkSet& work, int material, QWidget* parent = nullptr);

    // Shows the dialog modally, centred on the screen.
    int Execute();
    // The material the dialog was opened on, which nopanel shows.
    int material() const;
    // What "登  録" took from the controls; nothing after "Exit".
    const std::optional<BasicData>& storedData() const { return stored_; }

    QComboBox* GOODSBOX = nullptr;
    QComboBox* ComboBox2 = nullptr;
    QComboBox* ComboBox3 = nullptr;
    QLineEdit* StaticText1 = nullptr;
    QLineEdit* StaticText2 = nullptr;
    QComboBox* ComboBox1 = nullptr;
    TStrColGrid* StrColGrid1 = nullptr;
    std::array<QPushButton*, 6> sizeButtons{}; // SpeedButton4, 1, 7, 2, 3, 8, as SizePresets
    std::array<QLineEdit*, Sheets> kind{};     // kind1 … kind4
    QPushButton* SpeedButton5 = nullptr;
    QPushButton* SpeedButton6 = nullptr;
    // BorRadio1 … BorRadio19 at index number − 1; the form has no BorRadio3,
    // so index 2 stays empty.
    std::array<TBorRadio*, 19> BorRadio{};
    QLabel* nopanel = nullptr;
    TIconButton* IconButton6 = nullptr;
    TIconButton* IconButton4 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildTexts();
    QWidget* buildSizes();
    QWidget* buildSheetNames();
    QWidget* buildSettings();

    void FormShow();
    void showData(const BasicData& data);
    BasicData shownData() const;
    void sizeButtonClick(int preset);
    void SpeedButton5Click();
    void SpeedButton6Click();
    void textClick(QLineEdit* field, const QString& prompt);
    void IconButton6Click();
    void IconButton4Click();

    const WorkSet& work_;
    int material_;
    std::optional<BasicData> stored_;
};
