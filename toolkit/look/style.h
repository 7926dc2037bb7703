#pragma once

// The style the fixed layouts are drawn in, and marks that stand out; not the
// colours the controls are given.

#include <QProxyStyle>

// Fusion, the style whose metrics the fixed layouts are drawn for, with the
// behaviour of the classic desktop where Qt's differs, and marks that can be
// seen in any palette: the circle of an option and the focus stand out from
// what they lie on by at least 3:1.
class ClassicStyle : public QProxyStyle
{
public:
    ClassicStyle();

    int pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const override;
    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *painter,
                            const QWidget *widget) const override;

private:
    static void drawOptionMark(const QStyleOption &option, QPainter *painter);
    static void drawFieldOutline(const QStyleOption &option, QPainter *painter);
    static void drawFocusRing(const QStyleOption &option, QPainter *painter);
};
