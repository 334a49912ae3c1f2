#include "about/DesktopOpen.h"

#include "about/OpenErrorText.h"
#include "about/ShellOpen.h"
#include "platform/FindProgram.h"
#include "platform/LaunchCodes.h"

#include <sys/stat.h>

#include <string_view>

namespace razzlewick {

namespace {

bool StartsWithScheme(std::string_view target, std::string_view scheme)
{
    return target.size() > scheme.size() && target.starts_with(scheme);
}

bool IsFolder(const std::string& path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool IsWebPage(std::string_view target)
{
    return target.ends_with(".html") || target.ends_with(".htm");
}

// What a user installs so that the target opens.
std::string_view WhatOpens(const std::string& target)
{
    if (StartsWithScheme(target, "mailto:"))
        return "a mail program";
    if (StartsWithScheme(target, "http:") || StartsWithScheme(target, "https:") ||
        IsWebPage(target))
        return "a web browser";
    if (IsFolder(target))
        return "a file manager";
    return "a program for such files";
}

}  // namespace

std::string DesktopOpenProblem(const std::string& target, int launchCode)
{
    if (launchCode != platform::kLaunchNoAssociation)
        return "Can't open " + target + ":\n\n" + OpenErrorExplanation(launchCode);
    const std::string_view program = WhatOpens(target);
    if (!platform::FindProgram("xdg-open")) {
        return "Can't open " + target + ":\n\nxdg-open, which hands it to the desktop's " +
               "program for it, is not installed. Install xdg-utils and " + std::string(program) +
               ".";
    }
    return "Can't open " + target + ":\n\nno program on this computer is set up to open it. " +
           "Install " + std::string(program) + ", or open it yourself.";
}

DesktopOpenResult OpenOnDesktop(const std::string& target)
{
    const int code = ShellOpenResult(target, false);
    if (platform::LaunchSucceeded(code))
        return {.opened = true, .message = {}};
    return {.opened = false, .message = DesktopOpenProblem(target, code)};
}

}  // namespace razzlewick
