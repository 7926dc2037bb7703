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

// The sizes window managers and task bars ask for, up to twice the largest
// at double density; a larger one is drawn from the largest when asked for.
QIcon pictureIcon(const QString &resource)
{
    QSvgRenderer picture(resource);
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64})
        icon.addPixmap(render(picture, size, 1));
    return icon;
}
