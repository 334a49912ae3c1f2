#pragma once

#include <optional>
#include <string>
#include <vector>

namespace razzlewick::platform {

// Desktop entries (*.desktop files) as far as starting the program they describe needs.

// The folders searched for desktop files, in order: applications/ in the data home, then
// in each of the data folders (XdgDataFolders.h).
std::vector<std::string> ApplicationFolders();

// The first file for the desktop id ("firefox.desktop") in those folders; an id with
// dashes is also looked for in subfolders ("kde-foo.desktop" as kde/foo.desktop).
std::optional<std::string> FindDesktopFile(const std::string& desktopId);

// The Exec= value of the [Desktop Entry] group with the string escapes (\s \n \t \r \\)
// resolved; empty when the file cannot be read or holds none.
std::optional<std::string> ReadExecLine(const std::string& path);

// Splits an Exec value into arguments by the desktop-entry quoting rules: blanks
// separate, double quotes group, and inside quotes a backslash escapes " ` $ and \.
// No shell is involved, so nothing else is special.
std::vector<std::string> SplitExecLine(const std::string& exec);

}  // namespace razzlewick::platform
