#include "platform/EntropyBytes.h"

#include <sys/random.h>

#include <cerrno>

namespace razzlewick::platform {

bool ReadEntropy(void* buffer, std::size_t size)
{
    auto* bytes = static_cast<unsigned char*>(buffer);
    std::size_t done = 0;
    while (done < size) {
        // Blocks only until the pool is first filled after boot; a signal may cut it short.
        const ssize_t got = ::getrandom(bytes + done, size - done, 0);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        done += static_cast<std::size_t>(got);
    }
    return true;
}

}  // namespace razzlewick::platform
