#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace razzlewick::platform {

// Names of the entries of `folder` ("" = the current folder) whose names end in `suffix`
// without regard to the case of A-Z, in the order the folder lists them. Entries of every
// kind are returned, folders included; a folder that cannot be read gives none.
std::vector<std::string> FindEntriesEndingWith(const std::string& folder, std::string_view suffix);

// The name of the entry of `folder` that equals `name` without regard to the case of A-Z;
// of several, the smallest in byte order, so every spelling of the name picks the same
// entry. None when there is no such entry or the folder cannot be read.
std::optional<std::string> FindEntryIgnoringCase(const std::string& folder, std::string_view name);

}  // namespace razzlewick::platform
