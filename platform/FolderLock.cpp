#include "platform/FolderLock.h"

#include <fcntl.h>
#include <sys/file.h>

#include <algorithm>
#include <cerrno>
#include <thread>

namespace razzlewick::platform {

FolderLock::FolderLock(const std::string& folder, std::chrono::milliseconds patience)
    : folder_(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC))
{
    if (!folder_.IsOpen()) {
        return;
    }
    // A holder keeps the lock for one rewrite of a small file, a few milliseconds: short
    // pauses hand it on without delay. Many waiting at once (a script keeping favourites in
    // a loop of background jobs) back off, so that their polling does not starve the holder.
    constexpr auto kFirstPause = std::chrono::microseconds(100);
    constexpr auto kLongestPause = std::chrono::microseconds(5000);
    auto pause = kFirstPause;
    const auto deadline = std::chrono::steady_clock::now() + patience;
    for (;;) {
        if (::flock(folder_.Get(), LOCK_EX | LOCK_NB) == 0) {
            held_ = true;
            return;
        }
        if (errno == EINTR) {
            continue;
        }
        if (errno != EWOULDBLOCK || std::chrono::steady_clock::now() >= deadline) {
            return;
        }
        std::this_thread::sleep_for(pause);
        pause = std::min(pause * 2, kLongestPause);
    }
}

}  // namespace razzlewick::platform
