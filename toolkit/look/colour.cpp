// Colours as the layouts give them, and keeping text readable on them; not the style's drawing.

#include "colour.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

QPalette::ColorRole paletteRole(Colour systemColour)
{
    switch (systemColour) {
    case SystemColour::WindowText: return QPalette::WindowText;
    case SystemColour::HighlightText: return QPalette::HighlightedText;
    case SystemColour::ButtonFace: return QPalette::Button;
    case SystemColour::ButtonText: return QPalette::ButtonText;
    default: return QPalette::NoRole;
    }
}

constexpr QPalette::ColorGroup ColourGroups[] = {QPalette::Active, QPalette::Inactive, QPalette::Disabled};

bool isSystemColour(Colour colour)
{
    constexpr Colour HighByte = 0xFF000000u;
    return (colour & HighByte) == SystemColour::Marker;
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

namespace {

double relativeLuminance(const QColor &colour)
{
    const auto linear = [](float channel) {
        return channel <= 0.04045f ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
}

}

double contrastRatio(const QColor &a, const QColor &b)
{
    const double first = relativeLuminance(a), second = relativeLuminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

QColor plainTextOn(const QColor &back)
{
    return contrastRatio(back, Qt::white) > contrastRatio(back, Qt::black) ? QColor(Qt::white) : QColor(Qt::black);
}

QColor readableOn(const QColor &back, const QColor &colour, double minimum)
{
    if (contrastRatio(back, colour) >= minimum)
        return colour;
    const bool lighten = plainTextOn(back) == QColor(Qt::white);
    const QColor hsl = colour.toHsl();
    for (int lightness = hsl.lightness(); lightness >= 0 && lightness <= 255; lightness += lighten ? 1 : -1) {
        const QColor candidate = QColor::fromHsl(hsl.hslHue(), hsl.hslSaturation(), lightness, colour.alpha());
        if (contrastRatio(back, candidate) >= minimum)
            return candidate;
    }
    return plainTextOn(back);
}

// Qt tells a control of a new desktop palette only where the palette it
// resolves changes, which a change of a role it sets itself never does (the
// result's text colour, when only the desktop's text colour changes). So
// every binding hears of it from the application, before any window does.
// The watch ends with the application; a control that outlives it has none.
class PaletteWatch : public QObject
{
public:
    static PaletteWatch *instance()
    {
        static QPointer<PaletteWatch> watch;
        if (!watch && qApp)
            watch = new PaletteWatch;
        return watch;
    }
    std::vector<ColourBinding *> bindings;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == qApp && event->type() == QEvent::ApplicationPaletteChange)
            for (ColourBinding *binding : bindings)
                binding->apply();
        return false;
    }

private:
    PaletteWatch()
        : QObject(qApp)
    {
        qApp->installEventFilter(this);
    }
};

ColourBinding::ColourBinding(QWidget *control, QPalette::ColorRole backRole, QPalette::ColorRole foreRole)
    : QObject(control), m_control(control), m_backRole(backRole), m_foreRole(foreRole)
{
    PaletteWatch::instance()->bindings.push_back(this);
    // A palette given to the control's container reaches it as a change of its inherited one.
    control->installEventFilter(this);
}

ColourBinding::~ColourBinding()
{
    if (PaletteWatch *watch = PaletteWatch::instance())
        std::erase(watch->bindings, this);
}

void ColourBinding::setBack(std::optional<Colour> colour)
{
    setColours(colour, m_fore);
}

void ColourBinding::setFore(std::optional<Colour> colour)
{
    setColours(m_back, colour);
}

void ColourBinding::setColours(std::optional<Colour> back, std::optional<Colour> fore)
{
    m_back = back;
    m_fore = fore;
    apply();
}

bool ColourBinding::eventFilter(QObject *, QEvent *event)
{
    if (event->type() == QEvent::PaletteChange)
        apply();
    return false;
}

// Setting a changed palette sends a PaletteChange back here; setting an
// unchanged one sends none, which ends the recursion.
void ColourBinding::apply()
{
    QPalette palette = m_control->palette();
    const QPalette own = QApplication::palette(m_control);
    const auto set = [&](QPalette::ColorRole role, std::optional<Colour> colour) {
        for (QPalette::ColorGroup group : ColourGroups)
            palette.setColor(group, role, colour ? resolveColour(*colour) : own.color(group, role));
    };
    set(m_backRole, m_back);
    if (m_foreRole != QPalette::NoRole) {
        set(m_foreRole, m_fore);
        makeTextReadable(palette);
    }
    if (palette != m_control->palette())
        m_control->setPalette(palette);
}

// A fixed text colour keeps its hue, made lighter or darker just far enough;
// a desktop text colour that does not read on a fixed background becomes
// black or white, as the classic look had it there.
void ColourBinding::makeTextReadable(QPalette &palette) const
{
    if (m_back && m_back == m_fore)
        return;
    const bool fixedText = m_fore && !isSystemColour(*m_fore);
    for (QPalette::ColorGroup group : ColourGroups) {
        // Qt's own disabled text is meant to recede, and keeps its colour.
        if (group == QPalette::Disabled && !m_fore)
            continue;
        const QColor back = palette.color(group, m_backRole);
        const QColor text = palette.color(group, m_foreRole);
        if (contrastRatio(back, text) < TextContrast)
            palette.setColor(group, m_foreRole, fixedText ? readableOn(back, text) : plainTextOn(back));
    }
}
