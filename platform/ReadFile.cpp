#include "platform/ReadFile.h"

#include "platform/FdIo.h"
#include "platform/UniqueFd.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>

namespace razzlewick::platform {

namespace {

// Reads what is left on `fd`, expected to be `expected` bytes, into `text`; 0, the errno of a
// failed read, or -1 when there are more than `maxBytes`.
int ReadAtMost(int fd, std::size_t expected, std::size_t maxBytes, std::string& text)
{
    // One byte more than the file holds, so its end shows without another allocation.
    text.resize(std::min(expected, maxBytes) + 1);
    std::size_t filled = 0;
    for (;;) {
        if (filled == text.size()) {
            if (filled > maxBytes) {
                text.clear();
                return -1;
            }
            text.resize(std::min(maxBytes + 1, 2 * filled));
        }
        const IoResult got = ReadSome(fd, text.data() + filled, text.size() - filled);
        if (got.error != 0) {
            text.clear();
            return got.error;
        }
        if (got.count == 0) {
            break;
        }
        filled += got.count;
    }
    text.resize(filled);
    return 0;
}

}  // namespace

FileText ReadBoundedRegularFile(const std::string& path, std::size_t maxBytes)
{
    FileText result;
    const UniqueFd file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (!file.IsOpen()) {
        result.error = errno;
        return result;
    }
    struct stat info {};
    if (::fstat(file.Get(), &info) != 0) {
        result.error = errno;
        return result;
    }
    if (!S_ISREG(info.st_mode)) {
        result.notRegular = true;
        return result;
    }
    if (static_cast<std::size_t>(info.st_size) > maxBytes) {
        result.tooLarge = true;
        return result;
    }
    const int read =
        ReadAtMost(file.Get(), static_cast<std::size_t>(info.st_size), maxBytes, result.text);
    result.tooLarge = read == -1;
    result.error = read > 0 ? read : 0;
    return result;
}

std::string ReadRegularFileStart(const std::string& path, std::size_t maxBytes)
{
    const UniqueFd file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    struct stat info {};
    if (!file.IsOpen() || ::fstat(file.Get(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return {};
    }
    std::string start(maxBytes, '\0');
    std::size_t filled = 0;
    while (filled < start.size()) {
        const IoResult got = ReadSome(file.Get(), start.data() + filled, start.size() - filled);
        if (got.error != 0) {
            return {};
        }
        if (got.count == 0) {
            break;
        }
        filled += got.count;
    }
    start.resize(filled);
    return start;
}

RegularFileRead ReadRegularFile(const std::string& path, RegularFileContents& contents,
                                std::size_t maxBytes)
{
    const UniqueFd file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (!file.IsOpen()) {
        return (errno == ENOENT || errno == ENOTDIR) ? RegularFileRead::Missing
                                                     : RegularFileRead::Failed;
    }
    struct stat info {};
    if (::fstat(file.Get(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return RegularFileRead::Failed;
    }
    if (static_cast<std::size_t>(info.st_size) > maxBytes) {
        return RegularFileRead::TooLarge;
    }
    const int flags = ::fcntl(file.Get(), F_GETFL);
    if (flags < 0 || ::fcntl(file.Get(), F_SETFL, flags & ~O_NONBLOCK) != 0) {
        return RegularFileRead::Failed;
    }
    contents.permissions = static_cast<unsigned>(info.st_mode & 07777);
    switch (
        ReadAtMost(file.Get(), static_cast<std::size_t>(info.st_size), maxBytes, contents.text)) {
        case 0:
            return RegularFileRead::Read;
        case -1:
            return RegularFileRead::TooLarge;
        default:
            return RegularFileRead::Failed;
    }
}

}  // namespace razzlewick::platform
