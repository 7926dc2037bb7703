#pragma once

#include <optional>

// Answers --version, --help and a wrong option on the command line before any
// window is made, without a display: returns the exit status then, or nothing
// when the program is to start. Qt's own options pass through to it.
std::optional<int> answerCommandLine(int argc, char *argv[]);
