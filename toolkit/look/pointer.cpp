// The pointing hand over links; not which controls show it.

#include "pointer.h"

#include "pictures.h"

#include <QGuiApplication>

namespace {
constexpr int Size = 32;
constexpr int HotSpotX = 10;
constexpr int HotSpotY = 1;
}

QCursor handPointer()
{
    const QPixmap hand = handPicture(Size, qApp->devicePixelRatio());
    return QCursor(hand, HotSpotX, HotSpotY);
}
