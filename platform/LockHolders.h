#pragma once

#include <sys/types.h>

namespace razzlewick::platform {

// Whether one of this user's own processes holds an exclusive flock on the file (device,
// inode) and has the right to write it, judged from the descriptors each holds open in /proc
// and its ids. Only such a lock stands for a rewrite in progress: anyone may lock a file they
// can only read, and a lock taken by another user, whose process may be alive, gone, or have
// left the lock to a child, must not keep the user from reading. A holder that cannot be seen
// does not count.
bool ExclusiveLockHeldByOwnWriter(dev_t device, ino_t inode, mode_t mode, uid_t owner, gid_t group);

}  // namespace razzlewick::platform
