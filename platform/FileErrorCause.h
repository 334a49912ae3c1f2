#pragma once

#include <cstdint>

namespace razzlewick::platform {

// File-error causes, numbered as the load report's message table orders them.
enum FileErrorCause : int32_t {
    kCauseNone = 0,
    kCauseGeneric = 1,
    kCauseFileNotFound = 2,
    kCauseBadPath = 3,
    kCauseTooManyOpenFiles = 4,
    kCauseAccessDenied = 5,
    kCauseInvalidFile = 6,
    kCauseRemoveCurrentDir = 7,
    kCauseDirectoryFull = 8,
    kCauseBadSeek = 9,
    kCauseHardIO = 10,
    kCauseSharingViolation = 11,
    kCauseLockViolation = 12,
    kCauseDiskFull = 13,
    kCauseEndOfFile = 14,
};

// The cause for an errno value of a failed open.
int32_t FileErrorCauseFromErrno(int error);

}  // namespace razzlewick::platform
