// Renders a vector picture at the given size in pixels: as a PNG for the icon
// theme, or for the program's resources as its bare pixels (premultiplied
// ARGB, 32 bits each, row after row), which the program reads with no decoder:
//   render-picture PICTURE.svg SIZE OUTPUT.png|OUTPUT.argb
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: render-picture PICTURE.svg SIZE OUTPUT.png|OUTPUT.argb\n");
        return 2;
    }
    const int size = QByteArray(argv[2]).toInt();
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    QSvgRenderer(QString::fromLocal8Bit(argv[1])).render(&painter);
    painter.end();
    const QString output = QString::fromLocal8Bit(argv[3]);
    if (!output.endsWith(u".argb"))
        return image.save(output, "PNG") ? 0 : 1;
    QFile pixels(output);
    const auto bytes = qsizetype(image.sizeInBytes());
    return pixels.open(QIODevice::WriteOnly) && pixels.write(reinterpret_cast<const char *>(image.constBits()), bytes) == bytes ? 0 : 1;
}
