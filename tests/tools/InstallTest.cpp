#include "tests/support/DataFolders.h"
#include "tests/tools/ToolProcess.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const std::string kPirate = R"({"styles": [{"key": "Pirate", "template": "Arr, ye %0",
    "lists": [{"number": 0, "words": ["bilge rat", "landlubber"]}]}]})";
std::string ReadWhole(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

const std::string kOffered =
    "Razzlewick now offers: Arabian, Mediterranean, Modern, Pirate, Shakespearean\n";

// The user's folder and the system's are the test's own; the tool's folder holds a copy of
// the shipped data.
class DataToolInstall : public testing::Test {
protected:
    void SetUp() override { work.WriteFile("pirate.json", kPirate); }

    ToolRun Run(const std::vector<std::string>& args) const
    {
        return RunTool(args, work.path(), tool);
    }

    ScopedDataFolders data;
    TempFolder work;
    const fs::path tool = CopyWithItsData(RAZZLEWICK_DATA_TOOL, work / "bin");
};

TEST_F(DataToolInstall, InstallThenCheckThenUninstall)
{
    const ToolRun installed = Run({"install", "pirate.json"});
    EXPECT_EQ(installed.status, 0) << installed.err;
    EXPECT_EQ(installed.out,
              "Installed " + data.UserFolder() + "pirate.dat (styles: Pirate)\n" + kOffered);
    struct stat info {};
    ASSERT_EQ(::stat(data.UserFolder().c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);

    const ToolRun checked = Run({"check"});
    EXPECT_EQ(checked.status, 0);
    EXPECT_NE(checked.out.find("Your styles folder: " + data.UserFolder() +
                               "\n  pirate.dat - Succeeded\n"),
              std::string::npos)
        << checked.out;
    EXPECT_EQ(Run({"generate", "--seed", "1", "Pirate"}).out, "Arr, ye landlubber.\r\n");

    // The same name again is refused, in any case, until --force.
    work.WriteFile("PIRATE.json", kPirate);
    const ToolRun again = Run({"install", "PIRATE.json"});
    EXPECT_EQ(again.status, 1);
    EXPECT_EQ(again.err, "razzlewick-data install: " + data.UserFolder() +
                             "pirate.dat already exists; give --force to replace it (nothing was "
                             "installed)\n");
    EXPECT_EQ(Run({"install", "--force", "PIRATE.json"}).status, 0);
    EXPECT_EQ(fs::exists(data.UserFolder() + "PIRATE.dat"), false);

    const ToolRun removed = Run({"uninstall", "Pirate"});
    EXPECT_EQ(removed.status, 0) << removed.err;
    EXPECT_EQ(removed.out, "Removed " + data.UserFolder() +
                               "pirate.dat\n"
                               "Razzlewick now offers: Arabian, Mediterranean, Modern, "
                               "Shakespearean\n");
    EXPECT_TRUE(fs::is_empty(data.UserFolder()));
    const ToolRun missing = Run({"uninstall", "pirate.dat"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err, "razzlewick-data uninstall: no pirate.dat in " + data.UserFolder() +
                               " (installed: none)\n");
}

TEST_F(DataToolInstall, ADataFileIsCopiedByteForByte)
{
    ASSERT_EQ(Run({"pack", "-o", "mine.dat", "pirate.json"}).status, 0);
    const ToolRun installed = Run({"install", "mine.dat"});
    EXPECT_EQ(installed.status, 0) << installed.err;
    EXPECT_EQ(installed.out,
              "Installed " + data.UserFolder() + "mine.dat (styles: Pirate)\n" + kOffered);
    EXPECT_EQ(work.ReadFile("mine.dat"), ReadWhole(data.UserFolder() + "mine.dat"));
}

// Nothing is written, not even the folder, when any file is no good.
TEST_F(DataToolInstall, ABadFileLeavesNothingBehind)
{
    work.WriteFile("broken.json", R"({"styles": [{"key": "X", "template": )");
    const ToolRun broken = Run({"install", "pirate.json", "broken.json"});
    EXPECT_EQ(broken.status, 2);
    EXPECT_NE(broken.err.find("broken.json:1:"), std::string::npos) << broken.err;

    work.WriteFile("json.dat", kPirate);
    const ToolRun json = Run({"install", "pirate.json", "json.dat"});
    EXPECT_EQ(json.status, 1);
    EXPECT_EQ(json.err,
              "razzlewick-data: hint: json.dat holds JSON text, not packed words: rename it to "
              "json.json and run \"razzlewick-data pack -o json.dat json.json\" (or "
              "\"razzlewick-data install json.json\")\n"
              "razzlewick-data install: json.dat: Incompatible or corrupted data file\n");

    const ToolRun twice = Run({"install", "pirate.json", "./pirate.json"});
    EXPECT_EQ(twice.status, 2);
    EXPECT_FALSE(fs::exists(data.UserFolder()));
}

TEST_F(DataToolInstall, AUserFolderThatIsAFileIsReported)
{
    std::ofstream(data.UserFolder().substr(0, data.UserFolder().size() - 1)) << "a file";
    const ToolRun run = Run({"install", "pirate.json"});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.starts_with("razzlewick-data install: cannot create " + data.UserFolder()))
        << run.err;
}

}  // namespace
