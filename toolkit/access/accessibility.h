#pragma once

// What screen readers are told of the controls, and how the program speaks to
// them; not the controls' behaviour.

#include <functional>

// Tells screen readers what the controls are where Qt's own description
// falls short: a label reads as exactly its caption (even an empty one) and
// its mark, and a link label as a link that can be activated; a text box as
// its whole text, and a read-only one as a named text nobody edits; a frame
// by its own caption only; a dialog window as a dialog described by its
// lines; a status line as a status bar.
void installAccessibility();

class QString;
class QWidget;

// Says a sentence to a screen reader at once, whatever has the focus, on
// behalf of `speaker`.
void announce(QWidget *speaker, const QString &sentence);

class QObject;

// Runs `open`, which opens a window from a menu item, once a screen reader
// can have heard the focus come back from the menu to the window behind.
void afterMenuCloses(QObject *context, std::function<void()> open);
