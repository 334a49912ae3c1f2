#include "settings/ProfileFile.h"
#include "tests/app/AppTestSupport.h"
#include "tests/support/DataFolders.h"
#include "tests/support/ProcessRun.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

std::string WithoutCarriageReturns(std::string text)
{
    std::erase(text, '\r');
    return text;
}

// Every file of the settings folder with its bytes.
std::string SettingsFolderContents()
{
    std::string contents;
    for (const auto& entry : fs::directory_iterator(razzlewick::ProfileFile::Folder())) {
        std::ifstream in(entry.path(), std::ios::binary);
        contents += entry.path().filename().string() + ":\n" +
                    std::string(std::istreambuf_iterator<char>(in), {});
    }
    return contents;
}

// No display at all: a program that made the toolkit's application object would end.
class NoDisplay {
    ScopedEnvironment platform_{"QT_QPA_PLATFORM", "xcb"};
    ScopedEnvironment display_{"DISPLAY", ""};
    ScopedEnvironment wayland_{"WAYLAND_DISPLAY", ""};
};

// `razzlewick` run from a terminal with no display, from a copy beside a copy of the shipped
// data, with settings and data folders of the test's own.
class TerminalRun : public testing::Test, private NoDisplay {
protected:
    ProcessRun Razzlewick(const std::vector<std::string>& args) const
    {
        return RunProcess(program, args, work.path());
    }
    // The data tool's batch for the same seed from the same data, with plain line ends.
    std::string Generated(const std::vector<std::string>& args) const
    {
        std::vector<std::string> words = {"generate"};
        words.insert(words.end(), args.begin(), args.end());
        words.push_back((work / "bin/insltdat.dat"));
        const ProcessRun run = RunProcess(RAZZLEWICK_DATA_TOOL, words, work.path());
        EXPECT_EQ(run.status, 0) << run.err;
        return WithoutCarriageReturns(run.out);
    }
    void WriteUserStyles(const std::vector<apptest::StyleFixture>& styles) const
    {
        fs::create_directories(data.UserFolder());
        ASSERT_TRUE(apptest::WriteDataFile(data.UserFolder() + "mine.dat", styles));
    }

    apptest::TempSettings settings;
    ScopedDataFolders data;
    TempFolder work;
    const fs::path program = CopyWithItsData(RAZZLEWICK_PROGRAM, work / "bin");
};

TEST_F(TerminalRun, PrintsWhatTheDataToolComposesForTheSameSeed)
{
    const ProcessRun run =
        Razzlewick({"--print", "--style", "Arabian", "--count", "3", "--seed", "42"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 3);
    EXPECT_EQ(run.out, Generated({"--seed", "42", "--count", "3", "Arabian"}));

    EXPECT_EQ(Razzlewick({"--print", "--style=Shakespearean", "--seed=9", "--no-caps"}).out,
              Generated({"--seed", "9", "--caps", "0", "Shakespearean"}));
}

// Count, capitalisation, level and the last tab come from the settings, which stay as they
// were: the terminal writes nothing there.
TEST_F(TerminalRun, TheSettingsGiveTheDefaultsAndAreNotWritten)
{
    settings.Set("num", 2);
    settings.Set("caps", 0);
    settings.Set("tab", 1);
    const std::string before = SettingsFolderContents();
    const ProcessRun run = Razzlewick({"--print", "--seed", "5"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, Generated({"--seed", "5", "--count", "2", "--caps", "0", "Shakespearean"}));
    EXPECT_EQ(SettingsFolderContents(), before);
}

TEST_F(TerminalRun, TheLevelWithholdsTheCoarseStylesAsTheWindowDoes)
{
    settings.Set("tab", 2);
    const ProcessRun withheld = Razzlewick({"--print"});
    EXPECT_EQ(withheld.status, 1);
    EXPECT_EQ(withheld.out, "");
    EXPECT_EQ(withheld.err,
              "This option is disabled until you raise the offensiveness level "
              "(use the \"Options\" menu)\n");
    EXPECT_EQ(Razzlewick({"--list-styles"}).out,
              "Arabian\n"
              "Mediterranean (withheld until the offensiveness level is raised)\n"
              "Modern (withheld until the offensiveness level is raised)\n"
              "Shakespearean\n");

    settings.Set("level", 1);
    const ProcessRun shown = Razzlewick({"--print", "--seed", "3"});
    EXPECT_EQ(shown.status, 0);
    EXPECT_EQ(shown.out, Generated({"--seed", "3", "Modern"}));
}

// A style of the user's own is offered; one under a tab's key merges into that tab's style.
TEST_F(TerminalRun, TheUsersOwnStylesAreOfferedAndAnUnknownNameListsThem)
{
    WriteUserStyles(
        {{"Pirate", "Arr, ye %0", {{"swab"}}}, {"Arabian", "Behold a %0", {{"sultan of sulks"}}}});
    EXPECT_EQ(Razzlewick({"--print", "--style", "Pirate"}).out, "Arr, ye swab.\n");
    const ProcessRun merged = Razzlewick({"--print", "--style", "Arabian", "--count", "20"});
    EXPECT_EQ(merged.status, 0);
    EXPECT_TRUE(merged.out.starts_with("Behold a ")) << merged.out;

    const ProcessRun unknown = Razzlewick({"--print", "--style", "Ninja"});
    EXPECT_EQ(unknown.status, 2);
    EXPECT_EQ(unknown.out, "");
    EXPECT_EQ(unknown.err,
              "razzlewick: no style \"Ninja\"; the styles are: Arabian, "
              "Mediterranean, Modern, Pirate, Shakespearean\n");
}

// Without its data the program finds none: the search report says where it looked.
TEST_F(TerminalRun, NoDataPrintsTheReportAndExitsOne)
{
    fs::remove(work / "bin/insltdat.dat");
    const ProcessRun run = Razzlewick({"--print"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_TRUE(
        run.err.starts_with("razzlewick: no styles to print from. The data files:\n"
                            "Program folder: " +
                            work.path() + "bin/\n  no data files\nCurrent folder: " + work.path() +
                            "\n  no data files\n"))
        << run.err;
}

struct CommandLine {
    const char* name;
    std::vector<std::string> args;
    int status;
    std::string outStart;
    std::string errStart;
};

void PrintTo(const CommandLine& row, std::ostream* out)
{
    *out << row.name;
}

class TerminalCommandLine : public testing::TestWithParam<CommandLine>, private NoDisplay {};

TEST_P(TerminalCommandLine, AnswersWithoutAWindow)
{
    const apptest::TempSettings settings;
    const ScopedDataFolders data;
    const TempFolder work;
    const ProcessRun run =
        RunProcess(CopyWithItsData(RAZZLEWICK_PROGRAM, work / "bin"), GetParam().args, work.path());
    EXPECT_EQ(run.status, GetParam().status);
    EXPECT_TRUE(run.out.starts_with(GetParam().outStart)) << run.out;
    EXPECT_TRUE(run.err.starts_with(GetParam().errStart)) << run.err;
}

INSTANTIATE_TEST_SUITE_P(
    Razzlewick, TerminalCommandLine,
    testing::Values(
        CommandLine{"Version", {"--version"}, 0, "razzlewick " RAZZLEWICK_VERSION "\n", ""},
        CommandLine{"Help", {"--help"}, 0, "Usage: razzlewick [--print", ""},
        CommandLine{"CountZero",
                    {"--print", "--count", "0"},
                    2,
                    "",
                    "razzlewick: option --count expects a whole number from 1 to 500, not \"0\""},
        CommandLine{"CountAboveFiveHundred",
                    {"--print", "--count=501"},
                    2,
                    "",
                    "razzlewick: option --count expects a whole number from 1 to 500"},
        CommandLine{
            "SeedWithoutPrint", {"--seed", "1"}, 2, "", "razzlewick: --seed goes with --print"},
        CommandLine{"TwoAnswers", {"--print", "--version"}, 2, "", "razzlewick: --print, "},
        CommandLine{"StrayWord", {"--print", "Arabian"}, 2, "", "razzlewick: unexpected argument"},
        CommandLine{
            "CountOfFive", {"--print", "--style", "Arabian", "--count", "5"}, 0, "May ", ""}),
    [](const testing::TestParamInfo<CommandLine>& info) { return std::string(info.param.name); });

}  // namespace
