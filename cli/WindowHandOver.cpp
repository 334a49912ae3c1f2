#include "cli/WindowHandOver.h"

#include "cli/WindowModule.h"
#include "platform/LoadModule.h"
#include "platform/ProgramFolder.h"

#include <cstdlib>
#include <string>

namespace razzlewick {

namespace {

std::string Environment(const char* name)
{
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

// Why no window can open here, or nothing when one may. Only the desktop platforms need a
// display; the toolkit's offscreen and framebuffer platforms do without.
std::string NoDisplay(const Arguments& arguments)
{
    std::string platform = arguments.Has("-platform") ? arguments.options.at("-platform")
                                                      : Environment("QT_QPA_PLATFORM");
    platform = platform.substr(0, platform.find(';'));
    const bool needsDisplay =
        platform.empty() || platform.starts_with("xcb") || platform.starts_with("wayland");
    if (!needsDisplay || arguments.Has("-display") || !Environment("DISPLAY").empty() ||
        !Environment("WAYLAND_DISPLAY").empty())
        return {};
    return "no display (DISPLAY and WAYLAND_DISPLAY are unset)";
}

}  // namespace

int OpenWindow(int argc, char** argv, const Arguments& arguments, std::ostream& err)
{
    if (const std::string reason = NoDisplay(arguments); !reason.empty()) {
        err << CannotOpenWindowMessage(reason);
        return 1;
    }
    // Never a library relative to the current folder, which anyone may have filled.
    const std::string folder = platform::ProgramFolder();
    if (folder.empty()) {
        err << CannotOpenWindowMessage(
            "the program's own folder, where its window library is, cannot be found "
            "(/proc/self/exe cannot be read)");
        return 1;
    }
    const platform::ModuleFunction entry =
        platform::LoadModuleFunction(folder + kWindowModuleName, kWindowEntryName);
    if (entry.address == nullptr) {
        err << CannotOpenWindowMessage(entry.error);
        return 1;
    }
    err.flush();
    return reinterpret_cast<WindowEntry>(entry.address)(argc, argv);
}

}  // namespace razzlewick
