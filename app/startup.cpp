#include "startup.h"

#include "toolkit/accessibility.h"
#include "toolkit/pictures.h"

#include <QApplication>
#include <QStyleFactory>

void configureApplication()
{
    QApplication::setApplicationName(QStringLiteral("Verided DAR Uzed"));
    QApplication::setApplicationVersion(QStringLiteral(APP_VERSION));
    QApplication::setOrganizationDomain(QStringLiteral("verided.example"));
    QGuiApplication::setDesktopFileName(QStringLiteral(APP_ID));
    // The layout is fixed in pixels and drawn for this style's metrics.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    installLabelAccessibility();
    QApplication::setWindowIcon(pictureIcon(QStringLiteral(":/icons/verided-dar-uzed.svg")));
}
