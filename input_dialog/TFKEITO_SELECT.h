#pragma once

#include "SystemNames.h"

#include <QDialog>
#include <array>

class TBoxLabel;
class TGradBtn;
class QPushButton;

// The system selection dialog: ten numbered system names to choose from;
// Shift and a click on a name renames it.
class TFKEITO_SELECT : public QDialog {
    Q_OBJECT
public:
    explicit TFKEITO_SELECT(const QString& programFolder, QWidget* parent = nullptr);

    // Reloads the names from "keito_name.conf", as every showing does.
    void loadNames();
    SystemNames names() const;

    // The exchange with the main dialog: the name and its number 1..10.
    QString selectedName;
    int selectedNumber = 1;

    std::array<TGradBtn*, SystemCount> GradBtn{};     // GradBtn1 … GradBtn10
    std::array<TBoxLabel*, SystemCount> StaticText{}; // StaticText1 … StaticText10
    QPushButton* Button1 = nullptr;                    // キャンセル

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void StaticTextClick(int number, Qt::KeyboardModifiers modifiers);
    void GradBtnClick(int number);
    void setName(int number, const QString& name);

    QString programFolder_;
};
