#pragma once

#include "cli/Arguments.h"

#include <ostream>

namespace razzlewick {

// Hands the program over to the window library beside it, which runs the windowed program on
// the unchanged arguments (so the toolkit sees its own options and the program's name).
// When there is plainly no display, or the library cannot be loaded, says so on `err` and
// returns 1 without loading the toolkit.
int OpenWindow(int argc, char** argv, const Arguments& arguments, std::ostream& err);

}  // namespace razzlewick
