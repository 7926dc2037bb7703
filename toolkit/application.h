#pragma once

// The program as a whole (its title, its folder); not its windows, which are Forms.

#include <QString>

// The program as a whole.
namespace App {
// The application's title, borne by message boxes that have none of their own.
QString Title();
// The folder that holds the program file.
QString Path();
}
