#include "platform/ExclusiveFile.h"

#include "platform/FileErrorCause.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

using namespace razzlewick;

namespace {

// Programs that only read a data file (several started at once) never keep each other out;
// a writer and a reader of a file the user can write do.
TEST(ExclusiveFile, ReadersShareAFileThatAWriterHoldsAlone)
{
    TempFolder folder;
    const std::string path = folder.WriteFile("f.dat", "data");
    platform::ExclusiveOpen first = platform::OpenSharedForReading(path);
    ASSERT_TRUE(first.fd.IsOpen());
    const platform::ExclusiveOpen second = platform::OpenSharedForReading(path);
    EXPECT_TRUE(second.fd.IsOpen());
    const platform::ExclusiveOpen writer = platform::OpenExclusiveForWriting(path);
    EXPECT_FALSE(writer.fd.IsOpen());
    EXPECT_EQ(writer.cause, platform::kCauseSharingViolation);
    EXPECT_EQ(writer.systemCode, EWOULDBLOCK);
    first.fd.Close();

    platform::ExclusiveOpen holder = platform::OpenExclusiveForWriting(folder / "w.dat");
    ASSERT_TRUE(holder.fd.IsOpen());
    const platform::ExclusiveOpen reader = platform::OpenSharedForReading(folder / "w.dat");
    EXPECT_FALSE(reader.fd.IsOpen());
    EXPECT_EQ(reader.cause, platform::kCauseSharingViolation);
    holder.fd.Close();
    EXPECT_TRUE(platform::OpenSharedForReading(folder / "w.dat").fd.IsOpen());
}

// Takes flock(LOCK_EX) on `path` through a read descriptor in a child running as `uid` (the
// caller's own when it is the caller's), which forks a grandchild to keep the lock and exits:
// the lock's process is gone, its holder an orphan. The grandchild lets go when `release` is
// closed. False when the lock could not be taken.
bool LockInAnOrphan(const std::string& path, uid_t uid, gid_t gid, int release[2])
{
    int ready[2];
    if (pipe(ready) != 0 || pipe(release) != 0)
        return false;
    const pid_t child = fork();
    if (child == 0) {
        close(ready[0]);
        close(release[1]);
        const bool dropped = uid == geteuid() ||
                             (setgroups(0, nullptr) == 0 && setgid(gid) == 0 && setuid(uid) == 0);
        const int fd = dropped ? open(path.c_str(), O_RDONLY) : -1;
        const char answer = fd >= 0 && flock(fd, LOCK_EX | LOCK_NB) == 0 ? 'y' : 'n';
        if (answer == 'y' && fork() == 0) {
            char byte = 0;
            _exit(read(release[0], &byte, 1) == 0 ? 0 : 1);
        }
        _exit(write(ready[1], &answer, 1) == 1 ? 0 : 1);
    }
    close(ready[1]);
    close(release[0]);
    int status = 0;
    waitpid(child, &status, 0);
    char answer = 'n';
    const bool told = read(ready[0], &answer, 1) == 1;
    close(ready[0]);
    return told && answer == 'y';
}

// A lock another user takes on the user's own world-readable file, through a descriptor they
// may only read, keeps nobody out, even left to an orphaned child; a lock of the user's own
// keeps readers out however its process ended.
TEST(ExclusiveFile, OnlyTheUsersOwnLocksKeepAReaderOut)
{
    TempFolder folder;
    ASSERT_EQ(chmod(folder.path().c_str(), 0755), 0);
    const passwd* nobody = getpwnam("nobody");
    struct Row {
        const char* name;
        uid_t uid;
        gid_t gid;
        bool keepsOut;
    };
    std::vector<Row> rows = {{"OwnOrphan", geteuid(), getegid(), true}};
    if (geteuid() == 0 && nobody != nullptr)
        rows.push_back({"AnotherUsersOrphan", nobody->pw_uid, nobody->pw_gid, false});
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        // A file of its own: the last row's orphan may not have let go yet.
        const std::string path = folder.WriteFile(std::string(row.name) + ".dat", "data");
        ASSERT_EQ(chmod(path.c_str(), 0644), 0);
        int release[2];
        ASSERT_TRUE(LockInAnOrphan(path, row.uid, row.gid, release));
        const platform::ExclusiveOpen opened = platform::OpenSharedForReading(path);
        EXPECT_EQ(!opened.fd.IsOpen(), row.keepsOut);
        if (row.keepsOut) {
            EXPECT_EQ(opened.cause, platform::kCauseSharingViolation);
        }
        close(release[1]);
    }
    if (rows.size() == 1)
        GTEST_SKIP() << "another user's lock needs root, to run a child as nobody";
}

TEST(ExclusiveFile, FailedOpensCarryCauseAndErrno)
{
    TempFolder folder;
    const std::string file = folder.WriteFile("plain", "x");
    ASSERT_EQ(mkdir((folder / "dir.dat").c_str(), 0755), 0);
    struct Row {
        std::string path;
        int32_t cause;
        int error;
    };
    for (const Row& row : {Row{folder / "missing.dat", platform::kCauseFileNotFound, ENOENT},
                           Row{file + "/below.dat", platform::kCauseBadPath, ENOTDIR},
                           Row{folder / "dir.dat", platform::kCauseAccessDenied, EISDIR}}) {
        const platform::ExclusiveOpen opened = platform::OpenSharedForReading(row.path);
        EXPECT_FALSE(opened.fd.IsOpen()) << row.path;
        EXPECT_EQ(opened.cause, row.cause) << row.path;
        EXPECT_EQ(opened.systemCode, row.error) << row.path;
    }
}

TEST(ExclusiveFile, WritingCreatesOrEmptiesTheFile)
{
    TempFolder folder;
    const std::string path = folder.WriteFile("w.dat", "old contents");
    const platform::ExclusiveOpen opened = platform::OpenExclusiveForWriting(path);
    ASSERT_TRUE(opened.fd.IsOpen());
    struct stat info {};
    ASSERT_EQ(fstat(opened.fd.Get(), &info), 0);
    EXPECT_EQ(info.st_size, 0);

    const platform::ExclusiveOpen created = platform::OpenExclusiveForWriting(folder / "new.dat");
    EXPECT_TRUE(created.fd.IsOpen());
}

}  // namespace
