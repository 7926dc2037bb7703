#pragma once

#include <QColor>
#include <QObject>
#include <QPalette>

#include <optional>

class QWidget;

// A colour as the toolkit's controls take it: 0xBBGGRR for a fixed colour, or
// 0x800000nn for the desktop's current system colour number nn.
using Colour = quint32;

namespace SystemColour {
inline constexpr Colour WindowText = 0x80000008;
inline constexpr Colour HighlightText = 0x8000000E;
inline constexpr Colour ButtonFace = 0x8000000F;
inline constexpr Colour ButtonText = 0x80000012;
}

// The colour as it shows now; system colours follow the application palette.
QColor resolveColour(Colour colour);

// The colours a control was given, kept beside it because its Qt palette holds
// only their present values: a system colour is looked up again whenever the
// desktop's palette changes. A colour not given is Qt's own for its role.
class ColourBinding : public QObject
{
public:
    ColourBinding(QWidget *control, QPalette::ColorRole backRole, QPalette::ColorRole foreRole = QPalette::NoRole);

    std::optional<Colour> back() const { return m_back; }
    std::optional<Colour> fore() const { return m_fore; }
    void setBack(std::optional<Colour> colour);
    void setFore(std::optional<Colour> colour);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void apply();

    QWidget *m_control;
    QPalette::ColorRole m_backRole;
    QPalette::ColorRole m_foreRole;
    std::optional<Colour> m_back;
    std::optional<Colour> m_fore;
};
