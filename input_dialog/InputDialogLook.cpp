#include "InputDialogLook.h"

#include "ApplicationTitle.h"
#include "TBoxLabel.h"
#include "TGradPan.h"

#include <QHBoxLayout>

namespace {

TBoxLabel* CaptionBox(QWidget* parent, const QString& name, const QString& text)
{
    auto* box = new TBoxLabel(parent);
    box->setObjectName(name);
    box->setCaption(text);
    box->setColor(QColor(0, 0, 96));
    box->setBevelOuter(Bevel::bvLowered);
    box->setBevelInner(Bevel::bvNone);
    QPalette ink = box->palette();
    ink.setColor(QPalette::WindowText, Qt::white);
    box->setPalette(ink);
    QFont font = box->font();
    font.setBold(true);
    box->setFont(font);
    box->setFixedHeight(26);
    box->setMinimumWidth(box->fontMetrics().horizontalAdvance(text) + 24);
    return box;
}

} // namespace

std::array<QString, 4> DesignSheetNames()
{
    return {QStringLiteral("屋内一般"), QStringLiteral("機械室"), QStringLiteral("地中"), QStringLiteral("屋外")};
}

std::array<QString, 15> DesignSizeNames()
{
    return {QStringLiteral("15A"),  QStringLiteral("20A"),  QStringLiteral("25A"),  QStringLiteral("32A"),
            QStringLiteral("40A"),  QStringLiteral("50A"),  QStringLiteral("60A"),  QStringLiteral("80A"),
            QStringLiteral("100A"), QStringLiteral("125A"), QStringLiteral("150A"), QStringLiteral("200A"),
            QStringLiteral("250A"), QStringLiteral("300A"), QString()};
}

std::array<QString, 6> ConstructionTypes()
{
    return {QStringLiteral("屋内一般"), QStringLiteral("露出"),     QStringLiteral("床下"),
            QStringLiteral("機械室"),   QStringLiteral("屋外架空"), QStringLiteral("地中配管")};
}

QStringList RemovalDecimalsCaptions()
{
    return {QStringLiteral("第１位まで"), QStringLiteral("第２位まで"), QStringLiteral("第３位まで")};
}

QStringList RemovalRoundingCaptions()
{
    return {QStringLiteral("四捨五入"), QStringLiteral("切り上げ"), QStringLiteral("切り捨て")};
}

QString DesignCaption()
{
    return ApplicationTitle() + QStringLiteral("-Telvoran-");
}

TGradPan* InputTitleStrip(QWidget* parent, const QString& left, const QString& right)
{
    auto* strip = new TGradPan(parent);
    strip->setObjectName(QStringLiteral("GradPan1"));
    strip->setBackGroundEffect(TGradPan::bdRight);
    strip->setColorStart(QColor(0, 0, 128));
    strip->setColorEnd(QColor(96, 160, 255));
    strip->setFixedHeight(34);
    auto* layout = new QHBoxLayout(strip);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->addWidget(CaptionBox(strip, QStringLiteral("BoxLabel1"), left));
    layout->addStretch();
    layout->addWidget(CaptionBox(strip, QStringLiteral("BoxLabel2"), right));
    return strip;
}

void UseTouchFont(QWidget* window)
{
    QFont font = window->font();
    font.setPointSize(11);
    window->setFont(font);
}
