#pragma once

// Everything the program sets on the application before its first window:
// its names and version, the style its fixed layout is drawn for, and its icon.
void configureApplication();

// The program's name and version, as the window, the message boxes and the
// command line give them.
void nameApplication();
