#pragma once

#include <QIcon>
#include <QPixmap>

// Pictures drawn as vectors, rendered at the size and pixel density they are
// shown at, so they stay sharp on any screen.
QPixmap renderPicture(const QString &resource, int logicalSize, qreal devicePixelRatio);

// An icon holding the picture at every size a desktop asks for.
QIcon pictureIcon(const QString &resource);
