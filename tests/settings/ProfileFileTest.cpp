#include "settings/ProfileFile.h"

#include "settings/SettingsKeys.h"
#include "tests/support/ConfigHome.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <filesystem>
#include <vector>

using namespace razzlewick;

namespace {

using ProfileFileTest = ConfigHomeTest;
namespace Keys = SettingsKeys;

TEST_F(ProfileFileTest, FirstRunReadsEveryDefaultAndCreatesNothing)
{
    const ProfileFile& settings = SettingsFile();
    EXPECT_EQ(settings.ReadInteger(Keys::kSection, Keys::kInsultCount, Keys::kDefaultInsultCount),
              1);
    EXPECT_EQ(settings.ReadInteger(Keys::kSection, Keys::kCapitalise, Keys::kDefaultCapitalise), 1);
    EXPECT_EQ(settings.ReadInteger(Keys::kSection, Keys::kAlwaysOnTop, Keys::kDefaultAlwaysOnTop),
              0);
    EXPECT_EQ(settings.ReadInteger(Keys::kSection, Keys::kLevel, Keys::kDefaultLevel), 0);
    EXPECT_EQ(settings.ReadInteger(Keys::kSection, Keys::kTooltips, Keys::kDefaultTooltips), 1);
    EXPECT_EQ(settings.ReadInteger(Keys::kSection, Keys::kAutoCopyRead, Keys::kDefaultAutoCopy), 0);
    EXPECT_EQ(settings.ReadInteger(Keys::kSection, Keys::kTab, Keys::kDefaultTab), 0);
    EXPECT_FALSE(std::filesystem::exists(Folder()));
}

TEST_F(ProfileFileTest, FirstWriteCreatesFolderFileAndSection)
{
    SettingsFile().WriteInteger("settings", "num", 5);
    EXPECT_EQ(ReadFile("Razzlewick.ini"), "[settings]\nnum=5\n");
    EXPECT_EQ(SettingsFile().ReadInteger("settings", "num", 1), 5);

    SettingsFile().WriteInteger("settings", "caps", 0);
    SettingsFile().WriteInteger("66", "CX", 640);
    EXPECT_EQ(ReadFile("Razzlewick.ini"), "[settings]\nnum=5\ncaps=0\n\n[66]\nCX=640\n");
}

TEST_F(ProfileFileTest, AutoCopyWrittenInLowerCaseIsReadAsAutoCopy)
{
    const ProfileFile& settings = SettingsFile();
    settings.WriteInteger(Keys::kSection, Keys::kAutoCopyWritten, 1);
    EXPECT_EQ(settings.ReadInteger(Keys::kSection, Keys::kAutoCopyRead, Keys::kDefaultAutoCopy), 1);

    // A second write replaces the one entry instead of adding a twin.
    settings.WriteInteger("SETTINGS", Keys::kAutoCopyRead, 0);
    EXPECT_EQ(ReadFile("Razzlewick.ini"), "[settings]\nautocopy=0\n");
}

TEST_F(ProfileFileTest, FileNameMatchesWithoutRegardToCase)
{
    WriteFile("razzlewick.INI", "[Settings]\nNUM=4\n");
    EXPECT_EQ(SettingsFile().ReadInteger("settings", "num", 1), 4);

    SettingsFile().WriteInteger("settings", "tab", 2);
    EXPECT_EQ(FolderEntries(), std::vector<std::string>{"razzlewick.INI"});
    EXPECT_EQ(ReadFile("razzlewick.INI"), "[Settings]\nNUM=4\ntab=2\n");
}

TEST_F(ProfileFileTest, EachReadSeesTheFileAsItIsNow)
{
    WriteFile("Razzlewick.ini", "[settings]\nlevel=0\n");
    EXPECT_EQ(SettingsFile().ReadInteger("settings", "level", 7), 0);
    WriteFile("Razzlewick.ini", "[settings]\nlevel=3\n");
    EXPECT_EQ(SettingsFile().ReadInteger("settings", "level", 7), 3);
    std::filesystem::remove(Folder() + "Razzlewick.ini");
    EXPECT_EQ(SettingsFile().ReadInteger("settings", "level", 7), 7);
}

TEST_F(ProfileFileTest, WriteChangesOnlyTheOneValue)
{
    const std::string before =
        "; written by hand\r\n"
        "stray line before any section\r\n"
        "[other]\r\n"
        "num=9\r\n"
        "\r\n"
        "[ settings ]\r\n"
        "  Num =  12x ; twelve\r\n"
        "caps=1\r\n"
        "# not a key\r\n"
        "\r\n"
        "[last]\r\n"
        "x=y";
    WriteFile("Razzlewick.ini", before);

    SettingsFile().WriteInteger("settings", "num", 3);
    SettingsFile().WriteInteger("settings", "level", -1);
    SettingsFile().WriteInteger("last", "z", 255, 16);

    EXPECT_EQ(ReadFile("Razzlewick.ini"),
              "; written by hand\r\n"
              "stray line before any section\r\n"
              "[other]\r\n"
              "num=9\r\n"
              "\r\n"
              "[ settings ]\r\n"
              "  Num =  3\r\n"
              "caps=1\r\n"
              "# not a key\r\n"
              "level=-1\r\n"
              "\r\n"
              "[last]\r\n"
              "x=y\r\n"
              "z=ff\r\n");
    EXPECT_EQ(SettingsFile().ReadInteger("other", "num", 0), 9);
}

// Two programs writing the settings at the same moment (the window closing while the data
// tool or a second window writes) each reread and replace the file; taking turns, neither
// loses the other's keys.
TEST_F(ProfileFileTest, TwoProcessesWritingAtOnceKeepEachOthersKeys)
{
    constexpr int kWrites = 200;
    std::vector<pid_t> writers;
    for (const char* key : {"first", "second"}) {
        const pid_t child = ::fork();
        ASSERT_NE(child, -1);
        if (child == 0) {
            for (int value = 1; value <= kWrites; ++value) {
                SettingsFile().WriteInteger("settings", key, value);
            }
            ::_exit(0);
        }
        writers.push_back(child);
    }
    for (const pid_t child : writers) {
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    EXPECT_EQ(SettingsFile().ReadInteger("settings", "first", 0), kWrites);
    EXPECT_EQ(SettingsFile().ReadInteger("settings", "second", 0), kWrites);
}

TEST_F(ProfileFileTest, SeveralKeysAtOnceAreStoredAsOneByOne)
{
    WriteFile("Razzlewick.ini", "[settings]\nlevel=1\n");
    const ProfileEntry entries[] = {{"num", 4}, {"LEVEL", 0}, {"num", 5}};
    SettingsFile().WriteIntegers("settings", entries);
    EXPECT_EQ(ReadFile("Razzlewick.ini"), "[settings]\nlevel=0\nnum=5\n");
}

TEST_F(ProfileFileTest, WriteKeepsTheFilePermissions)
{
    WriteFile("Razzlewick.ini", "[settings]\nnum=1\n");
    ::chmod((Folder() + "Razzlewick.ini").c_str(), 0640);
    SettingsFile().WriteInteger("settings", "num", 2);
    struct stat info {};
    ASSERT_EQ(::stat((Folder() + "Razzlewick.ini").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
}

TEST_F(ProfileFileTest, ValuesWrittenInEveryRadixAndAtTheLimits)
{
    const ProfileFile& settings = SettingsFile();
    settings.WriteInteger("r", "min", INT32_MIN);
    settings.WriteInteger("r", "max", INT32_MAX);
    settings.WriteInteger("r", "hex", -255, 16);
    settings.WriteInteger("r", "bin", 5, 2);
    settings.WriteInteger("r", "bad", 42, 1);
    settings.WriteInteger("r", "b36", 71, 36);
    settings.WriteInteger("r", "b37", 71, 37);
    EXPECT_EQ(ReadFile("Razzlewick.ini"),
              "[r]\nmin=-2147483648\nmax=2147483647\nhex=-ff\nbin=101\n"
              "bad=42\nb36=1z\nb37=71\n");
    EXPECT_EQ(settings.ReadInteger("r", "min", 0), INT32_MIN);
    EXPECT_EQ(settings.ReadInteger("r", "max", 0), INT32_MAX);
}

TEST_F(ProfileFileTest, FolderFollowsTheEnvironment)
{
    // Both come back as they were however the test ends.
    const ScopedEnvironment home("HOME", "/home/someone");
    const ScopedEnvironment configHome("XDG_CONFIG_HOME", "/cfg/");
    EXPECT_EQ(ProfileFile::Folder(), "/cfg/razzlewick/");
    ::setenv("XDG_CONFIG_HOME", "relative/cfg", 1);
    EXPECT_EQ(ProfileFile::Folder(), "/home/someone/.config/razzlewick/");
    ::setenv("XDG_CONFIG_HOME", "", 1);
    EXPECT_EQ(ProfileFile::Folder(), "/home/someone/.config/razzlewick/");
    ::unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(ProfileFile::Folder(), "/home/someone/.config/razzlewick/");
}

TEST(ApplicationProfile, IsNamedAfterTheExecutable)
{
    EXPECT_EQ(ApplicationProfile().FileName(), "settings_tests.INI");
    EXPECT_EQ(SettingsFile().FileName(), "Razzlewick.ini");
}

}  // namespace
