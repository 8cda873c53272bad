#include "Tflevel_select.h"

#include "ApplicationTitle.h"
#include "DialogTitleStrip.h"
#include "GuardedApplication.h"
#include "TBorRadio.h"
#include "TGradPan.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

Tflevel_select::Tflevel_select(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("flevel_select"));
    setWindowTitle(ApplicationTitle());
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);

    auto* group = new QGroupBox(QStringLiteral("出力得意先単価"), this);
    group->setObjectName(QStringLiteral("GroupBox1"));
    auto* groupLayout = new QGridLayout(group);
    const QString captions[] = {QStringLiteral("LEVEL1"), QStringLiteral("LEVEL2"), QStringLiteral("LEVEL3"),
                                QStringLiteral("LEVEL4"), QStringLiteral("LEVEL5"), QStringLiteral("原　価")};
    for (int i = 0; i < 6; ++i) {
        level[i] = new TBorRadio(group);
        level[i]->setObjectName(QStringLiteral("level%1").arg(i + 1));
        level[i]->setText(captions[i]);
        level[i]->setCheckColor(Qt::blue);
        groupLayout->addWidget(level[i], i % 3, i / 3);
    }
    level[0]->setChecked(true);

    CheckBox7 = new QCheckBox(QStringLiteral("見出しを出力"), this);
    CheckBox7->setObjectName(QStringLiteral("CheckBox7"));
    CheckBox8 = new QCheckBox(QStringLiteral("計算結果を出力"), this);
    CheckBox8->setObjectName(QStringLiteral("CheckBox8"));

    Button1 = new QPushButton(QStringLiteral("実　行"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button2 = new QPushButton(QStringLiteral("キャンセル"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    for (QPushButton* button : {Button1, Button2}) {
        button->setCursor(Qt::PointingHandCursor);
        button->setMinimumWidth(96);
    }
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, Guarded(this, [this] { Button1Click(); }));
    connect(Button2, &QPushButton::clicked, this, Guarded(this, [this] { Button2Click(); }));

    auto* options = new QHBoxLayout;
    options->addWidget(CheckBox7);
    options->addWidget(CheckBox8);
    options->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(DialogTitleStrip(this, QStringLiteral("外部出力")));
    layout->addWidget(group);
    layout->addLayout(options);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

int Tflevel_select::checkedLevel() const
{
    for (int i = 0; i < 6; ++i) {
        if (level[i]->isChecked())
            return i + 1;
    }
    return 1;
}

bool Tflevel_select::writeHeadings() const
{
    return CheckBox7->isChecked();
}

bool Tflevel_select::writeComputedResults() const
{
    return CheckBox8->isChecked();
}

void Tflevel_select::hideOptions()
{
    CheckBox7->hide();
    CheckBox8->hide();
}

void Tflevel_select::Button1Click()
{
    Result = 1;
    accept();
}

void Tflevel_select::Button2Click()
{
    Result = 0;
    reject();
}
