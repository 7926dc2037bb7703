#include "form.h"

#include "controls.h"
#include "pointer.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLayout>
#include <QMenuBar>
#include <QScreen>
#include <QKeyEvent>
#include <QStyle>

#include <algorithm>

namespace {

QWidget *newControl(Kind kind, QWidget *container)
{
    switch (kind) {
    case Kind::Label: return new Label(container);
    case Kind::TextBox: return new TextBox(container);
    case Kind::DropDownList: return new DropDownList(container);
    case Kind::OptionButton: return new OptionButton(container);
    case Kind::CommandButton: return new CommandButton(container);
    case Kind::Frame: return new Frame(container);
    }
    return nullptr;
}

void setText(QWidget *widget, const QString &text)
{
    if (auto *label = qobject_cast<Label *>(widget))
        label->setCaption(text);
    else if (auto *frame = qobject_cast<Frame *>(widget))
        frame->setTitle(text);
    else if (auto *field = qobject_cast<TextBox *>(widget))
        field->setText(text);
    else if (auto *button = qobject_cast<QAbstractButton *>(widget))
        button->setText(text);
}

void setColours(QWidget *widget, std::optional<Colour> back, std::optional<Colour> fore)
{
    if (auto *label = qobject_cast<Label *>(widget)) {
        if (back)
            label->setBackColor(*back);
        if (fore)
            label->setForeColor(*fore);
    } else if (auto *frame = qobject_cast<Frame *>(widget)) {
        if (fore)
            frame->setForeColor(*fore);
    } else if (back || fore) {
        const bool isButton = qobject_cast<QAbstractButton *>(widget);
        auto *colours = new ColourBinding(widget, isButton ? QPalette::Button : QPalette::Base,
                                          isButton ? QPalette::ButtonText : QPalette::Text);
        colours->setBack(back);
        colours->setFore(fore);
    }
}

void setLook(QWidget *widget, unsigned look)
{
    auto *label = qobject_cast<Label *>(widget);
    if (look & Look::Centred) {
        if (label)
            label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        else if (auto *field = qobject_cast<TextBox *>(widget))
            field->setAlignment(Qt::AlignCenter);
    }
    // A single dark line, drawn in the label's text colour so that it shows
    // on all four sides whatever the background.
    if (label && (look & Look::Bordered))
        label->setFrameStyle(QFrame::Box | QFrame::Plain);
    if (look & Look::HandPointer)
        widget->setCursor(handPointer());
    if (auto *option = qobject_cast<OptionButton *>(widget))
        option->setChecked(look & Look::Selected);
    if (auto *field = qobject_cast<TextBox *>(widget); field && (look & Look::ReadOnly)) {
        field->setReadOnly(true);
        field->setFocusPolicy(Qt::NoFocus);
    }
}

// Labels are drawn on their container, beneath every control of its own:
// the controls in the order made, the labels below them likewise, and a label
// marked to lie above the others topmost among the labels.
void stackControls(const std::vector<std::pair<QWidget *, bool>> &stack)
{
    QWidget *lowestControl = nullptr;
    for (const auto &[widget, onTop] : stack)
        if (!qobject_cast<Label *>(widget)) {
            widget->raise();
            lowestControl = lowestControl ? lowestControl : widget;
        }
    for (const auto &[widget, onTop] : stack)
        if (onTop && qobject_cast<Label *>(widget)) {
            if (lowestControl)
                widget->stackUnder(lowestControl);
            else
                widget->raise();
        }
}

bool takesFocus(const QWidget *widget)
{
    return widget->focusPolicy() != Qt::NoFocus;
}

}

Form::Form(const FormDef &def, QWidget *parent)
    : QMainWindow(parent)
{
    setObjectName(QLatin1StringView(def.name));
    setWindowTitle(QString::fromLatin1(def.title));
    setAttribute(Qt::WA_DeleteOnClose);
    // A window's background is the desktop's button face, as its labels' is.
    (new ColourBinding(this, QPalette::Window))->setBack(SystemColour::ButtonFace);
    build(def);
}

void Form::build(const FormDef &def)
{
    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("clientArea"));
    client->setFixedSize(def.client.toPixels());
    const QFont windowFont = def.font.isSet() ? def.font.toQFont() : QFont();
    client->setFont(windowFont);
    setCentralWidget(client);

    std::vector<std::pair<int, QWidget *>> tabStops;
    for (const ContainerDef &container : def.containers) {
        QWidget *parent = container.container ? control<QWidget>(container.container) : client;
        std::vector<std::pair<QWidget *, bool>> stack;
        for (const ControlDef &row : container.controls) {
            QWidget *widget = createControl(row, parent, windowFont);
            stack.emplace_back(widget, row.look & Look::OnTop);
            if (takesFocus(widget))
                tabStops.emplace_back(row.tab, widget);
            if (row.look & Look::DefaultButton)
                m_defaultButton = qobject_cast<CommandButton *>(widget);
            if (row.look & Look::CancelButton)
                m_cancelButton = qobject_cast<CommandButton *>(widget);
        }
        stackControls(stack);
    }
    std::ranges::sort(tabStops, {}, &std::pair<int, QWidget *>::first);
    for (const auto &[tab, widget] : tabStops)
        m_tabOrder.push_back(widget);
    for (std::size_t i = 1; i < m_tabOrder.size(); ++i)
        setTabOrder(m_tabOrder[i - 1], m_tabOrder[i]);
    for (OptionButton *option : findChildren<OptionButton *>())
        option->updateTabStop();

    for (const AccessibleDef &row : def.accessible) {
        auto *widget = control<QWidget>(row.name);
        if (row.accessibleName)
            widget->setAccessibleName(QString::fromUtf8(row.accessibleName));
        if (row.accessibleDescription)
            widget->setAccessibleDescription(QString::fromUtf8(row.accessibleDescription));
    }
    buildMenus(def.menus);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

QWidget *Form::createControl(const ControlDef &def, QWidget *container, const QFont &windowFont)
{
    QWidget *widget = newControl(def.kind, container);
    widget->setObjectName(QLatin1StringView(def.name));
    widget->setGeometry(def.rect.toPixels());
    widget->setFont(def.font.isSet() ? def.font.toQFont() : windowFont);
    setText(widget, QString::fromUtf8(def.text));
    setColours(widget, def.back, def.fore);
    if (def.tooltip)
        widget->setToolTip(QString::fromLatin1(def.tooltip));
    setLook(widget, def.look);
    return widget;
}

void Form::buildMenus(std::span<const MenuDef> menus)
{
    for (const MenuDef &def : menus) {
        QMenu *menu = menuBar()->addMenu(QString::fromUtf8(def.text));
        menu->setObjectName(QLatin1StringView(def.name));
        for (const MenuItemDef &item : def.items)
            menu->addAction(QString::fromLatin1(item.text))->setObjectName(QLatin1StringView(item.name));
    }
}

QAction *Form::menuItem(const char *name) const
{
    return checked(findChild<QAction *>(QLatin1StringView(name)), name);
}

void Form::Show()
{
    if (!std::exchange(m_loaded, true))
        emit Load();
    centreOnScreen();
    show();
    activateWindow();
    const auto first = std::ranges::find_if(m_tabOrder, [](const QWidget *w) {
        return w->isEnabled() && (w->focusPolicy() & Qt::TabFocus);
    });
    if (first != m_tabOrder.end())
        (*first)->setFocus(Qt::TabFocusReason);
}

void Form::centreOnScreen()
{
    // A Wayland compositor places windows itself and refuses to be told where.
    if (QGuiApplication::platformName().startsWith(QLatin1StringView("wayland")))
        return;
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    adjustSize();
    move(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, frameGeometry().size(), screen->availableGeometry())
             .topLeft());
}

void Form::Unload()
{
    close();
}

void Form::setWindowEnabled(bool enabled)
{
    if (!enabled)
        m_focusWhileDisabled = focusWidget();
    setEnabled(enabled);
    if (enabled && m_focusWhileDisabled)
        m_focusWhileDisabled->setFocus(Qt::ActiveWindowFocusReason);
}

// Enter and Escape reach the window when the control with the focus has no
// use for them; a list's open popup, or a focused button, keeps them.
void Form::keyPressEvent(QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    CommandButton *button = enter ? m_defaultButton : event->key() == Qt::Key_Escape ? m_cancelButton : nullptr;
    if (button && button->isEnabled())
        button->click();
    else
        QMainWindow::keyPressEvent(event);
}

void Form::closeEvent(QCloseEvent *event)
{
    if (isEnabled())
        event->accept();
    else
        event->ignore();
}
