#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace razzlewick::platform {

// Names of the entries of `folder` ("" = the current folder) whose names end in `suffix`
// without regard to the case of A-Z, in name order (NameOrderLess). Entries of every kind
// are returned, folders included; a folder that cannot be read gives none, and its errno
// goes to `error` when one is given (0 otherwise).
std::vector<std::string> FindEntriesEndingWith(const std::string& folder, std::string_view suffix,
                                               int* error = nullptr);

// The order files of one folder are read in, the same on every file system: names compared
// with a-z folded to A-Z (so "_" sorts after the letters, as upper-casing file systems list
// it), and names equal that way in byte order.
bool NameOrderLess(std::string_view a, std::string_view b);

// The name of the entry of `folder` that equals `name` without regard to the case of A-Z;
// of several, the smallest in byte order, so every spelling of the name picks the same
// entry. None when there is no such entry or the folder cannot be read.
std::optional<std::string> FindEntryIgnoringCase(const std::string& folder, std::string_view name);

}  // namespace razzlewick::platform
