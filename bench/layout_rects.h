#pragma once

// Where a control of the main window lies, in logical pixels from the top
// left of its client area, as its layout table gives it: the benchmarks click
// and watch the real places, and follow the table if it changes.
#include "app/formbmi.h"

#include <QRect>

#include <cstring>

inline QRect controlRect(const char *name)
{
    for (const ContainerDef &container : FormBMI::Layout.containers)
        for (const ControlDef &row : container.controls)
            if (std::strcmp(row.name, name) == 0)
                return row.rect.toPixels().translated(container.container ? controlRect(container.container).topLeft()
                                                                          : QPoint());
    qFatal("the main window has no control %s", name);
}
