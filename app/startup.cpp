#include "startup.h"

#include "formbmi.h"

#include "toolkit/accessibility.h"
#include "toolkit/pictures.h"
#include "toolkit/style.h"

#include <QApplication>

void configureApplication()
{
    QApplication::setApplicationName(QStringLiteral("Verided DAR Uzed"));
    QApplication::setApplicationVersion(QStringLiteral(APP_VERSION));
    QApplication::setOrganizationDomain(QStringLiteral("verided.example"));
    QGuiApplication::setDesktopFileName(QStringLiteral(APP_ID));
    // The layout is fixed in pixels and drawn for this style's metrics.
    QApplication::setStyle(new ClassicStyle);
    // Menus and message boxes share the main window's font, already loaded for it.
    QApplication::setFont(FormBMI::Layout.font.toQFont());
    installLabelAccessibility();
    QApplication::setWindowIcon(pictureIcon(QStringLiteral(":/icons/verided-dar-uzed.svg")));
}
