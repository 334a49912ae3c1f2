#include "platform/LockHolders.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

namespace razzlewick::platform {

namespace {

struct Ids {
    uid_t uid = 0;
    std::vector<gid_t> groups;  // the effective group and the supplementary ones
};

// The effective user and groups of a process, from /proc/PID/status; false when it is gone
// or hidden.
bool ReadIds(const std::string& pid, Ids& ids)
{
    std::ifstream status("/proc/" + pid + "/status");
    bool haveUid = false;
    bool haveGid = false;
    for (std::string line; std::getline(status, line);) {
        std::istringstream fields(line);
        std::string name;
        fields >> name;
        unsigned long real = 0;
        unsigned long effective = 0;
        if (name == "Uid:" && fields >> real >> effective) {
            ids.uid = static_cast<uid_t>(effective);
            haveUid = true;
        } else if (name == "Gid:" && fields >> real >> effective) {
            ids.groups.push_back(static_cast<gid_t>(effective));
            haveGid = true;
        } else if (name == "Groups:") {
            for (unsigned long group = 0; fields >> group;) {
                ids.groups.push_back(static_cast<gid_t>(group));
            }
        }
    }
    return haveUid && haveGid;
}

bool MayWrite(const Ids& ids, mode_t mode, uid_t owner, gid_t group)
{
    if (ids.uid == 0) {
        return true;
    }
    if (ids.uid == owner) {
        return (mode & S_IWUSR) != 0;
    }
    for (const gid_t member : ids.groups) {
        if (member == group) {
            return (mode & S_IWGRP) != 0;
        }
    }
    return (mode & S_IWOTH) != 0;
}

// Calls `visit` with the folder (as a descriptor) and the name of each of its entries that is
// a number, as process ids and descriptor numbers are, until it returns true; true when one
// did. A folder that cannot be read has no entries.
bool AnyNumberedEntry(const std::string& path, const std::function<bool(int, const char*)>& visit)
{
    DIR* const entries = opendir(path.c_str());
    if (entries == nullptr) {
        return false;
    }
    bool found = false;
    while (!found) {
        const dirent* entry = readdir(entries);
        if (entry == nullptr) {
            break;
        }
        char* end = nullptr;
        std::strtoul(entry->d_name, &end, 10);
        if (end != entry->d_name && *end == '\0') {
            found = visit(dirfd(entries), entry->d_name);
        }
    }
    closedir(entries);
    return found;
}

// Whether the descriptor's own locks (/proc/PID/fdinfo/FD) hold an exclusive flock: a flock
// belongs to the open file, so every process that shares the descriptor lists it.
bool HoldsExclusiveFlock(const std::string& pid, const char* fd)
{
    std::ifstream info("/proc/" + pid + "/fdinfo/" + fd);
    for (std::string line; std::getline(info, line);) {
        // "lock:\t1: FLOCK  ADVISORY  WRITE 1234 fe:00:10953891 0 EOF"
        std::istringstream fields(line);
        std::string label, ordinal, kind, advisory, access;
        if (fields >> label >> ordinal >> kind >> advisory >> access && label == "lock:" &&
            kind == "FLOCK" && access == "WRITE") {
            return true;
        }
    }
    return false;
}

}  // namespace

bool ExclusiveLockHeldByOwnWriter(dev_t device, ino_t inode, mode_t mode, uid_t owner, gid_t group)
{
    const uid_t self = geteuid();
    return AnyNumberedEntry("/proc", [&](int processes, const char* pid) {
        struct stat process {};
        // A process's folder belongs to its effective user; its status confirms it below.
        if (fstatat(processes, pid, &process, 0) != 0 || process.st_uid != self) {
            return false;
        }
        return AnyNumberedEntry("/proc/" + std::string(pid) + "/fd", [&](int fds, const char* fd) {
            struct stat file {};
            if (fstatat(fds, fd, &file, 0) != 0 || file.st_dev != device || file.st_ino != inode ||
                !HoldsExclusiveFlock(pid, fd)) {
                return false;
            }
            Ids ids;
            return ReadIds(pid, ids) && ids.uid == self && MayWrite(ids, mode, owner, group);
        });
    });
}

}  // namespace razzlewick::platform
