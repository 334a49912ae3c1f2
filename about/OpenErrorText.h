#pragma once

#include <string>

namespace razzlewick {

// The whole message shown when a link cannot be opened: "Can't open link:" and the
// explanation of the launch code.
std::string OpenErrorText(int code);

// The explanation alone, for a message that names what could not be opened.
std::string OpenErrorExplanation(int code);

}  // namespace razzlewick
