#pragma once

#include <QProxyStyle>

// Fusion, the style whose metrics the fixed layouts are drawn for, with the
// behaviour of the classic desktop where Qt's differs.
class ClassicStyle : public QProxyStyle
{
public:
    ClassicStyle();

    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override;
};
