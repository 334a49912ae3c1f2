#pragma once

#include <optional>
#include <string>

namespace razzlewick::platform {

// The full path of an executable file `name` in the folders of $PATH, looked up now (so a
// program installed while we run is found); empty when there is none.
std::optional<std::string> FindProgram(const std::string& name);

}  // namespace razzlewick::platform
