#include "Tfkanzai_plan.h"

#include "ApplicationTitle.h"
#include "GuardedApplication.h"
#include "InputDialogLook.h"
#include "TBorRadio.h"
#include "TGradPan.h"
#include "TNValEditC.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QGroupBox* RadioGroup(QWidget* parent, const QString& title, const QString& prefix, const QStringList& captions,
                      std::array<TBorRadio*, 3>& radios)
{
    auto* group = new QGroupBox(title, parent);
    auto* layout = new QVBoxLayout(group);
    for (int i = 0; i < 3; ++i) {
        radios[i] = new TBorRadio(group);
        radios[i]->setObjectName(prefix + QString::number(i + 1));
        radios[i]->setText(captions[i]);
        radios[i]->setCheckColor(Qt::blue);
        radios[i]->setMinimumHeight(32);
        layout->addWidget(radios[i]);
    }
    return group;
}

TNValEditC* FactorEdit(QWidget* parent, const QString& name, Currency value)
{
    auto* edit = new TNValEditC(parent);
    edit->setObjectName(name);
    edit->setZeroDisplay(true);
    edit->setPrmtNegative(false);
    edit->setMinusColor(Qt::black);
    edit->setFixedSize(120, 36);
    edit->setValue(value);
    return edit;
}

} // namespace

Tfkanzai_plan::Tfkanzai_plan(const QString& programFolder, const RemovalSettings& settings, QWidget* parent)
    : QDialog(parent)
    , programFolder_(programFolder)
    , settings_(settings)
{
    setObjectName(QStringLiteral("fkanzai_plan"));
    setWindowTitle(DesignCaption());
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    UseTouchFont(this);

    auto* instruction = new QLabel(QStringLiteral("撤去時歩掛設定:配管工掛率（新設×）を入力して下さい。"), this);
    instruction->setObjectName(QStringLiteral("Label1"));

    NValEditC1 = FactorEdit(this, QStringLiteral("NValEditC1"), settings.removalFactor);
    NValEditC2 = FactorEdit(this, QStringLiteral("NValEditC2"), settings.recycleFactor);
    auto* factors = new QGridLayout;
    factors->addWidget(new QLabel(QStringLiteral("撤　去"), this), 0, 0);
    factors->addWidget(NValEditC1, 0, 1);
    factors->addWidget(new QLabel(QStringLiteral("撤去再利用"), this), 1, 0);
    factors->addWidget(NValEditC2, 1, 1);
    factors->setColumnStretch(2, 1);

    auto* decimals = RadioGroup(this, QStringLiteral("計算後の小数有効桁"), QStringLiteral("ba"),
                                RemovalDecimalsCaptions(), ba);
    auto* rounding = RadioGroup(this, QStringLiteral("有効桁以下処理"), QStringLiteral("aa"),
                                RemovalRoundingCaptions(), aa);
    // The settings always hold 1..3, so one radio of each group is checked.
    ba[settings.decimals - 1]->setChecked(true);
    aa[settings.rounding - 1]->setChecked(true);

    Button1 = new QPushButton(QStringLiteral("確　定"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button2 = new QPushButton(QStringLiteral("キャンセル"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    for (QPushButton* button : {Button1, Button2}) {
        button->setAutoDefault(false);
        button->setMinimumSize(120, 40);
        button->setCursor(Qt::PointingHandCursor);
    }
    connect(Button1, &QPushButton::clicked, this, Guarded(this, [this] { Button1Click(); }));
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);

    auto* groups = new QHBoxLayout;
    groups->addWidget(decimals);
    groups->addWidget(rounding);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(InputTitleStrip(this, ApplicationTitle(), QStringLiteral("撤去時歩掛")));
    layout->addWidget(instruction);
    layout->addLayout(factors);
    layout->addLayout(groups);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void Tfkanzai_plan::Button1Click()
{
    RemovalSettings chosen;
    chosen.removalFactor = NValEditC1->value();
    chosen.recycleFactor = NValEditC2->value();
    chosen.decimals = CheckedIndex(ba, 0) + 1;
    chosen.rounding = CheckedIndex(aa, 0) + 1;
    // Stored first: when the file cannot be written the dialog stays open and
    // the main dialog keeps the settings it had.
    WriteRemovalSettings(RemovalSettingsPath(programFolder_), chosen);
    settings_ = chosen;
    accept();
}
