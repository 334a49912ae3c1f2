#pragma once

#include <string>
#include <vector>

namespace razzlewick::platform {

// Starts a program from an argument vector and does not wait for it; the answer is the
// shell's launch code (above 32 when it started, 2 when the program is missing, ...).
// The process is reaped in the background when it ends.
int StartProgram(const std::vector<std::string>& argv);

}  // namespace razzlewick::platform
