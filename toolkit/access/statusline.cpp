#include "statusline.h"

#include "accessibility.h"

#include <QAccessible>

StatusLine::StatusLine(QWidget *parent, std::function<QString()> describe)
    : QWidget(parent), m_describe(std::move(describe))
{
    // At the window's foot, where a reader reviewing the window by place
    // expects a status bar, and finds it after everything it describes.
    setFixedSize(0, 0);
    move(0, parent->height() - 1);
}

void StatusLine::announce(const QString &news)
{
    ::announce(this, news);
}

void StatusLine::refresh()
{
    QAccessibleEvent changed(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
}
