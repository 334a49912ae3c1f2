#pragma once

#include "cli/Arguments.h"

#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace razzlewick {

// The program's own command line. The answers on the terminal (a batch of insults with
// --print, the styles, the version, the help) need no window, no display and no toolkit;
// they read the same data folders and settings file as the window and write nothing to
// either. Anything the program does not know is refused before a window is even tried.

// Opens the window for a command line that asks for it (the toolkit's own options at most)
// and returns the program's exit status.
using WindowOpener = std::function<int(const Arguments& arguments)>;

// Answers the arguments (the words after the program's name) and returns the exit status:
// 0 done; 1 no data, a data file that could not be read, a style the offensiveness level
// withholds, or no insult short enough; 2 a bad command line or a style no data file holds.
// A command line that asks for the window goes to `openWindow` instead. `outColumns` is the
// width of the terminal `out` shows on, where insults are broken at spaces to fit; 0 when
// `out` goes to a file or a pipe, which get one insult a line.
int RunCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                   const WindowOpener& openWindow, int outColumns = 0);

}  // namespace razzlewick
