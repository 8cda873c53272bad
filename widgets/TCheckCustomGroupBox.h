#pragma once

#include <QGroupBox>

// A group box switched by the check box in its caption: unchecked, every
// child control is disabled, while the check box stays usable.
class TCheckCustomGroupBox : public QGroupBox {
    Q_OBJECT
public:
    explicit TCheckCustomGroupBox(QWidget* parent = nullptr);

    // Where the caption stands: Qt::AlignLeft or Qt::AlignRight.
    Qt::Alignment boxAlignment() const { return boxAlignment_; }
    void setBoxAlignment(Qt::Alignment alignment);
    QString caption() const { return title(); }
    // Ignored when the caption would not fit the sized box.
    void setCaption(const QString& caption);
    bool checked() const { return isChecked(); }
    void setBoxChecked(bool checked) { setChecked(checked); }

signals:
    void Click();
    void CheckBoxClick();

private:
    void checkChanged();

    Qt::Alignment boxAlignment_ = Qt::AlignLeft;
};
