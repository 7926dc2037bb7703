#include "accessibility.h"

#include "controls.h"

#include <QAccessibleWidget>

namespace {

class AccessibleLabel : public QAccessibleWidget
{
public:
    explicit AccessibleLabel(Label *label)
        : QAccessibleWidget(label, QAccessible::StaticText)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        const auto *label = static_cast<const Label *>(widget());
        if (kind == QAccessible::Name && label->accessibleName().isEmpty())
            return label->caption();
        return QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface *labelInterface(const QString &className, QObject *object)
{
    if (className == QLatin1StringView(Label::staticMetaObject.className()))
        return new AccessibleLabel(static_cast<Label *>(object));
    return nullptr;
}

}

void installLabelAccessibility()
{
    QAccessible::installFactory(labelInterface);
}
