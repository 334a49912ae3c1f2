#include "settings/ProfileFile.h"

#include "SettingsFolder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <filesystem>
#include <fstream>

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

class DamagedFile : public SettingsFolderTest,
                    public ::testing::WithParamInterface<DamagedFileRow> {};

TEST_P(DamagedFile, ReadsFirstValuesOrDefaultsAndWriteAddsOnlyOneEntry)
{
    WriteFile("Razzlewick.ini", GetParam().text);
    EXPECT_EQ(SettingsFile().ReadInteger("settings", "num", 1), GetParam().num);
    EXPECT_EQ(SettingsFile().ReadInteger("settings", "caps", 1), GetParam().caps);

    SettingsFile().WriteInteger("settings", "ontop", 1);
    EXPECT_TRUE(ReadFile("Razzlewick.ini") == GetParam().after) << "file differs after the write";
    EXPECT_EQ(SettingsFile().ReadInteger("settings", "ontop", 0), 1);
}

const std::string hugeLine(10 * 1024 * 1024, 'q');
const std::string binary = "\x00\xff\xfe[settings]\n\x01num=2\n[settings]\nnum=3\ncaps=\x80\n"s;
const std::string nulInValue =
    "[settings]\nnum=4\x00"
    "5\n"s;

INSTANTIATE_TEST_SUITE_P(
    Rows, DamagedFile,
    ::testing::Values(
        DamagedFileRow{"Empty", "", 1, 1, "[settings]\nontop=1\n"},
        DamagedFileRow{"UnclosedBracketsAndStrayEquals", "]]][[[=\n==\n[\n[settings\nnum=5\n", 1, 1,
                       "]]][[[=\n==\n[\n[settings\nnum=5\n\n[settings]\nontop=1\n"},
        DamagedFileRow{"BinaryBytes", binary, 3, 0, binary + "ontop=1\n"},
        DamagedFileRow{"NulInsideValue", nulInValue, 4, 1, nulInValue + "ontop=1\n"},
        DamagedFileRow{"HugeLineBeforeSection", hugeLine + "\n[settings]\nnum=6\n", 6, 1,
                       hugeLine + "\n[settings]\nnum=6\nontop=1\n"},
        DamagedFileRow{"HugeValue", "[settings]\ncaps=" + hugeLine + "\nnum=2\n", 2, 0,
                       "[settings]\ncaps=" + hugeLine + "\nnum=2\nontop=1\n"},
        DamagedFileRow{"DuplicateSections",
                       "[settings]\nnum=2\n[other]\ncaps=5\n[SETTINGS]\nnum=9\ncaps=0\n", 2, 0,
                       "[settings]\nnum=2\nontop=1\n[other]\ncaps=5\n[SETTINGS]\nnum=9\ncaps=0\n"},
        DamagedFileRow{"DuplicateKeys", "[settings]\nnum=2\nNUM=3\n", 2, 1,
                       "[settings]\nnum=2\nNUM=3\nontop=1\n"},
        DamagedFileRow{"NoFinalNewLine", "[settings]\nnum=8", 8, 1,
                       "[settings]\nnum=8\nontop=1\n"}),
    [](const auto& info) { return std::string(info.param.name); });

using FailedWrite = SettingsFolderTest;

TEST_F(FailedWrite, SettingsFolderThatIsAFileLeavesEverythingAlone)
{
    std::filesystem::create_directories(configHome);
    {
        std::ofstream blocker(configHome + "/razzlewick");
        blocker << "not a folder";
    }
    SettingsFile().WriteInteger("settings", "num", 5);
    EXPECT_EQ(SettingsFile().ReadInteger("settings", "num", 1), 1);
    EXPECT_TRUE(std::filesystem::is_regular_file(configHome + "/razzlewick"));
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

}  // namespace
