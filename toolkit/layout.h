#pragma once

// The tables a window is declared in: controls, containers, menus; not how they
// are built (form.cpp).

#include "toolkit/look/colour.h"
#include "font.h"
#include "twips.h"

#include <QFlags>

#include <optional>
#include <span>

enum class Kind { Label, TextBox, DropDownList, OptionButton, CommandButton, Frame };

// How a control looks and behaves, beyond its colours and font.
enum class Look : unsigned {
    Plain = 0,
    Centred = 1,        // text centred
    Bordered = 2,       // single-line border
    Link = 4,           // a link: the pointing-hand pointer, and read as a link
    Selected = 8,       // an option selected at start
    OnTop = 16,         // drawn above the controls it overlaps
    ReadOnly = 32,      // a text box nobody types into or tabs to
    DefaultButton = 64, // pressed by Enter anywhere in the window
    CancelButton = 128, // pressed by Escape anywhere in the window
};
Q_DECLARE_FLAGS(Looks, Look)
Q_DECLARE_OPERATORS_FOR_FLAGS(Looks)

// One row of a window's control inventory.
struct ControlDef {
    const char *name;
    Kind kind;
    const char *text;
    TwipsRect rect;
    std::optional<Colour> back;  // none: the control's own
    std::optional<Colour> fore;
    FontSpec font;
    int tab;
    const char *tooltip;
    Looks look;
};

// The controls that one container (the window's client area, or a frame) holds.
struct ContainerDef {
    const char *container;  // null: the window's client area
    std::span<const ControlDef> controls;
};
