#pragma once

#include <QApplication>

#include <memory>

// The application on the desktop's display. Where no display can be opened,
// says so in one line and ends the program with status 1, where Qt would
// abort with advice to reinstall it. A scale factor below 1, which Qt
// cannot draw widgets at, is refused with a line on stderr.
std::unique_ptr<QApplication> openDisplay(int &argc, char *argv[]);
