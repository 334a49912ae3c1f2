#include "platform/ReplaceFile.h"

#include "platform/FdIo.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <string>
#include <vector>

using namespace razzlewick;

namespace {

// What a file flushed to disk held, and what the path being replaced held at that moment.
struct Flush final {
    std::string flushed;
    std::string atPath;
};

// Recording while a test points these somewhere.
std::vector<Flush>* flushes = nullptr;
std::string watchedPath;

void RecordFlush(int fd)
{
    if (flushes != nullptr) {
        flushes->push_back(
            {ReadWholeFile("/proc/self/fd/" + std::to_string(fd)), ReadWholeFile(watchedPath)});
    }
}

}  // namespace

// The test program is linked with --wrap=fsync and --wrap=fdatasync, so every flush the code
// under test asks for passes here first: durability cannot be seen any other way.
extern "C" int __real_fsync(int fd);
extern "C" int __real_fdatasync(int fd);
extern "C" int __wrap_fsync(int fd)
{
    RecordFlush(fd);
    return __real_fsync(fd);
}
extern "C" int __wrap_fdatasync(int fd)
{
    RecordFlush(fd);
    return __real_fdatasync(fd);
}

namespace {

unsigned ModeOf(const std::string& path)
{
    struct stat info {};
    EXPECT_EQ(stat(path.c_str(), &info), 0) << path;
    return info.st_mode & 07777;
}

auto Writing(const std::string& text)
{
    return [text](int fd) { return platform::WriteAll(fd, text) == 0; };
}

TEST(ReplaceFileAtomically, PutsTheNewContentsInPlaceWithTheGivenModeOrTheUmasks)
{
    TempFolder folder;
    const std::string path = folder.WriteFile("settings.ini", "old\n");
    ASSERT_EQ(chmod(path.c_str(), 0640), 0);
    EXPECT_TRUE(platform::ReplaceFileAtomically(path, Writing("new\n"), 0640).Succeeded());
    EXPECT_EQ(folder.ReadFile("settings.ini"), "new\n");
    EXPECT_EQ(ModeOf(path), 0640u);

    const mode_t mask = umask(022);
    EXPECT_TRUE(platform::ReplaceFileAtomically(folder / "fresh.dat", Writing("x")).Succeeded());
    umask(mask);
    EXPECT_EQ(ModeOf(folder / "fresh.dat"), 0644u) << "a new file gets the umask's mode";
    EXPECT_EQ(folder.Entries(), (std::vector<std::string>{"fresh.dat", "settings.ini"}));
}

// Renamed before its contents reach the disk, a crash can leave an empty file in place of
// the settings: the new file is flushed while the old one still holds the name.
TEST(ReplaceFileAtomically, TheNewContentsReachTheDiskBeforeTheyTakeTheName)
{
    TempFolder folder;
    const std::string path = folder.WriteFile("settings.ini", "old\n");
    std::vector<Flush> seen;
    flushes = &seen;
    watchedPath = path;
    const bool replaced = platform::ReplaceFileAtomically(path, Writing("new\n")).Succeeded();
    flushes = nullptr;
    EXPECT_TRUE(replaced);
    const bool flushedFirst = std::any_of(seen.begin(), seen.end(), [](const Flush& flush) {
        return flush.flushed == "new\n" && flush.atPath == "old\n";
    });
    EXPECT_TRUE(flushedFirst) << seen.size() << " flushes, none of the new file before the rename";
}

TEST(ReplaceFileAtomically, AFailedWriteLeavesTheOldFileAndNoTemporary)
{
    TempFolder folder;
    const std::string path = folder.WriteFile("insltdat.dat", "old contents");
    const auto half = [](int fd) {
        platform::WriteAll(fd, "half");
        return false;
    };
    const platform::ReplaceResult result = platform::ReplaceFileAtomically(path, half);
    EXPECT_EQ(result.failedStep, platform::ReplaceStep::Write);
    EXPECT_EQ(result.error, 0) << "the writer knows why it failed";
    EXPECT_EQ(folder.ReadFile("insltdat.dat"), "old contents");
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"insltdat.dat"});
}

TEST(ReplaceFileAtomically, FailuresNameTheStepAndTheSystemError)
{
    TempFolder folder;
    const platform::ReplaceResult noFolder =
        platform::ReplaceFileAtomically(folder / "missing/file.ini", Writing("x"));
    EXPECT_EQ(noFolder.failedStep, platform::ReplaceStep::Create);
    EXPECT_EQ(noFolder.error, ENOENT);

    // A folder in the file's place cannot be renamed over.
    ASSERT_TRUE(std::filesystem::create_directory(folder / "taken.ini"));
    const platform::ReplaceResult taken =
        platform::ReplaceFileAtomically(folder / "taken.ini", Writing("x"));
    EXPECT_EQ(taken.failedStep, platform::ReplaceStep::Rename);
    EXPECT_EQ(taken.error, EISDIR);
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"taken.ini"});
}

TEST(ReplaceFileAtomically, ALinkIsReplacedNotFollowed)
{
    TempFolder folder;
    const std::string target = folder.WriteFile("target.ini", "target");
    std::filesystem::create_symlink(target, folder / "link.ini");
    ASSERT_TRUE(platform::ReplaceFileAtomically(folder / "link.ini", Writing("new")).Succeeded());
    EXPECT_FALSE(std::filesystem::is_symlink(folder / "link.ini"));
    EXPECT_EQ(folder.ReadFile("link.ini"), "new");
    EXPECT_EQ(folder.ReadFile("target.ini"), "target");
}

}  // namespace
