#include "platform/ReadFile.h"

#include "platform/FdIo.h"
#include "platform/UniqueFd.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>

namespace razzlewick::platform {

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
    // One byte more than the file holds, so its end shows without another allocation.
    result.text.resize(static_cast<std::size_t>(info.st_size) + 1);
    std::size_t filled = 0;
    for (;;) {
        if (filled == result.text.size()) {
            if (filled > maxBytes) {
                result.text.clear();
                result.tooLarge = true;
                return result;
            }
            result.text.resize(std::min(maxBytes + 1, 2 * filled));
        }
        const IoResult got =
            ReadSome(file.Get(), result.text.data() + filled, result.text.size() - filled);
        if (got.error != 0) {
            result.text.clear();
            result.error = got.error;
            return result;
        }
        if (got.count == 0) {
            break;
        }
        filled += got.count;
    }
    result.text.resize(filled);
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

RegularFileRead ReadRegularFile(const std::string& path, RegularFileContents& contents)
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
    const int flags = ::fcntl(file.Get(), F_GETFL);
    if (flags < 0 || ::fcntl(file.Get(), F_SETFL, flags & ~O_NONBLOCK) != 0) {
        return RegularFileRead::Failed;
    }
    contents.permissions = static_cast<unsigned>(info.st_mode & 07777);
    contents.text.clear();
    contents.text.reserve(static_cast<size_t>(info.st_size));
    return ReadAll(file.Get(), contents.text) == 0 ? RegularFileRead::Read
                                                   : RegularFileRead::Failed;
}

}  // namespace razzlewick::platform
