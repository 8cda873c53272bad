#include "Tftankacalc.h"

#include "ApplicationTitle.h"
#include "DialogTitleStrip.h"
#include "GuardedApplication.h"
#include "Rounding.h"
#include "TBorRadio.h"
#include "TGradPan.h"
#include "TNValEdit.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The rounding of bc1 … bc3: 四捨五入, 切り上げ, 切り捨て. This dialog lists
// round half first, unlike the material settings.
constexpr std::array<RoundingChoice, 3> RoundingButtonChoices = {RoundingChoice::Half, RoundingChoice::Up,
                                                                 RoundingChoice::Truncate};

// The steps of bd1 … bd5.
std::int64_t RepriceStep(int index)
{
    std::int64_t step = 1;
    for (int i = 0; i < index; ++i)
        step *= 10;
    return step;
}

TBorRadio* AddRadio(QWidget* group, const QString& name, const QString& caption)
{
    auto* radio = new TBorRadio(group);
    radio->setObjectName(name);
    radio->setText(caption);
    radio->setCheckColor(Qt::blue);
    return radio;
}

} // namespace

Tftankacalc::Tftankacalc(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("ftankacalc"));
    setWindowTitle(ApplicationTitle());
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);

    auto* rounding = new QGroupBox(QStringLiteral("端数処理"), this);
    rounding->setObjectName(QStringLiteral("GroupBox1"));
    auto* roundingLayout = new QVBoxLayout(rounding);
    const QString roundingCaptions[] = {QStringLiteral("四捨五入"), QStringLiteral("切り上げ"),
                                        QStringLiteral("切り捨て")};
    for (int i = 0; i < 3; ++i) {
        bc[i] = AddRadio(rounding, QStringLiteral("bc%1").arg(i + 1), roundingCaptions[i]);
        roundingLayout->addWidget(bc[i]);
    }
    roundingLayout->addStretch();

    auto* digits = new QGroupBox(QStringLiteral("有効桁"), this);
    digits->setObjectName(QStringLiteral("GroupBox2"));
    auto* digitsLayout = new QVBoxLayout(digits);
    for (int i = 0; i < 5; ++i) {
        bd[i] = AddRadio(digits, QStringLiteral("bd%1").arg(i + 1), QString::number(RepriceStep(i)));
        digitsLayout->addWidget(bd[i]);
    }

    auto* method = new QGroupBox(QStringLiteral("計算方法と掛率"), this);
    method->setObjectName(QStringLiteral("GroupBox3"));
    auto* methodLayout = new QGridLayout(method);
    for (int i = 0; i < 5; ++i) {
        auto* label = new QLabel(QStringLiteral("Level%1").arg(i + 1), method);
        Lev[i] = new TNValEdit(method);
        Lev[i]->setObjectName(QStringLiteral("Lev%1").arg(i + 1));
        Lev[i]->setZeroDisplay(true);
        Lev[i]->setEnterNext(true);
        Lev[i]->setMinusColor(Qt::black);
        Lev[i]->setValue(0);
        Lev[i]->setFixedWidth(72);
        methodLayout->addWidget(label, 0, i, Qt::AlignHCenter);
        methodLayout->addWidget(Lev[i], 1, i);
    }
    CheckBox1 = AddRadio(method, QStringLiteral("CheckBox1"), QStringLiteral("提 出=定価×掛 率％"));
    CheckBox2 = AddRadio(method, QStringLiteral("CheckBox2"), QStringLiteral("提 出=原 価×割増率％"));
    methodLayout->addWidget(CheckBox1, 2, 0, 1, 5);
    methodLayout->addWidget(CheckBox2, 3, 0, 1, 5);

    Button1 = new QPushButton(QStringLiteral("実 行"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button2 = new QPushButton(QStringLiteral("Exit"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    for (QPushButton* button : {Button1, Button2}) {
        // Enter moves between the percentages; it must not close the dialog.
        button->setAutoDefault(false);
        button->setCursor(Qt::PointingHandCursor);
        button->setMinimumWidth(96);
    }
    connect(Button1, &QPushButton::clicked, this, Guarded(this, [this] { Button1Click(); }));
    connect(Button2, &QPushButton::clicked, this, Guarded(this, [this] { Button2Click(); }));

    bc[0]->setChecked(true);
    bd[0]->setChecked(true);
    CheckBox1->setChecked(true);

    auto* choices = new QHBoxLayout;
    choices->addWidget(rounding);
    choices->addWidget(digits);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(DialogTitleStrip(this, QStringLiteral("単価計算")));
    layout->addLayout(choices);
    layout->addWidget(method);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

RepriceChoices Tftankacalc::choices() const
{
    RepriceChoices c;
    c.method = CheckBox2->isChecked() ? RepriceChoices::FromCost : RepriceChoices::FromList;
    for (int i = 0; i < 5; ++i)
        c.percent[i] = Currency::fromDouble(Lev[i]->value());
    c.addend = RoundingAddend(RoundingButtonChoices[0]);
    for (std::size_t i = 0; i < bc.size(); ++i) {
        if (bc[i]->isChecked())
            c.addend = RoundingAddend(RoundingButtonChoices[i]);
    }
    c.step = 1;
    for (int i = 0; i < 5; ++i) {
        if (bd[i]->isChecked())
            c.step = RepriceStep(i);
    }
    return c;
}

void Tftankacalc::Button1Click()
{
    Tag = 1;
    accept();
}

void Tftankacalc::Button2Click()
{
    Tag = 0;
    reject();
}
