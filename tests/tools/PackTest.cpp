#include "tests/tools/ToolProcess.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <iterator>
#include <ostream>
#include <regex>
#include <string>
#include <vector>

namespace {

// A data file of an older run: it starts as every data file does.
const std::string kOldDataFile = "\xCD\xCC\x4C\x40old words";

const std::string kGoodSource =
    R"({"styles": [{"key": "Modern", "template": "You %0", "lists": [{"number": 0, "words": ["oaf"]}]}]})";

std::string SourceWithTemplate(const std::string& templateJson)
{
    return R"({"styles": [{"key": "A", "template": )" + templateJson + "}]}";
}

std::string SourceWithWords(const std::string& wordsJson)
{
    return R"({"styles": [{"key": "A", "template": "t %0", "lists": [{"number": 0, "words": )" +
           wordsJson + "}]}]}";
}

struct BadSource {
    const char* name;
    std::string json;
    std::vector<std::string> fragments;  // all must appear in the one error line
};

// Names the row instead of dumping its bytes.
void PrintTo(const BadSource& row, std::ostream* out)
{
    *out << row.name;
}

class PackRejects : public testing::TestWithParam<BadSource> {};

// A bad source names the file, the place and what was expected, exits with 2, and leaves
// neither a new output file nor a changed old one (nor a temporary file) behind.
TEST_P(PackRejects, ReportsPlaceAndWritesNothing)
{
    const TempFolder folder;
    folder.WriteFile("good.json", kGoodSource);
    folder.WriteFile("bad.json", GetParam().json);

    const ToolRun fresh =
        RunTool({"pack", "-o", "new.dat", "good.json", "bad.json"}, folder.path());
    EXPECT_EQ(fresh.status, 2);
    EXPECT_EQ(fresh.out, "");
    for (const std::string& fragment : GetParam().fragments)
        EXPECT_NE(fresh.err.find(fragment), std::string::npos)
            << "missing \"" << fragment << "\" in " << fresh.err;
    EXPECT_EQ(std::count(fresh.err.begin(), fresh.err.end(), '\n'), 1) << fresh.err;
    EXPECT_LT(fresh.err.size(), 200u) << fresh.err;

    folder.WriteFile("old.dat", "previous bytes");
    const ToolRun over = RunTool({"pack", "--output=old.dat", "bad.json"}, folder.path());
    EXPECT_EQ(over.status, 2);
    EXPECT_EQ(folder.ReadFile("old.dat"), "previous bytes");
    EXPECT_EQ(folder.Entries(), (std::vector<std::string>{"bad.json", "good.json", "old.dat"}));
}

INSTANTIATE_TEST_SUITE_P(
    DataTool, PackRejects,
    testing::Values(
        BadSource{
            "SyntaxError",
            "{\n  \"styles\": [\n    {\"key\": \"A\",}\n  ]\n}",
            {"razzlewick-data pack: bad.json:3:17: JSON syntax error", "expected string literal"}},
        BadSource{"TruncatedText",
                  R"({"styles": [)",
                  {"bad.json:1:13: JSON syntax error", "unexpected end of input"}},
        BadSource{
            "NotUtf8", SourceWithTemplate("\"caf\xE9\""), {"bad.json:1:", "JSON syntax error"}},
        BadSource{
            "TopLevelArray",
            "[]",
            {"bad.json: at /: expected an object with the member \"styles\", found an array"}},
        BadSource{"MissingStyles", "{}", {"bad.json: at /: missing member \"styles\""}},
        BadSource{"MissingTemplate",
                  R"({"styles": [{"key": "A"}]})",
                  {"bad.json: at /styles/0: missing member \"template\" (a string)"}},
        BadSource{"MissingWords",
                  R"({"styles": [{"key": "A", "template": "t", "lists": [{"number": 0}]}]})",
                  {"bad.json: at /styles/0/lists/0: missing member \"words\""}},
        BadSource{"KeyNotString",
                  R"({"styles": [{"key": 7, "template": "t"}]})",
                  {"bad.json: at /styles/0/key: expected a string, found the number 7"}},
        BadSource{
            "NumberAsString",
            R"({"styles": [{"key": "A", "template": "t", "lists": [{"number": "1", "words": []}]}]})",
            {"at /styles/0/lists/0/number: expected a whole number from -2147483648 to 2147483647, "
             "found a string"}},
        BadSource{
            "NumberFraction",
            R"({"styles": [{"key": "A", "template": "t", "lists": [{"number": 1.5, "words": []}]}]})",
            {"at /styles/0/lists/0/number:", "found the number 1.5"}},
        BadSource{
            "NumberBeyond32Bits",
            R"({"styles": [{"key": "A", "template": "t", "lists": [{"number": 2147483648, "words": []}]}]})",
            {"at /styles/0/lists/0/number:", "found the number 2147483648"}},
        BadSource{"WordNotString",
                  SourceWithWords(R"(["a", null])"),
                  {"bad.json: at /styles/0/lists/0/words/1: expected a string, found null"}},
        BadSource{"ListsNotArray",
                  R"({"styles": [{"key": "A", "template": "t", "lists": {}}]})",
                  {"at /styles/0/lists: expected an array of lists, found an object"}},
        BadSource{"MisspeltMember",
                  R"({"styles": [{"key": "A", "template": "t", "lsits": []}]})",
                  {"at /styles/0: unexpected member \"lsits\""}},
        BadSource{"CharacterOutsideCodePage",
                  SourceWithTemplate(R"("ok \u00e9 \u20ac \u4e2d")"),
                  {"bad.json:1:56: style \"A\", the template: the character U+4E2D \"\u4e2d\" is "
                   "not in Windows-1252"}},
        BadSource{
            "EmojiInWord",
            SourceWithWords(R"(["\ud83d\ude00"])"),
            {"bad.json:1:", ": style \"A\", list 0, word \"\U0001F600\": the character U+1F600"}},
        BadSource{"Utf16WithByteOrderMark",
                  std::string("\xFF\xFE{\0}\0", 6),
                  {"bad.json: the file is UTF-16 text", "save it as UTF-8"}},
        BadSource{"Utf16WithoutByteOrderMark",
                  std::string("{\0\"\0s\0", 6),
                  {"bad.json: the file looks like UTF-16 text", "save it as UTF-8"}},
        BadSource{"NulInWord",
                  SourceWithWords(R"(["a\u0000b"])"),
                  {"bad.json:1:80: a string holding the character U+0000"}},
        BadSource{"NulInKey",
                  R"({"styles": [{"key": "A\u0000", "template": "t"}]})",
                  {"bad.json:1:21: a string holding the character U+0000"}},
        BadSource{"StylesTwice",
                  R"({"styles": [], "styles": []})",
                  {"bad.json:1:16: the member \"styles\" a second time in one object"}},
        BadSource{
            "NumberOutOfRange",
            R"({"styles": [{"key": "A", "template": "t", "lists": [{"number": 1e999999, "words": []}]}]})",
            {"bad.json:1:64: the number 1e999999 is beyond what a number can be"}},
        BadSource{"HundredThousandDigits",
                  R"({"styles": [{"key": "A", "template": "t", "lists": [{"number": )" +
                      std::string(100000, '9') + R"(, "words": []}]}]})",
                  {"bad.json:1:64: the number 999999999999999999999999... (100000 characters)"}},
        BadSource{"NestedTooDeep",
                  R"({"styles": )" + std::string(32, '[') + std::string(32, ']') + "}",
                  {"bad.json:1:43: more than 32 arrays and objects inside one another"}},
        BadSource{"TemplateTooLong",
                  SourceWithTemplate("\"" + std::string(65536, 't') + "\""),
                  {"bad.json:1:38: style \"A\", the template: 65536 characters, more than the "
                   "65535 a data file holds"}},
        BadSource{"WordTooLong",
                  SourceWithWords("[\"" + std::string(32766, 'A') + "\"]"),
                  {"at /styles/0/lists/0/words/0: word of 32766 characters takes 32767 bytes when "
                   "stored; at most 32766 fit"}}),
    [](const testing::TestParamInfo<BadSource>& info) { return std::string(info.param.name); });

TEST(DataToolPack, MissingSourceIsNamed)
{
    const TempFolder folder;
    const ToolRun run = RunTool({"pack", "nope.json"}, folder.path());
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "razzlewick-data pack: nope.json: cannot read: No such file or directory\n");
    EXPECT_TRUE(folder.Entries().empty());
}

TEST(DataToolPack, LongestStorableWordIsAccepted)
{
    const TempFolder folder;
    folder.WriteFile("long.json", SourceWithWords("[\"" + std::string(32765, 'A') + "\"]"));
    const ToolRun run = RunTool({"pack", "long.json"}, folder.path());
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(folder.Entries(), (std::vector<std::string>{"insltdat.dat", "long.json"}));
}

// A replaced output keeps its permissions; a new one gets the usual ones for the umask.
TEST(DataToolPack, ReplacesOutputKeepingItsMode)
{
    const TempFolder folder;
    folder.WriteFile("good.json", kGoodSource);
    folder.WriteFile("out.dat", kOldDataFile);
    ::chmod((folder / "out.dat").c_str(), 0640);
    ASSERT_EQ(RunTool({"pack", "-o", "out.dat", "good.json"}, folder.path()).status, 0);
    struct stat info {};
    ASSERT_EQ(::stat((folder / "out.dat").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    EXPECT_NE(folder.ReadFile("out.dat"), kOldDataFile);

    ASSERT_EQ(RunTool({"pack", "-o", "fresh.dat", "good.json"}, folder.path()).status, 0);
    ASSERT_EQ(::stat((folder / "fresh.dat").c_str(), &info), 0);
    const mode_t mask = ::umask(0);
    ::umask(mask);
    EXPECT_EQ(info.st_mode & 0777, 0666 & ~mask);
}

TEST(DataToolPack, UnwritableOutputFailsWithStatusOne)
{
    const TempFolder folder;
    folder.WriteFile("good.json", kGoodSource);
    const ToolRun run =
        RunTool({"pack", "-o", "no/such/folder/out.dat", "good.json"}, folder.path());
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("no/such/folder/out.dat"), std::string::npos) << run.err;
}

// Later sources merge into earlier ones as later data files do, and every dropped
// duplicate is named, with the file that gave the word kept when that is another.
TEST(DataToolPack, MergesSourcesAndWarnsAboutDuplicates)
{
    const TempFolder folder;
    folder.WriteFile("one.json",
                     R"({"styles": [{"key": "Modern", "name": "First", "template": "one %0",
        "lists": [{"number": 0, "words": ["lout", "Oaf"]}]}]})");
    folder.WriteFile("two.json", R"({"styles": [{"key": "Modern", "template": "two %0 %1",
        "lists": [{"number": 0, "words": ["OAF", "clod", "CLOD"]}, {"number": 1, "words": ["x"]}]}]})");
    const ToolRun packed = RunTool({"pack", "one.json", "two.json"}, folder.path());
    EXPECT_EQ(packed.status, 0);
    EXPECT_EQ(packed.err,
              "razzlewick-data: warning: two.json:2:43: style \"Modern\", list 0: dropped "
              "duplicate word \"OAF\" (the list holds \"Oaf\", read from one.json)\n"
              "razzlewick-data: warning: two.json:2:58: style \"Modern\", list 0: dropped "
              "duplicate word \"CLOD\" (the list holds \"clod\")\n");

    const ToolRun dumped = RunTool({"dump", "insltdat.dat"}, folder.path());
    EXPECT_EQ(dumped.status, 0);
    // The second source gave no name, so the key replaced "First", as any record would.
    EXPECT_EQ(dumped.out, R"({
  "styles": [
    {
      "key": "Modern",
      "name": "Modern",
      "template": "two %0 %1",
      "lists": [
        {
          "number": 0,
          "words": [
            "lout",
            "Oaf",
            "clod"
          ]
        },
        {
          "number": 1,
          "words": [
            "x"
          ]
        }
      ]
    }
  ]
}
)");
}

// insltdat.dat in the current folder is the program's own data when it runs from there:
// only an output named on purpose, or --force, replaces it.
// A style pasted twice into one file is one mistake: its words, all duplicates, are not
// listed again one by one.
TEST(DataToolPack, AStyleTwiceInOneFileIsOneWarning)
{
    const TempFolder folder;
    const std::string style = R"({"key": "S", "template": "You %0",
        "lists": [{"number": 0, "words": ["oaf", "lout", "clod"]}]})";
    folder.WriteFile("s.json", R"({"styles": [)" + style + ", " + style + "]}");
    const ToolRun run = RunTool({"pack", "-o", "s.dat", "s.json"}, folder.path());
    EXPECT_EQ(run.err,
              "razzlewick-data: warning: s.json:2:78: style \"S\": a second style of "
              "this key in the same file: the two merge into one, and this one's "
              "template wins\n");
}

TEST(DataToolPack, KeepsAnExistingDefaultOutputUnlessNamedOrForced)
{
    const TempFolder folder;
    folder.WriteFile("good.json", kGoodSource);
    folder.WriteFile("insltdat.dat", "the shipped words");
    const ToolRun kept = RunTool({"pack", "good.json"}, folder.path());
    EXPECT_EQ(kept.status, 1);
    EXPECT_EQ(kept.err,
              "razzlewick-data pack: insltdat.dat already exists in the current folder; "
              "name the output with -o, or give --force to replace it\n");
    EXPECT_EQ(folder.ReadFile("insltdat.dat"), "the shipped words");

    EXPECT_EQ(RunTool({"pack", "--force", "good.json"}, folder.path()).status, 0);
    EXPECT_NE(folder.ReadFile("insltdat.dat"), "the shipped words");
    folder.WriteFile("insltdat.dat", kOldDataFile);
    EXPECT_EQ(RunTool({"pack", "-o", "insltdat.dat", "good.json"}, folder.path()).status, 0);
    EXPECT_NE(folder.ReadFile("insltdat.dat"), kOldDataFile);
}

// -o replaces a data file, but a mistyped command line must not cost a hand-written file:
// one that is a source, or that is no data file, stays byte for byte unless --force.
TEST(DataToolPack, RefusesToReplaceASourceOrAFileThatIsNoDataFile)
{
    const TempFolder folder;
    folder.WriteFile("src.json", kGoodSource);
    const ToolRun self = RunTool({"pack", "-o", "src.json", "src.json"}, folder.path());
    EXPECT_EQ(self.status, 2);
    EXPECT_EQ(self.err,
              "razzlewick-data pack: src.json is also a source; name another output "
              "with -o (or give --force to replace it)\n");
    EXPECT_EQ(folder.ReadFile("src.json"), kGoodSource);
    // The same file by another path.
    EXPECT_EQ(RunTool({"pack", "-o", "./src.json", "src.json"}, folder.path()).status, 2);
    EXPECT_EQ(folder.ReadFile("src.json"), kGoodSource);

    folder.WriteFile("notes.txt", "my notes");
    const ToolRun notes = RunTool({"pack", "-o", "notes.txt", "src.json"}, folder.path());
    EXPECT_EQ(notes.status, 2);
    EXPECT_EQ(notes.err,
              "razzlewick-data pack: notes.txt is there and is no data file, so it is "
              "not replaced; name another output with -o (or give --force to "
              "replace it)\n");
    EXPECT_EQ(folder.ReadFile("notes.txt"), "my notes");
    EXPECT_EQ(folder.Entries(), (std::vector<std::string>{"notes.txt", "src.json"}));

    // An empty file holds nothing to lose; --force replaces anything.
    folder.WriteFile("empty.dat", "");
    EXPECT_EQ(RunTool({"pack", "-o", "empty.dat", "src.json"}, folder.path()).status, 0);
    EXPECT_EQ(RunTool({"pack", "--force", "-o", "notes.txt", "src.json"}, folder.path()).status, 0);
    EXPECT_EQ(folder.ReadFile("notes.txt"), folder.ReadFile("empty.dat"));
}

// Characters outside the code page are all reported in one run, each on its own line with
// where it is: the style, the list and word, and the line and column of the character.
TEST(DataToolPack, EveryCharacterOutsideTheCodePageAtOnce)
{
    const TempFolder folder;
    folder.WriteFile("pl.json",
                     "{\"styles\": [\n"
                     "  {\"key\": \"Polish\", \"template\": \"Ty %0\",\n"
                     "   \"lists\": [{\"number\": 0, \"words\": [\"\u0142obuz\", \"ok\", "
                     "\"\u017C\u0142\u00F3b\"]}]},\n"
                     "  {\"key\": \"Czech\", \"template\": \"Ty \\u0159\u00EDk\u00E1\u0161 %0\"},\n"
                     "  {\"key\": \"Emoji\", \"template\": \"You %0\",\n"
                     "   \"lists\": [{\"number\": 0, \"words\": [\"fine\"]},\n"
                     "             {\"number\": 1, \"words\": [\"\U0001F600\"]}]}\n"
                     "]}\n");
    const ToolRun run = RunTool({"pack", "-o", "pl.dat", "pl.json"}, folder.path());
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err,
              "razzlewick-data pack: pl.json:3:39: style \"Polish\", list 0, word \"\u0142obuz\": "
              "the character U+0142 \"\u0142\" is not in Windows-1252\n"
              "razzlewick-data pack: pl.json:3:54: style \"Polish\", list 0, word "
              "\"\u017C\u0142\u00F3b\": the character U+017C \"\u017C\" is not in Windows-1252\n"
              "razzlewick-data pack: pl.json:3:55: style \"Polish\", list 0, word "
              "\"\u017C\u0142\u00F3b\": the character U+0142 \"\u0142\" is not in Windows-1252\n"
              "razzlewick-data pack: pl.json:4:36: style \"Czech\", the template: the character "
              "U+0159 \"\u0159\" is not in Windows-1252\n"
              "razzlewick-data pack: pl.json:7:39: style \"Emoji\", list 1, word \"\U0001F600\": "
              "the character U+1F600 \"\U0001F600\" is not in Windows-1252\n");
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"pl.json"});
}

// A source's findings say where, by line and column, whatever the style, list or word.
TEST(DataToolPack, FindingsNameTheLineAndColumn)
{
    const TempFolder folder;
    folder.WriteFile("s.json",
                     "{\"styles\": [\n"
                     "  {\"key\": \"Pirate\", \"template\": \"Arr, %0\",\n"
                     "   \"lists\": [{\"number\": 0, \"words\": [\"swab\",\n"
                     "                                    \"bilge\\trat\"]}]},\n"
                     "  {\"key\": \"Pirate\", \"template\": \"Yarr, %0 %1\",\n"
                     "   \"lists\": [{\"number\": 1, \"words\": [\"lubber\"]}]}\n"
                     "]}\n");
    const ToolRun run = RunTool({"pack", "-o", "s.dat", "s.json"}, folder.path());
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err,
              "razzlewick-data: warning: s.json:4:37: style \"Pirate\", list 0, word "
              "\"bilge\\trat\": holds a tab, which an insult's one line cannot show\n"
              "razzlewick-data: warning: s.json:5:11: style \"Pirate\": a second style of this "
              "key in the same file: the two merge into one, and this one's template wins\n");
}

struct Finding {
    const char* name;
    std::string templateText;
    std::string listsJson;
    std::string warnings;  // after "razzlewick-data: warning: s.json: "
    std::string key = "S";
};

void PrintTo(const Finding& row, std::ostream* out)
{
    *out << row.name;
}

class PackWarns : public testing::TestWithParam<Finding> {};

// Each finding names the file, the style, the list and the word, and leaves the exit
// status and the written file as they would be without it.
TEST_P(PackWarns, NamesWhatComposesBadly)
{
    const TempFolder folder;
    folder.WriteFile("s.json", R"({"styles": [{"key": ")" + GetParam().key + R"(", "template": ")" +
                                   GetParam().templateText + R"(", "lists": )" +
                                   GetParam().listsJson + "}]}");
    const ToolRun run = RunTool({"pack", "-o", "s.dat", "s.json"}, folder.path());
    EXPECT_EQ(run.status, 0);
    // Every finding names its line and column; which ones, a test of its own checks.
    const std::regex place("s\\.json:[0-9]+:[0-9]+: ");
    const std::string err = std::regex_replace(run.err, place, "s.json: ");
    const auto placed = std::distance(std::sregex_iterator(run.err.begin(), run.err.end(), place),
                                      std::sregex_iterator());
    EXPECT_EQ(placed, std::count(run.err.begin(), run.err.end(), '\n')) << run.err;
    std::string expected;
    for (size_t start = 0; start < GetParam().warnings.size();) {
        const size_t end = GetParam().warnings.find('\n', start);
        expected += "razzlewick-data: warning: s.json: " +
                    GetParam().warnings.substr(start, end + 1 - start);
        start = end + 1;
    }
    EXPECT_EQ(err, expected);
    EXPECT_EQ(folder.Entries(), (std::vector<std::string>{"s.dat", "s.json"}));
    if (!expected.empty()) {
        EXPECT_EQ(RunTool({"try", "--strict", "s.json"}, folder.path()).status, 2);
    }
}

// The finding for a "%" that starts no placeholder, quoted from `at` (counted from 1).
std::string StrayPercent(const std::string& typo, int at)
{
    return "style \"S\": the template holds \"" + typo + "\" at character " + std::to_string(at) +
           ": a \"%\" that starts no placeholder shows as typed (a placeholder is \"%\" and a "
           "list number, as in %0)\n";
}

const std::string kTwoLists =
    R"([{"number": 0, "words": ["oaf"]}, {"number": 1, "words": ["lout"]}])";

std::string TwoListsWithFirst(const std::string& wordsJson)
{
    return R"([{"number": 0, "words": )" + wordsJson + R"(}, {"number": 1, "words": ["lout"]}])";
}

INSTANTIATE_TEST_SUITE_P(
    DataTool, PackWarns,
    testing::Values(
        Finding{"Clean", "You %0 %1", kTwoLists, ""},
        Finding{"PlaceholderBeyondTheLists", "You %0 %1 %5", kTwoLists,
                "style \"S\": placeholder %5 has no list: only %0 to %1 are filled (2 lists)\n"},
        Finding{"TwoDigitPlaceholder", "You %0 %10", kTwoLists,
                "style \"S\": placeholder %10 is read as %1 followed by \"0\"\n"},
        Finding{"GapInTheNumbers", "You %0 %1",
                R"([{"number": 0, "words": ["oaf"]}, {"number": 2, "words": ["lout"]}])",
                "style \"S\": no list 1, so %1 comes out as \"????\"; and as only %0 to %1 are "
                "filled (2 lists), %2 stays as typed (list 2 never used)\n"},
        Finding{"OneListNumberedOne", "You %0 %1", R"([{"number": 1, "words": ["lout"]}])",
                "style \"S\": no list 0, so %0 comes out as \"????\"; and as only %0 is filled "
                "(1 list), %1 stays as typed (list 1 never used)\n"},
        Finding{"RepeatedNumber", "You %0 %1",
                R"([{"number": 0, "words": ["oaf"]}, {"number": 1, "words": ["lout"]},
                    {"number": 1, "words": ["clod"]}])",
                "style \"S\", list 1: the style has two lists of this number; they are joined\n"},
        Finding{"NegativeNumber", "You %0 %1",
                R"([{"number": 0, "words": ["oaf"]}, {"number": 1, "words": ["lout"]},
                    {"number": -1, "words": ["clod"]}])",
                "style \"S\", list -1: a negative list number, so its words are never used\n"
                "style \"S\": no list 2, so %2 comes out as \"????\"\n"},
        Finding{
            "EmptyList", "You %0 %1",
            R"([{"number": 0, "words": ["oaf"]}, {"number": 1, "words": []}])",
            "style \"S\", list 1: the list is empty, so its placeholder comes out as nothing\n"},
        Finding{"EmptyWord", "You %0 %1", TwoListsWithFirst(R"(["oaf", ""])"),
                "style \"S\", list 0, word #1: the word is empty\n"},
        Finding{"BlankAtTheStart", "You %0 %1", TwoListsWithFirst(R"([" oaf"])"),
                "style \"S\", list 0, word \" oaf\": a blank at the start\n"},
        Finding{"BlankAtTheEnd", "You %0 %1", TwoListsWithFirst(R"(["oaf "])"),
                "style \"S\", list 0, word \"oaf \": a blank at the end\n"},
        Finding{"TabInAWord", "You %0 %1", TwoListsWithFirst(R"(["big\toaf"])"),
                "style \"S\", list 0, word \"big\\toaf\": holds a tab, which an insult's one "
                "line cannot show\n"},
        Finding{"LineBreaksInAWord", "You %0 %1", TwoListsWithFirst(R"(["big\r\noaf"])"),
                "style \"S\", list 0, word \"big\\r\\noaf\": holds a carriage return (CR) and "
                "a line feed (LF), which an insult's one line cannot show\n"},
        Finding{"ListNoTemplateOrShapeReaches", "You %0", kTwoLists,
                "style \"S\", list 1: no template or shape reaches it: neither the template nor "
                "a word of a list it reaches holds %1, so its words never show (the combination "
                "count still counts them)\n"},
        Finding{"TemplateWithoutPlaceholder", "You oaf", kTwoLists,
                "style \"S\": the template has no placeholder, so every insult is the same text "
                "and no list's words ever show\n"},
        Finding{"KeyDifferingFromATabOnlyInCase", "Thou %0 %1", kTwoLists,
                "style \"shakespearean\": differs from the style \"Shakespearean\" only in "
                "case, so it is a style of its own with a tab of its own: did you mean "
                "\"Shakespearean\"?\n",
                "shakespearean"},
        Finding{"TwoBlanksInARow", "You %0 %1", TwoListsWithFirst(R"(["big  oaf"])"),
                "style \"S\", list 0, word \"big  oaf\": two blanks in a row\n"},
        Finding{"ShapeOfLaterLists", "You %0", TwoListsWithFirst(R"(["big %1"])"), ""},
        Finding{"PlaceholderOfItsOwnList", "You %0 %1", TwoListsWithFirst(R"(["oaf %0"])"),
                "style \"S\", list 0, word \"oaf %0\": holds the placeholder %0, which stays as "
                "typed: only lists after list 0 fill its words\n"},
        Finding{"PlaceholderOfAnEarlierList", "You %0 %1",
                R"([{"number": 0, "words": ["oaf"]}, {"number": 1, "words": ["%0 lout"]}])",
                "style \"S\", list 1, word \"%0 lout\": holds the placeholder %0, which stays "
                "as typed: only lists after list 1 fill its words\n"},
        Finding{"PlaceholderOfNoList", "You %0 %1", TwoListsWithFirst(R"(["oaf %1 %5"])"),
                "style \"S\", list 0, word \"oaf %1 %5\": placeholder %5 has no list: only %0 "
                "to %1 are filled (2 lists)\n"},
        Finding{"PlaceholderOfAMissingList", "You %0 %2",
                R"([{"number": 0, "words": ["%1 oaf"]}, {"number": 2, "words": ["lout"]},
                    {"number": 3, "words": ["clod"]}])",
                "style \"S\": no list 1, so %1 comes out as \"????\"; and as only %0 to %2 are "
                "filled (3 lists), %3 stays as typed (list 3 never used)\n"},
        Finding{"LetterForAnL", "You %0 %l1", kTwoLists, StrayPercent("%l1", 8)},
        Finding{"BlankAfterThePercent", "You %0 % 1", kTwoLists, StrayPercent("% 1", 8)},
        Finding{"LetterOForAZero", "You %O %1", kTwoLists, StrayPercent("%O", 5)},
        Finding{"PercentTwice", "You %0 %%1", kTwoLists, StrayPercent("%%1", 8)},
        Finding{"PercentAfterAPlaceholder", "You %0 %1%", kTwoLists, StrayPercent("%1%", 8)},
        Finding{"PercentAfterANumber", "You %0 %1, 100%", kTwoLists, ""},
        Finding{"PlaceholderGluedToALetter", "You %0 %1a", kTwoLists,
                "style \"S\": the template holds \"%1a\" at character 8: the placeholder is "
                "glued to \"a\", so its word and what follows run together\n"},
        Finding{"StrayPercentInAShape", "You %0 %1", TwoListsWithFirst(R"(["big %l1"])"),
                "style \"S\", list 0, word \"big %l1\": holds \"%l1\" at character 5: a \"%\" "
                "that starts no placeholder shows as typed (a placeholder is \"%\" and a list "
                "number, as in %0)\n"},
        Finding{"DollarForAPercent", "You %0 $1", kTwoLists,
                "style \"S\", list 1: no template or shape reaches it: neither the template nor "
                "a word of a list it reaches holds %1, so its words never show (the combination "
                "count still counts them); the template holds \"$1\" at character 8: did you "
                "mean %1?\n"},
        Finding{"BracesForAPercent", "You %0 {1}", kTwoLists,
                "style \"S\", list 1: no template or shape reaches it: neither the template nor "
                "a word of a list it reaches holds %1, so its words never show (the combination "
                "count still counts them); the template holds \"{1}\" at character 8: did you "
                "mean %1?\n"},
        Finding{"DollarsAsText", "You %0 %1 with $1 and {1}", kTwoLists, ""},
        Finding{"PunctuationAtTheEnd", "You %0 %1!  ", kTwoLists,
                "style \"S\": the template ends in \"!\", and the program adds a full stop after "
                "it\n"},
        Finding{"EmptyKey", "You %0 %1", kTwoLists,
                "style \"\": the key is empty, so no tab and no --style names it\n", ""},
        Finding{"WordsDifferingInCase", "You %0 %1", TwoListsWithFirst(R"(["oaf", "OAF"])"),
                "style \"S\", list 0: dropped duplicate word \"OAF\" (the list holds "
                "\"oaf\")\n"},
        Finding{"WordLongerThanAnInsult", "You %0 %1",
                TwoListsWithFirst("[\"" + std::string(4097, 'a') + "\"]"),
                "style \"S\", list 0, word \"" + std::string(40, 'a') +
                    "...\": a word of 4097 characters: the program keeps its first 4096\n"
                    "style \"S\": an insult can grow to 4106 characters, past the 4096 at which "
                    "an insult stops growing: such insults come out cut short\n"}),
    [](const testing::TestParamInfo<Finding>& info) { return std::string(info.param.name); });

// A file of a million empty lists has millions of findings: the first thousand show.
TEST(DataToolPack, FindingsPastAThousandAreCounted)
{
    std::string lists = R"({"number": 0, "words": ["oaf"]})";
    for (int number = 1; number <= 1001; ++number)
        lists += R"(, {"number": )" + std::to_string(number) + R"(, "words": ["w"]})";
    const TempFolder folder;
    folder.WriteFile(
        "s.json", R"({"styles": [{"key": "S", "template": "You %0", "lists": [)" + lists + "]}]}");
    const ToolRun run = RunTool({"pack", "-o", "s.dat", "s.json"}, folder.path());
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1001);
    EXPECT_TRUE(run.err.ends_with("\nrazzlewick-data: warning: and 1 more\n")) << run.err;
}

TEST(DataToolPack, StrictMakesFindingsErrorsAndWritesNothing)
{
    const TempFolder folder;
    folder.WriteFile("s.json", SourceWithWords(R"([" oaf"])"));
    const ToolRun run = RunTool({"pack", "--strict", "-o", "s.dat", "s.json"}, folder.path());
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err,
              "razzlewick-data: error: s.json:1:80: style \"A\", list 0, word \" oaf\": a "
              "blank at the start\n"
              "razzlewick-data pack: s.dat not written: --strict and 1 finding(s)\n");
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"s.json"});
}

}  // namespace
