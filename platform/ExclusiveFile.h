#pragma once

#include "platform/UniqueFd.h"

#include <cstdint>
#include <string>

namespace razzlewick::platform {

// Result of an exclusive open: the open descriptor (closing it drops the lock), or none
// with the cause (FileErrorCause.h) and errno.
struct ExclusiveOpen {
    UniqueFd fd;
    int32_t cause = 0;
    int systemCode = 0;
};

// Opens a file with no sharing: an existing file for reading, or a created or emptied file
// for writing, holding flock(LOCK_EX) so that a second exclusive open, here or in another
// process, fails with a sharing violation. Reading takes regular files only, and the open
// never waits: a folder (EISDIR), a FIFO or device (EPERM) and a socket (ENXIO, from open
// itself) all fail as access denied. A reader waits up to a quarter of a second for a lock
// that another reader holds only while it reads.
ExclusiveOpen OpenExclusiveForReading(const std::string& path);
ExclusiveOpen OpenExclusiveForWriting(const std::string& path);

}  // namespace razzlewick::platform
