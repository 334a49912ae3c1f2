#pragma once

#include <string>

namespace razzlewick::platform {

// The folder that holds the running program, ending in '/'; empty when it cannot be
// determined. Data files and documentation are looked for there.
std::string ProgramFolder();

}  // namespace razzlewick::platform
