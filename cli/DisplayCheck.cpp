#include "cli/DisplayCheck.h"

#include <cstdlib>

namespace razzlewick {

namespace {

std::string EnvironmentValue(const char* name)
{
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

}  // namespace

DisplayEnvironment ProcessDisplayEnvironment()
{
    return {EnvironmentValue("QT_QPA_PLATFORM"), EnvironmentValue("DISPLAY"),
            EnvironmentValue("WAYLAND_DISPLAY")};
}

std::string NoDisplayReason(const Arguments& arguments, const DisplayEnvironment& environment)
{
    std::string platform =
        arguments.Has("-platform") ? arguments.options.at("-platform") : environment.platform;
    // The toolkit tries a list "a;b" in order; the first is the one that must work.
    platform = platform.substr(0, platform.find(';'));
    const bool needsDisplay =
        platform.empty() || platform.starts_with("xcb") || platform.starts_with("wayland");
    if (!needsDisplay || arguments.Has("-display") || !environment.x11Display.empty() ||
        !environment.waylandDisplay.empty())
        return {};
    return "no display (DISPLAY and WAYLAND_DISPLAY are unset)";
}

}  // namespace razzlewick
