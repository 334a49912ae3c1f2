#pragma once

#include "platform/SpawnProcess.h"

#include <chrono>
#include <functional>
#include <string>

namespace razzlewick::platform {

// Opens a file or URL with the desktop's default action through xdg-open and answers
// with the shell's launch code (see LaunchCodes.h): above 32 when it started. A launcher
// still running when `stopWaiting` says so counts as started, as after the patience.
int XdgOpen(const std::string& target, std::chrono::milliseconds patience = kLauncherPatience,
            const std::function<bool()>& stopWaiting = {});

// The shell's code for an exit status of xdg-open.
int LaunchCodeForXdgOpenExit(int exitStatus);

}  // namespace razzlewick::platform
