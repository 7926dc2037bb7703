#pragma once

#include <QObject>
#include <QString>

// Hands a link to the desktop from the program's folder, and tells the user
// `failureMessage` if the desktop cannot open it. An activation of `control`
// while its last one is watched, or within a second of it, is that one again.
void openLink(const QObject *control, const QString &link, const QString &failureMessage);

// Opens a page of the maker's web site ("/" for its home) as openLink does,
// telling the user that no browser could open it.
void openWebPage(const QObject *control, const QString &page);
