#include "data/Windows1252.h"
#include "tests/support/DataFileWriter.h"
#include "tests/tools/ToolProcess.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <string>

using namespace razzlewick;

namespace {

using nlohmann::json;

// Dumps `file`, packs the dump, dumps the result: both dumps must agree, and packing the
// second dump must give the same bytes again.
void ExpectStableRoundTrip(const TempFolder& folder, const std::string& file,
                           std::string* firstDump = nullptr)
{
    const ToolRun first = RunTool({"dump", file}, folder.path());
    ASSERT_EQ(first.status, 0) << first.err;
    folder.WriteFile("dump1.json", first.out);
    const ToolRun packed = RunTool({"pack", "-o", "again.dat", "dump1.json"}, folder.path());
    ASSERT_EQ(packed.status, 0) << packed.err;
    // The odd content draws warnings about how it composes, but no word is dropped.
    EXPECT_EQ(packed.err.find("dropped"), std::string::npos) << packed.err;
    const ToolRun second = RunTool({"dump", "again.dat"}, folder.path());
    ASSERT_EQ(second.status, 0) << second.err;
    EXPECT_EQ(second.out, first.out);

    folder.WriteFile("dump2.json", second.out);
    ASSERT_EQ(RunTool({"pack", "-o", "third.dat", "dump2.json"}, folder.path()).status, 0);
    EXPECT_EQ(folder.ReadFile("third.dat"), folder.ReadFile("again.dat"));
    if (firstDump != nullptr)
        *firstDump = first.out;
}

// Every string form the reader accepts: 16- and 32-bit prefixes, a wide name, a key
// that appears twice in one file, and text holding every byte value but zero.
TEST(DataToolRoundTrip, HandMadeFileWithEveryStringForm)
{
    // A word ends at its first zero byte, and a source holds no U+0000.
    std::string allBytes;
    for (int byte = 1; byte < 256; ++byte)
        allBytes += static_cast<char>(byte);
    const std::string& wordBytes = allBytes;

    DataFileWriter file;
    file.Version().Int32(3);
    file.String("Modern", 7)
        .WideString(u"M\u00F6dern \u20AC\u4E2D")
        .String("You %0 %1", 3)
        .Int32(1);
    file.Int32(0).Int32(3).Word("lout", 3).Word("oaf", 7).Word(wordBytes);
    file.String("Bytes").String("Bytes").String(allBytes).Int32(1);
    file.Int32(-5).Int32(1).Word("\x81\x8D\x8F\x90\x9D");
    file.String("Modern").String("Second name").String("Later %0").Int32(2);
    file.Int32(0).Int32(2).Word("OAF").Word("clod");
    file.Int32(1).Int32(0);

    const TempFolder folder;
    folder.WriteFile("hand.dat", file.bytes());
    std::string dumped;
    ExpectStableRoundTrip(folder, "hand.dat", &dumped);

    const json document = json::parse(dumped);
    ASSERT_EQ(document["styles"].size(), 2u);
    const json& bytes = document["styles"][0];
    EXPECT_EQ(bytes["key"], "Bytes");
    EXPECT_EQ(bytes["template"], Windows1252ToUtf8(allBytes));
    EXPECT_EQ(bytes["lists"][0]["number"], -5);
    EXPECT_EQ(bytes["lists"][0]["words"][0], "\u0081\u008D\u008F\u0090\u009D");

    const json& modern = document["styles"][1];
    EXPECT_EQ(modern["key"], "Modern");
    EXPECT_EQ(modern["name"], "Second name");
    EXPECT_EQ(modern["template"], "Later %0");
    EXPECT_EQ(modern["lists"][0]["words"].size(), 4u);  // lout, oaf, the byte word, clod
    EXPECT_EQ(modern["lists"][0]["words"][3], "clod");
    EXPECT_EQ(modern["lists"][1]["words"], json::array());
}

// The wide name converts through the code page: characters it lacks become '?'.
TEST(DataToolRoundTrip, WideTextBecomesWindows1252)
{
    DataFileWriter file;
    file.Version()
        .Int32(1)
        .String("K")
        .WideString(u"M\u00F6dern \u20AC\u4E2D")
        .String("t")
        .Int32(0);
    const TempFolder folder;
    folder.WriteFile("wide.dat", file.bytes());
    const ToolRun run = RunTool({"dump", "wide.dat"}, folder.path());
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(json::parse(run.out)["styles"][0]["name"], "M\u00F6dern \u20AC?");
}

TEST(DataToolRoundTrip, PackedSourcesSurviveDumpAndPack)
{
    const TempFolder folder;
    folder.WriteFile("a.json", R"({"styles": [
        {"key": "\u00c7a", "template": "\r\n\t\"%0\"", "lists": [{"number": 2, "words": ["\u20ac", "\u0153uf"]}]},
        {"key": "", "name": "", "template": ""},
        {"key": "Z", "template": "z", "lists": [{"number": 0, "words": []}]}
    ]})");
    ASSERT_EQ(RunTool({"pack", "-o", "a.dat", "a.json"}, folder.path()).status, 0);
    std::string dumped;
    ExpectStableRoundTrip(folder, "a.dat", &dumped);
    const json document = json::parse(dumped);
    // Keys in byte order: "" < "Z" < 0xC7.
    EXPECT_EQ(document["styles"][0]["key"], "");
    EXPECT_EQ(document["styles"][1]["key"], "Z");
    EXPECT_EQ(document["styles"][2]["key"], "\u00C7a");
    EXPECT_EQ(document["styles"][2]["template"], "\r\n\t\"%0\"");
}

TEST(DataToolDump, FailedFileIsReportedAndTheRestStillPrinted)
{
    const TempFolder folder;
    folder.WriteFile("good.json", R"({"styles": [{"key": "Kept", "template": "t"}]})");
    ASSERT_EQ(RunTool({"pack", "-o", "good.dat", "good.json"}, folder.path()).status, 0);
    folder.WriteFile("old.dat", std::string("\x00\x00\x40\x40", 4));
    const ToolRun run = RunTool({"dump", "good.dat", "old.dat"}, folder.path());
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "old.dat - Incompatible or corrupted data file\n");
    EXPECT_EQ(json::parse(run.out)["styles"][0]["key"], "Kept");
}

}  // namespace
