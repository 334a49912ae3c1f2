#include "platform/ExecutablePath.h"

#include <unistd.h>

#include <array>

namespace razzlewick::platform {

std::string ExecutablePath()
{
    std::array<char, 4096> buffer{};
    const ssize_t length = ::readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
    if (length <= 0) {
        return {};
    }
    return std::string(buffer.data(), static_cast<size_t>(length));
}

}  // namespace razzlewick::platform
