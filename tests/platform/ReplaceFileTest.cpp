#include "platform/ReplaceFile.h"

#include "platform/FdIo.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cerrno>
#include <filesystem>
#include <string>
#include <vector>

using namespace razzlewick;

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
