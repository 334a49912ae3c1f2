#pragma once

#include <string>

namespace razzlewick {

// The whole message shown when a link cannot be opened: "Can't open link:" and the
// explanation of the launch code.
std::string OpenErrorText(int code);

}  // namespace razzlewick
