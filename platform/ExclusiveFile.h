#pragma once

#include "platform/UniqueFd.h"

#include <cstdint>
#include <string>

namespace razzlewick::platform {

// Result of a locked open: the open descriptor (closing it drops the lock), or none with the
// cause (FileErrorCause.h) and errno.
struct ExclusiveOpen {
    UniqueFd fd;
    int32_t cause = 0;
    int systemCode = 0;
};

// Opens an existing regular file for reading under a shared flock, so that readers never
// keep each other out while a writer's exclusive lock (OpenExclusiveForWriting) still makes
// the open fail with a sharing violation. A file the user cannot write is read without a
// lock: whoever may write it replaces it whole. Of the exclusive locks on a file the user can
// write, only one that a process of the user's own holds, with the right to write the file,
// keeps the reader out (LockHolders.h): another user's lock cannot. The open never waits: a folder (EISDIR), a FIFO or device (EPERM) and a socket
// (ENXIO, from open itself) all fail as access denied.
ExclusiveOpen OpenSharedForReading(const std::string& path);
// Creates or empties a file for writing, holding flock(LOCK_EX) so that any other locked
// open of it, here or in another process, fails with a sharing violation.
ExclusiveOpen OpenExclusiveForWriting(const std::string& path);

}  // namespace razzlewick::platform
