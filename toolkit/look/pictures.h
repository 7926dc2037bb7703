#pragma once

// The pictures rendered at build time, loaded at their sizes; not how they are drawn.

#include <QIcon>
#include <QPixmap>

// The pictures are drawn as vectors and rendered at build time, at the sizes
// and densities they are shown at, so that none is drawn while the program
// starts and they stay sharp on any screen.

// The window icon, at every size a desktop asks for, up to triple density.
QIcon windowIcon();

// The pointing hand, `logicalSize` logical pixels square, at the given density.
QPixmap handPicture(int logicalSize, qreal devicePixelRatio);
