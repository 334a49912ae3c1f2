#include "platform/LockHolders.h"

#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <cstdio>
#include <fstream>
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
bool ReadIds(long pid, Ids& ids)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
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

}  // namespace

bool ExclusiveLocksHeldOnlyByReaders(dev_t device, ino_t inode, mode_t mode, uid_t owner,
                                     gid_t group)
{
    char wanted[64];
    std::snprintf(wanted, sizeof wanted, "%02x:%02x:%lu", major(device), minor(device),
                  static_cast<unsigned long>(inode));
    // "1: FLOCK  ADVISORY  WRITE 1234 fe:00:10953891 0 EOF"; waiters come as "1: -> FLOCK ...".
    std::ifstream locks("/proc/locks");
    bool found = false;
    for (std::string line; std::getline(locks, line);) {
        std::istringstream fields(line);
        std::string ordinal, kind, advisory, access, file;
        long pid = 0;
        if (!(fields >> ordinal >> kind >> advisory >> access >> pid >> file) || kind != "FLOCK" ||
            access != "WRITE" || file != wanted) {
            continue;
        }
        Ids ids;
        if (pid <= 0 || !ReadIds(pid, ids) || MayWrite(ids, mode, owner, group)) {
            return false;
        }
        found = true;
    }
    return found;
}

}  // namespace razzlewick::platform
