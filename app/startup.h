#pragma once

// Everything the program sets on the application before its first window:
// its names and version, the style its fixed layout is drawn for, and its icon.
void configureApplication();
