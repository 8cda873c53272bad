#include "MessageBoxes.h"

#include "ApplicationTitle.h"
#include "ModalSeam.h"
#include "ProgramFolders.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace {

class MessageBoxDialog : public QDialog {
public:
    MessageBoxDialog(const QString& text, const QStringList& captions, ButtonPointer pointer)
        : QDialog(QApplication::activeWindow())
        , twoButtons_(captions.size() == 2)
    {
        setObjectName(QStringLiteral("messageBox"));
        setWindowTitle(ApplicationTitle());
        setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                       | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
        const QIcon icon = MessageBoxIcon(CurrentProgramFolders().data);
        setWindowIcon(icon);

        auto* iconLabel = new QLabel(this);
        iconLabel->setObjectName(QStringLiteral("icon"));
        iconLabel->setPixmap(icon.pixmap(32, 32));
        iconLabel->setAlignment(Qt::AlignTop);

        auto* textLabel = new QLabel(this);
        textLabel->setObjectName(QStringLiteral("text"));
        // Names and paths go in as they are: never read them as markup.
        textLabel->setTextFormat(Qt::PlainText);
        textLabel->setText(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));

        auto* message = new QHBoxLayout;
        message->addWidget(iconLabel);
        message->addSpacing(8);
        message->addWidget(textLabel, 1);

        auto* buttons = new QHBoxLayout;
        buttons->addStretch();
        for (int i = 0; i < captions.size(); ++i) {
            auto* button = new QPushButton(captions[i], this);
            button->setObjectName(QStringLiteral("button%1").arg(i + 1));
            button->setCursor(pointer == ButtonPointer::PointingHand ? Qt::PointingHandCursor : Qt::ArrowCursor);
            button->setMinimumWidth(88);
            const int code = i == 0 ? MessageBoxResult::First : MessageBoxResult::Second;
            connect(button, &QPushButton::clicked, this, [this, code] { done(code); });
            if (i == 0) {
                button->setDefault(true);
                button->setFocus();
            }
            buttons->addWidget(button);
        }
        buttons->addStretch();

        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(16, 16, 16, 12);
        layout->setSpacing(14);
        layout->addLayout(message);
        layout->addLayout(buttons);
        layout->setSizeConstraint(QLayout::SetFixedSize);
    }

    void reject() override { done(MessageBoxResult::Closed); }

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if (event->matches(QKeySequence::Cancel)) {
            if (twoButtons_)
                done(MessageBoxResult::Second);
            return;
        }
        QDialog::keyPressEvent(event);
    }

private:
    bool twoButtons_;
};

int Show(const QString& text, const QStringList& captions, ButtonPointer pointer)
{
    MessageBoxDialog dialog(text, captions, pointer);
    const int code = ModalSeam::current().exec(dialog);
    if (code == MessageBoxResult::First || (code == MessageBoxResult::Second && captions.size() == 2))
        return code;
    return MessageBoxResult::Closed;
}

} // namespace

int InfoBox(const QString& text, const QString& buttonCaption, ButtonPointer pointer)
{
    return Show(text, {buttonCaption}, pointer);
}

int ChoiceBox(const QString& text, const QString& caption1, const QString& caption2)
{
    return Show(text, {caption1, caption2}, ButtonPointer::PointingHand);
}

QIcon MessageBoxIcon(const QString& programFolder)
{
    const QString path = InstallationFile(programFolder, QStringLiteral("dialog.ico"));
    if (QFileInfo::exists(path)) {
        QIcon icon(path);
        if (!icon.availableSizes().isEmpty())
            return icon;
    }
    return QApplication::style()->standardIcon(QStyle::SP_MessageBoxInformation);
}
