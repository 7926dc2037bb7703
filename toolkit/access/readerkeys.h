#pragma once

// Holding keys until a screen reader has answered for them; nothing else of the application.

#include <QApplication>

// An application whose windows get no key that a screen reader keeps for
// itself.
//
// Qt hands each key to the screen reader first, but acts on it anyway when
// the reader has not answered within a tenth of a second. A reader busy with
// the first press of a double-press command (Orca's keypad Enter twice, for
// "where am I" or "read the status line") answers the second one late, and
// the program would press the focused button with it, or type the keypad's
// "/" into a field. Here every key waits for the reader's own answer, and
// keys act in the order they were pressed, shortcuts among them.
class ReaderAwareApplication : public QApplication
{
public:
    ReaderAwareApplication(int &argc, char **argv);

    bool notify(QObject *receiver, QEvent *event) override;

private:
    class KeyQueue;
    KeyQueue *const m_keys;
};
