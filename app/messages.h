#pragma once

#include <QString>

// Every text the program tells the user in a message box.
namespace Messages {

// The title of the messages that answer the user's input.
inline const QString Oops = QStringLiteral("Oops!");

// What is wrong with the height and the weight text, by the state of each
// (TextState: empty, not a number, a number), as [height][weight].
inline const QString ForInput[3][3] = {
    {QStringLiteral("Please Enter Or Select A Value For Both Height And Weight"),
     QStringLiteral("Please Enter Or Select A Height Value And A Valid Weight Value"),
     QStringLiteral("Please Enter Or Select A Height Value")},
    {QStringLiteral("Please Enter Or Select A Weight Value And A Valid Height Value"),
     QStringLiteral("Please Enter Or Select A Valid Height And Weight Value"),
     QStringLiteral("Please Enter Or Select A Valid Height Value")},
    {QStringLiteral("Please Enter Or Select A Weight Value"),
     QStringLiteral("Please Enter Or Select A Valid Weight Value"),
     QString()},  // both numbers: nothing wrong
};
inline const QString ZeroValue = QStringLiteral("Please Enter Or Select A Height And Weight Other Than Zero");
inline const QString OutOfRange = QStringLiteral("The Height Or Weight Value Is Out Of Range");

// When the desktop cannot open a link; the message box bears the program's title.
inline const QString NoBrowser = QStringLiteral("No Browser Installed. Cannot Open Web Page.");
inline const QString NoMailProgram = QStringLiteral("No Default Email Program Enabled or Installed - Unable To Send Email ");

}
