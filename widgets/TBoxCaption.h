#pragma once

#include "TBoxLabel.h"

#include <QPointer>

// A caption label that places itself beside the control it is hooked to and
// passes its enabled state on to it.
class TBoxCaption : public TBoxLabel {
    Q_OBJECT
public:
    enum TAttachTo { alNone, alTop, alLeft, alRight, alBottom };
    Q_ENUM(TAttachTo)

private:
    Q_PROPERTY(TAttachTo AttachTo READ attachTo WRITE setAttachTo)
    Q_PROPERTY(QWidget* Hook READ hook WRITE setHook)

public:
    explicit TBoxCaption(QWidget* parent = nullptr);

    TAttachTo attachTo() const { return attachTo_; }
    void setAttachTo(TAttachTo attach);
    QWidget* hook() const { return hook_; }
    void setHook(QWidget* control);

    // Moves the caption next to the hooked control.
    void attach();

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TAttachTo attachTo_ = alNone;
    QPointer<QWidget> hook_;
};
