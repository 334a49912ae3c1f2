#include "platform/ReadFile.h"

#include "platform/FdIo.h"
#include "platform/UniqueFd.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>

namespace razzlewick::platform {

FileText ReadWholeFile(const std::string& path)
{
    FileText result;
    const UniqueFd file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (!file.IsOpen()) {
        result.error = errno;
        return result;
    }
    result.error = ReadAll(file.Get(), result.text);
    return result;
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
