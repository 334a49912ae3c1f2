#pragma once

#include <string>

namespace razzlewick::platform {

// The full path of the running program with every link resolved, so an installed link in
// bin/ still leads to the folder that holds the data; empty when it cannot be determined.
std::string ExecutablePath();

}  // namespace razzlewick::platform
