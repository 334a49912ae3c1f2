#include "settings/ProfileStorage.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <memory>
#include <utility>

namespace ProfileStorage {

namespace {

bool EqualIgnoringCase(const std::string& a, const std::string& b)
{
    if (a.size() != b.size()) {
        return false;
    }
    for (size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) {
            return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
        };
        if (lower(a[i]) != lower(b[i])) {
            return false;
        }
    }
    return true;
}

struct FileCloser {
    int fd = -1;
    ~FileCloser()
    {
        if (fd >= 0) {
            ::close(fd);
        }
    }
};

bool WriteAll(int fd, const std::string& text)
{
    size_t written = 0;
    while (written < text.size()) {
        const ssize_t n = ::write(fd, text.data() + written, text.size() - written);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        written += static_cast<size_t>(n);
    }
    return true;
}

}  // namespace

std::optional<std::string> FindIgnoringCase(const std::string& folder, const std::string& name)
{
    const std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder.c_str()), ::closedir);
    if (!dir) {
        return std::nullopt;
    }
    std::optional<std::string> found;
    while (const dirent* entry = ::readdir(dir.get())) {
        const std::string entryName = entry->d_name;
        if (EqualIgnoringCase(entryName, name) && (!found || entryName < *found)) {
            found = entryName;
        }
    }
    return found;
}

ReadResult ReadWhole(const std::string& path, FileContents& contents)
{
    FileCloser file{::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)};
    if (file.fd < 0) {
        return (errno == ENOENT || errno == ENOTDIR) ? ReadResult::missing : ReadResult::failed;
    }
    struct stat info {};
    if (::fstat(file.fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        return ReadResult::failed;
    }
    const int flags = ::fcntl(file.fd, F_GETFL);
    if (flags < 0 || ::fcntl(file.fd, F_SETFL, flags & ~O_NONBLOCK) != 0) {
        return ReadResult::failed;
    }
    contents.permissions = static_cast<unsigned>(info.st_mode & 07777);
    contents.text.clear();
    contents.text.reserve(static_cast<size_t>(info.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(file.fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return ReadResult::failed;
        }
        if (n == 0) {
            return ReadResult::read;
        }
        contents.text.append(buffer, static_cast<size_t>(n));
    }
}

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

bool Replace(const std::string& folder, const std::string& name, const std::string& text,
             std::optional<unsigned> permissions)
{
    // A name of our own with O_EXCL rather than mkstemp, so a new file gets the umask's mode
    // instead of mkstemp's 0600.
    std::string temporary;
    FileCloser file;
    for (int attempt = 0; attempt < 100 && file.fd < 0; ++attempt) {
        temporary = folder + "." + name + "." + std::to_string(::getpid()) + "." +
                    std::to_string(attempt) + ".tmp";
        file.fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (file.fd < 0 && errno != EEXIST) {
            return false;
        }
    }
    if (file.fd < 0) {
        return false;
    }
    bool ok = WriteAll(file.fd, text) && ::fsync(file.fd) == 0;
    if (ok && permissions) {
        ok = ::fchmod(file.fd, static_cast<mode_t>(*permissions)) == 0;
    }
    const int fd = file.fd;
    file.fd = -1;
    ok = (::close(fd) == 0) && ok;
    if (ok) {
        ok = ::rename(temporary.c_str(), (folder + name).c_str()) == 0;
    }
    if (!ok) {
        ::unlink(temporary.c_str());
    }
    return ok;
}

}  // namespace ProfileStorage
