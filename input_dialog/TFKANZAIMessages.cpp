#include "TFKANZAI.h"

#include "CopyDataSend.h"
#include "CopyDataServer.h"
#include "EstimateMessages.h"
#include "MessageBoxes.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>

namespace {

QString ProgramName(const QString& windowClass)
{
    return windowClass == QLatin1String("TFPICKUP") ? QStringLiteral("拾い出しプログラム")
                                                    : QStringLiteral("積算プログラム");
}

// Why a line did not arrive; empty when it did.
QString Undelivered(const QString& windowClass, SendOutcome outcome)
{
    switch (outcome) {
    case SendOutcome::Answered:
        return QString();
    case SendOutcome::NoReceiver:
        return ProgramName(windowClass) + QStringLiteral("が起動していません。");
    case SendOutcome::NoAnswer:
        return ProgramName(windowClass) + QStringLiteral("が応答しません。明細が届いたか確かめて下さい。");
    case SendOutcome::TooLarge:
        return QStringLiteral("明細が長すぎるため送れません。");
    }
    return QString();
}

} // namespace

QString TFKANZAI::messageName() const
{
    return messages_->windowClass();
}

bool TFKANZAI::deliverLine(const EstimateLine& line)
{
    const std::optional<QString> target = EstimateTarget(mode_.target);
    if (!target) {
        InfoBox(QStringLiteral("送り先のプログラムがありません。"), ConfirmCaption());
        return false;
    }
    const CopyDataBlock block = CopyDataBlock::fromText(EstimateRecordText(line), messageName());
    sending_ = true;
    const SendResult sent = SendCopyData(*target, block, answerTimeoutMs_);
    sending_ = false;
    closeWhenFree();
    const QString reason = Undelivered(*target, sent.outcome);
    if (reason.isEmpty())
        return true;
    InfoBox(reason, ConfirmCaption());
    return false;
}

qint64 TFKANZAI::WMCopyData(const CopyDataBlock& block)
{
    switch (IncomingCommand(block)) {
    case DialogCommand::Close:
        closePending_ = true;
        closeWhenFree();
        break;
    case DialogCommand::Restore:
        QApplication::beep();
        bringToFront();
        break;
    case DialogCommand::None:
        break;
    }
    return block.dwData == CopyData::RecordKind ? 1 : 0;
}

void TFKANZAI::bringToFront()
{
    if (isMinimized())
        setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
    // A box open over the dialog stays over it, with the keyboard.
    if (QWidget* box = QApplication::activeModalWidget()) {
        box->raise();
        box->activateWindow();
    }
}

void TFKANZAI::closeWhenFree()
{
    if (!closePending_ || sending_ || blocked_)
        return;
    closePending_ = false;
    // Queued, so that the command that was under way ends first and the
    // estimate program has its answer before the dialog goes.
    QTimer::singleShot(0, this, [this] {
        if (isVisible())
            close();
    });
}

bool TFKANZAI::event(QEvent* event)
{
    if (event->type() == QEvent::WindowBlocked) {
        blocked_ = true;
    } else if (event->type() == QEvent::WindowUnblocked) {
        blocked_ = false;
        closeWhenFree();
    }
    return QWidget::event(event);
}
