#pragma once

#include <QColor>
#include <QPalette>

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

// Paints `role` of the widget in `colour`, leaving the other roles inherited.
void applyColour(QWidget *widget, QPalette::ColorRole role, Colour colour);
