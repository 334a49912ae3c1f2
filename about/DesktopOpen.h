#pragma once

#include <string>

namespace razzlewick {

// Opening a web address, or a local file or folder, with the program the desktop has for it,
// for any window that offers one: the link control, "Read the documentation", a folder of
// data files. The wait cursor shows while the launcher starts; its output goes nowhere.
struct DesktopOpenResult final {
    bool opened = false;
    std::string message;  // when not opened: what to tell the user, naming the target
};

DesktopOpenResult OpenOnDesktop(const std::string& target);

// What to tell the user when `target` did not open with this launch code: the target
// itself, and where nothing on this computer opens such a thing, what to install.
std::string DesktopOpenProblem(const std::string& target, int launchCode);

}  // namespace razzlewick
