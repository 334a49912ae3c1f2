#include "platform/XdgOpen.h"

#include "platform/AsciiHex.h"
#include "platform/LaunchCodes.h"
#include "platform/SpawnProcess.h"

#include <sys/stat.h>

#include <cctype>
#include <cerrno>

namespace razzlewick::platform {

namespace {

bool HasUrlScheme(const std::string& target)
{
    // scheme = ALPHA *( ALPHA / DIGIT / "+" / "-" / "." ) ":"
    if (target.empty() || std::isalpha(static_cast<unsigned char>(target[0])) == 0) {
        return false;
    }
    for (size_t i = 1; i < target.size(); ++i) {
        const auto c = static_cast<unsigned char>(target[i]);
        if (c == ':') {
            return true;
        }
        if (std::isalnum(c) == 0 && c != '+' && c != '-' && c != '.') {
            return false;
        }
    }
    return false;
}

std::string PercentDecoded(const std::string& text)
{
    std::string decoded;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size()) {
            const int high = HexDigitValue(text[i + 1]);
            const int low = HexDigitValue(text[i + 2]);
            if (high >= 0 && low >= 0) {
                decoded.push_back(static_cast<char>(high * 16 + low));
                i += 2;
                continue;
            }
        }
        decoded.push_back(text[i]);
    }
    return decoded;
}

// The local path a target names, or empty when it names something that is not a local file.
std::string LocalPath(const std::string& target)
{
    static const std::string kFileScheme = "file://";
    if (target.compare(0, kFileScheme.size(), kFileScheme) == 0) {
        std::string rest = target.substr(kFileScheme.size());
        // file://host/path: only the local host (empty or "localhost") names a local file.
        const auto slash = rest.find('/');
        const std::string host = rest.substr(0, slash);
        if (slash == std::string::npos || (!host.empty() && host != "localhost")) {
            return {};
        }
        return PercentDecoded(rest.substr(slash));
    }
    return HasUrlScheme(target) ? std::string() : target;
}

}  // namespace

int LaunchCodeForXdgOpenExit(int exitStatus)
{
    switch (exitStatus) {
        case 0:
            return kLaunchStarted;
        case 2:
            return kLaunchFileNotFound;
        case 5:
            return kLaunchAccessDenied;
        default:
            // 3 (no tool for it) and every other failure: nothing handles the target.
            return kLaunchNoAssociation;
    }
}

int XdgOpen(const std::string& target, std::chrono::milliseconds patience,
            const std::function<bool()>& stopWaiting)
{
    // Desktop launchers report every failure alike, so a missing local file is caught
    // here, before anything starts, and named as such.
    if (target.empty()) {
        return kLaunchFileNotFound;
    }
    const std::string path = LocalPath(target);
    struct stat info {};
    if (!path.empty() && stat(path.c_str(), &info) != 0) {
        return errno == ENOTDIR ? kLaunchPathNotFound : kLaunchFileNotFound;
    }

    const auto started = SpawnProcess({"xdg-open", target});
    if (started.pid < 0) {
        return started.error == ENOMEM || started.error == EAGAIN ? kLaunchOutOfResources
                                                                  : kLaunchNoAssociation;
    }
    const auto outcome = WaitForLauncher(started.pid, patience, stopWaiting);
    if (outcome.stillRunning) {
        return kLaunchStarted;
    }
    if (!outcome.exited) {
        return kLaunchNoAssociation;
    }
    return LaunchCodeForXdgOpenExit(outcome.exitStatus);
}

}  // namespace razzlewick::platform
