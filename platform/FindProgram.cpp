#include "platform/FindProgram.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

namespace platform {

std::optional<std::string> FindProgram(const std::string& name)
{
    if (name.empty() || name.find('/') != std::string::npos) {
        return std::nullopt;
    }
    const char* path = std::getenv("PATH");
    const std::string folders = path == nullptr ? std::string() : std::string(path);
    size_t start = 0;
    for (;;) {
        const auto colon = folders.find(':', start);
        std::string folder = folders.substr(start, colon == std::string::npos ? std::string::npos : colon - start);
        // An empty entry means the current folder, as the shells read it.
        if (folder.empty()) {
            folder = ".";
        }
        const std::string candidate = folder + "/" + name;
        struct stat info {};
        if (stat(candidate.c_str(), &info) == 0 && S_ISREG(info.st_mode) && access(candidate.c_str(), X_OK) == 0) {
            return candidate;
        }
        if (colon == std::string::npos) {
            return std::nullopt;
        }
        start = colon + 1;
    }
}

}  // namespace platform
