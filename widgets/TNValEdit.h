#pragma once

#include "NumericEditCore.h"

// The number field with a floating-point value (the rates and base labour
// costs of the main window).
class TNValEdit : public NumericEditCore {
    Q_OBJECT
    Q_PROPERTY(double Value READ value WRITE setValue)

public:
    explicit TNValEdit(QWidget* parent = nullptr);

    double value() const { return value_; }
    void setValue(double value);

protected:
    double storedNumber() const override { return value_; }
    QString storedText(int decimals) const override;
    void storeNumber(double value) override { value_ = value; }
    bool storeText(const QString& plain) override;
    void negateStored() override { value_ = -value_; }
    void rememberEntry() override { entry_ = value_; }
    void restoreEntry() override { setValue(entry_); }
    void reapply() override { applyValue(value_); }
    void setValueFromText(const QString& cleaned) override;
    double typeMaximum() const override;

private:
    double value_ = 0;
    double entry_ = 0;
};
