#pragma once

#include <QString>

// Hands a link to the desktop from the program's folder, and tells the user
// `failureMessage` if the desktop cannot open it.
void openLink(const QString &link, const QString &failureMessage);
