#pragma once

#include <string>

namespace razzlewick {

// Opens a file or URL with the desktop's default action, showing the wait cursor while the
// launcher starts. With escapeSpaces every blank is sent as "%20" and nothing else is
// touched. True when the launcher accepted the target.
bool ShellOpen(const std::string& target, bool escapeSpaces);
// The same, answering with the launcher's code: above 32 when it started, else the error.
int ShellOpenResult(const std::string& target, bool escapeSpaces);

// The target with every blank replaced by "%20".
std::string EscapeSpaces(const std::string& target);

}  // namespace razzlewick
