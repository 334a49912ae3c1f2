#include "tests/app/AppTestSupport.h"
#include "tests/support/DataFolders.h"
#include "tests/support/ProcessRun.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdio>
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

// What is wrong with `bytes` as text for a terminal, or "": read as UTF-8 they may hold no
// C0 character but tab, LF and CR, no DEL, no C1 character, no bidirectional override or
// isolate, and no byte that is not UTF-8.
std::string NotText(const std::string& bytes)
{
    for (size_t at = 0; at < bytes.size();) {
        const auto lead = static_cast<unsigned char>(bytes[at]);
        const int length = lead < 0x80                    ? 1
                           : lead >= 0xC2 && lead <= 0xDF ? 2
                           : lead >= 0xE0 && lead <= 0xEF ? 3
                           : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                          : 0;
        char32_t c = length == 1 ? lead : lead & (0x7Fu >> length);
        for (int i = 1; i < length; ++i) {
            const auto next = at + i < bytes.size() ? static_cast<unsigned char>(bytes[at + i]) : 0;
            c = (next & 0xC0) == 0x80 ? (c << 6) | (next & 0x3Fu) : 0xFFFFFFFF;
        }
        const char32_t shortest = length == 2 ? 0x80 : length == 3 ? 0x800 : 0x10000;
        const bool valid = length != 0 && c != 0xFFFFFFFF && (length == 1 || c >= shortest) &&
                           c <= 0x10FFFF && !(c >= 0xD800 && c <= 0xDFFF);
        const bool control = (c < 0x20 && c != '\t' && c != '\n' && c != '\r') ||
                             (c >= 0x7F && c <= 0x9F) || (c >= 0x202A && c <= 0x202E) ||
                             (c >= 0x2066 && c <= 0x2069);
        if (!valid || control) {
            char found[64];
            std::snprintf(found, sizeof found, "byte 0x%02X at %zu", lead, at);
            return found;
        }
        at += static_cast<size_t>(length);
    }
    return {};
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
    EXPECT_EQ(NotText(run.out), "") << run.out;
    EXPECT_EQ(NotText(run.err), "") << run.err;
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
        OutputPath{"PrintNamesTheFile", "razzlewick", {"--print", "-s", kKeyUtf8}, 1, kShownFile},
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
        OutputPath{"Dump", "razzlewick-data", {"dump", "hostile.dat"}, 0, "\\u001b]0;TITLE"},
        OutputPath{"UnknownCommand", "razzlewick-data", {kArgument}, 2, "\\e]0;ARG\\a"}),
    [](const testing::TestParamInfo<OutputPath>& info) { return std::string(info.param.name); });

}  // namespace
