#include "resources/version/Version.h"
#include "tests/tools/ToolProcess.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

namespace {

struct UsageCase {
    const char* name;
    std::vector<std::string> args;
    const char* errorFragment;
};

// Names the row instead of dumping its bytes.
void PrintTo(const UsageCase& row, std::ostream* out)
{
    *out << row.name;
}

class UsageErrors : public testing::TestWithParam<UsageCase> {};

// Every bad command line ends with status 2 and exactly one line on stderr, before any
// file is read or written.
TEST_P(UsageErrors, ExitTwoWithOneLine)
{
    const TempFolder folder;
    const ToolRun run = RunTool(GetParam().args, folder.path());
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    EXPECT_NE(run.err.find(GetParam().errorFragment), std::string::npos) << run.err;
    EXPECT_TRUE(folder.Entries().empty());
}

INSTANTIATE_TEST_SUITE_P(
    DataTool, UsageErrors,
    testing::Values(
        UsageCase{"NoCommand", {}, "no command given"},
        UsageCase{"UnknownCommand", {"unpack"}, "unknown command \"unpack\""},
        UsageCase{"UnknownOption", {"dump", "--pretty", "a.dat"}, "unknown option --pretty"},
        UsageCase{
            "OptionOfAnotherCommand", {"pack", "--seed", "1", "a.json"}, "unknown option --seed"},
        UsageCase{"PackWithoutSources", {"pack", "-o", "x.dat"}, "no JSON source given"},
        UsageCase{"PackOutputWithoutValue", {"pack", "a.json", "-o"}, "option -o needs a value"},
        UsageCase{"DumpWithoutFiles", {"dump"}, "no data file given"},
        UsageCase{"GenerateWithoutStyle", {"generate", "--seed", "1"}, "no style given"},
        UsageCase{
            "SeedNotANumber", {"generate", "--seed", "12x", "S"}, "--seed expects a whole number"},
        UsageCase{
            "SeedAboveRange", {"generate", "--seed", "4294967296", "S"}, "from 0 to 4294967295"},
        UsageCase{"SeedNegative", {"generate", "--seed=-1", "S"}, "from 0 to 4294967295"},
        UsageCase{
            "CountAboveSixteenBits", {"generate", "--count", "32768", "S"}, "from -32768 to 32767"},
        UsageCase{"CapsNotAFlag",
                  {"generate", "--caps", "2", "S"},
                  "--caps expects a whole number from 0 to 1"},
        UsageCase{"BatchesNegative", {"generate", "--batches", "-3", "S"}, "--batches"},
        // A value left out after "=" is not a value of nothing (seed 0, caps off).
        UsageCase{"EmptySeed", {"generate", "--seed=", "S"}, "option --seed needs a value"},
        UsageCase{"EmptyCaps", {"generate", "--caps=", "S"}, "option --caps needs a value"},
        UsageCase{"EmptyCount", {"generate", "--count", "", "S"}, "option --count needs a value"},
        UsageCase{"EmptyOutput", {"pack", "-o", "", "a.json"}, "option -o needs a value"},
        UsageCase{"RepeatedOption", {"generate", "--seed", "1", "--seed", "2", "S"}, "given twice"},
        UsageCase{"FlagWithValue", {"generate", "--raw=1", "S"}, "takes no value"},
        UsageCase{"InstallWithoutFiles", {"install", "--force"}, "no file given"},
        UsageCase{"UninstallWithoutName", {"uninstall"}, "no name given"},
        UsageCase{"UninstallTwoNames", {"uninstall", "a", "b"}, "one name at a time"},
        UsageCase{"UninstallAPath", {"uninstall", "../insltdat.dat"}, "not a path"},
        UsageCase{"StrictOnlyForCheck", {"styles", "--strict"}, "unknown option --strict"}),
    [](const testing::TestParamInfo<UsageCase>& info) { return std::string(info.param.name); });

class HelpRequests : public testing::TestWithParam<std::vector<std::string>> {};

TEST_P(HelpRequests, PrintUsageAndExitZero)
{
    const TempFolder folder;
    const ToolRun run = RunTool(GetParam(), folder.path());
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(run.out.starts_with("Usage: razzlewick-data")) << run.out;
    EXPECT_EQ(run.err, "");
}

INSTANTIATE_TEST_SUITE_P(DataTool, HelpRequests,
                         testing::Values(std::vector<std::string>{"--help"},
                                         std::vector<std::string>{"-h"},
                                         std::vector<std::string>{"pack", "--help"},
                                         std::vector<std::string>{"dump", "-h"},
                                         std::vector<std::string>{"check", "--help"},
                                         std::vector<std::string>{"styles", "--help"},
                                         std::vector<std::string>{"generate", "STYLE", "--help"},
                                         std::vector<std::string>{"install", "--help"},
                                         std::vector<std::string>{"uninstall", "-h"}));

TEST(DataToolHelp, NamesEveryCommand)
{
    const TempFolder folder;
    const ToolRun run = RunTool({"--help"}, folder.path());
    for (const char* command :
         {"pack", "dump", "check", "styles", "generate", "install", "uninstall"})
        EXPECT_NE(run.out.find(std::string("  ") + command + " "), std::string::npos) << command;
}

TEST(DataToolHelp, VersionIsTheProgramsOwn)
{
    const TempFolder folder;
    const ToolRun run = RunTool({"--version"}, folder.path());
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "razzlewick-data " RAZZLEWICK_VERSION "\n");
}

}  // namespace
