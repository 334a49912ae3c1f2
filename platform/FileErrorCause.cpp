#include "platform/FileErrorCause.h"

#include <cerrno>

namespace platform {

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

}  // namespace platform
