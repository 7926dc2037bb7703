#include "colour.h"

#include <QApplication>
#include <QWidget>

namespace {

QPalette::ColorRole paletteRole(Colour systemColour)
{
    switch (systemColour & 0xFF) {
    case 8: return QPalette::WindowText;
    case 14: return QPalette::HighlightedText;
    case 15: return QPalette::Button;
    case 18: return QPalette::ButtonText;
    default: return QPalette::NoRole;
    }
}

bool isSystemColour(Colour colour)
{
    return (colour & 0xFF000000u) == 0x80000000u;
}

}

QColor resolveColour(Colour colour)
{
    if (isSystemColour(colour)) {
        const QPalette::ColorRole role = paletteRole(colour);
        return role == QPalette::NoRole ? QColor() : QApplication::palette().color(role);
    }
    return QColor(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
}

void applyColour(QWidget *widget, QPalette::ColorRole role, Colour colour)
{
    QPalette palette = widget->palette();
    palette.setColor(role, resolveColour(colour));
    widget->setPalette(palette);
}
