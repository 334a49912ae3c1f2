#include "platform/LaunchCodes.h"

#include <cerrno>

namespace razzlewick::platform {

int LaunchCodeForStartError(int error)
{
    switch (error) {
        case 0:
            return kLaunchStarted;
        case ENOENT:
            return kLaunchFileNotFound;
        case ENOTDIR:
        case ENAMETOOLONG:
        case ELOOP:
            return kLaunchPathNotFound;
        case EACCES:
        case EPERM:
            return kLaunchAccessDenied;
        case ENOEXEC:
            return kLaunchBadFormat;
        case ENOMEM:
        case EAGAIN:
            return kLaunchOutOfResources;
        default:
            return kLaunchNoAssociation;
    }
}

}  // namespace razzlewick::platform
