#include "platform/ReplaceFile.h"

#include "platform/UniqueFd.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstddef>
#include <cstdio>

namespace razzlewick::platform {

namespace {

// The longest file name Linux file systems take.
constexpr size_t kNameLimit = 255;

// A name of our own with O_EXCL rather than mkstemp, so a new file gets the umask's mode
// instead of mkstemp's 0600.
UniqueFd CreateTemporary(const std::string& path, std::string& temporary)
{
    const auto slash = path.rfind('/');
    const std::string folder =
        slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    const std::string name = path.substr(folder.size());
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string suffix =
            "." + std::to_string(::getpid()) + "." + std::to_string(attempt) + ".tmp";
        temporary = folder + "." + name.substr(0, kNameLimit - 1 - suffix.size()) + suffix;
        UniqueFd file(::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
        if (file.IsOpen() || errno != EEXIST) {
            return file;
        }
    }
    errno = EEXIST;
    return UniqueFd();
}

// Puts the finished temporary at `path`: a rename that replaces, or one that refuses to. A
// file system without the refusing rename gets a hard link, which refuses the same way.
int MoveIntoPlace(const std::string& temporary, const std::string& path, bool replace)
{
    if (replace) {
        return std::rename(temporary.c_str(), path.c_str()) == 0 ? 0 : errno;
    }
    if (::renameat2(AT_FDCWD, temporary.c_str(), AT_FDCWD, path.c_str(), RENAME_NOREPLACE) == 0) {
        return 0;
    }
    if (errno != EINVAL && errno != ENOSYS) {
        return errno;
    }
    if (::link(temporary.c_str(), path.c_str()) != 0) {
        return errno;
    }
    ::unlink(temporary.c_str());
    return 0;
}

ReplaceResult WriteAndMove(const std::string& path,
                           const std::function<bool(int fd)>& writeContents,
                           std::optional<unsigned> permissions, bool replace)
{
    std::string temporary;
    UniqueFd file = CreateTemporary(path, temporary);
    if (!file.IsOpen()) {
        return {ReplaceStep::Create, errno};
    }
    ReplaceResult result;
    const auto fail = [&result](ReplaceStep step, int error) { result = {step, error}; };
    if (!writeContents(file.Get())) {
        fail(ReplaceStep::Write, 0);
    } else if (permissions && ::fchmod(file.Get(), static_cast<mode_t>(*permissions)) != 0) {
        fail(ReplaceStep::Permissions, errno);
    } else if (::fsync(file.Get()) != 0) {
        fail(ReplaceStep::Flush, errno);
    }
    if (const int error = file.Close(); error != 0 && result.Succeeded()) {
        fail(ReplaceStep::Close, error);
    }
    if (result.Succeeded()) {
        if (const int error = MoveIntoPlace(temporary, path, replace); error != 0) {
            fail(ReplaceStep::Rename, error);
        }
    }
    if (!result.Succeeded()) {
        ::unlink(temporary.c_str());
    }
    return result;
}

}  // namespace

ReplaceResult ReplaceFileAtomically(const std::string& path,
                                    const std::function<bool(int fd)>& writeContents,
                                    std::optional<unsigned> permissions)
{
    return WriteAndMove(path, writeContents, permissions, true);
}

ReplaceResult CreateFileAtomically(const std::string& path,
                                   const std::function<bool(int fd)>& writeContents,
                                   std::optional<unsigned> permissions)
{
    return WriteAndMove(path, writeContents, permissions, false);
}

}  // namespace razzlewick::platform
