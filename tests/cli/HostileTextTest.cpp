#include "data/Windows1252.h"
#include "tests/app/AppTestSupport.h"
#include "tests/support/DataFolders.h"
#include "tests/support/ProcessRun.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

// Data and a file name that try to take over the terminal: a title, the clipboard (OSC 52),
// a line wiped and written over, a hyperlink (OSC 8), 8-bit controls and reversed text.
const std::string kKey = "Evil\x1B[31m\x9D";
const std::string kKeyUtf8 = "Evil\x1B[31m\xC2\x9D";
const std::string kTemplate =
    "\x1B]0;TITLE\a\x1B]52;c;ZWNobyBwd25lZA==\a\x1B[2K\rMay %0 \x93ok\x94";
const std::string kWord = "oaf\x1B]8;;http://x.example\a\x7F\x8F\x1B]8;;\a";
const std::string kFileName = "x\x1B]0;FNAME\a\x1B[2J.dat";
const std::string kHostileJson =
    R"({"styles": [{"key": "Evil\u001b[31m\u009d", "template": "\u001b]0;TITLE\u0007)"
    R"(\u001b]52;c;ZWNobyBwd25lZA==\u0007\u001b[2K\rMay %0 \u201cok\u201d", "lists": [)"
    R"({"number": 0, "words": ["oaf\u001b]8;;http://x.example\u0007\u007f\u008f\u001b]8;;\u0007"]}]}]})";
// Characters Windows-1252 lacks, which the error names: a CSI and a right-to-left override.
const std::string kForeignJson =
    "{\"styles\": [{\"key\": \"F\", \"template\": \"A \xC2\x9B"
    "2J \xE2\x80\xAE%0\"}]}";
const std::string kArgument = "\x1B]0;ARG\a";

// Whether `bytes`, read as UTF-8, hold no C0 character but tab, LF and CR, no DEL, no C1
// character, no bidirectional override or isolate and nothing that is not UTF-8. Everything
// these runs may print is in Windows-1252, which holds no C1 or bidirectional control but
// for its five unassigned bytes.
bool IsText(const std::string& bytes)
{
    static const std::string kControls =
        std::string("\x00\x01\x02\x03\x04\x05\x06\x07\x08\x0B\x0C\x0E\x0F", 13) +
        "\x10\x11\x12\x13\x14\x15\x16\x17\x18\x19\x1A\x1B\x1C\x1D\x1E\x1F\x7F\x81\x8D\x8F\x90\x9D";
    const razzlewick::Utf8ToWindows1252Result text = razzlewick::Utf8ToWindows1252(bytes);
    return text.ok && text.text.find_first_of(kControls) == std::string::npos;
}

struct OutputPath {
    const char* name;
    const char* program;
    std::vector<std::string> args;
    int status;
    std::string shows;  // in the output, escaped: the path really printed the hostile text
};

void PrintTo(const OutputPath& row, std::ostream* out)
{
    *out << row.name;
}

class HostileText : public testing::TestWithParam<OutputPath> {};

// Both programs, with a hostile style installed, a hostile file name beside it, and hostile
// sources in the current folder: each output path prints only text.
TEST_P(HostileText, ReachesTheTerminalOnlyAsText)
{
    const apptest::TempSettings settings;
    const ScopedDataFolders data;
    const TempFolder work;
    std::filesystem::create_directories(data.UserFolder());
    const std::vector<apptest::StyleFixture> styles = {{kKey, kTemplate, {{kWord}}}};
    ASSERT_TRUE(apptest::WriteDataFile(data.UserFolder() + "hostile.dat", styles));
    ASSERT_TRUE(apptest::WriteDataFile(work / "hostile.dat", styles));
    data.WriteFile(data.UserFolder(), kFileName, "");
    work.WriteFile("hostile.json", kHostileJson);
    work.WriteFile("foreign.json", kForeignJson);
    const std::string program = GetParam().program;
    const ProcessRun run = RunProcess(
        CopyWithItsData(program == "razzlewick" ? RAZZLEWICK_PROGRAM : RAZZLEWICK_DATA_TOOL,
                        work / "bin"),
        GetParam().args, work.path());

    EXPECT_EQ(run.status, GetParam().status) << run.out << run.err;
    EXPECT_TRUE(IsText(run.out)) << run.out;
    EXPECT_TRUE(IsText(run.err)) << run.err;
    EXPECT_NE((run.out + run.err).find(GetParam().shows), std::string::npos) << run.out << run.err;
}

// The insult, curly quotes and all.
const std::string kInsult =
    "\\e]0;TITLE\\a\\e]52;c;ZWNobyBwd25lZA==\\a\\e[2K\\rMay "
    "oaf\\e]8;;http://x.example\\a\\x7f\\x8f\\e]8;;\\a \xE2\x80\x9Cok\xE2\x80\x9D.";
const std::string kShownKey = "Evil\\e[31m\\x9d";
const std::string kShownFile = "x\\e]0;FNAME\\a\\e[2J.dat";

INSTANTIATE_TEST_SUITE_P(
    EveryPath, HostileText,
    testing::Values(
        // The broken file in the user's folder makes every search fail with status 1.
        OutputPath{"Print", "razzlewick", {"--print", "-s", kKeyUtf8}, 1, kInsult},
        OutputPath{"ListStyles", "razzlewick", {"--list-styles"}, 1, kShownKey + "\n"},
        OutputPath{
            "ListStylesVerbose", "razzlewick", {"--list-styles", "--verbose"}, 1, kShownKey + "\t"},
        OutputPath{"UnknownStyle", "razzlewick", {"--print", "-s", kArgument}, 2, "\\e]0;ARG\\a"},
        OutputPath{"UnknownOption", "razzlewick", {"--" + kArgument}, 2, "\\e]0;ARG\\a"},
        OutputPath{"Styles", "razzlewick-data", {"styles"}, 1, kShownKey + "\t"},
        OutputPath{
            "Generate", "razzlewick-data", {"generate", kKeyUtf8, "hostile.dat"}, 0, kInsult},
        OutputPath{"Try", "razzlewick-data", {"try", "hostile.json"}, 0, kInsult},
        OutputPath{"CheckSearch", "razzlewick-data", {"check"}, 1, kShownFile},
        OutputPath{"CheckFile",
                   "razzlewick-data",
                   {"check", "--strict", "hostile.dat"},
                   1,
                   "the word holds the control characters \\e, \\a, \\x7f, \\x8f"},
        OutputPath{"PackStrict",
                   "razzlewick-data",
                   {"pack", "--strict", "-o", "o.dat", "hostile.json"},
                   2,
                   "the key holds the control characters \\e, \\x9d"},
        OutputPath{"NotInWindows1252",
                   "razzlewick-data",
                   {"pack", "-o", "o.dat", "foreign.json"},
                   2,
                   "U+202E \"\\u202e\" is not in Windows-1252"},
        OutputPath{
            "Install", "razzlewick-data", {"install", "--force", "hostile.json"}, 0, kShownKey},
        OutputPath{"Uninstall", "razzlewick-data", {"uninstall", kArgument}, 1, kShownFile},
        OutputPath{"Dump", "razzlewick-data", {"dump", "hostile.dat"}, 0, "\\u007f\\u008f"},
        OutputPath{"UnknownCommand", "razzlewick-data", {kArgument}, 2, "\\e]0;ARG\\a"}),
    [](const testing::TestParamInfo<OutputPath>& info) { return std::string(info.param.name); });

}  // namespace
