#pragma once

#include "cli/Arguments.h"

#include <string>

namespace razzlewick {

// Whether a window can open at all, decided from the command line and the environment alone,
// before the toolkit is loaded.

// What of the environment decides it.
struct DisplayEnvironment final {
    std::string platform;        // QT_QPA_PLATFORM
    std::string x11Display;      // DISPLAY
    std::string waylandDisplay;  // WAYLAND_DISPLAY
};

// This process's environment.
DisplayEnvironment ProcessDisplayEnvironment();

// Why no window can open, or "" when one may. Only the desktop platforms need a display (an
// X server or a Wayland compositor, either will do); the toolkit's offscreen and framebuffer
// platforms do without. A -platform or -display option counts before the environment.
std::string NoDisplayReason(const Arguments& arguments, const DisplayEnvironment& environment);

}  // namespace razzlewick
