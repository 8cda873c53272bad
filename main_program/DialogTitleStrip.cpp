#include "DialogTitleStrip.h"

#include "ApplicationTitle.h"
#include "TGradPan.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>

TGradPan* DialogTitleStrip(QWidget* parent, const QString& label)
{
    auto* strip = new TGradPan(parent);
    strip->setObjectName(QStringLiteral("GradPan1"));
    strip->setCaption(ApplicationTitle());
    strip->setAlignment(Qt::AlignLeft);
    strip->setBackGroundEffect(TGradPan::bdRight);
    strip->setColorStart(QColor(0, 0, 128));
    strip->setColorEnd(QColor(96, 160, 255));
    strip->setFixedHeight(32);
    QPalette ink = strip->palette();
    ink.setColor(QPalette::WindowText, Qt::white);
    strip->setPalette(ink);
    auto* title = new QLabel(label, strip);
    title->setObjectName(QStringLiteral("Label1"));
    title->setPalette(ink);
    auto* layout = new QHBoxLayout(strip);
    layout->setContentsMargins(8, 0, 10, 0);
    layout->addStretch();
    layout->addWidget(title);
    return strip;
}
