#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace platform {

// Names of the entries of `folder` ("" = the current folder) whose names end in `suffix`
// without regard to the case of A-Z, in the order the folder lists them. Entries of every
// kind are returned, folders included; a folder that cannot be read gives none.
std::vector<std::string> FindEntriesEndingWith(const std::string& folder, std::string_view suffix);

}  // namespace platform
