#include "platform/FileSystem.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <memory>
#include <utility>

namespace razzlewick::platform {

std::optional<std::string> FollowLinks(std::string path)
{
    // As many links as the kernel follows before it gives up with ELOOP.
    for (int hops = 0; hops < 40; ++hops) {
        struct stat info {};
        if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
            return path;
        }
        std::string target(PATH_MAX, '\0');
        const ssize_t length = ::readlink(path.c_str(), target.data(), target.size());
        if (length <= 0 || static_cast<size_t>(length) >= target.size()) {
            return std::nullopt;
        }
        target.resize(static_cast<size_t>(length));
        if (target.front() != '/') {
            target.insert(0, path, 0, path.rfind('/') + 1);  // relative to the link's folder
        }
        path = std::move(target);
    }
    return std::nullopt;
}

bool MakeFolders(const std::string& folder)
{
    for (size_t slash = folder.find('/', 1);; slash = folder.find('/', slash + 1)) {
        const std::string prefix = folder.substr(0, slash);
        if (!prefix.empty() && ::mkdir(prefix.c_str(), 0700) != 0 && errno != EEXIST) {
            return false;
        }
        if (slash == std::string::npos) {
            break;
        }
    }
    struct stat info {};
    return ::stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::string AbsolutePath(const std::string& path)
{
    if (!path.empty() && path.front() == '/') {
        return path;
    }
    std::string folder(PATH_MAX, '\0');
    if (::getcwd(folder.data(), folder.size()) == nullptr) {
        return path;
    }
    folder.resize(folder.find('\0'));
    if (folder.empty() || folder.back() != '/') {
        folder.push_back('/');
    }
    return folder + path;
}

std::optional<unsigned> RegularFilePermissions(const std::string& path)
{
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return std::nullopt;
    }
    return static_cast<unsigned>(info.st_mode & 07777);
}

bool IsWritable(const std::string& path)
{
    return ::access(path.c_str(), W_OK) == 0;
}

ResolvedFolder ResolveFolder(const std::string& folder)
{
    const std::unique_ptr<char, decltype(&std::free)> resolved(
        ::realpath(folder.empty() ? "." : folder.c_str(), nullptr), &std::free);
    if (!resolved) {
        return {{}, errno};
    }
    struct stat info {};
    if (::stat(resolved.get(), &info) != 0) {
        return {{}, errno};
    }
    if (!S_ISDIR(info.st_mode)) {
        return {{}, ENOTDIR};
    }
    std::string path = resolved.get();
    if (path.back() != '/') {
        path.push_back('/');
    }
    return {std::move(path), 0};
}

bool PathExists(const std::string& path)
{
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0;
}

int RemoveFile(const std::string& path)
{
    return ::unlink(path.c_str()) == 0 ? 0 : errno;
}

std::string HomeFolder()
{
    const char* home = std::getenv("HOME");
    if (home != nullptr && home[0] == '/') {
        return home;
    }
    const passwd* entry = ::getpwuid(::getuid());
    if (entry != nullptr && entry->pw_dir != nullptr && entry->pw_dir[0] == '/') {
        return entry->pw_dir;
    }
    return {};
}

}  // namespace razzlewick::platform
