#include "colour.h"

#include <QApplication>
#include <QEvent>
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

ColourBinding::ColourBinding(QWidget *control, QPalette::ColorRole backRole, QPalette::ColorRole foreRole)
    : QObject(control), m_control(control), m_backRole(backRole), m_foreRole(foreRole)
{
    // Qt tells a control with a palette of its own of a new desktop palette
    // only by a change of its inherited one.
    control->installEventFilter(this);
}

void ColourBinding::setBack(std::optional<Colour> colour)
{
    m_back = colour;
    apply();
}

void ColourBinding::setFore(std::optional<Colour> colour)
{
    m_fore = colour;
    apply();
}

bool ColourBinding::eventFilter(QObject *, QEvent *event)
{
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::ApplicationPaletteChange)
        apply();
    return false;
}

// Setting an unchanged palette sends no change, which ends the round that
// setting a changed one starts.
void ColourBinding::apply()
{
    QPalette palette = m_control->palette();
    const QPalette own = QApplication::palette(m_control);
    const auto set = [&](QPalette::ColorRole role, std::optional<Colour> colour) {
        for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            palette.setColor(group, role, colour ? resolveColour(*colour) : own.color(group, role));
    };
    set(m_backRole, m_back);
    if (m_foreRole != QPalette::NoRole)
        set(m_foreRole, m_fore);
    if (palette != m_control->palette())
        m_control->setPalette(palette);
}
