#pragma once

#include <sys/types.h>

namespace razzlewick::platform {

// Whether every exclusive flock on the file (device, inode) is held by a process that has
// no right to write it, judged from /proc/locks and each holder's ids. Such a lock cannot
// guard a rewrite: anyone may lock a file they can only read. False when there is no such
// lock, or when a holder cannot be identified, which then counts as a writer.
bool ExclusiveLocksHeldOnlyByReaders(dev_t device, ino_t inode, mode_t mode, uid_t owner,
                                     gid_t group);

}  // namespace razzlewick::platform
