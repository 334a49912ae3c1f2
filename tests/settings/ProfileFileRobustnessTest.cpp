#include "settings/ProfileFile.h"
#include "tests/support/ConfigHome.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <filesystem>
#include <fstream>

using namespace razzlewick;

namespace {

using namespace std::string_literals;

struct DamagedFileRow {
    const char* name;
    std::string text;
    int32_t num;        // expected "num", default 1
    int32_t caps;       // expected "caps", default 1
    std::string after;  // the file after writing ontop=1
};

void PrintTo(const DamagedFileRow& row, std::ostream* out)
{
    *out << row.name;
}

class DamagedFileTest : public ConfigHomeTest {
protected:
    void ReadsFirstValuesOrDefaultsAndWriteAddsOnlyOneEntry(const DamagedFileRow& row)
    {
        SCOPED_TRACE(row.name);
        WriteFile("Razzlewick.ini", row.text);
        EXPECT_EQ(SettingsFile().ReadInteger("settings", "num", 1), row.num);
        EXPECT_EQ(SettingsFile().ReadInteger("settings", "caps", 1), row.caps);

        SettingsFile().WriteInteger("settings", "ontop", 1);
        EXPECT_TRUE(ReadFile("Razzlewick.ini") == row.after) << "file differs after the write";
        EXPECT_EQ(SettingsFile().ReadInteger("settings", "ontop", 0), 1);
    }
};

class DamagedFile : public DamagedFileTest, public ::testing::WithParamInterface<DamagedFileRow> {};

TEST_P(DamagedFile, ReadsFirstValuesOrDefaultsAndWriteAddsOnlyOneEntry)
{
    ReadsFirstValuesOrDefaultsAndWriteAddsOnlyOneEntry(GetParam());
}

// Built here rather than as rows, so the other tests of this program do not pay for them.
TEST_F(DamagedFileTest, HugeLinesAreSkippedOrCutAndKept)
{
    const std::string hugeLine(ProfileFile::kLargestFile / 2, 'q');
    ReadsFirstValuesOrDefaultsAndWriteAddsOnlyOneEntry(
        {"HugeLineBeforeSection", hugeLine + "\n[settings]\nnum=6\n", 6, 1,
         hugeLine + "\n[settings]\nnum=6\nontop=1\n"});
    ReadsFirstValuesOrDefaultsAndWriteAddsOnlyOneEntry(
        {"HugeValue", "[settings]\ncaps=" + hugeLine + "\nnum=2\n", 2, 0,
         "[settings]\ncaps=" + hugeLine + "\nnum=2\nontop=1\n"});
}

// A settings file is a few hundred bytes: a larger one (a sparse file of a gigabyte, or of a
// hundred) is neither read nor replaced by a small one, and reading it costs nothing.
TEST_F(DamagedFileTest, AFileOverAMebibyteIsNeitherReadNorReplaced)
{
    for (const off_t size :
         {off_t{ProfileFile::kLargestFile} + 1, off_t{1} << 30, off_t{100} << 30}) {
        SCOPED_TRACE(size);
        WriteFile("Razzlewick.ini", "[settings]\nnum=7\n");
        const std::string path = Folder() + "Razzlewick.ini";
        ASSERT_EQ(truncate(path.c_str(), size), 0);
        EXPECT_EQ(SettingsFile().Read().GetState(), ProfileSnapshot::State::TooLarge);
        EXPECT_EQ(SettingsFile().ReadInteger("settings", "num", 1), 1);
        SettingsFile().WriteInteger("settings", "ontop", 1);
        struct stat after {};
        ASSERT_EQ(stat(path.c_str(), &after), 0);
        EXPECT_EQ(after.st_size, size);
    }
}

const std::string kBinary = "\x00\xff\xfe[settings]\n\x01num=2\n[settings]\nnum=3\ncaps=\x80\n"s;
const std::string kNulInValue =
    "[settings]\nnum=4\x00"
    "5\n"s;

INSTANTIATE_TEST_SUITE_P(
    Rows, DamagedFile,
    ::testing::Values(
        DamagedFileRow{"Empty", "", 1, 1, "[settings]\nontop=1\n"},
        DamagedFileRow{"UnclosedBracketsAndStrayEquals", "]]][[[=\n==\n[\n[settings\nnum=5\n", 1, 1,
                       "]]][[[=\n==\n[\n[settings\nnum=5\n\n[settings]\nontop=1\n"},
        DamagedFileRow{"BinaryBytes", kBinary, 3, 0, kBinary + "ontop=1\n"},
        DamagedFileRow{"NulInsideValue", kNulInValue, 4, 1, kNulInValue + "ontop=1\n"},
        DamagedFileRow{"DuplicateSections",
                       "[settings]\nnum=2\n[other]\ncaps=5\n[SETTINGS]\nnum=9\ncaps=0\n", 2, 0,
                       "[settings]\nnum=2\nontop=1\n[other]\ncaps=5\n[SETTINGS]\nnum=9\ncaps=0\n"},
        DamagedFileRow{"DuplicateKeys", "[settings]\nnum=2\nNUM=3\n", 2, 1,
                       "[settings]\nnum=2\nNUM=3\nontop=1\n"},
        DamagedFileRow{"NoFinalNewLine", "[settings]\nnum=8", 8, 1,
                       "[settings]\nnum=8\nontop=1\n"}),
    [](const auto& info) { return std::string(info.param.name); });

using FailedWrite = ConfigHomeTest;

TEST_F(FailedWrite, SettingsFolderThatIsAFileLeavesEverythingAlone)
{
    std::filesystem::create_directories(ConfigHome());
    {
        std::ofstream blocker(ConfigHome() + "razzlewick");
        blocker << "not a folder";
    }
    SettingsFile().WriteInteger("settings", "num", 5);
    EXPECT_EQ(SettingsFile().ReadInteger("settings", "num", 1), 1);
    EXPECT_TRUE(std::filesystem::is_regular_file(ConfigHome() + "razzlewick"));
}

TEST_F(FailedWrite, ReadOnlyFolderKeepsTheStoredValues)
{
    if (::geteuid() == 0) {
        GTEST_SKIP() << "permissions do not bind root";
    }
    WriteFile("Razzlewick.ini", "[settings]\nnum=3\n");
    ASSERT_EQ(::chmod(Folder().c_str(), 0555), 0);
    SettingsFile().WriteInteger("settings", "num", 5);
    SettingsFile().WriteInteger("settings", "caps", 0);
    ::chmod(Folder().c_str(), 0755);
    EXPECT_EQ(ReadFile("Razzlewick.ini"), "[settings]\nnum=3\n");
    EXPECT_EQ(FolderEntries(), std::vector<std::string>{"Razzlewick.ini"});
}

TEST_F(FailedWrite, ReadOnlyFileIsNotReplaced)
{
    if (::geteuid() == 0) {
        GTEST_SKIP() << "permissions do not bind root";
    }
    WriteFile("Razzlewick.ini", "[settings]\nnum=3\n");
    ASSERT_EQ(::chmod((Folder() + "Razzlewick.ini").c_str(), 0444), 0);
    SettingsFile().WriteInteger("settings", "num", 5);
    EXPECT_EQ(ReadFile("Razzlewick.ini"), "[settings]\nnum=3\n");
}

TEST_F(FailedWrite, UnreadableFileIsNotOverwritten)
{
    if (::geteuid() == 0) {
        GTEST_SKIP() << "permissions do not bind root";
    }
    WriteFile("Razzlewick.ini", "[settings]\nnum=3\n");
    ASSERT_EQ(::chmod((Folder() + "Razzlewick.ini").c_str(), 0200), 0);
    SettingsFile().WriteInteger("settings", "caps", 0);
    ::chmod((Folder() + "Razzlewick.ini").c_str(), 0644);
    EXPECT_EQ(ReadFile("Razzlewick.ini"), "[settings]\nnum=3\n");
}

// Settings kept elsewhere (a dotfiles repository) and linked into the settings folder.
class LinkedSettings : public ConfigHomeTest {
protected:
    void SetUp() override
    {
        ConfigHomeTest::SetUp();
        dotfiles = ConfigHome() + "dotfiles/";
        std::filesystem::create_directories(Folder());
        std::filesystem::create_directories(dotfiles);
    }

    // The settings link, relative as dotfile managers make it; false if it could not be made.
    bool LinkSettingsTo(const std::string& target) const
    {
        return ::symlink(target.c_str(), (Folder() + "Razzlewick.ini").c_str()) == 0;
    }
    bool SettingsIsALink() const
    {
        return std::filesystem::is_symlink(Folder() + "Razzlewick.ini");
    }

    std::string dotfiles;
};

TEST_F(LinkedSettings, WriteGoesThroughTheLinkToItsTarget)
{
    {
        std::ofstream(dotfiles + "razzlewick.ini") << "; mine\n[settings]\nnum=3\n";
    }
    ASSERT_EQ(::chmod((dotfiles + "razzlewick.ini").c_str(), 0640), 0);
    ASSERT_TRUE(LinkSettingsTo("../dotfiles/razzlewick.ini"));

    SettingsFile().WriteInteger("settings", "caps", 0);
    EXPECT_TRUE(SettingsIsALink());
    EXPECT_EQ(ReadFile("Razzlewick.ini"), "; mine\n[settings]\nnum=3\ncaps=0\n");
    EXPECT_EQ(SettingsFile().ReadInteger("settings", "num", 1), 3);
    EXPECT_EQ(std::filesystem::status(dotfiles + "razzlewick.ini").permissions(),
              static_cast<std::filesystem::perms>(0640));
    // The temporary file was made beside the target and is gone.
    EXPECT_EQ(FolderEntries(), std::vector<std::string>{"Razzlewick.ini"});
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dotfiles),
                            std::filesystem::directory_iterator()),
              1);

    // A link whose target is gone makes the target, as writing through it would.
    std::filesystem::remove(dotfiles + "razzlewick.ini");
    SettingsFile().WriteInteger("settings", "num", 4);
    EXPECT_TRUE(SettingsIsALink());
    EXPECT_EQ(ReadFile("Razzlewick.ini"), "[settings]\nnum=4\n");
}

// A link to something that is not a file (a pipe would hold the reader for ever) reads as no
// settings and is never replaced.
TEST_F(LinkedSettings, LinkToAPipeIsNeitherWaitedForNorReplaced)
{
    ASSERT_EQ(::mkfifo((dotfiles + "pipe").c_str(), 0600), 0);
    ASSERT_TRUE(LinkSettingsTo(dotfiles + "pipe"));
    ::alarm(10);  // a read that blocks ends the test program instead of stalling the run
    EXPECT_EQ(SettingsFile().ReadInteger("settings", "num", 1), 1);
    SettingsFile().WriteInteger("settings", "num", 5);
    ::alarm(0);
    EXPECT_TRUE(SettingsIsALink());
    EXPECT_EQ(std::filesystem::status(dotfiles + "pipe").type(), std::filesystem::file_type::fifo);
}

TEST_F(LinkedSettings, ReadOnlyTargetIsLeftAlone)
{
    if (::geteuid() == 0) {
        GTEST_SKIP() << "permissions do not bind root";
    }
    {
        std::ofstream(dotfiles + "razzlewick.ini") << "[settings]\nnum=3\n";
    }
    ASSERT_TRUE(LinkSettingsTo(dotfiles + "razzlewick.ini"));
    ASSERT_EQ(::chmod(dotfiles.c_str(), 0555), 0);
    SettingsFile().WriteInteger("settings", "num", 5);  // the target's folder refuses
    ASSERT_EQ(::chmod(dotfiles.c_str(), 0755), 0);
    ASSERT_EQ(::chmod((dotfiles + "razzlewick.ini").c_str(), 0444), 0);
    SettingsFile().WriteInteger("settings", "num", 6);  // the target itself refuses
    EXPECT_TRUE(SettingsIsALink());
    EXPECT_EQ(ReadFile("Razzlewick.ini"), "[settings]\nnum=3\n");
    EXPECT_EQ(FolderEntries(), std::vector<std::string>{"Razzlewick.ini"});
}

}  // namespace
