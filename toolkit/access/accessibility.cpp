// What screen readers are told of the controls, and how the program speaks to
// them; not the controls' behaviour.

#include "accessibility.h"

#include "statusline.h"

#include "toolkit/controls.h"
#include "toolkit/form.h"

#include <QAccessibleWidget>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <chrono>
#include <utility>

namespace {

// Qt 6.4 and 6.8 report positions over the accessibility bus in their own
// unscaled pixels, so at a scale factor other than 1 a magnifier or a screen
// reader's mouse review points beside what it names. These convert between those and
// the pixels of the screen, whose top-left both share.
const QScreen *screenOf(const QWindow *window)
{
    return window ? window->screen() : QGuiApplication::primaryScreen();
}

QPoint toScreen(const QPoint &point, const QScreen *screen)
{
    const QPointF origin = screen->geometry().topLeft();
    return (origin + (QPointF(point) - origin) * screen->devicePixelRatio()).toPoint();
}

QPoint fromScreen(const QPoint &point, const QScreen *screen)
{
    const QPointF origin = screen->geometry().topLeft();
    return (origin + (QPointF(point) - origin) / screen->devicePixelRatio()).toPoint();
}

// QRect() stands for nowhere; a control of no size (the status line) still has a place.
QRect toScreen(const QRect &rect, const QScreen *screen)
{
    if (rect == QRect())
        return rect;
    return QRect(toScreen(rect.topLeft(), screen), (QSizeF(rect.size()) * screen->devicePixelRatio()).toSize());
}

// Every control's interface, Qt's or this file's, seen through one that
// reports its place on the screen as the screen shows it. Qt keeps both for
// the control, and may delete the inner one first as the application ends:
// the control is therefore its own, not asked of the inner interface.
class ScaledInterface : public QAccessibleInterface
{
public:
    explicit ScaledInterface(QAccessibleInterface *inner)
        : m_inner(inner), m_innerId(QAccessible::uniqueId(inner)), m_object(inner->object())
    {
    }
    ~ScaledInterface() override { QAccessible::deleteAccessibleInterface(m_innerId); }

    QRect rect() const override { return toScreen(m_inner->rect(), screenOf(window())); }
    // A control is found by its place as reported; what Qt draws inside one
    // (the entries of a list) by Qt, from its own pixels.
    QAccessibleInterface *childAt(int x, int y) const override
    {
        for (int i = childCount() - 1; i >= 0; --i)
            if (QAccessibleInterface *found = child(i); found && found->object() && found->rect().contains(x, y))
                return found;
        const QPoint point = fromScreen({x, y}, screenOf(window()));
        QAccessibleInterface *drawn = m_inner->childAt(point.x(), point.y());
        return drawn && !drawn->object() ? drawn : nullptr;
    }

    bool isValid() const override { return m_inner->isValid(); }
    QObject *object() const override { return m_object; }
    QWindow *window() const override { return m_inner->window(); }
    QList<QPair<QAccessibleInterface *, QAccessible::Relation>> relations(QAccessible::Relation match) const override
    {
        return m_inner->relations(match);
    }
    QAccessibleInterface *focusChild() const override { return m_inner->focusChild(); }
    QAccessibleInterface *parent() const override { return m_inner->parent(); }
    QAccessibleInterface *child(int index) const override { return m_inner->child(index); }
    int childCount() const override { return m_inner->childCount(); }
    int indexOfChild(const QAccessibleInterface *child) const override { return m_inner->indexOfChild(child); }
    // Qt gives a list's Down key as its shortcut, and a screen reader says it
    // so; Down steps through the entries, and opens nothing.
    QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Accelerator && role() == QAccessible::ComboBox ? QString() : m_inner->text(kind);
    }
    void setText(QAccessible::Text kind, const QString &text) override { m_inner->setText(kind, text); }
    QAccessible::Role role() const override { return m_inner->role(); }
    QAccessible::State state() const override { return m_inner->state(); }
    QColor foregroundColor() const override { return m_inner->foregroundColor(); }
    QColor backgroundColor() const override { return m_inner->backgroundColor(); }
    void *interface_cast(QAccessible::InterfaceType type) override { return m_inner->interface_cast(type); }
    void virtual_hook(int id, void *data) override { m_inner->virtual_hook(id, data); }

private:
    QAccessibleInterface *const m_inner;
    const QAccessible::Id m_innerId;
    QObject *const m_object;
};

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
        if (kind != QAccessible::Name || !label()->accessibleName().isEmpty())
            return QAccessibleWidget::text(kind);
        const QString mark = label()->accessibleMark();
        return mark.isEmpty() ? label()->caption() : label()->caption() + QStringLiteral(", ") + mark;
    }

    // A label whose text is its background's colour shows nothing, and
    // reads as nothing either; one that shows a control's name is read with it.
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.selected = !label()->accessibleMark().isEmpty();
        if (label()->foreColor() == label()->backColor() || label()->showsAName())
            state.invisible = true;
        return state;
    }

    // The labels of a dialog are read as its description, and say so, so
    // that a screen reader does not read them a second time. A link is more:
    // something to activate, which a reader's review must find.
    QList<QPair<QAccessibleInterface *, QAccessible::Relation>> relations(QAccessible::Relation match) const override
    {
        QList<QPair<QAccessibleInterface *, QAccessible::Relation>> found = QAccessibleWidget::relations(match);
        if ((match & QAccessible::Labelled) && !label()->isLink() && label()->window()->windowType() == Qt::Dialog)
            found.append({QAccessible::queryAccessibleInterface(label()->window()), QAccessible::Labelled});
        return found;
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

// A text box, on every Qt release: a read-only box (the banner) is named by
// its text and is not editable. Qt 6.4's own interface also reports an empty
// run of formatting at each offset, and screen readers, which build the
// spoken line from those runs, read a field entered by the focus without its
// last character: this one reports one run, the whole text long.
class AccessibleTextBox : public QAccessibleWidget, public QAccessibleTextInterface,
                          public QAccessibleEditableTextInterface
{
public:
    explicit AccessibleTextBox(TextBox *field)
        : QAccessibleWidget(field, QAccessible::EditableText)
    {
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        if (type == QAccessible::EditableTextInterface && !field()->isReadOnly())
            return static_cast<QAccessibleEditableTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Value || (kind == QAccessible::Name && field()->isReadOnly() && field()->accessibleName().isEmpty()))
            return field()->text();
        return QAccessibleWidget::text(kind);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = field()->isReadOnly();
        state.editable = !field()->isReadOnly();
        state.selectableText = true;
        return state;
    }

    // The text interface, by QLineEdit's own means.
    QString text(int start, int end) const override { return field()->text().mid(start, end - start); }
    int characterCount() const override { return int(field()->text().size()); }
    int cursorPosition() const override { return field()->cursorPosition(); }
    void setCursorPosition(int position) override { field()->setCursorPosition(position); }
    int selectionCount() const override { return field()->hasSelectedText() ? 1 : 0; }
    void selection(int, int *start, int *end) const override
    {
        *start = std::max(field()->selectionStart(), 0);
        *end = *start + field()->selectionLength();
    }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int) override { field()->deselect(); }
    void setSelection(int, int start, int end) override { field()->setSelection(start, end - start); }
    QRect characterRect(int offset) const override
    {
        const QFontMetrics metrics = field()->fontMetrics();
        const QString shown = field()->text();
        const QRect contents = field()->contentsRect();
        const int x = contents.left() + metrics.horizontalAdvance(shown.left(offset));
        const int width = offset < shown.size() ? metrics.horizontalAdvance(shown.at(offset)) : 1;
        const QRect local(x, contents.top(), width, contents.height());
        return toScreen(QRect(field()->mapToGlobal(local.topLeft()), local.size()), screenOf(window()));
    }
    int offsetAtPoint(const QPoint &point) const override
    {
        return field()->cursorPositionAt(field()->mapFromGlobal(fromScreen(point, screenOf(window()))));
    }
    void scrollToSubstring(int start, int) override { field()->setCursorPosition(start); }
    // One run of no formatting, the whole text long.
    QString attributes(int, int *start, int *end) const override
    {
        *start = 0;
        *end = characterCount();
        return QString();
    }

    // The editable text interface.
    void deleteText(int start, int end) override { replaceText(start, end, QString()); }
    void insertText(int offset, const QString &text) override { replaceText(offset, offset, text); }
    void replaceText(int start, int end, const QString &text) override
    {
        field()->setSelection(start, end - start);
        field()->insert(text);
    }

private:
    TextBox *field() const { return static_cast<TextBox *>(widget()); }
};

class AccessibleStatusLine : public QAccessibleWidget
{
public:
    explicit AccessibleStatusLine(StatusLine *status)
        : QAccessibleWidget(status, QAccessible::StatusBar)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Name ? static_cast<const StatusLine *>(widget())->sentence()
                                         : QAccessibleWidget::text(kind);
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

// A dialog's lines of text, as they read on screen, top to bottom and left to
// right: what a screen reader reads when it opens.
QString linesOf(const QWidget *dialog)
{
    QList<const Label *> labels;
    for (const Label *label : dialog->findChildren<const Label *>())
        if (!label->caption().isEmpty())
            labels << label;
    const auto place = [dialog](const Label *label) {
        const QPoint at = label->mapTo(dialog, QPoint());
        return std::pair(at.y(), at.x());
    };
    std::ranges::sort(labels, {}, place);
    QStringList lines;
    int lineTop = -1;
    for (const Label *label : labels) {
        if (place(label).first == lineTop)
            lines.last() += u' ' + label->caption();
        else
            lines << label->caption();
        lineTop = place(label).first;
    }
    // A screen reader stops at a line break: each line ends as a sentence.
    for (QString &line : lines)
        if (!QStringLiteral(".:!?").contains(line.back()))
            line += u'.';
    return lines.join(u' ');
}

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
// A dialog is described by its lines.
class AccessibleDialog : public QAccessibleWidget
{
public:
    explicit AccessibleDialog(Form *dialog)
        : QAccessibleWidget(dialog, QAccessible::Dialog)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind != QAccessible::Description || !widget()->accessibleDescription().isEmpty())
            return QAccessibleWidget::text(kind);
        return linesOf(widget());
    }
};
#else
// A dialog's lines are its text. Orca 48, which comes with Qt 6.8, says a
// dialog's description twice when the dialog opens, and its text once.
class AccessibleDialog : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit AccessibleDialog(Form *dialog)
        : QAccessibleWidget(dialog, QAccessible::Dialog)
    {
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::TextInterface ? static_cast<QAccessibleTextInterface *>(this)
                                                  : QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text kind) const override { return QAccessibleWidget::text(kind); }
    QString text(int start, int end) const override { return linesOf(widget()).mid(start, end - start); }
    int characterCount() const override { return int(linesOf(widget()).size()); }
    // Read, never edited, selected or pointed into.
    void selection(int, int *start, int *end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QRect characterRect(int) const override { return QRect(); }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int *start, int *end) const override
    {
        *start = 0;
        *end = characterCount();
        return QString();
    }
};
#endif

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
// Qt before 6.8 has no announcement event. Screen readers speak a
// notification that appears, whatever has the focus: a sentence is the name
// of an invisible one, shown again for each sentence.
class Notice : public QWidget
{
    Q_OBJECT

public:
    explicit Notice(QWidget *speaker)
        : QWidget(speaker)
    {
        setFixedSize(0, 0);
    }

    void say(const QString &sentence)
    {
        hide();
        setAccessibleName(sentence);
        show();
    }
};
#endif

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
    if (auto *field = as<TextBox>(className, object))
        return new AccessibleTextBox(field);
    if (auto *frame = as<Frame>(className, object))
        return new AccessibleFrame(frame);
    if (auto *form = as<Form>(className, object); form && form->windowType() == Qt::Dialog)
        return new AccessibleDialog(form);
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    if (auto *notice = as<Notice>(className, object))
        return new QAccessibleWidget(notice, QAccessible::Notification);
#endif
    if (auto *status = as<StatusLine>(className, object))
        return new AccessibleStatusLine(status);
    return nullptr;
}

// A menu's item is no widget: Qt makes its interface when the menu bar or
// the menu it is on is asked for its children. None for an item on no menu.
QAccessibleInterface *menuItemInterface(QAction *item)
{
    for (QObject *owner : item->associatedObjects())
        if (auto *menu = qobject_cast<QWidget *>(owner);
            menu && (qobject_cast<QMenu *>(menu) || qobject_cast<QMenuBar *>(menu)))
            if (const qsizetype index = menu->actions().indexOf(item); index >= 0)
                return QAccessible::queryAccessibleInterface(menu)->child(int(index));
    return nullptr;
}

// Qt makes an interface only through this query, which also keeps it; asked
// again for the same object from inside, this gives the interface to scale.
QAccessibleInterface *scaledControl(const QString &className, QObject *object)
{
    static const QObject *beingScaled = nullptr;
    auto *const item = qobject_cast<QAction *>(object);
    if (object == beingScaled || !(object->isWidgetType() || item))
        return accessibleControl(className, object);
    const QObject *outer = std::exchange(beingScaled, object);
    QAccessibleInterface *inner = item ? menuItemInterface(item) : QAccessible::queryAccessibleInterface(object);
    beingScaled = outer;
    return inner ? new ScaledInterface(inner) : nullptr;
}

}

void installAccessibility()
{
    QAccessible::installFactory(scaledControl);
}

void announce(QWidget *speaker, const QString &sentence)
{
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    auto *notice = speaker->findChild<Notice *>(QString(), Qt::FindDirectChildrenOnly);
    (notice ? notice : new Notice(speaker))->say(sentence);
#else
    QAccessibleAnnouncementEvent announcement(speaker, sentence);
    QAccessible::updateAccessibility(&announcement);
#endif
}

void afterMenuCloses(QObject *context, std::function<void()> open)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    // Orca 48, which comes with Qt 6.8, takes a window's activation ahead of
    // the focus changes sent before it. A menu gives the focus back to the
    // control it took it from as it closes; a window opened at once is read,
    // then that control in the window behind, then the window again. Opened
    // a moment later, it is read once, after the control.
    using namespace std::chrono_literals;
    QTimer::singleShot(200ms, context, std::move(open));
#else
    Q_UNUSED(context);
    open();
#endif
}

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
#include "accessibility.moc"
#endif
