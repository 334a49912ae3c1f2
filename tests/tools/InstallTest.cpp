#include "tests/tools/ToolProcess.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

namespace fs = std::filesystem;

namespace {

const std::string kPirate = R"({"styles": [{"key": "Pirate", "template": "Arr, ye %0",
    "lists": [{"number": 0, "words": ["bilge rat", "landlubber"]}]}]})";

const std::string kOffered =
    "Razzlewick now offers: Arabian, Mediterranean, Modern, Pirate, Shakespearean\n"
    "A Razzlewick window that is open shows this after Reload in Help > Data files...\n";

// The user's folder and the system's are the test's own; the tool's folder holds a copy of
// the shipped data.
class DataToolInstall : public ToolInWorkFolder {
protected:
    void SetUp() override { work.WriteFile("pirate.json", kPirate); }
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
                               "Shakespearean\nA Razzlewick window that is open shows this "
                               "after Reload in Help > Data files...\n");
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
    EXPECT_EQ(work.ReadFile("mine.dat"), ReadWholeFile(data.UserFolder() + "mine.dat"));
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
              "razzlewick-data install: json.dat: Incompatible or corrupted data file. It holds "
              "JSON text, not packed words: in its folder, rename it to json.json and run "
              "\"razzlewick-data pack -o json.dat json.json\" (or \"razzlewick-data install "
              "json.json\")\n");

    const ToolRun twice = Run({"install", "pirate.json", "./pirate.json"});
    EXPECT_EQ(twice.status, 2);
    EXPECT_FALSE(fs::exists(data.UserFolder()));
}

// Two installs of one name at the same moment: whichever comes second finds the name taken,
// however late, and only --force would replace it.
TEST_F(DataToolInstall, OfTwoInstallsOfOneNameAtOnceExactlyOneSucceeds)
{
    for (int pair = 0; pair < 30; ++pair) {
        SCOPED_TRACE(pair);
        fs::remove_all(data.UserFolder());
        ToolRun first;
        ToolRun second;
        std::thread other([&] { second = Run({"install", "pirate.json"}); });
        first = Run({"install", "pirate.json"});
        other.join();
        EXPECT_EQ((first.status == 0 ? 1 : 0) + (second.status == 0 ? 1 : 0), 1)
            << first.err << second.err;
        for (const ToolRun* run : {&first, &second}) {
            if (run->status != 0) {
                EXPECT_EQ(run->status, 1);
                EXPECT_NE(run->err.find("pirate.dat already exists; give --force to replace it"),
                          std::string::npos)
                    << run->err;
            }
        }
        // Nothing but the one file: no temporary is left behind.
        std::vector<std::string> entries;
        for (const fs::directory_entry& entry : fs::directory_iterator(data.UserFolder()))
            entries.push_back(entry.path().filename());
        EXPECT_EQ(entries, std::vector<std::string>{"pirate.dat"});
    }
}

// The temporary a file is written to first must fit the file system's name limit too.
TEST_F(DataToolInstall, TheLongestNamesInstall)
{
    for (const size_t length : {243, 255}) {
        const std::string name = std::string(length - 4, 'p') + ".dat";
        ASSERT_EQ(Run({"pack", "-o", name, "pirate.json"}).status, 0);
        // --force: the file of the other length holds the same style, so it would be replaced.
        const ToolRun installed = Run({"install", "--force", name});
        EXPECT_EQ(installed.status, 0) << installed.err;
        EXPECT_EQ(ReadWholeFile(data.UserFolder() + name), work.ReadFile(name)) << length;
    }
}

// A device never ends and a huge file is no vocabulary: pack, install and check refuse both
// at once, by name, instead of reading until memory runs out.
TEST_F(DataToolInstall, SourcesThatAreNoFilesOrTooLargeAreRefused)
{
    {
        std::ofstream large(work / "large.json");
        large << kPirate;
    }
    fs::resize_file(work / "large.json", (uint64_t{64} << 20) + 1);  // sparse: costs nothing
    fs::copy_file(work / "large.json", work / "large.dat");
    struct Row {
        std::vector<std::string> args;
        std::string err;
    };
    const std::string tooLarge = "larger than 64 MiB, the most a source may hold";
    const std::string noFile = "not a regular file; sources are read from files only";
    for (const Row& row : {Row{{"pack", "-o", "x.dat", "/dev/zero"}, "/dev/zero: " + noFile},
                           Row{{"install", "/dev/zero"}, "/dev/zero: " + noFile},
                           Row{{"pack", "-o", "x.dat", "large.json"}, "large.json: " + tooLarge},
                           Row{{"install", "large.json"}, "large.json: " + tooLarge},
                           Row{{"install", "large.dat"}, "large.dat: " + tooLarge}}) {
        const ToolRun run = Run(row.args);
        EXPECT_EQ(run.status, 2) << row.args[1];
        EXPECT_EQ(run.err, "razzlewick-data " + row.args[0] + ": " + row.err + "\n");
    }
    const ToolRun checked = Run({"check", "large.dat"});
    EXPECT_EQ(checked.status, 1);
    EXPECT_EQ(checked.out, "large.dat - " + tooLarge +
                               "; not read\n"
                               "No data files were successfully loaded.  Cannot continue\n");
    EXPECT_FALSE(fs::exists(work / "x.dat"));
    EXPECT_FALSE(fs::exists(data.UserFolder()));
}

// A file that adds to a shipped style is judged as the program will hold it, with the
// shipped lists; not with the file it replaces, whose lists will be gone.
TEST_F(DataToolInstall, AFileIsJudgedWithTheDataItJoinsButNotWithTheFileItReplaces)
{
    work.WriteFile("more.json", R"({"styles": [{"key": "Shakespearean", "template": "Thou %0",
        "lists": [{"number": 1, "words": ["a sonnet nobody asked for"]}]}]})");
    const ToolRun extended = Run({"install", "more.json"});
    EXPECT_EQ(extended.status, 0);
    EXPECT_EQ(extended.err, "");
    const ToolRun checked = Run({"check", data.UserFolder() + "more.dat"});
    EXPECT_EQ(checked.status, 0);
    EXPECT_EQ(checked.err, "");
    // Alone, the same file would lack list 0.
    EXPECT_NE(Run({"pack", "-o", "more.dat", "more.json"}).err.find("no list 0"),
              std::string::npos);

    work.WriteFile("two.json", R"({"styles": [{"key": "Pirate", "template": "Arr, ye %0 %1",
        "lists": [{"number": 0, "words": ["scurvy"]}, {"number": 1, "words": ["swab"]}]}]})");
    ASSERT_EQ(Run({"install", "two.json"}).status, 0);
    work.WriteFile("two.json", R"({"styles": [{"key": "Pirate", "template": "Arr, ye %0 %1",
        "lists": [{"number": 0, "words": ["scurvy"]}]}]})");
    const ToolRun replaced = Run({"install", "--force", "two.json"});
    EXPECT_EQ(replaced.status, 0);
    EXPECT_NE(replaced.err.find("two.json:1:43: style \"Pirate\": placeholder %1 has no list"),
              std::string::npos)
        << replaced.err;
}

// A missing list would show "????" and a placeholder as typed in every insult: not without
// --force. An installed file that holds only the same style is the installed copy too.
TEST_F(DataToolInstall, ABrokenStyleOrAnotherCopyNeedsForce)
{
    work.WriteFile("gap.json", R"({"styles": [{"key": "Pirate", "template": "Arr, ye %0 %1",
        "lists": [{"number": 0, "words": ["scurvy"]}, {"number": 2, "words": ["swab"]}]}]})");
    const ToolRun refused = Run({"install", "gap.json"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_TRUE(refused.err.ends_with("mend gap.json, or give --force to install it as it is\n"))
        << refused.err;
    EXPECT_FALSE(fs::exists(data.UserFolder()));
    EXPECT_EQ(Run({"install", "--strict", "pirate.json"}).status, 0);
    EXPECT_EQ(Run({"install", "--strict", "--force", "gap.json"}).status, 2);

    const ToolRun copy = Run({"install", "gap.json"});
    EXPECT_EQ(copy.status, 1);
    EXPECT_NE(copy.err.find("pirate.dat holds only styles of gap.json"), std::string::npos)
        << copy.err;
    EXPECT_EQ(Run({"install", "--force", "gap.json"}).status, 0);
    std::vector<std::string> entries;
    for (const auto& entry : fs::directory_iterator(data.UserFolder()))
        entries.push_back(entry.path().filename());
    EXPECT_EQ(entries, std::vector<std::string>{"gap.dat"});
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
