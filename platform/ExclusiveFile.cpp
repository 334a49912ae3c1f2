#include "platform/ExclusiveFile.h"

#include "platform/FileErrorCause.h"
#include "platform/LockHolders.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

namespace razzlewick::platform {
namespace {

ExclusiveOpen Failure(int error)
{
    return ExclusiveOpen{UniqueFd(), FileErrorCauseFromErrno(error), error};
}

// Takes a lock that stands in for "no sharing" (LOCK_EX) or for reading alongside other
// readers (LOCK_SH). A held lock is a sharing violation; a file system that cannot lock (or,
// as NFS, not a read-only descriptor) still lets the file be used.
int Lock(int fd, int operation)
{
    for (;;) {
        if (flock(fd, operation | LOCK_NB) == 0) {
            return 0;
        }
        if (errno == EINTR) {
            continue;
        }
        if (errno == ENOLCK || errno == EOPNOTSUPP || errno == EINVAL || errno == EBADF) {
            return 0;
        }
        return errno;
    }
}

}  // namespace

ExclusiveOpen OpenSharedForReading(const std::string& path)
{
    // Non-blocking, because opening a FIFO for reading waits for a writer, possibly for ever.
    UniqueFd file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    const int fd = file.Get();
    if (fd < 0) {
        return Failure(errno);
    }
    // Only a regular file is read. open() accepts a folder, a FIFO or a device (also behind a
    // link); each is refused the way a folder opened as a file is, before a read can wait.
    struct stat info {};
    if (fstat(fd, &info) != 0) {
        return Failure(errno);
    }
    if (S_ISDIR(info.st_mode)) {
        return Failure(EISDIR);
    }
    if (!S_ISREG(info.st_mode)) {
        return Failure(EPERM);
    }
    if (faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) == 0) {
        int error = Lock(fd, LOCK_SH);
        if (error == EWOULDBLOCK &&
            !ExclusiveLockHeldByOwnWriter(info.st_dev, info.st_ino, info.st_mode, info.st_uid,
                                          info.st_gid)) {
            error = 0;
        }
        if (error != 0) {
            return Failure(error);
        }
    }
    const int flags = fcntl(fd, F_GETFL);
    if (flags == -1 || fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) == -1) {
        return Failure(errno);
    }
    return ExclusiveOpen{std::move(file), kCauseNone, 0};
}

ExclusiveOpen OpenExclusiveForWriting(const std::string& path)
{
    // Truncate only after the lock is held, so a file in use elsewhere is never emptied.
    UniqueFd file(::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644));
    const int fd = file.Get();
    if (fd < 0) {
        return Failure(errno);
    }
    if (const int error = Lock(fd, LOCK_EX)) {
        return Failure(error);
    }
    if (ftruncate(fd, 0) != 0) {
        return Failure(errno);
    }
    return ExclusiveOpen{std::move(file), kCauseNone, 0};
}

}  // namespace razzlewick::platform
