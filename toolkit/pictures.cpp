#include "pictures.h"

#include <QPainter>
#include <QSvgRenderer>

namespace {

QPixmap render(QSvgRenderer &picture, int logicalSize, qreal devicePixelRatio)
{
    const int pixels = qRound(logicalSize * devicePixelRatio);
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    picture.render(&painter);
    painter.end();
    QPixmap pixmap = QPixmap::fromImage(image);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

}

QPixmap renderPicture(const QString &resource, int logicalSize, qreal devicePixelRatio)
{
    QSvgRenderer picture(resource);
    return render(picture, logicalSize, devicePixelRatio);
}

// The sizes window managers and task bars ask for, up to the largest at
// triple density; Qt does not draw a larger size from a smaller one.
QIcon pictureIcon(const QString &resource)
{
    QSvgRenderer picture(resource);
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 96})
        icon.addPixmap(render(picture, size, 1));
    return icon;
}
