#include "generate/InsultComposer.h"
#include "generate/RandomSource.h"
#include "tests/generate/StyleBuilder.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <optional>
#include <random>

using namespace razzlewick;

namespace {

// The seed-1 sequence of the generator, worked out from state = state * 214013 + 2531011.
constexpr int32_t seedOneDraws[] = {41,    18467, 6334,  26500, 19169,
                                    15724, 11478, 29358, 26962, 24464};

std::vector<std::string> Numbered(const std::string& prefix, int count)
{
    std::vector<std::string> words;
    for (int i = 0; i < count; ++i) {
        words.push_back(prefix + std::to_string(i));
    }
    return words;
}

// How many draws the last call consumed, judged by where the seed-1 sequence now stands.
int DrawsConsumedSinceSeedOne()
{
    const int32_t next = DrawRandom();
    for (int i = 0; i < 10; ++i) {
        if (seedOneDraws[i] == next) {
            return i;
        }
    }
    return -1;
}

TEST(Composer, FixedSeedGivesKnownWordsOneLinePerInsult)
{
    auto style = MakeStyle("thou %0 %1 %2",
                           {{0, Numbered("a", 10)}, {1, Numbered("b", 7)}, {2, Numbered("c", 3)}});
    SeedRandom(1);
    // 41 % 10, 18467 % 7, 6334 % 3; then 26500, 19169, 15724; then 11478, 29358, 26962.
    EXPECT_EQ(Compose(*style, 3, true), "Thou a1 b1 c1.\r\nThou a0 b3 c1.\r\nThou a8 b0 c1.\r\n");
    EXPECT_EQ(DrawRandom(), 24464);
}

TEST(Composer, EveryListDrawsOncePerInsultAndRepeatsShareTheWord)
{
    // List 1 is not in the template but still takes its draw.
    auto style = MakeStyle("%0 and %0", {{0, Numbered("w", 5)}, {1, Numbered("u", 5)}});
    SeedRandom(1);
    EXPECT_EQ(Compose(*style, 2, false), "w1 and w1.\r\nw4 and w4.\r\n");  // 41 % 5, 6334 % 5
    EXPECT_EQ(DrawsConsumedSinceSeedOne(), 4);
}

TEST(Composer, MissingNumberBecomesMarkersAndNumbersFromNStayAsTyped)
{
    // N = 2: %1 has no list, %2 is beyond N and its list is never drawn from.
    auto style = MakeStyle("%0 %1 %2", {{0, {"x"}}, {2, {"y"}}});
    SeedRandom(1);
    EXPECT_EQ(Compose(*style, 2, true), "x ???? %2.\r\nx ???? %2.\r\n");
    EXPECT_EQ(DrawsConsumedSinceSeedOne(), 2);
}

TEST(Composer, StyleWithoutListsRepeatsTheTemplate)
{
    auto style = MakeStyle("Thou art %0", {});
    SeedRandom(1);
    EXPECT_EQ(Compose(*style, 3, true), "Thou art %0.\r\nThou art %0.\r\nThou art %0.\r\n");
    EXPECT_EQ(DrawsConsumedSinceSeedOne(), 0);
    EXPECT_EQ(style->CombinationCount(), 0);
}

TEST(Composer, EmptyListTakesItsDrawAndGivesTheEmptyWord)
{
    auto style = MakeStyle("[%0][%1]", {{0, {}}, {1, Numbered("b", 2)}});
    SeedRandom(1);
    EXPECT_EQ(Compose(*style, 2, true), "[][b1].\r\n[][b0].\r\n");  // 18467 % 2, 26500 % 2
    EXPECT_EQ(DrawsConsumedSinceSeedOne(), 4);
}

TEST(Composer, PlaceholdersMatchAsPlainTextInAscendingOrder)
{
    std::map<int32_t, std::vector<std::string>> lists;
    for (int32_t k = 0; k <= 10; ++k) {
        lists[k] = {"x"};
    }
    lists[1] = {"one"};
    lists[10] = {"ten"};
    // %10 starts with %1, which is replaced first.
    EXPECT_EQ(Compose(*MakeStyle("%10|%1", lists), 1, false), "one0|one.\r\n");

    // A word holding a later placeholder is expanded by that later step; one holding its own
    // placeholder is not scanned again.
    EXPECT_EQ(Compose(*MakeStyle("%0", {{0, {"%1"}}, {1, {"b"}}}), 1, false), "b.\r\n");
    EXPECT_EQ(Compose(*MakeStyle("%0", {{0, {"%0%0"}}}), 1, false), "%0%0.\r\n");
    // A word and the template text after it can form a placeholder together.
    EXPECT_EQ(Compose(*MakeStyle("%01", {{0, {"%"}}, {1, {"Z"}}}), 1, false), "Z.\r\n");
}

struct CaseRow {
    const char* name;
    std::string templateText;
    bool capitalise;
    std::string expected;           // the one insult composed
    std::string templateAfterward;  // the adjustment is kept in the style
};

void PrintTo(const CaseRow& row, std::ostream* out)
{
    *out << row.name;
}

class FirstLetter : public ::testing::TestWithParam<CaseRow> {};

TEST_P(FirstLetter, AdjustsOnlyTheTemplatesOwnFirstLetter)
{
    auto style = MakeStyle(GetParam().templateText, {{0, {"abc"}}, {1, {"Def"}}});
    EXPECT_EQ(Compose(*style, 1, GetParam().capitalise), GetParam().expected);
    EXPECT_EQ(style->TemplateText(), GetParam().templateAfterward);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, FirstLetter,
    ::testing::Values(CaseRow{"LowerCapitalised", "thou %0", true, "Thou abc.\r\n", "Thou %0"},
                      CaseRow{"UpperNotCapitalised", "Thou %0", false, "thou abc.\r\n", "thou %0"},
                      CaseRow{"UpperCapitalised", "Thou %0", true, "Thou abc.\r\n", "Thou %0"},
                      CaseRow{"PlaceholderFirstCapitalised", "%0 x", true, "abc x.\r\n", "%0 x"},
                      CaseRow{"PlaceholderFirstNotCapitalised", "%1 x", false, "Def x.\r\n",
                              "%1 x"},
                      CaseRow{"DigitFirst", "9 %0", true, "9 abc.\r\n", "9 %0"},
                      CaseRow{"ByteAbove127", "\xe9lan %0", true, "\xe9lan abc.\r\n", "\xe9lan %0"},
                      CaseRow{"EmptyTemplate", "", true, ".\r\n", ""},
                      // Each end of both letter ranges and the character just outside it.
                      CaseRow{"BacktickBeforeA", "`x", true, "`x.\r\n", "`x"},
                      CaseRow{"LowerA", "ax", true, "Ax.\r\n", "Ax"},
                      CaseRow{"LowerZ", "zx", true, "Zx.\r\n", "Zx"},
                      CaseRow{"BraceAfterZ", "{x", true, "{x.\r\n", "{x"},
                      CaseRow{"AtBeforeUpperA", "@x", false, "@x.\r\n", "@x"},
                      CaseRow{"UpperA", "Ax", false, "ax.\r\n", "ax"},
                      CaseRow{"UpperZ", "Zx", false, "zx.\r\n", "zx"},
                      CaseRow{"BracketAfterZ", "[x", false, "[x.\r\n", "[x"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Composer, NoInsultsStillAddsAnEmptyHistoryEntry)
{
    auto style = MakeStyle("thou %0", {{0, {"a", "b"}}});
    SeedRandom(1);
    for (const int16_t count : {int16_t{0}, int16_t{-1}, int16_t{INT16_MIN}}) {
        EXPECT_EQ(Compose(*style, count, true), "");
    }
    EXPECT_EQ(style->History().Entries(), (std::vector<std::string>{"", "", ""}));
    EXPECT_EQ(style->History().Position(), 2);
    EXPECT_EQ(DrawsConsumedSinceSeedOne(), 0);
    // The case adjustment happens even for an empty batch.
    EXPECT_EQ(style->TemplateText(), "Thou %0");
}

TEST(Composer, BatchBecomesTheNewestHistoryEntry)
{
    auto style = MakeStyle("%0", {{0, {"a"}}});
    style->History().Append("old");
    style->History().Append("older");
    style->History().StepBack();
    const std::string text = Compose(*style, 2, false);
    EXPECT_EQ(text, "a.\r\na.\r\n");
    EXPECT_EQ(style->History().Entries(), (std::vector<std::string>{"old", "older", text}));
    EXPECT_EQ(style->History().Position(), 2);
}

TEST(Composer, LargestBatchHasEveryInsult)
{
    auto style = MakeStyle("%0 %1", {{0, Numbered("a", 40)}, {1, Numbered("b", 40)}});
    const std::string text = Compose(*style, INT16_MAX, true);
    size_t lines = 0;
    for (size_t at = text.find(".\r\n"); at != std::string::npos; at = text.find(".\r\n", at + 3)) {
        ++lines;
    }
    EXPECT_EQ(lines, size_t{INT16_MAX});
    EXPECT_EQ(text.find('%'), std::string::npos);
}

// A style of 50,000 empty lists, as a hostile data file can hold, at the largest count:
// memory follows the text rather than the list count, and every list still takes its draw.
TEST(Composer, ManyEmptyListsAtTheLargestCount)
{
    std::map<int32_t, std::vector<std::string>> lists;
    for (int32_t k = 0; k < 50000; ++k) {
        lists[k] = {};
    }
    // %49999 reads as %4 followed by 9999, list 4 being there.
    auto style = MakeStyle("Thou %0 art %49999", lists);
    std::string expected;
    for (int i = 0; i < INT16_MAX; ++i) {
        expected += "Thou  art 9999.\r\n";
    }
    EXPECT_TRUE(Compose(*style, INT16_MAX, true) == expected);

    SeedRandom(1);
    EXPECT_EQ(Compose(*style, 3, true),
              "Thou  art 9999.\r\nThou  art 9999.\r\nThou  art 9999.\r\n");
    const int32_t next = DrawRandom();
    SeedRandom(1);
    for (int i = 0; i < 3 * 50000; ++i) {
        DrawRandom();
    }
    EXPECT_EQ(next, DrawRandom());
}

// The expansion rule taken literally and without bounds: every number from 0 to N-1 in turn,
// searched for whether or not it can occur. None when the text outgrows 16 KiB, though every
// list still takes its draw. `bounded` stays true while the texts stay within
// kInsultKeptLimit and their rewriting within kInsultWorkLimit, where Compose must not stop.
std::optional<std::string> LiteralInsult(const InsultStyle& style, bool& bounded)
{
    std::optional<std::string> text = style.TemplateText();
    bounded = text->size() <= kInsultKeptLimit;
    size_t work = 0;
    for (size_t k = 0; k < style.WordLists().size(); ++k) {
        std::string word = "????";
        const auto found = style.WordLists().find(static_cast<int32_t>(k));
        if (found != style.WordLists().end()) {
            const auto r = static_cast<size_t>(DrawRandom());
            const WordList& list = found->second;
            word = list.size() == 0 ? "" : list[r % list.size()];
        }
        const std::string key = "%" + std::to_string(k);
        if (!text || text->find(key) == std::string::npos) {
            continue;
        }
        work += text->size();
        std::string out;
        size_t from = 0;
        for (size_t at = text->find(key); at != std::string::npos; at = text->find(key, from)) {
            out.append(*text, from, at - from).append(word);
            from = at + key.size();
        }
        out.append(*text, from);
        bounded = bounded && work <= kInsultWorkLimit && out.size() <= kInsultKeptLimit;
        text = out.size() > (size_t{1} << 14) ? std::nullopt : std::optional(out);
    }
    return text;
}

// Compose against LiteralInsult for `rounds` random styles, two insults each, so that the
// draws an insult leaves behind show in the next one: the first kInsultLimit characters of
// the literal insult, or a start of them where the filling-in outgrew its bounds.
template <typename MakeRandomStyle>
void ExpectLiteralRule(int rounds, std::mt19937& random, MakeRandomStyle makeStyle)
{
    for (int round = 0; round < rounds; ++round) {
        auto style = makeStyle();
        const uint32_t seed = random();
        SeedRandom(seed);
        bool bounded[2];
        const std::optional<std::string> expected[2] = {LiteralInsult(*style, bounded[0]),
                                                        LiteralInsult(*style, bounded[1])};
        const int32_t expectedNext = DrawRandom();
        SeedRandom(seed);
        for (int i = 0; i < 2; ++i) {
            const std::string insult = Compose(*style, 1, false);
            if (!expected[i]) {
                continue;
            }
            const std::string whole = expected[i]->substr(0, kInsultLimit) + ".\r\n";
            if (bounded[i]) {
                ASSERT_EQ(insult, whole) << "template " << style->TemplateText();
            } else {
                ASSERT_TRUE(whole.starts_with(insult.substr(0, insult.size() - 3)))
                    << "template " << style->TemplateText();
            }
        }
        ASSERT_EQ(DrawRandom(), expectedNext) << "template " << style->TemplateText();
    }
}

TEST(Composer, SkippingUnmentionedNumbersChangesNothing)
{
    std::mt19937 random(7);
    const auto pick = [&](int below) {
        return static_cast<int>(random() % static_cast<unsigned>(below));
    };
    const auto piece = [&] {
        std::string text;
        for (int n = pick(7); n > 0; --n) {
            text += "%%0123a"[pick(7)];
        }
        return text;
    };
    ExpectLiteralRule(3000, random, [&] {
        std::map<int32_t, std::vector<std::string>> lists;
        for (int n = pick(16); n > 0; --n) {
            std::vector<std::string>& words = lists[pick(20)];
            for (int w = pick(3); w > 0; --w) {
                words.push_back(piece());
            }
        }
        return MakeStyle(piece() + piece(), lists);
    });
}

// Words that bring in several placeholders of later lists, or long chains of them: insults
// that reach either bound at different steps, mixed with plain words that never do.
TEST(Composer, BoundedInsultsFollowTheStepByStepRule)
{
    std::mt19937 random(11);
    const auto pick = [&](int below) {
        return static_cast<int>(random() % static_cast<unsigned>(below));
    };
    ExpectLiteralRule(300, random, [&] {
        const int listCount = 2 + pick(60);
        std::map<int32_t, std::vector<std::string>> lists;
        for (int k = 0; k < listCount; ++k) {
            std::vector<std::string>& words = lists[k];
            for (int w = 1 + pick(3); w > 0; --w) {
                // Empty words and digits lengthen the placeholder before them.
                std::string word = std::array{"plain", "", "", "7"}[pick(4)];
                for (int copies = pick(4); copies > 0; --copies) {
                    word += "%" + std::to_string(k + 1 + pick(3)) + "ab"[pick(2)];
                }
                words.push_back(word);
            }
        }
        std::string templateText;
        for (int copies = 1 + pick(2) * pick(1500); copies > 0; --copies) {
            templateText += pick(3) == 0 ? "%0" : "%0 ";
        }
        return MakeStyle(templateText, lists);
    });
}

// A cut insult is the start of the whole one, whatever the template's length, exactly 4,096
// characters coming out whole.
TEST(Composer, ACutInsultIsTheStartOfTheWholeOne)
{
    const auto one = [](const std::string& templateText, const std::string& word) {
        return Compose(*MakeStyle(templateText, {{0, {word}}}), 1, false);
    };
    EXPECT_EQ(one("%0" + std::string(65533, 'm'), "one"), "one" + std::string(4093, 'm') + ".\r\n");
    EXPECT_EQ(one("%0" + std::string(4094, 'x'), "ab"), "ab" + std::string(4094, 'x') + ".\r\n");
    EXPECT_EQ(one(std::string(4096, 'x') + "%0", "y"), std::string(4096, 'x') + ".\r\n");
    // Nine steps over a long template rewrite only its start.
    std::map<int32_t, std::vector<std::string>> nine;
    for (int32_t k = 0; k < 9; ++k) {
        nine[k] = {"w"};
    }
    EXPECT_EQ(Compose(*MakeStyle("%0%1%2%3%4%5%6%7%8" + std::string(65517, 'm'), nine), 1, false),
              std::string(9, 'w') + std::string(4087, 'm') + ".\r\n");
    // Text of placeholders alone past 8 KiB, made to be slow, ends before its first one; the
    // lists still take their draws.
    std::string placeholders;
    for (int i = 0; i < 5000; ++i) {
        placeholders += "%1";
    }
    SeedRandom(1);
    EXPECT_EQ(Compose(*MakeStyle("ab" + placeholders, {{0, {"z"}}, {1, {"z"}}}), 1, false),
              "ab.\r\n");
    EXPECT_EQ(DrawsConsumedSinceSeedOne(), 2);
}

// Each list's words name the next list twice: 21 lists would make one insult of six million
// bytes of placeholders; or once, over a long template, rewriting it at every step. Either
// stops before the first placeholder not filled, and every list still takes its draw.
TEST(Composer, AnInsultStopsGrowingAtItsLimit)
{
    std::map<int32_t, std::vector<std::string>> twice;
    std::map<int32_t, std::vector<std::string>> once = {{21, {"end"}}};
    for (int32_t k = 0; k <= 20; ++k) {
        const std::string next = "%" + std::to_string(k + 1);
        twice[k] = {next + next};
        once[k] = {next};
    }
    EXPECT_EQ(Compose(*MakeStyle("Thou %0 " + std::string(5000, 'm'), once), 1, true),
              "Thou .\r\n");
    SeedRandom(1);
    std::string expected;
    for (int i = 0; i < 100; ++i) {
        expected += "Thou .\r\n";
    }
    EXPECT_EQ(Compose(*MakeStyle("Thou %0", twice), 100, true), expected);
    const int32_t next = DrawRandom();
    SeedRandom(1);
    SkipRandom(100 * 21);
    EXPECT_EQ(next, DrawRandom());
}

// A word among the recent ones is drawn again, and the redraws end: seed 12651 gives d, a, then
// seventeen draws of d or a, after which the word after the last draw that is not recent.
TEST(Composer, RecentWordsAreDrawnAgainAndTheRedrawsEnd)
{
    SeedRandom(12651);
    EXPECT_EQ(
        Compose(*MakeStyle("%0", {{0, {"a", "b", "c", "d"}}}), 3, false, Repeats::AvoidRecent),
        "d.\r\na.\r\nb.\r\n");
}

// Only a batch of more insults than the window offers reaches the batch limit now; it stops
// at the insult that would take it past, keeping the whole insults before it.
TEST(Composer, BatchStopsBeforeOutgrowingTheLimit)
{
    auto large = MakeStyle(std::string(kInsultLimit, 'x'), {});
    const std::string text = Compose(*large, INT16_MAX, true);
    EXPECT_EQ(text.size(), kBatchTextLimit / (kInsultLimit + 3) * (kInsultLimit + 3));
    EXPECT_EQ(large->History().Entries().back().size(), text.size());
}

}  // namespace
