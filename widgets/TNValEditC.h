#pragma once

#include "Currency.h"
#include "NumericEditCore.h"

// The number field with a four-decimal fixed-point value (the quantities of
// the input dialog). The value is kept exactly: texts are read and written
// digit by digit, never through a double. It takes at most four decimals by
// typing, and refuses a digit the fixed-point range cannot hold.
class TNValEditC : public NumericEditCore {
    Q_OBJECT
    Q_PROPERTY(Currency Value READ value WRITE setValue)

public:
    explicit TNValEditC(QWidget* parent = nullptr);

    Currency value() const { return Currency::fromRaw(raw_); }
    void setValue(Currency value);

protected:
    double storedNumber() const override;
    QString storedText(int decimals) const override;
    void storeNumber(double value) override;
    bool storeText(const QString& plain) override;
    void negateStored() override;
    void rememberEntry() override { entry_ = raw_; }
    void restoreEntry() override { setValue(Currency::fromRaw(entry_)); }
    void reapply() override { applyValue(storedNumber()); }
    void setValueFromText(const QString& cleaned) override;
    double typeMaximum() const override;
    double thresholdFloor() const override { return 0.00005; }
    int typeDecimals() const override { return 4; }

private:
    std::int64_t raw_ = 0;
    std::int64_t entry_ = 0;
};
