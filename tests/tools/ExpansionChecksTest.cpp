#include "tools/razzlewick-data/ExpansionChecks.h"

#include "data/InsultStyle.h"
#include "generate/InsultComposer.h"
#include "tests/support/DataFolders.h"
#include "tests/tools/ToolProcess.h"

#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <string>
#include <vector>

using namespace razzlewick;

namespace {

InsultStyle Style(const std::string& templateText,
                  const std::map<int32_t, std::vector<std::string>>& lists)
{
    InsultStyle style("S");
    style.SetTemplateText(templateText);
    for (const auto& [number, words] : lists) {
        WordList& list = style.AddList(number);
        for (const std::string& word : words)
            list.AddUnique(word);
    }
    return style;
}

std::vector<std::string> Findings(const InsultStyle& style)
{
    std::vector<std::string> lines;
    for (const ExpansionFinding& finding : ExpansionFindings(style))
        lines.push_back(finding.place + ": " + finding.what);
    return lines;
}

// Each list's word names the next list twice, 21 levels deep: the file that froze the window.
std::map<int32_t, std::vector<std::string>> Nested(int32_t levels)
{
    std::map<int32_t, std::vector<std::string>> lists;
    for (int32_t k = 0; k < levels; ++k) {
        const std::string next = "%" + std::to_string(k + 1);
        lists[k] = {"plain", next + next};
    }
    return lists;
}

// One level of placeholders in words is how sentence shapes are written: no finding.
TEST(ExpansionChecks, ShapesFilledFromPlainListsAreNoChain)
{
    EXPECT_TRUE(Findings(Style("%0", {{0, {"a %1 of %2", "%2 %1"}},
                                      {1, {"oaf", "100% lout"}},
                                      {2, {"bilge", "%1"}}}))
                    .empty());
    // %10 with eleven lists is taken by the turn of %1, which fills it with a plain word.
    std::map<int32_t, std::vector<std::string>> lists;
    for (int32_t k = 0; k <= 10; ++k)
        lists[k] = {"w"};
    lists[0] = {"%10"};
    lists[10] = {"%11 %12"};
    EXPECT_TRUE(Findings(Style("%0", lists)).empty());
}

TEST(ExpansionChecks, ChainsAndTheLongestInsultNameTheirLists)
{
    const std::vector<std::string> found = Findings(Style("%0", Nested(21)));
    // Lists 0 to 18 each bring in a list that brings in more; list 19 brings in list 20,
    // whose words name list 21, which does not exist and stays as typed.
    ASSERT_EQ(found.size(), 20u);
    EXPECT_EQ(found[0],
              ", list 0, word \"%1%1\": its %1 brings in list 1, whose word \"%2%2\" brings in "
              "placeholders of its own: a chain, which can make insults very long");
    EXPECT_TRUE(found[18].starts_with(", list 18, word \"%19%19\": its %19 brings in list 19"));
    // "%21%21", 6 characters, doubled at each of the 20 levels above.
    EXPECT_EQ(found[19],
              ": an insult can grow to 6291456 characters (placeholders brought in "
              "by lists 0 to 19), past the 4096 at which an insult stops growing: "
              "such insults come out cut short");
}

TEST(ExpansionChecks, OnlyInsultsPastTheLimitAreLong)
{
    // Three lists of a word that brings in one more placeholder: a chain, yet short.
    const std::vector<std::string> chain =
        Findings(Style("%0", {{0, {"a%1"}}, {1, {"b%2"}}, {2, {"c"}}}));
    ASSERT_EQ(chain.size(), 1u);
    EXPECT_TRUE(chain[0].starts_with(", list 0, word \"a%1\": its %1 brings in list 1"));

    const std::string atLimit(kInsultLimit - 1, 'x');
    EXPECT_TRUE(Findings(Style(atLimit + "%0", {{0, {"y", ""}}})).empty());
    EXPECT_EQ(Findings(Style(atLimit + "%0", {{0, {"yz"}}, {1, {"%0"}}})),
              std::vector<std::string>{": an insult can grow to 4097 characters, past the 4096 "
                                       "at which an insult stops growing: such insults come out "
                                       "cut short"});
    // A list the template never reaches adds nothing to its length, nor is it named.
    const std::vector<std::string> unreached =
        Findings(Style("%1" + atLimit, {{0, {"%1%1"}}, {1, {"ab"}}}));
    ASSERT_EQ(unreached.size(), 1u);
    EXPECT_TRUE(unreached[0].starts_with(": an insult can grow to 4097 characters, past"));
}

// The tool warns about the nested file however it meets it.
TEST(ExpansionChecks, CheckPackAndInstallWarnAboutTheNestedFile)
{
    const TempFolder folder;
    std::string lists;
    for (const auto& [number, words] : Nested(21)) {
        lists += std::string(lists.empty() ? "" : ", ") + "{\"number\": " + std::to_string(number) +
                 ", \"words\": [\"" + words[1] + "\"]}";
    }
    // A key of its own: the check judges the file with the data the program reads, whose
    // Arabian would bring its own words into the lists.
    folder.WriteFile("nested.json", R"({"styles": [{"key": "Nested", "template": "%0", )"
                                    R"("lists": [)" +
                                        lists + "]}]}");
    const std::string chain = "style \"Nested\", list 0, word \"%1%1\": its %1 brings in list 1";
    const std::string longest = "style \"Nested\": an insult can grow to 6291456 characters";

    const ToolRun packed = RunTool({"pack", "-o", "nested.dat", "nested.json"}, folder.path());
    ASSERT_EQ(packed.status, 0) << packed.err;
    // A source's findings name the line and column of what they are about.
    EXPECT_TRUE(std::regex_search(packed.err, std::regex("nested\\.json:1:[0-9]+: " + chain)))
        << packed.err;
    EXPECT_TRUE(std::regex_search(packed.err, std::regex("nested\\.json:1:[0-9]+: " + longest)))
        << packed.err;

    const ToolRun checked = RunTool({"check", "nested.dat"}, folder.path());
    EXPECT_EQ(checked.out, "nested.dat - Succeeded\n");
    EXPECT_NE(checked.err.find("nested.dat: " + chain), std::string::npos) << checked.err;
    EXPECT_NE(checked.err.find("nested.dat: " + longest), std::string::npos) << checked.err;

    const ScopedDataFolders data;
    const ToolRun installed = RunTool({"install", "nested.dat"}, folder.path());
    EXPECT_EQ(installed.status, 0) << installed.err;
    EXPECT_NE(installed.err.find("nested.dat: " + chain), std::string::npos) << installed.err;
    EXPECT_NE(installed.err.find("nested.dat: " + longest), std::string::npos) << installed.err;
}

}  // namespace
