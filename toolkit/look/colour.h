#pragma once

// Colours as the layouts give them, and keeping text readable on them; not the style's drawing.

#include <QColor>
#include <QObject>
#include <QPalette>

#include <optional>

class QWidget;

// A colour as the toolkit's controls take it: 0xBBGGRR for a fixed colour, or
// 0x800000nn for the desktop's current system colour number nn.
using Colour = quint32;

// The fixed colours the windows are drawn in.
namespace FixedColour {
inline constexpr Colour Black = 0x000000;
inline constexpr Colour Navy = 0x800000;
inline constexpr Colour White = 0xFFFFFF;
inline constexpr Colour Blue = 0xFF0000;
inline constexpr Colour DarkBlue = 0xC00000;
}

namespace SystemColour {
inline constexpr Colour Marker = 0x80000000;  // the high byte of every system colour
inline constexpr Colour WindowText = Marker | 8;
inline constexpr Colour HighlightText = Marker | 14;
inline constexpr Colour ButtonFace = Marker | 15;
inline constexpr Colour ButtonText = Marker | 18;
}

// The colour as it shows now; system colours follow the application palette.
QColor resolveColour(Colour colour);

// The least contrast, as WCAG measures it, of text against what it lies on.
inline constexpr double TextContrast = 4.5;

double contrastRatio(const QColor &a, const QColor &b);

// `colour` itself where it reaches `minimum` against `back`; otherwise the
// same hue made lighter or darker, away from `back`, just far enough.
QColor readableOn(const QColor &back, const QColor &colour, double minimum = TextContrast);

// Black or white, whichever stands further from `back`.
QColor plainTextOn(const QColor &back);

// The colours a control was given, kept beside it because its Qt palette holds
// only their present values: a system colour is looked up again whenever the
// desktop's palette changes. A colour not given is Qt's own for its role.
// Where a fixed colour meets a desktop one and the text would not read (white
// on the fixed white box under a dark desktop palette), the text colour gives
// way; the background never changes. Text the layout gives its own
// background's colour is meant not to show, and is left so.
class ColourBinding : public QObject
{
public:
    ColourBinding(QWidget *control, QPalette::ColorRole backRole, QPalette::ColorRole foreRole = QPalette::NoRole);
    ~ColourBinding() override;
    ColourBinding(const ColourBinding &) = delete;
    ColourBinding &operator=(const ColourBinding &) = delete;

    std::optional<Colour> back() const { return m_back; }
    std::optional<Colour> fore() const { return m_fore; }
    void setBack(std::optional<Colour> colour);
    void setFore(std::optional<Colour> colour);
    void setColours(std::optional<Colour> back, std::optional<Colour> fore);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    friend class PaletteWatch;
    void apply();
    void makeTextReadable(QPalette &palette) const;

    QWidget *m_control;
    QPalette::ColorRole m_backRole;
    QPalette::ColorRole m_foreRole;
    std::optional<Colour> m_back;
    std::optional<Colour> m_fore;
};
