#pragma once

#include <string>

namespace razzlewick {

// For a data file that could not be read: when it holds JSON text (a source given the name of
// the data file it was meant to become), the sentence that says how to pack it; otherwise "".
// Only the start of the file is looked at.
std::string PackingHint(const std::string& path);

}  // namespace razzlewick
