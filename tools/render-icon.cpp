// Renders the program's vector icon as a PNG for the icon theme:
// render-icon ICON.svg SIZE OUTPUT.png
#include "toolkit/pictures.h"

#include <QGuiApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: render-icon ICON.svg SIZE OUTPUT.png\n");
        return 2;
    }
    const QPixmap icon = renderPicture(QString::fromLocal8Bit(argv[1]), QByteArray(argv[2]).toInt(), 1);
    return icon.save(QString::fromLocal8Bit(argv[3]), "PNG") ? 0 : 1;
}
