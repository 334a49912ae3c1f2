// Checks the packed insltdat.dat that ships with the program: it loads cleanly, holds the
// four tab styles, and what it composes reads as clean text with plenty of variety.

#include "data/InsultGenerator.h"
#include "data/LoadMessages.h"
#include "generate/FormatCombinations.h"
#include "generate/GeneratorOperations.h"
#include "generate/RandomSource.h"
#include "tests/support/DataFolders.h"
#include "tests/words/WordChecks.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <string_view>
#include <vector>

using namespace razzlewick;

namespace {

namespace fs = std::filesystem;

const std::vector<std::string> kStyleNames = {"Arabian", "Shakespearean", "Modern",
                                              "Mediterranean"};
constexpr int16_t kInsultsPerStyle = 10000;
constexpr uint32_t kSeed = 20240607;
// Every list offers at least this many words; the list that ends the sentence carries the
// punchline, which the reader notices coming back first, so it needs more.
constexpr size_t kMinimumListSize = 50;
constexpr size_t kMinimumPunchlineListSize = 70;

// Words whose first letter misleads about the sound an article must match.
const std::set<std::string, std::less<>> kConsonantSoundDespiteVowel = {
    "one",    "once",  "unicorn", "unicorns", "useful", "useless", "usual", "university",
    "unique", "union", "uniform", "european", "ewe",    "utensil", "user"};
const std::set<std::string, std::less<>> kVowelSoundDespiteConsonant = {
    "hour", "hours", "hourly", "honest", "honour", "honourable", "heir", "herb"};

InsultGenerator& ShippedEngine()
{
    static InsultGenerator engine;
    static const bool loaded = [] {
        // A private copy: reading takes an exclusive lock, and other tests running at the
        // same time may be reading the shipped file.
        const fs::path copy =
            fs::temp_directory_path() / ("razzlewick-words-" + std::to_string(getpid()) + ".dat");
        fs::copy_file(RAZZLEWICK_DATA_FILE, copy, fs::copy_options::overwrite_existing);
        const std::string path = copy.string();
        FileErrorInfo error;
        const bool ok =
            engine.OpenDataFile(Archive::Mode::Loading, &path, &error) != -1 && engine.loadedOk;
        fs::remove(copy);
        return ok;
    }();
    EXPECT_TRUE(loaded) << "cannot read " << RAZZLEWICK_DATA_FILE;
    return engine;
}

std::string Lower(std::string_view text)
{
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

bool StartsWithVowelSound(std::string_view word)
{
    // "one-eyed" sounds like "one".
    const std::string head = Lower(word.substr(0, word.find('-')));
    if (kConsonantSoundDespiteVowel.contains(head))
        return false;
    if (kVowelSoundDespiteConsonant.contains(head))
        return true;
    return !head.empty() && std::string_view("aeiou").find(head.front()) != std::string_view::npos;
}

std::vector<std::string> Words(std::string_view sentence)
{
    std::vector<std::string> words;
    std::string current;
    for (const char c : sentence) {
        if (std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '\'' ||
            static_cast<unsigned char>(c) >= 0x80) {
            current += c;
        } else if (!current.empty()) {
            words.push_back(current);
            current.clear();
        }
    }
    if (!current.empty())
        words.push_back(current);
    return words;
}

// The article that does not fit its next word, or empty.
std::string ArticleMismatch(std::string_view insult)
{
    const std::vector<std::string> words = Words(insult);
    for (size_t i = 0; i + 1 < words.size(); ++i) {
        const std::string article = Lower(words[i]);
        const bool vowel = StartsWithVowelSound(words[i + 1]);
        if ((article == "a" && vowel) || (article == "an" && !vowel))
            return words[i] + " " + words[i + 1];
    }
    return {};
}

bool HasPlaceholder(std::string_view text)
{
    for (size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == '%' && std::isdigit(static_cast<unsigned char>(text[i + 1])))
            return true;
    }
    return false;
}

nlohmann::json SourceStyle(const std::string& key)
{
    std::ifstream in(fs::path(RAZZLEWICK_WORDS_DIR) / (key + ".json"));
    const nlohmann::json source = nlohmann::json::parse(in);
    for (const nlohmann::json& style : source.at("styles")) {
        if (style.at("key") == key)
            return style;
    }
    ADD_FAILURE() << key << ".json holds no style " << key;
    return {};
}

TEST(ShippedVocabulary, LoadsCleanlyWithExactlyTheFourStyles)
{
    // A folder of its own, so nothing but the shipped file is found there; the current
    // folder is the test's build folder, which holds no data file.
    const fs::path folder =
        fs::temp_directory_path() / ("razzlewick-words-" + std::to_string(getpid()));
    fs::create_directories(folder);
    fs::copy_file(RAZZLEWICK_DATA_FILE, folder / "insltdat.dat",
                  fs::copy_options::overwrite_existing);

    const ScopedDataFolders dataFolders;
    InsultGenerator engine;
    std::vector<LoadResult> report;
    const bool ok = engine.LoadDataFiles(&report, folder.string() + "/");
    fs::remove_all(folder);

    EXPECT_TRUE(ok);
    ASSERT_EQ(report.size(), 1u);
    EXPECT_EQ(report[0].fileName, "insltdat.dat");
    EXPECT_EQ(report[0].message, kLoadSucceeded);
    EXPECT_FALSE(report[0].failed);

    std::set<std::string> keys;
    for (const auto& [key, style] : engine.styles)
        keys.insert(key);
    EXPECT_EQ(keys, std::set<std::string>(kStyleNames.begin(), kStyleNames.end()));
}

class ShippedStyle : public ::testing::TestWithParam<std::string> {
protected:
    InsultStyle& Style()
    {
        InsultGenerator& engine = ShippedEngine();
        const auto found = engine.styles.find(GetParam());
        if (found == engine.styles.end()) {
            ADD_FAILURE() << "no style " << GetParam();
            static InsultStyle none("none");
            return none;
        }
        return *found->second;
    }
};

TEST_P(ShippedStyle, ListsAreNumberedFromZeroAndAllUsed)
{
    const InsultStyle& style = Style();
    const auto n = static_cast<int32_t>(style.wordLists.size());
    EXPECT_GE(n, 3);
    // %10 and above would be eaten by the replacement of %1.
    EXPECT_LE(n, 10);
    int32_t expected = 0;
    for (const auto& [number, list] : style.wordLists) {
        EXPECT_EQ(number, expected++);
        EXPECT_FALSE(list->empty()) << "list " << number;
        EXPECT_NE(style.templateText.find("%" + std::to_string(number)), std::string::npos)
            << "the template never uses list " << number;
    }
}

TEST_P(ShippedStyle, OffersAtLeastAMillionCombinationsWithoutWrapping)
{
    const InsultStyle& style = Style();
    int64_t product = 1;
    for (const auto& [number, list] : style.wordLists) {
        ASSERT_FALSE(__builtin_mul_overflow(product, static_cast<int64_t>(list->size()), &product))
            << "the count wraps at list " << number;
    }
    EXPECT_EQ(style.combinationCount, product - 1);
    EXPECT_GE(style.combinationCount, 1000000);

    // The label the main window shows must read at least 1,000,000.
    const std::string label = FormatCombinations(style.combinationCount);
    const std::string suffix = " combinations available";
    ASSERT_TRUE(label.ends_with(suffix)) << label;
    std::string digits = label.substr(0, label.size() - suffix.size());
    std::erase(digits, ',');
    EXPECT_EQ(digits, std::to_string(style.combinationCount)) << label;
}

TEST_P(ShippedStyle, TemplateIsASentenceAwaitingItsFullStop)
{
    const std::string& text = Style().templateText;
    ASSERT_FALSE(text.empty());
    // Literal first letter, so the caps option can capitalise it.
    EXPECT_TRUE(std::isalpha(static_cast<unsigned char>(text.front()))) << text;
    EXPECT_EQ(std::string_view(".!?,;: ").find(text.back()), std::string_view::npos) << text;
    EXPECT_EQ(text.find("  "), std::string::npos) << text;
}

TEST_P(ShippedStyle, WordsAreCleanWindows1252)
{
    for (const auto& [number, list] : Style().wordLists) {
        for (const std::string& word : list->Words()) {
            SCOPED_TRACE("list " + std::to_string(number) + ": \"" + word + "\"");
            ASSERT_FALSE(word.empty());
            EXPECT_NE(word.front(), ' ');
            EXPECT_NE(word.back(), ' ');
            EXPECT_EQ(word.find("  "), std::string::npos);
            EXPECT_FALSE(HasPlaceholder(word));
            // A character the code page lacks would have turned into '?' or an unassigned byte.
            EXPECT_EQ(word.find('?'), std::string::npos);
            for (const char c : word) {
                const auto byte = static_cast<unsigned char>(c);
                EXPECT_GE(byte, 0x20);
                EXPECT_TRUE(byte != 0x81 && byte != 0x8D && byte != 0x8F && byte != 0x90 &&
                            byte != 0x9D);
            }
        }
    }
}

TEST_P(ShippedStyle, SourceListsHoldNoCaseDuplicates)
{
    // The packer drops a word that differs from an earlier one only in case, so a
    // shrunken list means a duplicate in the JSON source.
    const nlohmann::json source = SourceStyle(GetParam());
    const InsultStyle& style = Style();
    ASSERT_EQ(source.at("lists").size(), style.wordLists.size());
    for (const nlohmann::json& list : source.at("lists")) {
        const auto number = list.at("number").get<int32_t>();
        const auto found = style.wordLists.find(number);
        ASSERT_NE(found, style.wordLists.end()) << "list " << number;
        EXPECT_EQ(list.at("words").size(), found->second->size()) << "list " << number;
    }
}

TEST_P(ShippedStyle, TenThousandInsultsReadCleanlyAndRarelyRepeat)
{
    InsultGenerator& engine = ShippedEngine();
    engine.SelectStyle(GetParam());
    ASSERT_NE(engine.currentStyle, nullptr);
    SeedRandom(kSeed);
    const std::string batch = Generate(engine, kInsultsPerStyle, true);

    std::vector<std::string> insults;
    const std::string_view ending = ".\r\n";
    for (size_t start = 0; start < batch.size();) {
        const size_t end = batch.find(ending, start);
        ASSERT_NE(end, std::string::npos) << "unterminated insult at byte " << start;
        insults.push_back(batch.substr(start, end - start));
        start = end + ending.size();
    }
    ASSERT_EQ(insults.size(), static_cast<size_t>(kInsultsPerStyle));

    int faults = 0;
    for (const std::string& insult : insults) {
        const std::string article = ArticleMismatch(insult);
        const bool clean =
            insult.find("????") == std::string::npos && !HasPlaceholder(insult) &&
            insult.find("  ") == std::string::npos && !insult.empty() && insult.back() != ' ' &&
            std::isupper(static_cast<unsigned char>(insult.front())) && article.empty();
        if (!clean && faults++ < 10)
            ADD_FAILURE() << "\"" << insult << "\""
                          << (article.empty() ? "" : " (article: " + article + ")");
    }
    EXPECT_EQ(faults, 0);

    const std::set<std::string> distinct(insults.begin(), insults.end());
    EXPECT_GE(distinct.size(), 9990u);
}

TEST_P(ShippedStyle, ListsAreLongEnoughAndVaryTheirOpenings)
{
    const InsultStyle& style = Style();
    const size_t lastPlaceholder = style.templateText.rfind('%');
    ASSERT_NE(lastPlaceholder, std::string::npos);
    const int32_t punchline = style.templateText[lastPlaceholder + 1] - '0';
    for (const auto& [number, list] : style.wordLists) {
        SCOPED_TRACE("list " + std::to_string(number));
        const size_t minimum = number == punchline ? kMinimumPunchlineListSize : kMinimumListSize;
        EXPECT_GE(list->size(), minimum);
        for (const std::string& finding : OverusedOpenings(*list))
            ADD_FAILURE() << finding;
    }
}

TEST_P(ShippedStyle, NoWordMeetsItselfInOneInsult)
{
    const InsultStyle& style = Style();
    for (const std::string& finding : RepeatedContentWords(style))
        ADD_FAILURE() << "repeated word: " << finding;
    for (const std::string& finding : StutteredWords(style))
        ADD_FAILURE() << "stutter: " << finding;
    EXPECT_LE(MostAndsInOneInsult(style), 2) << "\"and\" chains up in one insult";
}

TEST_P(ShippedStyle, WordsStayClearOfTheForbiddenKinds)
{
    const InsultStyle& style = Style();
    EXPECT_EQ(BlockedWord(style.templateText), "") << style.templateText;
    for (const auto& [number, list] : style.wordLists) {
        for (const std::string& word : list->Words())
            EXPECT_EQ(BlockedWord(word), "") << "list " << number << ": \"" << word << "\"";
    }
}

INSTANTIATE_TEST_SUITE_P(ShippedVocabulary, ShippedStyle, ::testing::ValuesIn(kStyleNames),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                             return info.param;
                         });

TEST(ShippedVocabulary, ArticleCheckCatchesBothMistakes)
{
    // The composed-text test relies on this check, so it must see real mistakes.
    EXPECT_EQ(ArticleMismatch("Thou art a onion"), "a onion");
    EXPECT_EQ(ArticleMismatch("May an camel sit on you"), "an camel");
    EXPECT_EQ(
        ArticleMismatch("You are an honest goat, a one-eyed ewe, an hour late, a useful clot"), "");
    EXPECT_EQ(ArticleMismatch("An apple, a banana"), "");
}

TEST(ShippedVocabulary, WordChecksCatchRepeatsStuttersAndBlockedWords)
{
    // Mistakes that once shipped; the style tests rely on these checks seeing them.
    InsultStyle style("Checks");
    style.templateText = "May a thousand %0 %1, and may %2 %3";
    const std::vector<std::vector<std::string>> words = {
        {"loud-mouthed", "tailgating"},
        {"camels", "goats"},
        {"the moon in a sulk", "a loudmouth", "a thousand bees"},
        {"sulk on your doorstep", "win your camel at dice", "tailgate you and sing"}};
    for (size_t number = 0; number < words.size(); ++number) {
        auto& list = style.wordLists[static_cast<int32_t>(number)];
        list = std::make_unique<WordList>();
        for (const std::string& word : words[number])
            list->AddUnique(word);
    }

    const std::vector<std::string> repeats = RepeatedContentWords(style);
    const auto reported = [&](std::string_view text) {
        return std::any_of(repeats.begin(), repeats.end(), [&](const std::string& finding) {
            return finding.find(text) != std::string::npos;
        });
    };
    EXPECT_TRUE(reported("\"tailgating\" / list 3 \"tailgate you and sing\""));
    EXPECT_TRUE(reported("\"loud-mouthed\" / list 2 \"a loudmouth\""));
    EXPECT_TRUE(reported("\"camels\" / list 3 \"win your camel at dice\""));
    EXPECT_TRUE(reported("template \"May a thousand \""));
    EXPECT_FALSE(reported("goats"));
    EXPECT_EQ(StutteredWords(style),
              std::vector<std::string>{
                  "list 2 \"the moon in a sulk\" ends with \"sulk\", which starts list 3"});
    EXPECT_EQ(MostAndsInOneInsult(style), 2);

    EXPECT_EQ(BlockedWord("a paunchy knave"), "body: paunchy");
    EXPECT_EQ(BlockedWord("fat-kidneyed"), "body: fat");
    EXPECT_EQ(BlockedWord("a waste of oxygen"), "dehumanising: waste of oxygen");
    EXPECT_EQ(BlockedWord("the fatherly oxygen tent"), "");
}

}  // namespace
