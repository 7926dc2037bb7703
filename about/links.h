#pragma once

#include <QWidget>

// The desktop's open service, with the shell's contract: a result above 32
// means the link was opened, 32 or less that it was not.
int ShellExecuteA(WId owner, const char *operation, const char *file, const char *parameters,
                  const char *directory, int showCommand);

inline constexpr int SW_SHOWNORMAL = 1;

// Hands a link to the desktop on behalf of `window`; tells the user
// `failureMessage` if the desktop cannot open it.
void openLink(const QWidget &window, const QString &link, const QString &failureMessage);
