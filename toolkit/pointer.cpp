#include "pointer.h"

#include <QPixmap>

namespace {
constexpr int HotSpotX = 10;
constexpr int HotSpotY = 1;
}

QCursor handPointer()
{
    return QCursor(QPixmap(QStringLiteral(":/pointers/hand.xpm")), HotSpotX, HotSpotY);
}
