#include "TFKEITO_SELECT.h"

#include "ApplicationTitle.h"
#include "GuardedApplication.h"
#include "InputDialogLook.h"
#include "ModalSeam.h"
#include "TBoxLabel.h"
#include "TGradBtn.h"
#include "TGradPan.h"

#include <QGridLayout>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

TFKEITO_SELECT::TFKEITO_SELECT(const QString& programFolder, QWidget* parent)
    : QDialog(parent)
    , programFolder_(programFolder)
{
    setObjectName(QStringLiteral("FKEITO_SELECT"));
    setWindowTitle(QStringLiteral("系統選択"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    UseTouchFont(this);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(6);
    for (int n = 1; n <= SystemCount; ++n) {
        auto* button = new TGradBtn(this);
        button->setObjectName(QStringLiteral("GradBtn%1").arg(n));
        button->setText(QString::number(n));
        button->setFixedSize(56, 40);
        button->setCursor(Qt::PointingHandCursor);
        connect(button, &TGradBtn::clicked, this, Guarded(this, [this, n] { GradBtnClick(n); }));
        GradBtn[n - 1] = button;

        auto* field = new TBoxLabel(this);
        field->setObjectName(QStringLiteral("StaticText%1").arg(n));
        field->setBorderStyle(TCustomBoxLabel::bsSingle);
        field->setBevelOuter(Bevel::bvNone);
        field->setBevelInner(Bevel::bvNone);
        field->setAlignment(Qt::AlignLeft);
        field->setColor(Qt::white);
        field->setFixedSize(300, 40);
        field->setCursor(Qt::PointingHandCursor);
        field->installEventFilter(this);
        StaticText[n - 1] = field;

        // Two columns of five, so the ten fit a short screen.
        const int row = (n - 1) % 5;
        const int column = (n - 1) / 5 * 2;
        grid->addWidget(button, row, column);
        grid->addWidget(field, row, column + 1);
    }

    Button1 = new QPushButton(QStringLiteral("キャンセル"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setAutoDefault(false);
    Button1->setMinimumSize(120, 40);
    Button1->setCursor(Qt::PointingHandCursor);
    connect(Button1, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(InputTitleStrip(this, ApplicationTitle(), QStringLiteral("系統名選択")));
    layout->addLayout(grid);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    loadNames();
}

void TFKEITO_SELECT::loadNames()
{
    SystemNames current = names();
    ReadSystemNames(SystemNamesPath(programFolder_), current);
    for (int n = 1; n <= SystemCount; ++n)
        setName(n, current[n - 1]);
}

SystemNames TFKEITO_SELECT::names() const
{
    SystemNames result;
    for (int n = 1; n <= SystemCount; ++n)
        result[n - 1] = StaticText[n - 1]->caption();
    return result;
}

void TFKEITO_SELECT::setName(int number, const QString& name)
{
    StaticText[number - 1]->setCaption(name);
    GradBtn[number - 1]->setToolTip(name);
}

bool TFKEITO_SELECT::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        for (int n = 1; n <= SystemCount; ++n) {
            if (watched == StaticText[n - 1] && mouse->button() == Qt::LeftButton
                && StaticText[n - 1]->rect().contains(mouse->position().toPoint())) {
                RunCommand(this, [&] { StaticTextClick(n, mouse->modifiers()); });
                break;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TFKEITO_SELECT::StaticTextClick(int number, Qt::KeyboardModifiers modifiers)
{
    if (modifiers & Qt::ShiftModifier) {
        const std::optional<QString> name = ModalSeam::current().inputText(
            this, windowTitle(), QStringLiteral("系統名を入力してください"), StaticText[number - 1]->caption());
        if (!name)
            return;
        SystemNames renamed = names();
        renamed[number - 1] = *name;
        // Written first: a file that cannot be written leaves the names as they were.
        WriteSystemNames(SystemNamesPath(programFolder_), renamed);
        setName(number, *name);
        return;
    }
    selectedName = StaticText[number - 1]->caption();
    selectedNumber = number;
    accept();
}

void TFKEITO_SELECT::GradBtnClick(int number)
{
    selectedName = GradBtn[number - 1]->toolTip();
    selectedNumber = number;
    accept();
}
