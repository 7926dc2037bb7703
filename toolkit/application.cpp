// The program as a whole (its title, its folder); not its windows, which are Forms.

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
