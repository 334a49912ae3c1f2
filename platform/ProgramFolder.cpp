#include "platform/ProgramFolder.h"

#include <unistd.h>

#include <array>

namespace platform {

std::string ProgramFolder()
{
    // /proc/self/exe resolves links, so an installed link in bin/ still finds the data folder.
    std::array<char, 4096> buffer{};
    const ssize_t length = readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
    if (length <= 0) {
        return {};
    }
    const std::string path(buffer.data(), static_cast<size_t>(length));
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

}  // namespace platform
