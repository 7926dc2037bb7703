#pragma once

// The layout's unit and its conversion to pixels; nothing about scaling to the
// screen, which Qt does.

#include <QRect>
#include <QSize>

// Layouts are given in twips; 15 twips make one logical pixel.
inline constexpr int TwipsPerPixel = 15;

constexpr int toPixels(int twips)
{
    return (twips + TwipsPerPixel / 2) / TwipsPerPixel;
}

struct TwipsRect {
    int left, top, width, height;

    QRect toPixels() const
    {
        return QRect(::toPixels(left), ::toPixels(top), ::toPixels(width), ::toPixels(height));
    }
};

struct TwipsSize {
    int width, height;

    QSize toPixels() const { return QSize(::toPixels(width), ::toPixels(height)); }
};
