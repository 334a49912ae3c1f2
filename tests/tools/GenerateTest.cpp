#include "tests/support/DataFileWriter.h"
#include "tests/tools/ToolProcess.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

using namespace razzlewick;

namespace {

class DataToolGenerate : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(RunTool({"pack", "-o", "golden.dat", RAZZLEWICK_TOOL_FIXTURES "/golden.json"},
                          folder.path())
                      .status,
                  0);
    }

    ToolRun Generate(std::vector<std::string> args)
    {
        args.insert(args.begin(), "generate");
        return RunTool(args, folder.path());
    }

    TempFolder folder;
};

// Worked out by hand from the generator (state = state * 214013 + 2531011, draw =
// (state >> 16) & 0x7FFF, word = draw mod size): seed 12345, lists 0, 1, 2 drawn in that
// order for each insult, two batches of three.
TEST_F(DataToolGenerate, SeededOutputMatchesTheGenerator)
{
    const ToolRun run =
        Generate({"--seed", "12345", "--count", "3", "--batches", "2", "Order", "golden.dat"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out,
              "Thou pink ant lout.\r\nThou grey ant lout.\r\nThou grey ant oaf.\r\n"
              "Thou pink bee oaf.\r\nThou blue bee oaf.\r\nThou tan ant oaf.\r\n");
}

// Two lists (0 and 2): %1 has no list and becomes "????", %2 is beyond the list count
// and stays, list 2 is never drawn from; caps 0 lowers the template's "Thou".
TEST_F(DataToolGenerate, GapsAndLowerCase)
{
    const ToolRun run = Generate({"--seed=8", "--count=3", "--caps=0", "Gaps", "golden.dat"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out,
              "thou knave, ???? and %2 and knave.\r\n"
              "thou fool, ???? and %2 and fool.\r\n"
              "thou churl, ???? and %2 and churl.\r\n");
}

// Insults that could not be written are lost, which the exit status must say.
TEST_F(DataToolGenerate, OutputThatCannotBeWrittenIsAFailure)
{
    const ToolRun run =
        RunProcess(RAZZLEWICK_DATA_TOOL, {"generate", "--seed", "1", "Order", "golden.dat"},
                   folder.path(), "/dev/full");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "razzlewick-data generate: cannot write to standard output\n");
}

// Without --seed every run starts somewhere new, even many runs in one second.
TEST_F(DataToolGenerate, EveryRunWithoutASeedIsFresh)
{
    std::set<std::string> batches;
    for (int run = 0; run < 5; ++run)
        batches.insert(Generate({"--count", "30", "Order", "golden.dat"}).out);
    EXPECT_EQ(batches.size(), 5u);
}

TEST_F(DataToolGenerate, ZeroOrNegativeCountWritesNothing)
{
    for (const char* count : {"0", "-4"}) {
        const ToolRun run = Generate({"--count", count, "--batches", "3", "Order", "golden.dat"});
        EXPECT_EQ(run.status, 0) << count;
        EXPECT_EQ(run.out, "") << count;
    }
}

// A style is named as the terminal names it; one that names none lists the styles.
TEST_F(DataToolGenerate, AStyleInAnyCaseOrAnUnknownOneNamingTheStyles)
{
    EXPECT_EQ(Generate({"--seed", "1", "oRDER", "golden.dat"}).out,
              Generate({"--seed", "1", "Order", "golden.dat"}).out);
    for (const char* style : {"Orders", "Ord\xE4\xB8\xAD"}) {
        const ToolRun run = Generate({"--seed", "1", style, "golden.dat"});
        EXPECT_EQ(run.status, 1) << style;
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, "razzlewick-data generate: no style \"" + std::string(style) +
                               "\"; the styles are: Gaps, Order\n");
    }
}

// Keys given in UTF-8 are looked up as Windows-1252, and the text is written as UTF-8
// unless --raw asks for the engine's bytes.
TEST_F(DataToolGenerate, RawBytesOrUtf8)
{
    folder.WriteFile("cafe.json", R"({"styles": [{"key": "Caf\u00e9", "template": "\u00e7a %0",
        "lists": [{"number": 0, "words": ["\u20acuro"]}]}]})");
    ASSERT_EQ(RunTool({"pack", "-o", "cafe.dat", "cafe.json"}, folder.path()).status, 0);

    const ToolRun utf8 = Generate({"--count", "2", "Caf\xC3\xA9", "cafe.dat"});
    EXPECT_EQ(utf8.status, 0) << utf8.err;
    EXPECT_EQ(utf8.out,
              "\xC3\xA7"
              "a \xE2\x82\xAC"
              "uro.\r\n\xC3\xA7"
              "a \xE2\x82\xAC"
              "uro.\r\n");

    const ToolRun raw = Generate({"--raw", "--count", "2", "Caf\xC3\xA9", "cafe.dat"});
    EXPECT_EQ(raw.status, 0) << raw.err;
    EXPECT_EQ(raw.out,
              "\xE7"
              "a \x80"
              "uro.\r\n\xE7"
              "a \x80"
              "uro.\r\n");
}

TEST_F(DataToolGenerate, FailedFileStillGeneratesButReportsIt)
{
    const ToolRun run = Generate({"--seed", "12345", "Order", "golden.dat", "missing.dat"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "Thou pink ant lout.\r\n");
    EXPECT_EQ(run.err, "missing.dat - missing.dat was not found.\n");
}

// A style of 50,000 empty lists at the largest count: the tool finishes and prints every
// insult instead of dying for want of memory.
TEST_F(DataToolGenerate, ManyEmptyListsAtTheLargestCount)
{
    DataFileWriter file;
    file.Version().Int32(1).String("Empty").String("Empty").String("Thou %0 art").Int32(50000);
    for (int32_t k = 0; k < 50000; ++k) {
        file.Int32(k).Int32(0);
    }
    folder.WriteFile("empty.dat", file.bytes());
    const ToolRun run = Generate({"--count", "32767", "--batches", "2", "Empty", "empty.dat"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 2 * 32767);
    EXPECT_EQ(run.out.substr(0, 24), "Thou  art.\r\nThou  art.\r\n");
}

}  // namespace
