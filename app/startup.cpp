#include "startup.h"

#include "formbmi.h"

#include "toolkit/access/accessibility.h"
#include "toolkit/look/pictures.h"
#include "toolkit/look/style.h"

#include <QApplication>
#include <QFontInfo>

#include <cstdio>

namespace {

// The fixed layout fits its texts to Arial's metrics, which Liberation Sans
// shares; any other face clips them.
void warnIfLayoutFontMissing(const QFont &windowFont)
{
    const QString face = QFontInfo(windowFont).family();
    if (face != u"Arial" && face != u"Liberation Sans")
        std::fputs("verided-dar-uzed: neither Arial nor Liberation Sans is installed, so text in the window may be "
                   "clipped; install the fonts-liberation package\n",
                   stderr);
}

}

void nameApplication()
{
    QCoreApplication::setApplicationName(QStringLiteral("Verided DAR Uzed"));
    QCoreApplication::setApplicationVersion(QStringLiteral(APP_VERSION));
}

void configureApplication()
{
    nameApplication();
    QApplication::setOrganizationDomain(QStringLiteral("verided.example"));
    QGuiApplication::setDesktopFileName(QStringLiteral(APP_ID));
    // Every text of the program is English, laid out left to right in a fixed
    // drawing; mirrored by a right-to-left desktop, its captions would be
    // re-ordered and its rows read backwards.
    QGuiApplication::setLayoutDirection(Qt::LeftToRight);
    // The layout is fixed in pixels and drawn for this style's metrics.
    QApplication::setStyle(new ClassicStyle);
    // What has no font of its own (a tooltip) shares the main window's, already loaded for it.
    const QFont windowFont = FormBMI::Layout.font.toQFont();
    QApplication::setFont(windowFont);
    warnIfLayoutFontMissing(windowFont);
    installAccessibility();
    QApplication::setWindowIcon(windowIcon());
}
