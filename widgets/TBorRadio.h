#pragma once

#include <QAbstractButton>
#include <QColor>

// A radio button drawn as a diamond. Radios with the same GroupIndex under
// the same parent form one group.
class TBorRadio : public QAbstractButton {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ text WRITE setText)
    Q_PROPERTY(QColor CheckColor READ checkColor WRITE setCheckColor)
    Q_PROPERTY(bool Checked READ isChecked WRITE setChecked)
    Q_PROPERTY(bool Down READ isDown WRITE setDown)
    Q_PROPERTY(int GroupIndex READ groupIndex WRITE setGroupIndex)
    Q_PROPERTY(QColor Color READ color WRITE setColor)

public:
    explicit TBorRadio(QWidget* parent = nullptr);

    QColor checkColor() const { return checkColor_; }
    void setCheckColor(const QColor& color);
    int groupIndex() const { return groupIndex_; }
    // A byte: values outside 0..255 are clamped.
    void setGroupIndex(int index);
    QColor color() const { return color_; }
    void setColor(const QColor& color);

    QSize sizeHint() const override;

signals:
    // Fires whenever the radio becomes checked, by the user or by Checked.
    void Click();

protected:
    void paintEvent(QPaintEvent* event) override;
    void nextCheckState() override;
    void focusInEvent(QFocusEvent* event) override;

private:
    void checkedChanged(bool checked);

    QColor checkColor_ = Qt::black;
    QColor color_;
    int groupIndex_ = 0;
};
