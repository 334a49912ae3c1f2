#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace razzlewick {

// The program's own command-line options, answered on the terminal: a batch of insults
// (--print), the styles, the version or the help, with no window, no display and no
// application object of the toolkit. Reads the same data folders and settings file as the
// window and writes nothing to either.

// Whether the arguments ask for the terminal: one of the options above is among them.
// Anything else (the toolkit's own options) is left to the window, as before.
bool WantsTerminal(const std::vector<std::string>& args);

// Answers the arguments (the words after the program's name) and returns the exit status:
// 0 done; 1 no data, a data file that could not be read, or a style the offensiveness level
// withholds; 2 a bad command line or a style no data file holds.
int RunOnTerminal(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace razzlewick
