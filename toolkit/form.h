#pragma once

// A window built from its layout tables, and its load, show, enable and unload;
// not its controls' own behaviour (controls.h).

#include "font.h"
#include "layout.h"

#include <QMainWindow>
#include <QPointer>

#include <vector>

class QAction;
class CommandButton;

struct MenuItemDef {
    const char *name;
    const char *text;
};

struct MenuDef {
    const char *name;
    const char *text;
    std::span<const MenuItemDef> items;
};

// What a screen reader says of a control, where its own text does not say it.
struct AccessibleDef {
    const char *name;
    const char *accessibleName;         // null: the control's own text
    const char *accessibleDescription;  // null: none
    const char *shownBy = nullptr;      // the label beside it that shows that name
};

struct FormDef {
    const char *name;
    const char *title;
    TwipsSize client;
    FontSpec font;  // unset: the toolkit's default font
    std::span<const ContainerDef> containers;
    std::span<const MenuDef> menus;
    std::span<const AccessibleDef> accessible = {};
};

// A window of the toolkit: a fixed client area laid out from its inventory,
// an optional menu bar, and the load, show, enable and unload operations.
class Form : public QMainWindow
{
    Q_OBJECT

public:
    explicit Form(const FormDef &def, QWidget *parent = nullptr);

    // The toolkit's own operations, the names handlers call: Show, as Qt's
    // show(), loads the window the first time, then shows it centred on the
    // screen with the focus on its first tab stop, and returns at once;
    // Unload closes the window and destroys it.
    void Show();
    void Unload();
    // A disabled window stays on screen but takes no input; enabling it gives
    // the focus back to the control that had it.
    void setWindowEnabled(bool enabled);
    // Keeps the window above `owner` as a dialog of it, which minimises only
    // with it, without making it a child: it stays enabled while `owner` is not.
    void stayAbove(const Form &owner);

    // A control of the window by its name in the inventory; a name the
    // window lacks, or a control of another kind, is a fault of the program.
    template <class Control>
    Control *control(const char *name) const
    {
        return checked(findChild<Control *>(QLatin1StringView(name)), name);
    }

signals:
    void Load();

protected:
    QAction *menuItem(const char *name) const;

    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    template <class T>
    static T *checked(T *found, const char *name)
    {
        if (!found)
            qFatal("The window has no control named %s of the kind asked for", name);
        return found;
    }
    using TabStops = std::vector<std::pair<int, QWidget *>>;

    void build(const FormDef &def);
    QWidget *createClientArea(TwipsSize size);
    void fillContainer(const ContainerDef &container, QWidget *client, const QFont &windowFont, TabStops &tabStops);
    QWidget *createControl(const ControlDef &def, QWidget *container, const QFont &windowFont);
    void orderTabStops(TabStops tabStops);
    void describeForScreenReaders(std::span<const AccessibleDef> rows);
    void buildMenus(std::span<const MenuDef> menus, const QFont &windowFont);
    void centreOnScreen();
    void centreOnceFramed();
    void focusFirstTabStop();
    void fitToScreen();
    QWidget *windowAbove() const;
    void toggleMenuBar();

    bool m_loaded = false;
    QSize m_centredFrame;
    CommandButton *m_defaultButton = nullptr;
    CommandButton *m_cancelButton = nullptr;
    std::vector<QWidget *> m_tabOrder;
    QPointer<QWidget> m_focusWhileDisabled;
};
