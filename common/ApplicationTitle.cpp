#include "ApplicationTitle.h"

#include <QGuiApplication>

void SetApplicationTitle(const QString& title)
{
    QGuiApplication::setApplicationDisplayName(title);
}

QString ApplicationTitle()
{
    return QGuiApplication::applicationDisplayName();
}
