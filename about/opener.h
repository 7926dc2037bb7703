#pragma once

#include <QString>

#include <functional>

// What became of a link handed to the desktop.
enum class OpenOutcome { Opened, NoOpener, Failed };

// Hands `link` to the desktop's opener, xdg-open from PATH, as its one
// argument and without a shell, started in `folder`. Returns at once: `done`
// runs later on the user-interface thread, once, when the opener has ended, or
// when it has run for longer than a browser takes to come up (then the link
// counts as opened). The window goes on painting and taking input meanwhile.
void openWithDesktop(const QString &link, const QString &folder, std::function<void(OpenOutcome)> done);
