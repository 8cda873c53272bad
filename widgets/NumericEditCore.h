#pragma once

#include <QColor>
#include <QLineEdit>

// The calculator-style number field shared by TNValEdit and TNValEditC. The
// field keeps the number itself and rebuilds the whole text after every key;
// the derived classes own the stored value and its exact text conversions.
class NumericEditCore : public QLineEdit {
    Q_OBJECT
    Q_PROPERTY(int MaxDigits READ maxDigits WRITE setMaxDigits)
    Q_PROPERTY(bool PrmtNegative READ prmtNegative WRITE setPrmtNegative)
    Q_PROPERTY(int FixDecimal READ fixDecimal WRITE setFixDecimal)
    Q_PROPERTY(bool DelAllClear READ delAllClear WRITE setDelAllClear)
    Q_PROPERTY(QChar LeadingChar READ leadingChar WRITE setLeadingChar)
    Q_PROPERTY(bool ZeroDisplay READ zeroDisplay WRITE setZeroDisplay)
    Q_PROPERTY(bool PutAComma READ putAComma WRITE setPutAComma)
    Q_PROPERTY(bool EnterNext READ enterNext WRITE setEnterNext)
    Q_PROPERTY(bool ArrowNext READ arrowNext WRITE setArrowNext)
    Q_PROPERTY(QColor MinusColor READ minusColor WRITE setMinusColor)
    Q_PROPERTY(bool AutoSelect READ autoSelect WRITE setAutoSelect)
    // The display text is built from the value; assigning text converts it.
    Q_PROPERTY(QString Text READ text)
    Q_PROPERTY(QString text READ text WRITE setText)

public:
    explicit NumericEditCore(QWidget* parent = nullptr);

    int maxDigits() const { return maxDigits_; }
    void setMaxDigits(int digits);
    bool prmtNegative() const { return prmtNegative_; }
    void setPrmtNegative(bool permitted);
    int fixDecimal() const { return fixDecimal_; }
    void setFixDecimal(int decimals);
    bool delAllClear() const { return delAllClear_; }
    void setDelAllClear(bool on) { delAllClear_ = on; }
    QChar leadingChar() const { return leadingChar_; }
    void setLeadingChar(QChar c);
    bool zeroDisplay() const { return zeroDisplay_; }
    void setZeroDisplay(bool on);
    bool putAComma() const { return putAComma_; }
    void setPutAComma(bool on);
    bool enterNext() const { return enterNext_; }
    void setEnterNext(bool on) { enterNext_ = on; }
    bool arrowNext() const { return arrowNext_; }
    void setArrowNext(bool on) { arrowNext_ = on; }
    QColor minusColor() const { return minusColor_; }
    void setMinusColor(const QColor& color);
    bool autoSelect() const { return autoSelect_; }
    void setAutoSelect(bool on) { autoSelect_ = on; }

    // Text from outside is read as a number, never shown as typed.
    void setText(const QString& text);

    // The digits and decimals the display holds now.
    int digitCount() const { return digits_; }
    int decimalCount() const { return decimals_; }

    // Cleans pasted or assigned text for number conversion: full-width forms,
    // the leading character and complete thousands grouping. Empty when the
    // text is no number.
    QString cleanNumberText(const QString& text) const;

public slots:
    void pasteValue();
    void cutValue();
    void clearValue();
    void undoValue();

protected:
    // The stored number, as precisely as the double carries it.
    virtual double storedNumber() const = 0;
    // The stored number rounded to `decimals`, in plain "-1234.50" form.
    virtual QString storedText(int decimals) const = 0;
    virtual void storeNumber(double value) = 0;
    // Stores plain "-12.345" text exactly; false if the type cannot hold it.
    virtual bool storeText(const QString& plain) = 0;
    virtual void negateStored() = 0;
    virtual void rememberEntry() = 0;
    virtual void restoreEntry() = 0;
    // Sets the value again to itself (redisplay and normalise).
    virtual void reapply() = 0;
    // Converts cleaned text and sets it as the value; 0 when it fails.
    virtual void setValueFromText(const QString& cleaned) = 0;
    // The largest number the stored type holds, and its own decimal limit
    // (-1: none).
    virtual double typeMaximum() const = 0;
    virtual double thresholdFloor() const { return 0; }
    virtual int typeDecimals() const { return -1; }

    // The value setting of both derived classes: sign, zero threshold,
    // limits, digit counting, display.
    void applyValue(double value);
    double zeroThreshold() const;
    double maximum() const;
    static QString plainText(double value, int decimals);

    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void changeEvent(QEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

private:
    // The keys of the edit commands (copy, paste, cut, undo, select all) and
    // the control keys; each returns true when it took the key.
    bool editCommandKey(QKeyEvent* event);
    // A key no platform binds to a command: a digit, point or minus typed
    // without a modifier, or an unmodified key the field edits with
    // (Editing), one that moves the cursor (Moving), or one it leaves to the
    // window unless it takes it itself (Passing).
    enum class PlainKey { None, Editing, Moving, Passing };
    static PlainKey plainKey(const QKeyEvent& event);
    bool controlKey(QKeyEvent* event);
    void typeCharacter(QChar c);
    void typeMinus();
    void typePoint();
    void typeDigit(int digit);
    void backspace();
    void clearAll();
    void buildDisplay();
    void updateColor(bool negative);
    QString grouped(const QString& plain) const;
    void beep() const;
    static QString removeTrailingZeros(QString text);

    int maxDigits_ = 9;
    bool prmtNegative_ = true;
    int fixDecimal_ = -1;
    bool delAllClear_ = false;
    QChar leadingChar_ = QLatin1Char(' ');
    bool zeroDisplay_ = false;
    bool putAComma_ = true;
    bool enterNext_ = false;
    bool arrowNext_ = false;
    bool autoSelect_ = true;
    QColor minusColor_;
    QColor normalColor_;

    int digits_ = 0;
    int decimals_ = 0;
    bool point_ = false;
    bool minus_ = false;
    bool mouseActivation_ = false;
    bool doubleClicked_ = false;
    bool settingColor_ = false;
};
