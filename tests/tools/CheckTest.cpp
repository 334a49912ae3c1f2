#include "tests/support/DataFileWriter.h"
#include "tests/support/DataFolders.h"
#include "tests/tools/ToolProcess.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const std::string kGoodJson =
    R"({"styles": [{"key": "Modern", "template": "t %0", "lists": [{"number": 0, "words": ["x"]}]}]})";
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

TEST(DataToolCheck, AFileOfJsonTextGetsTheHintToPackIt)
{
    const TempFolder folder;
    folder.WriteFile("mine.dat", "\xEF\xBB\xBF  " + kGoodJson);
    const ToolRun run = RunTool({"check", "mine.dat"}, folder.path());
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out,
              "mine.dat - Incompatible or corrupted data file. It holds JSON text, not packed "
              "words: in its folder, rename it to mine.json and run \"razzlewick-data pack -o "
              "mine.dat mine.json\" (or \"razzlewick-data install mine.json\")\n" +
                  kClosing);
    EXPECT_EQ(run.err, "");

    // A source keeps its name: the data file is made beside it.
    folder.WriteFile("mine.json", kGoodJson);
    EXPECT_EQ(RunTool({"check", "mine.json"}, folder.path()).out,
              "mine.json - Incompatible or corrupted data file. It is a JSON source, not a data "
              "file: in its folder, run \"razzlewick-data pack -o mine.dat mine.json\" (or "
              "\"razzlewick-data install mine.json\")\n" +
                  kClosing);
}

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

// Without files the tool searches as the program does: its own folder, the current one,
// then the user's and the system's data folders. A copy of the tool in a scratch folder
// makes its own folder controllable.
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

    // The heading and lines of the folders after the first two, when none of them is there.
    std::string NoDataFolders() const
    {
        return "System folder: " + data.SystemFolder(1) +
               "\n  not there\nSystem folder: " + data.SystemFolder(0) +
               "\n  not there\nYour styles folder: " + data.UserFolder() + "\n  not there\n";
    }

    ScopedDataFolders data;
    TempFolder folder;
    fs::path tool = folder / "bin/razzlewick-data";
};

// The first line of a search report.
constexpr std::string_view kOrderHeading =
    "Folders in the order they are read (a style's template comes from the last file that "
    "holds it):\n";

// Once a list of file lines; the search is now reported folder by folder, each folder's
// files in name order, the desktop's folders from the least important to the user's own.
TEST_F(CheckSearch, ProgramFolderFirstThenCurrentFolderThenTheDataFolders)
{
    fs::copy_file(folder / "good.dat", folder / "bin/first.DAT");
    fs::copy_file(folder / "good.dat", folder / "work/second.dat");
    fs::copy_file(folder / "good.dat", folder / "work/First.dat");
    data.WriteFile(data.SystemFolder(1), "shared.dat", folder.ReadFile("good.dat"));
    const ToolRun run = RunTool({"check"}, folder / "work", tool);
    EXPECT_EQ(run.out, std::string(kOrderHeading) + "Program folder: " + folder.path() +
                           "bin/\n  first.DAT - Succeeded\n"
                           "Current folder: " +
                           folder.path() +
                           "work/\n  First.dat - Succeeded\n  second.dat - Succeeded\n"
                           "System folder: " +
                           data.SystemFolder(1) +
                           "\n  shared.dat - Succeeded\nSystem folder: " + data.SystemFolder(0) +
                           "\n  not there\nYour styles folder: " + data.UserFolder() +
                           "\n  not there\n");
    EXPECT_EQ(run.status, 0);

    const ToolRun styles = RunTool({"styles"}, folder / "work", tool);
    EXPECT_EQ(styles.out, "Modern\t0 combinations available\n");
    EXPECT_EQ(styles.status, 0);
}

// Once the whole output; the long text now closes the folder-by-folder report.
TEST_F(CheckSearch, NothingFoundShowsTheLongTextAsLines)
{
    const ToolRun run = RunTool({"check"}, folder / "work", tool);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out,
              std::string(kOrderHeading) + "Program folder: " + folder.path() +
                  "bin/\n  no data files\nCurrent folder: " + folder.path() +
                  "work/\n  no data files\n" + NoDataFolders() +
                  "No data files were found!\n\nIf you got Razzlewick via an email and were only "
                  "sent Razzlewick.exe then complain to whoever sent it to you and visit the "
                  "Razzlewick web site (click the \"About\" button for details).  You should have "
                  "received razzlewick.zip which contains at least one data file.\n\nPlease note "
                  "that Razzlewick searches for data files in the same folder as razzlewick.exe "
                  "resides in and then the current folder.\n");
}

// A style whose words were written by hand, with the faults a packer would have caught.
TEST_F(CheckSearch, WarnsOnceAboutEachFileEvenWhenTheFolderIsReadTwice)
{
    folder.WriteFile("bin/hand.dat", DataFileWriter()
                                         .Version()
                                         .Int32(1)
                                         .Style("Modern", "Modern", "You %0!", 1)
                                         .List(0, {"oaf", "OAF", "big  lout"})
                                         .bytes());
    const ToolRun run = RunTool({"check"}, folder / "bin", tool);
    EXPECT_EQ(run.status, 0);
    const std::string file = folder.path() + "bin/hand.dat";
    EXPECT_EQ(run.err, "razzlewick-data: warning: " + file +
                           ": style \"Modern\", list 0: dropped duplicate word \"OAF\" (the list "
                           "holds \"oaf\")\n"
                           "razzlewick-data: warning: " +
                           file +
                           ": style \"Modern\", list 0, word \"big  lout\": two blanks in a row\n"
                           "razzlewick-data: warning: " +
                           file +
                           ": style \"Modern\": the template ends in \"!\", and the program adds a "
                           "full stop after it\n");

    const ToolRun strict = RunTool({"check", "--strict"}, folder / "bin", tool);
    EXPECT_EQ(strict.status, 1);
    EXPECT_EQ(strict.out, run.out);
    EXPECT_NE(strict.err.find("razzlewick-data: error: "), std::string::npos) << strict.err;
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
