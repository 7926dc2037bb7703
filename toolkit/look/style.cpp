// The style the fixed layouts are drawn in, and marks that stand out; not the
// colours the controls are given.

#include "style.h"

#include "colour.h"

#include <QPainter>
#include <QPainterPath>
#include <QStyleFactory>
#include <QStyleOption>

namespace {

constexpr int FocusWidth = 2;
// Fusion's option circle at 96 dots per inch, the resolution the fixed
// layout's logical pixels stand for; Fusion would size it by the screen's.
constexpr int OptionMarkSize = 14;

bool hasFocus(const QStyleOption &option)
{
    return option.state & QStyle::State_HasFocus;
}

// Fusion draws the focus in a darker highlight and an option's circle a
// little darker than the window, both too faint to see in many palettes.
// These lines are thin and anti-aliased, so they are drawn to the contrast of
// text for their softened edges still to reach 3:1, what a mark must reach.
QColor markColour(const QPalette &palette, const QColor &colour)
{
    return readableOn(palette.color(QPalette::Window), colour, TextContrast);
}

QColor focusColour(const QPalette &palette)
{
    return markColour(palette, palette.color(QPalette::Highlight));
}

}

ClassicStyle::ClassicStyle()
    : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion")))
{
}

int ClassicStyle::pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const
{
    if (metric == PM_ExclusiveIndicatorWidth || metric == PM_ExclusiveIndicatorHeight)
        return OptionMarkSize;
    return QProxyStyle::pixelMetric(metric, option, widget);
}

int ClassicStyle::styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                            QStyleHintReturn *returnData) const
{
    // A list drops open below its box as a short scrolling list, not as a
    // menu over it as tall as its entries.
    if (hint == SH_ComboBox_Popup)
        return 0;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

void ClassicStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                                 const QWidget *widget) const
{
    if (element == PE_IndicatorRadioButton)
        return drawOptionMark(*option, painter);
    QProxyStyle::drawPrimitive(element, option, painter, widget);
    if ((element == PE_FrameLineEdit || element == PE_PanelButtonCommand) && hasFocus(*option))
        drawFocusRing(*option, painter);
    else if (element == PE_FrameLineEdit && !(option->state & State_ReadOnly))
        drawFieldOutline(*option, painter);
}

void ClassicStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *painter,
                                      const QWidget *widget) const
{
    QProxyStyle::drawComplexControl(control, option, painter, widget);
    if (control == CC_ComboBox && hasFocus(*option))
        drawFocusRing(*option, painter);
}

// The circle on the field's colour, its dot in the text colour, and with the
// focus a ring twice as wide in the focus colour.
void ClassicStyle::drawOptionMark(const QStyleOption &option, QPainter *painter)
{
    const QPalette &palette = option.palette;
    const QColor window = palette.color(QPalette::Window);
    const bool focused = hasFocus(option);
    const qreal width = focused ? FocusWidth : 1;  // an option's circle is drawn smoothed
    const QRectF circle = QRectF(option.rect).adjusted(width / 2, width / 2, -width / 2, -width / 2);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, true);
    painter->setPen(QPen(focused ? focusColour(palette) : markColour(palette, window.darker(150)), width));
    painter->setBrush(palette.color(option.state & State_Sunken ? QPalette::Button : QPalette::Base));
    painter->drawEllipse(circle);
    if (option.state & State_On) {
        const qreal dot = circle.width() / 4.5;
        painter->setPen(Qt::NoPen);
        painter->setBrush(readableOn(palette.color(QPalette::Base), palette.color(QPalette::Text)));
        painter->drawEllipse(circle.center(), dot, dot);
    }
    painter->restore();
}

// Fusion's outline, a little darker than the window, vanishes where the
// window is black; a field must show where it is.
void ClassicStyle::drawFieldOutline(const QStyleOption &option, QPainter *painter)
{
    const QColor window = option.palette.color(QPalette::Window);
    painter->save();
    painter->setPen(markColour(option.palette, window.darker(140)));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(QRectF(option.rect).adjusted(0.5, 0.5, -0.5, -0.5));
    painter->restore();
}

// Whole-pixel strips along the edge, as crisp as the classic focus mark and
// far cheaper to draw than a stroked outline.
void ClassicStyle::drawFocusRing(const QStyleOption &option, QPainter *painter)
{
    const QColor colour = focusColour(option.palette);
    const QRect r = option.rect;
    painter->fillRect(r.left(), r.top(), r.width(), FocusWidth, colour);
    painter->fillRect(r.left(), r.bottom() - FocusWidth + 1, r.width(), FocusWidth, colour);
    painter->fillRect(r.left(), r.top(), FocusWidth, r.height(), colour);
    painter->fillRect(r.right() - FocusWidth + 1, r.top(), FocusWidth, r.height(), colour);
}
