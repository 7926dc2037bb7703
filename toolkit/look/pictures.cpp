// The pictures rendered at build time, loaded at their sizes; not how they are drawn.

#include "pictures.h"

#include <QResource>

#include <cstring>

namespace {

constexpr int IconSizes[] = {16, 24, 32, 48, 64, 96};
constexpr int HandDensities[] = {1, 2, 3};

// A square picture kept in the resources as its bare pixels: copied, not
// decoded, and no image format plugins looked for.
QPixmap rendered(const QString &name, int size)
{
    const QResource pixels(name);
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    if (pixels.size() != image.sizeInBytes())
        qFatal("%s does not hold a picture of %d pixels square", qPrintable(name), size);
    std::memcpy(image.bits(), pixels.data(), std::size_t(image.sizeInBytes()));
    return QPixmap::fromImage(std::move(image));
}

}

QIcon windowIcon()
{
    QIcon icon;
    for (int size : IconSizes)
        icon.addPixmap(rendered(QStringLiteral(":/icons/icon-%1.argb").arg(size), size));
    return icon;
}

// The least density rendered that is at least the one asked for, scaled
// smoothly where the screen's density falls between.
QPixmap handPicture(int logicalSize, qreal devicePixelRatio)
{
    const int pixels = qRound(logicalSize * devicePixelRatio);
    int density = HandDensities[std::size(HandDensities) - 1];
    for (int rendered : HandDensities)
        if (logicalSize * rendered >= pixels) {
            density = rendered;
            break;
        }
    QPixmap hand = rendered(QStringLiteral(":/pointers/hand-%1.argb").arg(logicalSize * density), logicalSize * density);
    if (hand.width() != pixels)
        hand = hand.scaled(pixels, pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    hand.setDevicePixelRatio(devicePixelRatio);
    return hand;
}
