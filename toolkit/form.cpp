// A window built from its layout tables, and its load, show, enable and unload;
// not its controls' own behaviour (controls.h).

#include "form.h"

#include "controls.h"
#include "toolkit/look/pointer.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLayout>
#include <QMenuBar>
#include <QScreen>
#include <QShowEvent>
#include <QStyle>
#include <QWindow>

#include <algorithm>

namespace {

template <class Control>
QWidget *make(QWidget *container)
{
    return new Control(container);
}

// In the order of Kind.
constexpr QWidget *(*const Makers[])(QWidget *) = {make<Label>, make<TextBox>, make<DropDownList>,
                                                   make<OptionButton>, make<CommandButton>, make<Frame>};
static_assert(std::size(Makers) == std::size_t(Kind::Frame) + 1);

QWidget *newControl(Kind kind, QWidget *container)
{
    return Makers[std::size_t(kind)](container);
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

// What a control is drawn on, the window's background, is its own to keep:
// after a new desktop scheme, Qt gives a control of a kind the scheme names
// (frame, field, list, button, menu bar) the scheme's window colour.
void keepWindowBackground(QWidget *widget)
{
    (new ColourBinding(widget, QPalette::Window))->setBack(SystemColour::ButtonFace);
}

void setColours(QWidget *widget, std::optional<Colour> back, std::optional<Colour> fore)
{
    if (auto *label = qobject_cast<Label *>(widget)) {
        if (back || fore)
            label->setColours(back, fore);
        return;
    }
    keepWindowBackground(widget);
    if (auto *frame = qobject_cast<Frame *>(widget)) {
        if (fore)
            frame->setForeColor(*fore);
    } else if (back || fore) {
        const bool isButton = qobject_cast<QAbstractButton *>(widget);
        auto *colours = new ColourBinding(widget, isButton ? QPalette::Button : QPalette::Base,
                                          isButton ? QPalette::ButtonText : QPalette::Text);
        colours->setColours(back, fore);
    }
}

void setLook(QWidget *widget, Looks look)
{
    auto *label = qobject_cast<Label *>(widget);
    if (look.testFlag(Look::Centred)) {
        if (label)
            label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        else if (auto *field = qobject_cast<TextBox *>(widget))
            field->setAlignment(Qt::AlignCenter);
    }
    // A single dark line, drawn in the label's text colour so that it shows
    // on all four sides whatever the background.
    if (label && look.testFlag(Look::Bordered))
        label->setFrameStyle(QFrame::Box | QFrame::Plain);
    if (label && look.testFlag(Look::Link))
        label->setLink();
    if (auto *option = qobject_cast<OptionButton *>(widget))
        option->setChecked(look.testFlag(Look::Selected));
    if (auto *field = qobject_cast<TextBox *>(widget); field && look.testFlag(Look::ReadOnly)) {
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
    // The window has a fixed size, so it offers no maximise.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint);
    // A window's background is the desktop's button face, as its labels' is.
    keepWindowBackground(this);
    build(def);
}

void Form::build(const FormDef &def)
{
    const QFont windowFont = def.font.isSet() ? def.font.toQFont() : QFont();
    setFont(windowFont);
    QWidget *client = createClientArea(def.client);
    TabStops tabStops;
    for (const ContainerDef &container : def.containers)
        fillContainer(container, client, windowFont, tabStops);
    orderTabStops(std::move(tabStops));
    describeForScreenReaders(def.accessible);
    buildMenus(def.menus, windowFont);
    // Fixed now, before Qt makes the window for the screen, so that the size
    // goes with it and needs no telling afterwards, which not every platform supports.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    layout()->activate();
}

QWidget *Form::createClientArea(TwipsSize size)
{
    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("clientArea"));
    client->setFixedSize(size.toPixels());
    setCentralWidget(client);
    return client;
}

void Form::fillContainer(const ContainerDef &container, QWidget *client, const QFont &windowFont, TabStops &tabStops)
{
    QWidget *parent = container.container ? control<QWidget>(container.container) : client;
    std::vector<std::pair<QWidget *, bool>> stack;
    for (const ControlDef &row : container.controls) {
        QWidget *widget = createControl(row, parent, windowFont);
        stack.emplace_back(widget, row.look.testFlag(Look::OnTop));
        if (takesFocus(widget))
            tabStops.emplace_back(row.tab, widget);
        if (row.look.testFlag(Look::DefaultButton))
            m_defaultButton = qobject_cast<CommandButton *>(widget);
        if (row.look.testFlag(Look::CancelButton))
            m_cancelButton = qobject_cast<CommandButton *>(widget);
    }
    stackControls(stack);
}

void Form::orderTabStops(TabStops tabStops)
{
    std::ranges::sort(tabStops, {}, &TabStops::value_type::first);
    for (const auto &[tab, widget] : tabStops)
        m_tabOrder.push_back(widget);
    for (std::size_t i = 1; i < m_tabOrder.size(); ++i)
        setTabOrder(m_tabOrder[i - 1], m_tabOrder[i]);
    for (OptionButton *option : findChildren<OptionButton *>())
        option->updateTabStop();
}

void Form::describeForScreenReaders(std::span<const AccessibleDef> rows)
{
    for (const AccessibleDef &row : rows) {
        auto *widget = control<QWidget>(row.name);
        if (row.accessibleName)
            widget->setAccessibleName(QString::fromUtf8(row.accessibleName));
        if (row.accessibleDescription)
            widget->setAccessibleDescription(QString::fromUtf8(row.accessibleDescription));
        if (row.shownBy)
            control<Label>(row.shownBy)->setShowsNameOf(widget);
    }
}

QWidget *Form::createControl(const ControlDef &def, QWidget *container, const QFont &windowFont)
{
    QWidget *widget = newControl(def.kind, container);
    // The look first: Qt describes a control to screen readers as it is when
    // first asked, and setting its name or text already asks.
    setLook(widget, def.look);
    widget->setObjectName(QLatin1StringView(def.name));
    widget->setGeometry(def.rect.toPixels());
    // A control inherits its container's font; it is given its own only where the row names another.
    if (const QFont font = def.font.isSet() ? def.font.toQFont() : windowFont; font != container->font())
        widget->setFont(font);
    setText(widget, QString::fromUtf8(def.text));
    setColours(widget, def.back, def.fore);
    if (def.tooltip)
        widget->setToolTip(QString::fromLatin1(def.tooltip));
    return widget;
}

// The menus take the window's font as their own: a desktop theme may set a
// font for menus, or a new font for the whole program after it has started.
void Form::buildMenus(std::span<const MenuDef> menus, const QFont &windowFont)
{
    if (menus.empty())
        return;
    menuBar()->setFont(windowFont);
    keepWindowBackground(menuBar());
    for (const MenuDef &def : menus) {
        QMenu *menu = menuBar()->addMenu(QString::fromUtf8(def.text));
        menu->setFont(windowFont);
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
    show();
}

// Opened by Show or by Qt's show(), the window is the same: loaded the first
// time, centred, active, with the focus on its first tab stop. Qt sends this
// before the window is on screen; restored from its icon, the window is shown
// again by the window manager (a spontaneous event) and opens nothing anew.
void Form::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (event->spontaneous())
        return;
    if (!std::exchange(m_loaded, true))
        emit Load();
    centreOnScreen();
    connect(windowHandle(), &QWindow::screenChanged, this, &Form::fitToScreen, Qt::UniqueConnection);
    activateWindow();
    focusFirstTabStop();
}

void Form::focusFirstTabStop()
{
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
    // A window kept above another opens on that one's monitor.
    const QWindow *owner = windowHandle() ? windowHandle()->transientParent() : nullptr;
    const QScreen *screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    adjustSize();
    // A window kept above another is framed as that one is: its frame is
    // known before the window manager has framed it, and until then the
    // window is placed by its client area.
    const QMargins frame = owner ? owner->frameMargins() : QMargins();
    m_centredFrame = owner ? size().grownBy(frame) : frameGeometry().size();
    // A window larger than the screen keeps its title bar and menus on it,
    // where it can still be moved and used.
    const QRect available = screen->availableGeometry();
    const QPoint centred = QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, m_centredFrame, available).topLeft();
    move(QPoint(std::max(centred.x(), available.left()), std::max(centred.y(), available.top()))
         + QPoint(frame.left(), frame.top()));
}

// Qt, 6.4 and 6.8 alike, tells the window manager a fixed size in the pixels
// of the screen the window is on when the size is fixed; moved to a screen of
// another scale, the window would keep that many pixels and show its layout
// cut or in a corner. The size is fixed again, in the new screen's pixels.
void Form::fitToScreen()
{
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    layout()->invalidate();
    layout()->activate();
}

// A window manager frames a window only once it is shown, so the size of the
// frame is known only then: centre the window again, frame and all, the first
// time it differs from the size centred. Framing moves a window, or a dialog
// that it places where asked only activates it.
void Form::centreOnceFramed()
{
    if (m_centredFrame.isValid() && frameGeometry().size() != m_centredFrame) {
        centreOnScreen();
        m_centredFrame = QSize();
    }
}

void Form::moveEvent(QMoveEvent *event)
{
    QMainWindow::moveEvent(event);
    centreOnceFramed();
}

void Form::Unload()
{
    close();
}

void Form::stayAbove(const Form &owner)
{
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    create();
    windowHandle()->setTransientParent(owner.windowHandle());
}

// A disabled window cannot take the input. Activated all the same, by a
// click on it or by the window manager, it hands the activation on to the
// window that keeps it disabled (About, or a message box).
void Form::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange)
        centreOnceFramed();
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !isEnabled())
        if (QWidget *above = windowAbove()) {
            above->raise();
            above->activateWindow();
        }
}

QWidget *Form::windowAbove() const
{
    for (QWidget *top : QApplication::topLevelWidgets())
        if (top != this && top->isVisible() && top->windowHandle()
            && top->windowHandle()->transientParent() == windowHandle())
            return top;
    return nullptr;
}

void Form::setWindowEnabled(bool enabled)
{
    if (!enabled)
        m_focusWhileDisabled = focusWidget();
    setEnabled(enabled);
    if (enabled && m_focusWhileDisabled)
        m_focusWhileDisabled->setFocus(Qt::ActiveWindowFocusReason);
}

// Enter, Escape and F10 reach the window when the control with the focus has
// no use for them; a list's open popup, or a focused button, keeps Enter.
void Form::keyPressEvent(QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    CommandButton *button = enter ? m_defaultButton : event->key() == Qt::Key_Escape ? m_cancelButton : nullptr;
    if (button && button->isEnabled())
        button->click();
    else if (event->key() == Qt::Key_F10 && event->modifiers() == Qt::NoModifier && menuWidget())
        toggleMenuBar();
    else
        QMainWindow::keyPressEvent(event);
}

// F10 does what a press and release of Alt does: the menu bar takes the keys,
// its first menu marked, or gives them back. Qt's menu bar watches the window
// for exactly these two events. As from the keyboard, the modifiers are those
// before each event; Qt adds Alt's own to the press and takes it from the release.
void Form::toggleMenuBar()
{
    QKeyEvent altDown(QEvent::ShortcutOverride, Qt::Key_Alt, Qt::NoModifier);
    QCoreApplication::sendEvent(this, &altDown);
    QKeyEvent altUp(QEvent::KeyRelease, Qt::Key_Alt, Qt::AltModifier);
    QCoreApplication::sendEvent(this, &altUp);
}

void Form::closeEvent(QCloseEvent *event)
{
    if (isEnabled())
        event->accept();
    else
        event->ignore();
}
