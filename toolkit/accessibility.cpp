#include "accessibility.h"

#include "controls.h"
#include "form.h"

#include <QAccessibleWidget>

namespace {

class AccessibleLabel : public QAccessibleWidget
{
public:
    explicit AccessibleLabel(Label *label)
        : QAccessibleWidget(label, QAccessible::StaticText)
    {
    }

    QAccessible::Role role() const override { return label()->isLink() ? QAccessible::Link : QAccessible::StaticText; }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name && label()->accessibleName().isEmpty())
            return label()->caption();
        return QAccessibleWidget::text(kind);
    }

    QStringList actionNames() const override
    {
        return label()->isLink() ? QStringList{pressAction()} : QAccessibleWidget::actionNames();
    }

    void doAction(const QString &action) override
    {
        if (label()->isLink() && action == pressAction())
            emit label()->Click();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    Label *label() const { return static_cast<Label *>(widget()); }
};

// A banner: its text is its name, and it is read-only, not editable.
class AccessibleBanner : public QAccessibleWidget
{
public:
    explicit AccessibleBanner(TextBox *field)
        : QAccessibleWidget(field, QAccessible::EditableText)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name && widget()->accessibleName().isEmpty())
            return static_cast<const TextBox *>(widget())->text();
        return QAccessibleWidget::text(kind);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        return state;
    }
};

// Qt names a frame without a caption after the frame around it.
class AccessibleFrame : public QAccessibleWidget
{
public:
    explicit AccessibleFrame(Frame *frame)
        : QAccessibleWidget(frame, QAccessible::Grouping)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name && widget()->accessibleName().isEmpty())
            return static_cast<const Frame *>(widget())->title();
        return QAccessibleWidget::text(kind);
    }
};

template <class Control>
Control *as(const QString &className, QObject *object)
{
    return className == QLatin1StringView(Control::staticMetaObject.className()) ? static_cast<Control *>(object)
                                                                                 : nullptr;
}

// Qt asks for each class of the object in turn, the most derived first.
QAccessibleInterface *accessibleControl(const QString &className, QObject *object)
{
    if (auto *label = as<Label>(className, object))
        return new AccessibleLabel(label);
    if (auto *field = as<TextBox>(className, object); field && field->isReadOnly())
        return new AccessibleBanner(field);
    if (auto *frame = as<Frame>(className, object))
        return new AccessibleFrame(frame);
    if (auto *form = as<Form>(className, object); form && form->windowType() == Qt::Dialog)
        return new QAccessibleWidget(form, QAccessible::Dialog);
    if (auto *announcement = as<Announcement>(className, object))
        return new QAccessibleWidget(announcement, QAccessible::Notification);
    return nullptr;
}

}

void installAccessibility()
{
    QAccessible::installFactory(accessibleControl);
}
