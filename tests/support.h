#pragma once

#include "toolkit/messagebox.h"

#include <QApplication>
#include <QTest>
#include <QWidget>

#include <vector>

struct ShownMessage {
    QString prompt;
    int style;
    QString title;
};

// Records every message box instead of showing it, while it lives.
class MessageRecorder
{
public:
    MessageRecorder()
        : m_previous(setMessagePresenter([this](const QString &prompt, int style, const QString &title) {
              shown.push_back({prompt, style, title});
          }))
    {
    }
    ~MessageRecorder() { setMessagePresenter(m_previous); }
    MessageRecorder(const MessageRecorder &) = delete;
    MessageRecorder &operator=(const MessageRecorder &) = delete;

    std::vector<ShownMessage> shown;

private:
    MessagePresenter m_previous;
};

template <class Control>
Control *child(const QWidget *window, const char *name)
{
    auto *found = window->findChild<Control *>(QLatin1StringView(name));
    if (!found)
        qFatal("no control named %s", name);
    return found;
}

// Moves the focus as a user does, with the key that moves it.
inline void pressTab(QWidget *window, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : window, Qt::Key_Tab, modifiers);
}
