#include "about/ShellOpen.h"

#include "platform/LaunchCodes.h"
#include "platform/XdgOpen.h"
#include "platform/qt/UserInputWatch.h"
#include "platform/qt/WaitCursor.h"

namespace razzlewick {

std::string EscapeSpaces(const std::string& target)
{
    std::string escaped;
    escaped.reserve(target.size());
    for (const char c : target) {
        if (c == ' ') {
            escaped += "%20";
        } else {
            escaped.push_back(c);
        }
    }
    return escaped;
}

bool ShellOpen(const std::string& target, bool escapeSpaces)
{
    return platform::LaunchSucceeded(ShellOpenResult(target, escapeSpaces));
}

int ShellOpenResult(const std::string& target, bool escapeSpaces)
{
    const platform::WaitCursor waitCursor;
    platform::UserInputWatch input;
    return platform::XdgOpen(escapeSpaces ? EscapeSpaces(target) : target,
                             platform::kLauncherPatience, input.StopCondition());
}

}  // namespace razzlewick
