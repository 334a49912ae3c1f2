#include "tests/tools/ToolProcess.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const std::string kGoodJson = R"({"styles": [{"key": "Modern", "template": "t"}]})";
const std::string kClosing = "No data files were successfully loaded.  Cannot continue\n";

struct CheckCase {
    const char* name;
    std::vector<std::string> files;
    std::string report;
    int status;
};

// Names the row instead of dumping its bytes.
void PrintTo(const CheckCase& row, std::ostream* out)
{
    *out << row.name;
}

class CheckReport : public testing::TestWithParam<CheckCase> {};

TEST_P(CheckReport, LinesAndStatus)
{
    const TempFolder folder;
    folder.WriteFile("good.json", kGoodJson);
    ASSERT_EQ(RunTool({"pack", "-o", "good.dat", "good.json"}, folder.path()).status, 0);
    folder.WriteFile("old.dat", std::string("\x00\x00\x40\x40", 4));
    folder.WriteFile("cut.dat", folder.ReadFile("good.dat").substr(0, 12));
    fs::create_directory(folder / "dir.dat");

    std::vector<std::string> args{"check"};
    args.insert(args.end(), GetParam().files.begin(), GetParam().files.end());
    const ToolRun run = RunTool(args, folder.path());
    EXPECT_EQ(run.out, GetParam().report);
    EXPECT_EQ(run.status, GetParam().status);
    EXPECT_EQ(run.err, "");
}

INSTANTIATE_TEST_SUITE_P(
    DataTool, CheckReport,
    testing::Values(
        CheckCase{"GoodFile", {"good.dat"}, "good.dat - Succeeded\n", 0},
        CheckCase{"SameFileTwice",
                  {"good.dat", "./good.dat"},
                  "good.dat - Succeeded\n./good.dat - Succeeded\n",
                  0},
        CheckCase{"WrongVersion",
                  {"old.dat"},
                  "old.dat - Incompatible or corrupted data file\n" + kClosing,
                  1},
        CheckCase{"BrokenOff",
                  {"cut.dat"},
                  "cut.dat - Incompatible or corrupted data file\n" + kClosing,
                  1},
        CheckCase{"MissingFile",
                  {"missing.dat"},
                  "missing.dat - missing.dat was not found.\n" + kClosing,
                  1},
        CheckCase{"Folder", {"dir.dat"}, "dir.dat - Access to dir.dat was denied.\n" + kClosing, 1},
        CheckCase{"GoodAndBad",
                  {"good.dat", "old.dat"},
                  "good.dat - Succeeded\nold.dat - Incompatible or corrupted data file\n",
                  1}),
    [](const testing::TestParamInfo<CheckCase>& info) { return std::string(info.param.name); });

TEST(DataToolCheck, AFifoOrADeviceIsDeniedAtOnceAndTheNextFileStillLoads)
{
    const TempFolder folder;
    folder.WriteFile("good.json", kGoodJson);
    ASSERT_EQ(RunTool({"pack", "-o", "good.dat", "good.json"}, folder.path()).status, 0);
    ASSERT_EQ(::mkfifo((folder / "pipe.dat").c_str(), 0600), 0);
    fs::create_symlink("/dev/zero", folder / "zero.dat");

    // A tool that waited on the FIFO would be ended by RunTool's alarm: status -1.
    const ToolRun run = RunTool({"check", "pipe.dat", "zero.dat", "good.dat"}, folder.path());
    EXPECT_EQ(run.out,
              "pipe.dat - Access to pipe.dat was denied.\n"
              "zero.dat - Access to zero.dat was denied.\n"
              "good.dat - Succeeded\n");
    EXPECT_EQ(run.status, 1);
}

// Without files the tool searches as the program does: its own folder, then the current
// one. A copy of the tool in a scratch folder makes its own folder controllable.
class CheckSearch : public testing::Test {
protected:
    void SetUp() override
    {
        fs::create_directory(folder / "bin");
        fs::create_directory(folder / "work");
        fs::copy_file(RAZZLEWICK_DATA_TOOL, tool);
        folder.WriteFile("good.json", kGoodJson);
        ASSERT_EQ(RunTool({"pack", "-o", "good.dat", "good.json"}, folder.path()).status, 0);
    }

    TempFolder folder;
    fs::path tool = folder / "bin/razzlewick-data";
};

TEST_F(CheckSearch, ProgramFolderFirstThenCurrentFolder)
{
    fs::copy_file(folder / "good.dat", folder / "bin/first.DAT");
    fs::copy_file(folder / "good.dat", folder / "work/second.dat");
    const ToolRun run = RunTool({"check"}, folder / "work", tool);
    EXPECT_EQ(run.out, "first.DAT - Succeeded\nsecond.dat - Succeeded\n");
    EXPECT_EQ(run.status, 0);

    const ToolRun styles = RunTool({"styles"}, folder / "work", tool);
    EXPECT_EQ(styles.out, "Modern\t0 combinations available\n");
    EXPECT_EQ(styles.status, 0);
}

TEST_F(CheckSearch, NothingFoundShowsTheLongTextAsLines)
{
    const ToolRun run = RunTool({"check"}, folder / "work", tool);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out,
              "No data files were found!\n\nIf you got Razzlewick via an email and were only sent "
              "Razzlewick.exe then "
              "complain to whoever sent it to you and visit the Razzlewick web site (click the "
              "\"About\" button for "
              "details).  You should have received razzlewick.zip which contains at least one data "
              "file.\n\nPlease "
              "note that Razzlewick searches for data files in the same folder as razzlewick.exe "
              "resides in and then "
              "the current folder.\n");
}

TEST(DataToolStyles, KeysInByteOrderWithCombinationLabels)
{
    std::string words;
    for (int i = 0; i < 143; ++i)
        words += (i ? ",\"w" : "\"w") + std::to_string(i) + "\"";
    const TempFolder folder;
    folder.WriteFile("big.json", R"({"styles": [{"key": "big", "template": "%0 %1", "lists": [
        {"number": 0, "words": ["a", "b", "c", "d", "e", "f", "g"]}, {"number": 1, "words": [)" +
                                     words + "]}]}]}");
    ASSERT_EQ(RunTool({"pack", "-o", "big.dat", "big.json"}, folder.path()).status, 0);
    ASSERT_EQ(RunTool({"pack", "-o", "golden.dat", RAZZLEWICK_TOOL_FIXTURES "/golden.json"},
                      folder.path())
                  .status,
              0);
    folder.WriteFile("old.dat", std::string("\x00\x00\x40\x40", 4));

    const ToolRun run = RunTool({"styles", "golden.dat", "big.dat", "old.dat"}, folder.path());
    EXPECT_EQ(run.out,
              "Gaps\t5 combinations available\n"
              "Order\t29 combinations available\n"
              "big\t1,000 combinations available\n");
    EXPECT_EQ(run.err, "old.dat - Incompatible or corrupted data file\n");
    EXPECT_EQ(run.status, 1);
}

}  // namespace
