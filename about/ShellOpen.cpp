#include "about/ShellOpen.h"

#include "platform/LaunchCodes.h"
#include "platform/XdgOpen.h"
#include "platform/qt/WaitCursor.h"

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
    const platform::WaitCursor waitCursor;
    return platform::LaunchSucceeded(
        platform::XdgOpen(escapeSpaces ? EscapeSpaces(target) : target));
}
