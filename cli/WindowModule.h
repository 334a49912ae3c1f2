#pragma once

#include <string>
#include <string_view>

namespace razzlewick {

// The window lives in a library of its own in the program's folder, which `razzlewick` loads
// only when a window is wanted: the terminal answers never load the toolkit.
inline constexpr const char* kWindowModuleName = "window/razzlewick-window.so";
inline constexpr const char* kWindowEntryName = "RazzlewickWindowMain";
// Runs the whole windowed program on the program's own arguments and returns its exit status.
using WindowEntry = int (*)(int argc, char** argv);

// The one line that says why no window opens, and where to turn instead.
inline std::string CannotOpenWindowMessage(std::string_view reason)
{
    while (!reason.empty() && (reason.back() == '.' || reason.back() == '\n'))
        reason.remove_suffix(1);
    return "razzlewick: cannot open a window: " + std::string(reason) +
           ". razzlewick --print prints insults on the terminal.\n";
}

}  // namespace razzlewick
