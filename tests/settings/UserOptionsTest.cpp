#include "settings/UserOptions.h"

#include "settings/ProfileFile.h"
#include "tests/support/ConfigHome.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>

using namespace razzlewick;

namespace {

using UserOptionsTest = ConfigHomeTest;

TEST_F(UserOptionsTest, FirstRunGivesTheDefaultsAndCreatesNothing)
{
    const UserOptions options = ReadUserOptions(SettingsFile());
    EXPECT_EQ(options.count, 1);
    EXPECT_EQ(options.capitalise, 1);
    EXPECT_EQ(options.alwaysOnTop, 0);
    EXPECT_EQ(options.level, 0);
    EXPECT_EQ(options.tooltips, 1);
    EXPECT_EQ(options.autoCopy, 0);
    EXPECT_FALSE(std::filesystem::exists(Folder()));
}

TEST_F(UserOptionsTest, WritesSixEntriesInOrderAndReadsThemBack)
{
    const UserOptions written{-7, 2, 1, 3, 0, 5};
    WriteUserOptions(SettingsFile(), written);
    EXPECT_EQ(ReadFile("Razzlewick.ini"),
              "[settings]\nnum=-7\ncaps=2\nontop=1\nlevel=3\ntooltips=0\nautocopy=5\n");

    const UserOptions read = ReadUserOptions(SettingsFile());
    EXPECT_EQ(read.count, -7);
    EXPECT_EQ(read.capitalise, 2);
    EXPECT_EQ(read.alwaysOnTop, 1);
    EXPECT_EQ(read.level, 3);
    EXPECT_EQ(read.tooltips, 0);
    EXPECT_EQ(read.autoCopy, 5);
}

// The stored count and what is left of it in 16 bits.
struct CountRow {
    const char* name;
    std::string stored;
    int16_t count;
};

class UserOptionsCountTest : public ConfigHomeTest,
                             public ::testing::WithParamInterface<CountRow> {};

TEST_P(UserOptionsCountTest, CountKeepsSixteenBits)
{
    WriteFile("Razzlewick.ini", "[settings]\nnum=" + GetParam().stored + "\n");
    EXPECT_EQ(ReadUserOptions(SettingsFile()).count, GetParam().count);
}

INSTANTIATE_TEST_SUITE_P(Counts, UserOptionsCountTest,
                         ::testing::Values(CountRow{"InRange", "500", 500},
                                           CountRow{"LargestPositive", "32767", 32767},
                                           CountRow{"WrapsNegative", "40000", -25536},
                                           CountRow{"WrapsPastZero", "65537", 1},
                                           CountRow{"BelowRangeWrapsPositive", "-32769", 32767}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
