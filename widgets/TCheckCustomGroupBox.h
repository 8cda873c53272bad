#pragma once

#include <QGroupBox>

class QCheckBox;

// A group box switched by a check box over its caption: unchecked, every
// child control is disabled, while the check box stays usable.
class TCheckCustomGroupBox : public QGroupBox {
    Q_OBJECT
public:
    explicit TCheckCustomGroupBox(QWidget* parent = nullptr);

    // Which side of its text the check box stands: Qt::AlignLeft or Qt::AlignRight.
    Qt::Alignment boxAlignment() const { return boxAlignment_; }
    void setBoxAlignment(Qt::Alignment alignment);
    QString caption() const;
    // Ignored when the caption would not fit the sized box.
    void setCaption(const QString& caption);
    bool checked() const;
    void setBoxChecked(bool checked);
    QCheckBox* checkBox() const { return checkBox_; }

signals:
    void Click();
    void CheckBoxClick();

protected:
    void changeEvent(QEvent* event) override;

private:
    void checkChanged();
    void placeCheckBox();

    QCheckBox* checkBox_;
    Qt::Alignment boxAlignment_ = Qt::AlignLeft;
};
