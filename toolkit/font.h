#pragma once

// Fonts as the layout tables name them; not the colours or the style.

#include <QFont>
#include <QStringList>

// A font as face, size in points and style. The faces the layouts name are
// Windows faces; where they are missing, Liberation Sans stands in for them,
// metric-compatible with Arial.
struct FontSpec {
    enum Style : unsigned { Regular = 0, Bold = 1, Italic = 2, Underline = 4 };

    const char *face = nullptr;   // null: the window's font
    double points = 0;
    unsigned style = Regular;

    bool isSet() const { return face != nullptr; }

    // The layout is fixed in logical pixels, so the size is fixed in pixels too
    // (points at 96 logical dots per inch), whatever the screen's own resolution.
    QFont toQFont() const
    {
        QFont font;
        // Naming the face that stands in for a missing one saves a search of
        // every installed font for a fallback.
        font.setFamilies({QString::fromLatin1(face), QStringLiteral("Liberation Sans")});
        font.setPixelSize(qRound(points * 96.0 / 72.0));
        font.setBold(style & Bold);
        font.setItalic(style & Italic);
        font.setUnderline(style & Underline);
        // Whole-pixel glyph advances, as the layout's widths were measured with.
        font.setHintingPreference(QFont::PreferFullHinting);
        return font;
    }
};
