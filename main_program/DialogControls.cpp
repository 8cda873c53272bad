#include "DialogControls.h"

#include "TIconButton.h"

#include <QBoxLayout>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScreen>
#include <QStyle>

namespace {

TIconButton* CaptionedIconButton(QWidget* parent, QBoxLayout* row, const QString& name, const QString& caption,
                                 QStyle::StandardPixmap pixmap)
{
    auto* button = new TIconButton(parent);
    button->setObjectName(name);
    button->setText(caption);
    button->setButtonIcon(parent->style()->standardIcon(pixmap));
    button->setCursor(Qt::PointingHandCursor);
    button->setFixedSize(36, 36);
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name + QStringLiteral("Caption"));
    label->setBuddy(button);
    row->addWidget(button);
    row->addWidget(label);
    return button;
}

} // namespace

QLineEdit* ClickField(QWidget* parent, const QString& name, const QString& hint, int width)
{
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setReadOnly(true);
    field->setToolTip(hint);
    field->setCursor(Qt::PointingHandCursor);
    field->setMinimumWidth(width);
    return field;
}

bool IsFieldClick(const QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress)
        return static_cast<const QMouseEvent*>(event)->button() == Qt::LeftButton;
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
}

StoreAndExit StoreAndExitButtons(QWidget* parent, const QString& storeName, const QString& exitName)
{
    auto* row = new QHBoxLayout;
    row->addStretch();
    TIconButton* store = CaptionedIconButton(parent, row, storeName, QStringLiteral("登  録"), QStyle::SP_DialogSaveButton);
    row->addSpacing(16);
    TIconButton* exit = CaptionedIconButton(parent, row, exitName, QStringLiteral("Exit"), QStyle::SP_DialogCloseButton);
    return {row, store, exit};
}

void CentreOnScreen(QWidget& dialog)
{
    dialog.adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        dialog.move(screen->availableGeometry().center() - dialog.rect().center());
}
