#pragma once

#include <QString>

#include <functional>

// What became of a link handed to the desktop.
enum class OpenOutcome { Opened, NoOpener, Failed };

// Hands `link` to the desktop's opener, xdg-open from PATH, as its one
// argument and without a shell, started in `folder`. Returns at once: `done`
// runs later on the user-interface thread, once: when the opener has ended,
// or once it has run for longer than an opener takes to fail (then it keeps
// a browser in its foreground, and the link counts as opened). The window
// goes on painting and taking input meanwhile.
void openWithDesktop(const QString &link, const QString &folder, std::function<void(OpenOutcome)> done);
