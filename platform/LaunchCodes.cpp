#include "platform/LaunchCodes.h"

#include <cerrno>

namespace razzlewick::platform {

int LaunchCodeForStartError(int error)
{
    switch (error) {
        case 0:
            return LaunchStarted;
        case ENOENT:
            return LaunchFileNotFound;
        case ENOTDIR:
        case ENAMETOOLONG:
        case ELOOP:
            return LaunchPathNotFound;
        case EACCES:
        case EPERM:
            return LaunchAccessDenied;
        case ENOEXEC:
            return LaunchBadFormat;
        case ENOMEM:
        case EAGAIN:
            return LaunchOutOfResources;
        default:
            return LaunchNoAssociation;
    }
}

}  // namespace razzlewick::platform
