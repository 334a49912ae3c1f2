#include "platform/UniqueFd.h"

#include <unistd.h>

#include <cerrno>
#include <utility>

namespace razzlewick::platform {

UniqueFd::~UniqueFd()
{
    Close();
}

UniqueFd::UniqueFd(UniqueFd&& other) noexcept : fd_(other.Release()) {}

UniqueFd& UniqueFd::operator=(UniqueFd&& other) noexcept
{
    if (this != &other) {
        Close();
        fd_ = other.Release();
    }
    return *this;
}

int UniqueFd::Release()
{
    return std::exchange(fd_, -1);
}

int UniqueFd::Close()
{
    const int fd = Release();
    if (fd < 0) {
        return 0;
    }
    // Retrying after EINTR could close a descriptor another thread was just given.
    return ::close(fd) == 0 ? 0 : errno;
}

}  // namespace razzlewick::platform
