// Saves a picture of what an X screen shows, cut to the windows on it
// (everything that is not the bare black screen): screenshot OUTPUT.png
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>

#include <cstdio>

namespace {

QRect shownArea(const QImage &screen)
{
    QRect area;
    for (int y = 0; y < screen.height(); ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(screen.constScanLine(y));
        for (int x = 0; x < screen.width(); ++x)
            if (qRed(row[x]) | qGreen(row[x]) | qBlue(row[x]))
                area |= QRect(x, y, 1, 1);
    }
    return area;
}

}

int main(int argc, char *argv[])
{
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: screenshot OUTPUT.png\n");
        return 2;
    }
    const QImage screen = QGuiApplication::primaryScreen()->grabWindow(0).toImage().convertToFormat(QImage::Format_RGB32);
    const QRect area = shownArea(screen);
    if (area.isEmpty() || !screen.copy(area).save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "screenshot: nothing shown, or %s could not be written\n", argv[1]);
        return 1;
    }
    return 0;
}
