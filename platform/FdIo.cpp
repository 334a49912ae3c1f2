#include "platform/FdIo.h"

#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace razzlewick::platform {

bool WaitForDescriptor(int fd, short events, std::chrono::steady_clock::time_point deadline)
{
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            return false;
        }
        pollfd ready{.fd = fd, .events = events, .revents = 0};
        const int count = ::poll(&ready, 1, static_cast<int>(left.count()));
        if (count > 0) {
            return true;
        }
        if (count == 0 || errno != EINTR) {
            return false;
        }
    }
}

IoResult ReadSome(int fd, char* dest, std::size_t count)
{
    for (;;) {
        const ssize_t got = ::read(fd, dest, count);
        if (got >= 0) {
            return {.count = static_cast<std::size_t>(got), .error = 0};
        }
        if (errno != EINTR) {
            return {.count = 0, .error = errno};
        }
    }
}

int ReadAll(int fd, std::string& text)
{
    char block[65536];
    for (;;) {
        const IoResult got = ReadSome(fd, block, sizeof block);
        if (got.error != 0) {
            return got.error;
        }
        if (got.count == 0) {
            return 0;
        }
        text.append(block, got.count);
    }
}

int WriteAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t put = ::write(fd, bytes.data(), bytes.size());
        if (put < 0) {
            if (errno == EINTR) {
                continue;
            }
            return errno;
        }
        bytes.remove_prefix(static_cast<std::size_t>(put));
    }
    return 0;
}

std::optional<std::int64_t> BytesLeftInRegularFile(int fd)
{
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        return std::nullopt;
    }
    const off_t offset = ::lseek(fd, 0, SEEK_CUR);
    if (offset < 0) {
        return std::nullopt;
    }
    return std::max<std::int64_t>(0, static_cast<std::int64_t>(info.st_size) - offset);
}

}  // namespace razzlewick::platform
