#pragma once

#include "calculation.h"

#include <QString>

// What the calculation tells the user in a message box when it refuses the
// input.
namespace Messages {

// The title of the messages that answer the user's input.
inline const QString Oops = QStringLiteral("Oops!");

// What is wrong with the height and the weight text, by the state of each,
// as [height][weight].
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
// The table's rows and columns follow TextState's order.
static_assert(int(TextState::Empty) == 0 && int(TextState::NotNumeric) == 1 && int(TextState::Numeric) == 2);

inline const QString ZeroValue = QStringLiteral("Please Enter Or Select A Height And Weight Other Than Zero");
inline const QString OutOfRange = QStringLiteral("The Height Or Weight Value Is Out Of Range");

}
