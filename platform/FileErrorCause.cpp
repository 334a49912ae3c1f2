#include "platform/FileErrorCause.h"

#include <cerrno>

namespace razzlewick::platform {

int32_t FileErrorCauseFromErrno(int error)
{
    switch (error) {
        case ENOENT:
            return kCauseFileNotFound;
        case ENOTDIR:
        case ENAMETOOLONG:
        case ELOOP:
            return kCauseBadPath;
        case EMFILE:
        case ENFILE:
            return kCauseTooManyOpenFiles;
        case EACCES:
        case EPERM:
        case EISDIR:
        case ENXIO:  // a socket, or a device without its driver: no file to read
        case ENODEV:
            return kCauseAccessDenied;
        case EIO:
            return kCauseHardIO;
        case EWOULDBLOCK:
            return kCauseSharingViolation;
        case ENOSPC:
            return kCauseDiskFull;
        default:
            return kCauseGeneric;
    }
}

}  // namespace razzlewick::platform
