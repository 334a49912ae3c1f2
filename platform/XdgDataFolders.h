#pragma once

#include <string>
#include <vector>

namespace razzlewick::platform {

// The desktop's base folders for data files, as every program on it finds them. Each folder
// ends in '/'.

// $XDG_DATA_HOME, or ~/.local/share when it is unset, empty or relative; empty when no home
// folder is known either.
std::string DataHomeFolder();

// The absolute entries of $XDG_DATA_DIRS in order, or /usr/local/share and /usr/share when
// it is unset or empty. Relative entries are ignored.
std::vector<std::string> DataDirFolders();

// What the two functions above ignored, as the desktop's rules ask: a relative
// $XDG_DATA_HOME and every relative entry of $XDG_DATA_DIRS, one sentence each, so that a
// report can say why a folder the user named was not searched.
std::vector<std::string> IgnoredDataFolderSettings();

}  // namespace razzlewick::platform
