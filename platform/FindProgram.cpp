#include "platform/FindProgram.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <string_view>

namespace razzlewick::platform {

std::optional<std::string> FindProgram(const std::string& name)
{
    if (name.empty() || name.find('/') != std::string::npos) {
        return std::nullopt;
    }
    const char* path = std::getenv("PATH");
    const std::string_view folders = path == nullptr ? std::string_view() : std::string_view(path);
    size_t start = 0;
    for (;;) {
        const auto colon = folders.find(':', start);
        std::string_view folder = folders.substr(
            start, colon == std::string_view::npos ? std::string_view::npos : colon - start);
        // An empty entry means the current folder, as the shells read it.
        if (folder.empty()) {
            folder = ".";
        }
        std::string candidate;
        candidate.reserve(folder.size() + 1 + name.size());
        candidate.append(folder).append(1, '/').append(name);
        struct stat info {};
        if (stat(candidate.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
            access(candidate.c_str(), X_OK) == 0) {
            return candidate;
        }
        if (colon == std::string_view::npos) {
            return std::nullopt;
        }
        start = colon + 1;
    }
}

}  // namespace razzlewick::platform
