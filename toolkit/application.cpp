#include "application.h"

#include <QCoreApplication>

QString App::Title()
{
    return QCoreApplication::applicationName();
}

QString App::Path()
{
    return QCoreApplication::applicationDirPath();
}
