#pragma once

#include <string>

namespace razzlewick::platform {

// Today's date where the user is, "YYYY-MM-DD".
std::string LocalDate();

}  // namespace razzlewick::platform
