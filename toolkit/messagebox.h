#pragma once

// The modal message box that handlers show; not the messages themselves, which
// belong to their handlers' folders.

#include <QString>

#include <functional>

// Message box styles, by the numbers that name them: the sum of the button
// set and the icon.
enum class MsgBoxStyle { OkOnly = 0, Exclamation = 48 };

// Shows a modal message box with one OK button and waits until it is closed.
// Without a title of its own the box bears the application's title.
void MsgBox(const QString &prompt, MsgBoxStyle style = MsgBoxStyle::OkOnly, const QString &title = QString());

// What puts a message box on screen. Tests replace it to see what was shown
// without a box waiting for someone to press OK; the previous one is returned.
using MessagePresenter = std::function<void(const QString &prompt, MsgBoxStyle style, const QString &title)>;
MessagePresenter setMessagePresenter(MessagePresenter presenter);
