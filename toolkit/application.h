#pragma once

#include <QString>

// The program as a whole.
namespace App {
// The application's title, borne by message boxes that have none of their own.
QString Title();
// The folder that holds the program file.
QString Path();
}
