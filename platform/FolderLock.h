#pragma once

#include "platform/UniqueFd.h"

#include <chrono>
#include <string>

namespace razzlewick::platform {

// An exclusive flock on a folder for as long as the object lives, so that programs changing
// a file in it (read, change, replace) take turns. The folder, not the file, is locked: the
// file is replaced by rename, so a lock on it would hold an inode that is already gone.
// Waits up to `patience` for another holder; after that, or where the folder cannot be
// locked, the object holds nothing and the caller goes on without the lock.
class FolderLock final {
public:
    FolderLock(const std::string& folder, std::chrono::milliseconds patience);

    bool Held() const { return held_; }

private:
    UniqueFd folder_;
    bool held_ = false;
};

}  // namespace razzlewick::platform
