#include "pictures.h"

#include <QPainter>
#include <QSvgRenderer>

QPixmap renderPicture(const QString &resource, int logicalSize, qreal devicePixelRatio)
{
    const int pixels = qRound(logicalSize * devicePixelRatio);
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QSvgRenderer renderer(resource);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    QPixmap pixmap = QPixmap::fromImage(image);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

QIcon pictureIcon(const QString &resource)
{
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(renderPicture(resource, size, 1));
    return icon;
}
