#include "cli/TerminalRun.h"

#include "cli/DisplayCheck.h"
#include "cli/WindowHandOver.h"
#include "data/InsultGenerator.h"
#include "data/Windows1252.h"
#include "resources/version/Version.h"
#include "settings/ProfileFile.h"
#include "tests/app/AppTestSupport.h"
#include "tests/support/DataFolders.h"
#include "tests/support/ProcessRun.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <regex>
#include <set>
#include <sstream>
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
        contents += entry.path().filename().string() + ":\n" + ReadWholeFile(entry.path());
    }
    return contents;
}

// No display at all: a program that made the toolkit's application object would end.
class NoDisplay {
    ScopedEnvironment platform_{"QT_QPA_PLATFORM", std::nullopt};
    ScopedEnvironment display_{"DISPLAY", std::nullopt};
    ScopedEnvironment wayland_{"WAYLAND_DISPLAY", std::nullopt};
};

constexpr const char* kNoDisplay =
    "razzlewick: cannot open a window: no display (DISPLAY and WAYLAND_DISPLAY are unset). "
    "razzlewick --print prints insults on the terminal.\n";

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
        std::vector<std::string> words = {"generate", "--no-repeats"};
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

// An asked-for coarse style is refused at level 0; a saved tab of one gives way to the first
// tab, so that looking at it in the window does not silence every later shell line.
TEST_F(TerminalRun, TheLevelWithholdsTheCoarseStylesAsTheWindowDoes)
{
    settings.Set("tab", 2);
    const ProcessRun withheld = Razzlewick({"--print", "--style", "modern"});
    EXPECT_EQ(withheld.status, 1);
    EXPECT_EQ(withheld.out, "");
    EXPECT_EQ(withheld.err,
              "razzlewick: Modern is withheld at offensiveness level 0: add --level 1, or raise "
              "the level in Preferences\n");
    const ProcessRun saved = Razzlewick({"--print", "--seed", "3"});
    EXPECT_EQ(saved.status, 0);
    EXPECT_EQ(saved.err, "");
    EXPECT_EQ(saved.out, Generated({"--seed", "3", "Arabian"}));
    EXPECT_EQ(Razzlewick({"--print", "--verbose"}).err,
              "razzlewick: printing Arabian: the saved tab's Modern is withheld at "
              "offensiveness level 0\n");

    // Keys alone, withheld or not, so a shell loop over them gets keys; a script reads the
    // counts as numbers.
    EXPECT_EQ(Razzlewick({"--list-styles"}).out, "Arabian\nMediterranean\nModern\nShakespearean\n");
    const std::string verbose = Razzlewick({"--list-styles", "--verbose"}).out;
    EXPECT_TRUE(
        std::regex_match(verbose, std::regex("Arabian\tArabian\t[0-9]{6,}\t\n"
                                             "Mediterranean\tMediterranean\t[0-9]+\twithheld\n"
                                             "Modern\tModern\t[0-9]+\twithheld\n"
                                             "Shakespearean\tShakespearean\t[0-9]+\t\n")))
        << verbose;
    EXPECT_EQ(Razzlewick({"--list-styles", "--verbose", "-l", "1"}).out.find("withheld"),
              std::string::npos);

    // --level is for this run alone: the settings keep level 0.
    const std::string before = SettingsFolderContents();
    EXPECT_EQ(Razzlewick({"--print", "--level", "1", "--seed", "3"}).out,
              Generated({"--seed", "3", "Modern"}));
    EXPECT_EQ(SettingsFolderContents(), before);
    settings.Set("level", 1);
    const ProcessRun shown = Razzlewick({"--print", "--seed", "3"});
    EXPECT_EQ(shown.status, 0);
    EXPECT_EQ(shown.out, Generated({"--seed", "3", "Modern"}));
    EXPECT_EQ(Razzlewick({"--print", "-l0", "--seed", "3"}).out,
              Generated({"--seed", "3", "Arabian"}));
}

// The window's rule for a saved tab it has no tab for: the first tab. The tabs are the four
// and then the data's further styles, so with one of the user's own there is a fifth.
TEST_F(TerminalRun, ASavedTabOutOfRangeMeansTheFirst)
{
    const std::string arabian = Generated({"--seed", "6", "Arabian"});
    for (const int tab : {4, -1, 99}) {
        settings.Set("tab", tab);
        const ProcessRun run = Razzlewick({"--print", "--seed", "6"});
        EXPECT_EQ(run.status, 0) << tab << run.err;
        EXPECT_EQ(run.out, arabian) << tab;
    }
    settings.Set("tab", 3);
    EXPECT_EQ(Razzlewick({"--print", "-l", "1", "--seed", "6"}).out,
              Generated({"--seed", "6", "Mediterranean"}));

    WriteUserStyles({{"Zulu", "Zulu %0", {{"z"}}}, {"Pirate", "Arr, ye %0", {{"swab"}}}});
    settings.Set("tab", 4);
    EXPECT_EQ(Razzlewick({"--print"}).out, "Arr, ye swab.\n");
    settings.Set("tab", 5);
    EXPECT_EQ(Razzlewick({"--print"}).out, "Zulu z.\n");
    settings.Set("tab", 6);
    EXPECT_EQ(Razzlewick({"--print", "--seed", "6"}).out, arabian);
}

// Insults or a list that could not be written are lost, which the exit status must say: a
// full disk, say.
TEST_F(TerminalRun, OutputThatCannotBeWrittenIsAFailure)
{
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--print", "--style", "Arabian"}, {"--list-styles"}}) {
        const ProcessRun run = RunProcess(program, args, work.path(), "/dev/full");
        EXPECT_EQ(run.status, 1) << args.front();
        EXPECT_EQ(run.err, "razzlewick: cannot write to standard output\n") << args.front();
    }
}

// Without --seed every run starts from the system's entropy, so runs in one second differ.
TEST_F(TerminalRun, EveryRunWithoutASeedIsFresh)
{
    std::set<std::string> insults;
    for (int run = 0; run < 30; ++run)
        insults.insert(Razzlewick({"--print", "--style", "Shakespearean"}).out);
    EXPECT_GE(insults.size(), 29u);
}

// A count in the settings file that the window would turn into empty or endless batches: the
// default count, and one line that says so.
TEST_F(TerminalRun, AHandEditedCountOutOfRangeFallsBackToOne)
{
    for (const char* stored : {"0", "-5", "abc", "501", "40000"}) {
        settings.WriteFile(std::string("[settings]\nnum=") + stored + "\n");
        const ProcessRun run = Razzlewick({"--print", "--style", "Arabian", "--seed", "2"});
        EXPECT_EQ(run.status, 0) << stored;
        EXPECT_EQ(run.out, Generated({"--seed", "2", "Arabian"})) << stored;
        EXPECT_TRUE(
            run.err.starts_with("razzlewick: the count in " + razzlewick::ProfileFile::Folder()))
            << run.err;
        EXPECT_NE(run.err.find("is no number from 1 to 500; printing 1 instead\n"),
                  std::string::npos)
            << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    }
    settings.Set("num", 500);
    const ProcessRun most = Razzlewick({"--print", "--style", "Arabian"});
    EXPECT_EQ(most.err, "");
    EXPECT_EQ(std::count(most.out.begin(), most.out.end(), '\n'), 500);
}

// Fifty insults bring back no word of a list of 100 or more, for 20 seeds and every shipped
// style: the words no other entry of the style contains, looked for in the text.
TEST_F(TerminalRun, FiftyInsultsRepeatNoWordOfALongList)
{
    razzlewick::InsultGenerator engine;
    const std::string path = work / "bin/insltdat.dat";
    ASSERT_TRUE(engine.OpenDataFile(razzlewick::Archive::Mode::Loading, &path).Succeeded());
    for (const auto& [key, style] : engine.Styles()) {
        std::string entries = style.TemplateText();
        for (const auto& entry : style.WordLists()) {
            for (const std::string& word : entry.second.Words())
                entries += '\n' + word;
        }
        std::vector<std::string> words;
        for (const auto& entry : style.WordLists()) {
            for (const std::string& word : entry.second.Words()) {
                if (entry.second.size() >= 100 && entries.find(word) == entries.rfind(word))
                    words.push_back(razzlewick::Windows1252ToUtf8(word));
            }
        }
        for (int seed = 0; seed < 20; ++seed) {
            const std::string out =
                Razzlewick({"--print", "-l1", "-n50", "-S" + std::to_string(seed), "-s" + key}).out;
            for (const std::string& word : words) {
                const size_t first = out.find(word);
                EXPECT_TRUE(first == std::string::npos || out.find(word, first + 1) == out.npos)
                    << key << " seed " << seed << ": " << word;
            }
        }
    }
}

// A settings file of a gigabyte (sparse) is not read: the defaults print, with a line that
// names the file.
TEST_F(TerminalRun, ASettingsFileTooLargeIsNamedAndNotRead)
{
    settings.WriteFile("[settings]\nnum=3\n");
    const std::string path = razzlewick::ProfileFile::Folder() + "Razzlewick.ini";
    ASSERT_EQ(truncate(path.c_str(), off_t{1} << 30), 0);
    const ProcessRun run = Razzlewick({"--print", "--style", "Arabian", "--seed", "2"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, Generated({"--seed", "2", "Arabian"}));
    EXPECT_EQ(run.err, "razzlewick: the settings file " + path +
                           " is larger than 1 MiB, so it is not read: printing with the first "
                           "run's settings\n");
}

// Names in any case, a random style among those the level allows, and the short options.
TEST_F(TerminalRun, StyleNamesForPeopleAndScripts)
{
    const std::string shakespearean = Generated({"--seed", "11", "--count", "2", "Shakespearean"});
    EXPECT_EQ(
        Razzlewick({"--print", "--style", "shakespearean", "--seed", "11", "--count", "2"}).out,
        shakespearean);
    EXPECT_EQ(Razzlewick({"--print", "-s", "SHAKESPEAREAN", "-S", "11", "-n", "2"}).out,
              shakespearean);
    EXPECT_EQ(Razzlewick({"--print", "-sShakespearean", "-S11", "-n2"}).out, shakespearean);

    // At level 0 a random style is one of the two mild ones; the seed makes it repeatable.
    std::set<std::string> picked;
    for (int seed = 0; seed < 12; ++seed) {
        const std::string text =
            Razzlewick({"--print", "--style", "random", "--seed", std::to_string(seed)}).out;
        const bool mild = text == Generated({"--seed", std::to_string(seed), "Arabian"}) ||
                          text == Generated({"--seed", std::to_string(seed), "Shakespearean"});
        EXPECT_TRUE(mild) << seed << ": " << text;
        picked.insert(text.substr(0, 3));
    }
    EXPECT_GT(picked.size(), 1u);
    const ProcessRun chosen =
        Razzlewick({"--print", "--style", "random", "--seed", "4", "--verbose"});
    EXPECT_EQ(chosen.out, Generated({"--seed", "4", chosen.err.substr(25, chosen.err.size() - 26)}))
        << chosen.err;
    EXPECT_TRUE(chosen.err.starts_with("razzlewick: random chose ")) << chosen.err;
}
// Long insults are drawn again until one fits, from the same source, and a limit no insult
// can meet says so. (Lines broken to a terminal's width: tests/e2e/TerminalWidth.sh.)
TEST_F(TerminalRun, InsultsThatFitOrSayThatNoneDoes)
{
    const ProcessRun fitting =
        Razzlewick({"--print", "-s", "Arabian", "-n50", "-S8", "--max-length=100"});
    EXPECT_EQ(fitting.status, 0) << fitting.err;
    // Fifty lines of at most 100 characters (Arabian is ASCII), the same for the same seed.
    EXPECT_TRUE(std::regex_match(fitting.out, std::regex("([^\n]{1,100}\n){50}")));
    EXPECT_EQ(fitting.out,
              Razzlewick({"--print", "-s", "Arabian", "-n50", "-S8", "--max-length=100"}).out);

    const ProcessRun none = Razzlewick({"--print", "-s", "Arabian", "-n50", "--max-length=20"});
    EXPECT_EQ(none.status, 1);
    EXPECT_EQ(none.out, "");
    EXPECT_TRUE(
        none.err.starts_with("razzlewick: no insult of Arabian within 20 characters in "
                             "2000 draws (the shortest had "))
        << none.err;
    EXPECT_TRUE(none.err.ends_with("); printed 0 of 50\n")) << none.err;
}

// A style is named by its key or by the name its tab shows, in any case; a name that could be
// two styles says which.
TEST_F(TerminalRun, StylesByKeyOrNameAndAmbiguityNamesTheCandidates)
{
    WriteUserStyles({{"Corporate Jargon", "Synergy, %0", {{"ye silo"}}, "Corporate"},
                     {"Other", "Oh %0", {{"no"}}, "corporate jargon"}});
    EXPECT_EQ(Razzlewick({"--print", "-s", "CORPORATE"}).out, "Synergy, ye silo.\n");
    const ProcessRun ambiguous = Razzlewick({"--print", "-s", "Corporate JARGON"});
    EXPECT_EQ(ambiguous.status, 2);
    EXPECT_EQ(ambiguous.err,
              "razzlewick: \"Corporate JARGON\" could be more than one style: "
              "Corporate, corporate jargon; give the key as it is written\n");
    EXPECT_NE(
        Razzlewick({"--list-styles", "--verbose"}).out.find("\nCorporate\tCorporate Jargon\t"),
        std::string::npos);
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

// The user's files win over the system's, and the first system folder over the second; a
// file that cannot be read is named with its folder, and a data file holding JSON says how
// to pack it.
TEST_F(TerminalRun, TheUsersTemplateWinsAndFailuresSayWhere)
{
    const auto write = [](const std::string& folder, const std::string& templateText) {
        fs::create_directories(folder);
        ASSERT_TRUE(
            apptest::WriteDataFile(folder + "ship.dat", {{"Pirate", templateText, {{"swab"}}}}));
    };
    write(data.SystemFolder(1), "SECOND ye %0");
    write(data.SystemFolder(0), "FIRST ye %0");
    EXPECT_EQ(Razzlewick({"--print", "-s", "Pirate"}).out, "FIRST ye swab.\n");
    write(data.UserFolder(), "USER ye %0");
    EXPECT_EQ(Razzlewick({"--print", "-s", "Pirate"}).out, "USER ye swab.\n");

    std::ofstream(data.UserFolder() + "oops.dat") << R"({"styles": []})";
    const ProcessRun run = Razzlewick({"--print", "-s", "Pirate"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "razzlewick: " + data.UserFolder() +
                           "oops.dat - Incompatible or corrupted data file. It holds JSON text, "
                           "not packed words: in its folder, rename it to oops.json and run "
                           "\"razzlewick-data pack -o oops.dat oops.json\" (or \"razzlewick-data "
                           "install oops.json\")\n");
}

// Without its data the program finds none: the search report says where it looked, which is
// not the current folder.
TEST_F(TerminalRun, NoDataPrintsTheReportAndExitsOne)
{
    fs::remove(work / "bin/insltdat.dat");
    const ProcessRun run = Razzlewick({"--print"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_TRUE(
        run.err.starts_with("razzlewick: no styles to print from. The data files:\n"
                            "Folders in the order they are read (a style's template comes from "
                            "the last file that holds it):\n"
                            "Program folder: " +
                            work.path() + "bin/\n  no data files\nSystem folder: "))
        << run.err;
}

// A shell started in a folder of someone else's files (a cloned repository, a download) is
// not led by them: a file there that is no data file is not even noticed.
TEST_F(TerminalRun, TheCurrentFolderIsNotRead)
{
    work.WriteFile("telemetry.dat", std::string(5000, '\x9B'));
    const ProcessRun run = Razzlewick({"--print", "--style", "Arabian", "--seed", "4"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, Generated({"--seed", "4", "Arabian"}));
}

// However many files cannot be read, the terminal gets a screenful: twenty, then a count.
TEST_F(TerminalRun, ManyBrokenFilesAreCountedPastTwenty)
{
    for (int i = 100; i < 125; ++i)
        data.WriteFile(data.UserFolder(), "broken" + std::to_string(i) + ".dat", "");
    const std::string last = "broken119.dat - Incompatible or corrupted data file\n";
    const ProcessRun run = Razzlewick({"--print", "--style", "Arabian"});
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 21) << run.err;
    EXPECT_TRUE(run.err.ends_with(last + "razzlewick: and 5 more files\n")) << run.err;
    const ProcessRun check = RunProcess(RAZZLEWICK_DATA_TOOL, {"check"}, work.path());
    EXPECT_NE(check.out.find(last + "  and 5 more files\n"), std::string::npos) << check.out;
    fs::remove(work / "bin/insltdat.dat");
    const ProcessRun none = Razzlewick({"--print"});
    EXPECT_NE(none.err.find(last + "  and 5 more files\nNo data files"), std::string::npos)
        << none.err;
}

// A script keeps, lists and prints favourites; a tab stays within its field, the style is
// the data's own spelling, and a damaged line costs that line and one warning.
TEST_F(TerminalRun, FavouritesKeptListedAndPrinted)
{
    ASSERT_EQ(Razzlewick({"--keep", "Thou art a\tfool", "--style", "shakespearean"}).status, 0);
    ASSERT_EQ(Razzlewick({"--keep", " Thou art a\tfool ", "--style", "Arabian"}).status, 0);
    const ProcessRun kept = Razzlewick({"--keep", "Caf\xc3\xa9 owner!", "--style", "Modern"});
    ASSERT_EQ(kept.status, 0) << kept.err;
    EXPECT_EQ(kept.out + kept.err, "");
    EXPECT_EQ(Razzlewick({"--keep", "x", "--style", "Nonesuch"}).status, 2);

    const ProcessRun verbose = Razzlewick({"--favourites", "--verbose"});
    EXPECT_EQ(verbose.status, 0) << verbose.err;
    const std::string date = verbose.out.substr(0, 10);
    EXPECT_EQ(verbose.out, date + "\tModern\tCaf\xc3\xa9 owner!\n" + date +
                               "\tShakespearean\tThou art a\\tfool\n");
    EXPECT_EQ(Razzlewick({"--favourites", "-n", "1"}).out, "Caf\xc3\xa9 owner!\n");
    EXPECT_EQ(Razzlewick({"--print", "--favourite", "-s", "SHAKESPEAREAN"}).out,
              "Thou art a\\tfool\n");
    const ProcessRun none = Razzlewick({"--print", "--favourite", "-s", "Arabian"});
    EXPECT_EQ(none.status, 1);
    EXPECT_EQ(std::count(none.err.begin(), none.err.end(), '\n'), 1) << none.err;

    const std::string file = data.UserFolder() + "favourites.txt";
    std::ofstream(file, std::ios::app) << "garbage in the middle\n2026-01-02 [Arabian] last\n";
    const ProcessRun damaged = Razzlewick({"--favourites"});
    EXPECT_EQ(damaged.status, 0);
    EXPECT_EQ(damaged.out, "Caf\xc3\xa9 owner!\nThou art a\\tfool\nlast\n");
    const std::string warning = "razzlewick: warning: " + file +
                                " line 5: no date (YYYY-MM-DD) at its start; the line is skipped\n";
    EXPECT_EQ(damaged.err, warning);
    const ProcessRun picked = Razzlewick({"--print", "--favourite", "-s", "arabian"});
    EXPECT_EQ(picked.status, 0);
    EXPECT_EQ(picked.out + picked.err, "last\n" + warning);
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

// In-process, with the program's own window opener: from this test's folder, beside the
// shipped data; with no display, so that no window library is ever loaded.
TEST_P(TerminalCommandLine, AnswersWithoutAWindow)
{
    const apptest::TempSettings settings;
    const ScopedDataFolders data;
    std::ostringstream out;
    std::ostringstream err;
    const int status = razzlewick::RunCommandLine(
        GetParam().args, out, err, [&err](const razzlewick::Arguments& arguments) {
            if (razzlewick::NoDisplayReason(arguments, razzlewick::ProcessDisplayEnvironment())
                    .empty()) {
                ADD_FAILURE() << "a window would open";
                return -1;
            }
            return razzlewick::OpenWindow(0, nullptr, arguments, err);
        });
    EXPECT_EQ(status, GetParam().status);
    EXPECT_TRUE(out.str().starts_with(GetParam().outStart)) << out.str();
    EXPECT_TRUE(err.str().starts_with(GetParam().errStart)) << err.str();
}

INSTANTIATE_TEST_SUITE_P(
    Razzlewick, TerminalCommandLine,
    testing::Values(
        CommandLine{"Version", {"--version"}, 0, "razzlewick " RAZZLEWICK_VERSION "\n", ""},
        CommandLine{"Help", {"--help"}, 0, "Usage: razzlewick [", ""},
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
            "EmptySeed", {"--print", "--seed="}, 2, "", "razzlewick: option --seed needs a value"},
        CommandLine{"EmptyCount",
                    {"--print", "--count="},
                    2,
                    "",
                    "razzlewick: option --count needs a value"},
        CommandLine{
            "EmptyStyle", {"--print", "-s", ""}, 2, "", "razzlewick: option -s needs a value"},
        CommandLine{"LevelTwo",
                    {"--print", "-l", "2"},
                    2,
                    "",
                    "razzlewick: option --level expects a whole number from 0 to 1"},
        CommandLine{
            "SeedWithoutPrint", {"--seed", "1"}, 2, "", "razzlewick: --seed goes with --print"},
        CommandLine{"TwoAnswers", {"--print", "--version"}, 2, "", "razzlewick: --print, "},
        CommandLine{"ShortWithMaxLength",
                    {"--print", "--short", "--max-length", "60"},
                    2,
                    "",
                    "razzlewick: --short and --max-length go alone"},
        CommandLine{"StrayWord", {"--print", "Arabian"}, 2, "", "razzlewick: unexpected argument"},
        CommandLine{"ToolkitOptionWithPrint",
                    {"--print", "-style", "Arabian"},
                    2,
                    "",
                    "razzlewick: -style is an option of the window"},
        // Nothing the program does not know reaches the window, display or not.
        CommandLine{"MisspeltOption",
                    {"--pirnt"},
                    2,
                    "",
                    "razzlewick: unknown option --pirnt\nUsage: razzlewick ["},
        CommandLine{"UnknownShortOption", {"-p"}, 2, "", "razzlewick: unknown option -p\n"},
        CommandLine{"NoDisplay", {}, 1, "", kNoDisplay},
        CommandLine{"NoDisplayWithAToolkitOption", {"-reverse"}, 1, "", kNoDisplay},
        CommandLine{
            "CountOfFive", {"--print", "--style", "Arabian", "--count", "5"}, 0, "May ", ""},
        CommandLine{"FavouriteWithoutPrint",
                    {"--favourite"},
                    2,
                    "",
                    "razzlewick: --favourite goes with --print\n"},
        CommandLine{"FavouriteWithCount",
                    {"--print", "--favourite", "-n", "2"},
                    2,
                    "",
                    "razzlewick: --count does not go with --favourite\n"},
        CommandLine{"KeepAndList",
                    {"--keep", "x", "--favourites"},
                    2,
                    "",
                    "razzlewick: --print --favourite, --favourites and --keep go alone\n"},
        CommandLine{"KeepOfARandomStyle",
                    {"--keep", "x", "-s", "random"},
                    2,
                    "",
                    "razzlewick: --keep needs the name of the insult's style"},
        CommandLine{"NoFavouritesYet",
                    {"--print", "--favourite"},
                    1,
                    "",
                    "razzlewick: no favourites kept yet in "}),
    [](const testing::TestParamInfo<CommandLine>& info) { return std::string(info.param.name); });

// A display that is named but not there: the toolkit's fatal error becomes one line and exit
// status 1, never an abort; a misspelt option is refused before any window is tried.
TEST(WindowWithoutAServer, SaysSoAndExitsOne)
{
    const apptest::TempSettings settings;
    const TempFolder work;
    const ScopedEnvironment platform("QT_QPA_PLATFORM", std::nullopt);
    const ScopedEnvironment wayland("WAYLAND_DISPLAY", std::nullopt);
    const ScopedEnvironment display("DISPLAY", ":173");
    const ProcessRun run = RunProcess(RAZZLEWICK_PROGRAM, {}, work.path());
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.starts_with("razzlewick: cannot open a window: ")) << run.err;
    EXPECT_NE(run.err.find(":173"), std::string::npos) << run.err;
    EXPECT_TRUE(run.err.ends_with(". razzlewick --print prints insults on the terminal.\n"))
        << run.err;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;

    const ProcessRun misspelt = RunProcess(RAZZLEWICK_PROGRAM, {"--pirnt"}, work.path());
    EXPECT_EQ(misspelt.status, 2);
    EXPECT_TRUE(misspelt.err.starts_with("razzlewick: unknown option --pirnt\n")) << misspelt.err;

    // A copy without the window library beside it says what the loader said.
    const ProcessRun alone =
        RunProcess(CopyWithItsData(RAZZLEWICK_PROGRAM, work / "bin"), {}, work.path());
    EXPECT_EQ(alone.status, 1);
    EXPECT_TRUE(alone.err.starts_with("razzlewick: cannot open a window: " + work.path() +
                                      "bin/window/razzlewick-window.so: "))
        << alone.err;
}

}  // namespace
