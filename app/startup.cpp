#include "startup.h"

#include <QApplication>
#include <QIcon>
#include <QStyleFactory>

void configureApplication()
{
    QApplication::setApplicationName(QStringLiteral("Verided DAR Uzed"));
    // The layout is fixed in pixels and drawn for this style's metrics.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/icon-16.xpm"));
    icon.addFile(QStringLiteral(":/icons/icon-32.xpm"));
    QApplication::setWindowIcon(icon);
}
