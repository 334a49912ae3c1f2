#pragma once

#include <chrono>
#include <string>

namespace platform {

// Opens a file or URL with the desktop's default action through xdg-open and answers
// with the shell's launch code (see LaunchCodes.h): above 32 when it started.
int XdgOpen(const std::string& target,
            std::chrono::milliseconds patience = std::chrono::milliseconds(2000));

// The shell's code for an exit status of xdg-open.
int LaunchCodeForXdgOpenExit(int exitStatus);

}  // namespace platform
