// Checks the packed insltdat.dat that ships with the program: it loads cleanly, holds the
// four tab styles, and what it composes reads as clean text with plenty of variety.

#include "data/InsultGenerator.h"
#include "data/LoadMessages.h"
#include "data/RecentDraws.h"
#include "data/Windows1252.h"
#include "generate/FormatCombinations.h"
#include "generate/InsultComposer.h"
#include "generate/RandomSource.h"
#include "tests/support/DataFolders.h"
#include "tests/words/InsultKit.h"
#include "tests/words/WordChecks.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <hunspell/hunspell.hxx>
#include <map>
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
// Composing holds a word back for the style's next kRecentInsults insults, but never more than
// half a list: a punchline that ends a quarter of the shapes or more needs twice that many
// words, or fifty presses can tell one joke twice.
constexpr size_t kFiftyPressesPunchlineListSize = 2 * RecentDraws::kRecentInsults;
// The shapes are a style's openings, not words a reader remembers: a few dozen plain ones
// read better than fifty that differ by an ordinal.
constexpr size_t kMinimumShapeListSize = 10;

// Words whose first letter misleads about the sound an article must match.
const std::set<std::string, std::less<>> kConsonantSoundDespiteVowel = {
    "one",    "once",  "unicorn", "unicorns", "useful",   "useless", "usual",   "university",
    "unique", "union", "uniform", "unicycle", "european", "ewe",     "utensil", "user"};
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
        const bool ok = engine.OpenDataFile(Archive::Mode::Loading, &path).Succeeded();
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

const std::string kDictionary = "/usr/share/hunspell/en_GB.aff";
const std::string kDictionaryWords = "/usr/share/hunspell/en_GB.dic";

// The period words and slang the dictionary lacks, one a line, in Windows-1252 like the words.
std::set<std::string> KnownWords()
{
    std::ifstream in(fs::path(RAZZLEWICK_KNOWN_WORDS));
    EXPECT_TRUE(in.good()) << "cannot read " << RAZZLEWICK_KNOWN_WORDS;
    std::set<std::string> words;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.front() != '#')
            words.insert(Utf8ToWindows1252(line).text);
    }
    return words;
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
    for (const auto& [key, style] : engine.Styles())
        keys.insert(key);
    EXPECT_EQ(keys, std::set<std::string>(kStyleNames.begin(), kStyleNames.end()));
}

class ShippedStyle : public ::testing::TestWithParam<std::string> {
protected:
    InsultStyle& Style()
    {
        InsultGenerator& engine = ShippedEngine();
        InsultStyle* found = engine.FindStyle(GetParam());
        if (found == nullptr) {
            ADD_FAILURE() << "no style " << GetParam();
            static InsultStyle none("none");
            return none;
        }
        return *found;
    }
};

TEST_P(ShippedStyle, ListsAreNumberedFromZeroAndAllUsed)
{
    const InsultStyle& style = Style();
    const auto n = static_cast<int32_t>(style.WordLists().size());
    EXPECT_GE(n, 3);
    // %10 and above would be eaten by the replacement of %1.
    EXPECT_LE(n, 10);
    std::set<int32_t> reached;
    for (const int32_t list : PlaceholdersOf(style.TemplateText()))
        reached.insert(list);
    for (const SentenceForm& form : SentenceForms(style)) {
        for (const int32_t list : form.Lists())
            reached.insert(list);
    }
    int32_t expected = 0;
    for (const auto& [number, list] : style.WordLists()) {
        EXPECT_EQ(number, expected++);
        EXPECT_FALSE(list.empty()) << "list " << number;
        EXPECT_TRUE(reached.contains(number))
            << "neither the template nor a shape uses list " << number;
    }
}

TEST_P(ShippedStyle, ShapesReadDifferentlyAndEndOnTheirPunchline)
{
    const InsultStyle& style = Style();
    const std::vector<SentenceForm> forms = SentenceForms(style);
    EXPECT_GE(forms.size(), 6u) << "shapes";
    std::map<std::string, std::string> openings;
    for (const SentenceForm& form : forms) {
        SCOPED_TRACE(form.shape);
        ASSERT_FALSE(form.pieces.empty());
        // The composer adds the full stop straight after the punchline.
        EXPECT_TRUE(form.pieces.back().list >= 0 ||
                    (form.pieces.size() > 1 && form.pieces.back().text.empty()))
            << "the shape does not end on a list's word";
        std::vector<int32_t> lists = form.Lists();
        std::sort(lists.begin(), lists.end());
        EXPECT_EQ(std::adjacent_find(lists.begin(), lists.end()), lists.end())
            << "a list used twice puts one word in twice";
        // A word put in is never capitalised, so it cannot start a sentence.
        for (const std::string_view stop : {". %", "! %", "? %"})
            EXPECT_EQ(form.shape.find(stop), std::string::npos) << "a sentence opens in lower case";
        // Placeholders count as words, so "the %1" and "the %2" open differently; punctuation
        // does not.
        std::string shape = Lower(form.shape);
        std::erase_if(shape, [](char c) {
            return std::string_view(",;:!?").find(c) != std::string_view::npos;
        });
        const size_t first = shape.find(' ');
        const size_t second = first == std::string::npos ? first : shape.find(' ', first + 1);
        const auto [earlier, fresh] = openings.emplace(shape.substr(0, second), form.shape);
        EXPECT_TRUE(fresh) << "opens like \"" << earlier->second << "\"";
        // Shapes are one level deep: the words they bring in carry no placeholders.
        for (const int32_t number : lists) {
            const auto list = style.WordLists().find(number);
            ASSERT_NE(list, style.WordLists().end()) << "list " << number;
            for (const std::string& word : list->second.Words())
                EXPECT_TRUE(PlaceholdersOf(word).empty()) << "list " << number << ": " << word;
        }
    }
}

TEST_P(ShippedStyle, InsultsStayShort)
{
    const WordCount count = InsultWordCount(Style());
    EXPECT_LE(count.average, 22.0);
    EXPECT_LE(count.most, 35u);
}

TEST_P(ShippedStyle, OffersAtLeastAMillionCombinationsWithoutWrapping)
{
    const InsultStyle& style = Style();
    int64_t product = 1;
    for (const auto& [number, list] : style.WordLists()) {
        ASSERT_FALSE(__builtin_mul_overflow(product, static_cast<int64_t>(list.size()), &product))
            << "the count wraps at list " << number;
    }
    // Counted by shapes: at most every list's words multiplied (a style whose every shape takes
    // every list reaches that), never the product less one of a style without shapes.
    EXPECT_LE(style.CombinationCount(), product);
    EXPECT_NE(style.CombinationCount(), product - 1);
    EXPECT_GE(style.CombinationCount(), 1000000);

    // The label the main window shows must read at least 1,000,000.
    const std::string label = FormatCombinations(style.CombinationCount());
    const std::string suffix = " combinations available";
    ASSERT_TRUE(label.ends_with(suffix)) << label;
    std::string digits = label.substr(0, label.size() - suffix.size());
    std::erase(digits, ',');
    EXPECT_EQ(digits, std::to_string(style.CombinationCount())) << label;
}

TEST_P(ShippedStyle, TemplateIsASentenceAwaitingItsFullStop)
{
    const std::string& text = Style().TemplateText();
    ASSERT_FALSE(text.empty());
    // Literal first letter, so the caps option can capitalise it.
    EXPECT_TRUE(std::isalpha(static_cast<unsigned char>(text.front()))) << text;
    EXPECT_EQ(std::string_view(".!?,;: ").find(text.back()), std::string_view::npos) << text;
    EXPECT_EQ(text.find("  "), std::string::npos) << text;
}

TEST_P(ShippedStyle, WordsAreCleanWindows1252)
{
    for (const auto& [number, list] : Style().WordLists()) {
        for (const std::string& word : list.Words()) {
            SCOPED_TRACE("list " + std::to_string(number) + ": \"" + word + "\"");
            ASSERT_FALSE(word.empty());
            EXPECT_NE(word.front(), ' ');
            EXPECT_NE(word.back(), ' ');
            EXPECT_EQ(word.find("  "), std::string::npos);
            // A character the code page lacks would have turned into '?' or an unassigned byte;
            // a shape may ask a question on purpose.
            if (PlaceholdersOf(word).empty()) {
                EXPECT_EQ(word.find('?'), std::string::npos);
            }
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
    ASSERT_EQ(source.at("lists").size(), style.WordLists().size());
    for (const nlohmann::json& list : source.at("lists")) {
        const auto number = list.at("number").get<int32_t>();
        const auto found = style.WordLists().find(number);
        ASSERT_NE(found, style.WordLists().end()) << "list " << number;
        EXPECT_EQ(list.at("words").size(), found->second.size()) << "list " << number;
    }
}

TEST_P(ShippedStyle, TenThousandInsultsReadCleanlyAndRarelyRepeat)
{
    InsultGenerator& engine = ShippedEngine();
    engine.SelectStyle(GetParam());
    ASSERT_NE(engine.CurrentStyle(), nullptr);
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
    // The list that ends a sentence carries its punchline.
    std::map<int32_t, size_t> punchlines;
    const std::vector<SentenceForm> forms = SentenceForms(style);
    for (const SentenceForm& form : forms) {
        const std::vector<int32_t> lists = form.Lists();
        if (!lists.empty())
            ++punchlines[lists.back()];
    }
    for (const auto& [number, list] : style.WordLists()) {
        SCOPED_TRACE("list " + std::to_string(number));
        const auto found = punchlines.find(number);
        const size_t ends = found == punchlines.end() ? 0 : found->second;
        const size_t minimum = HoldsShapes(list)          ? kMinimumShapeListSize
                               : 4 * ends >= forms.size() ? kFiftyPressesPunchlineListSize
                               : ends > 0                 ? kMinimumPunchlineListSize
                                                          : kMinimumListSize;
        EXPECT_GE(list.size(), minimum);
        for (const std::string& finding : OverusedOpenings(list))
            ADD_FAILURE() << finding;
    }
}

TEST_P(ShippedStyle, NoWordMeetsItselfInOneInsult)
{
    const InsultStyle& style = Style();
    std::vector<std::string> echoes;
    const double share = EchoShare(style, &echoes);
    // Kept in the test's record, so the words README's figures can be read off `ctest -V`.
    RecordProperty("echo_share_percent", std::to_string(share * 100));
    EXPECT_LE(share, 0.002) << echoes.size() << " pairs of places share a stem";
    if (share > 0.002) {
        for (const std::string& finding : echoes)
            ADD_FAILURE() << "echo: " << finding;
    }
    for (const std::string& finding : StutteredWords(style))
        ADD_FAILURE() << "stutter: " << finding;
    EXPECT_LE(MostAndsInOneInsult(style), 2) << "\"and\" chains up in one insult";
}

TEST_P(ShippedStyle, WordsStayClearOfTheForbiddenKinds)
{
    const InsultStyle& style = Style();
    // The offensiveness level withholds these two, so they may swear.
    const bool shownToEveryone = GetParam() != "Modern" && GetParam() != "Mediterranean";
    EXPECT_EQ(BlockedWord(style.TemplateText()), "") << style.TemplateText();
    EXPECT_EQ(SlurInside(style.TemplateText()), "") << style.TemplateText();
    for (const auto& [number, list] : style.WordLists()) {
        for (const std::string& word : list.Words()) {
            EXPECT_EQ(BlockedWord(word), "") << "list " << number << ": \"" << word << "\"";
            EXPECT_EQ(SlurInside(word), "") << "list " << number << ": \"" << word << "\"";
            if (shownToEveryone) {
                EXPECT_EQ(CoarseWord(word), "") << "list " << number << ": \"" << word << "\"";
            }
        }
    }
}

TEST_P(ShippedStyle, NoListLeansOnThePeriodInsultKit)
{
    for (const auto& [number, list] : Style().WordLists()) {
        const std::vector<std::string> kit = KitWordsIn(list.Words());
        EXPECT_LE(kit.size(), 12u) << "list " << number;
        EXPECT_LT(LongestRunInKitOrder(kit), 5u) << "list " << number << " keeps the kit's order";
    }
}

TEST_P(ShippedStyle, WordsAreSpeltAsTheBritishDictionarySpellsThem)
{
    static const std::set<std::string> known = KnownWords();
    static Hunspell dictionary(kDictionary.c_str(), kDictionaryWords.c_str());
    const InsultStyle& style = Style();
    std::set<std::string> unknown;
    const auto check = [&](std::string_view text) {
        for (const std::string& word : SpellingWords(text)) {
            if (!known.contains(word) && !dictionary.spell(Windows1252ToUtf8(word)))
                unknown.insert(word);
        }
    };
    check(style.TemplateText());
    for (const auto& [number, list] : style.WordLists()) {
        for (const std::string& word : list.Words())
            check(word);
    }
    for (const std::string& word : unknown)
        ADD_FAILURE() << "not in " << kDictionaryWords << " nor in KnownWords.txt: " << word;
}

INSTANTIATE_TEST_SUITE_P(ShippedVocabulary, ShippedStyle, ::testing::ValuesIn(kStyleNames),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                             return info.param;
                         });

TEST(ShippedVocabulary, NoPhraseSpeaksInTwoStyles)
{
    // Each style has a voice of its own: no word of a list, and no run of four words, in two.
    std::map<std::string, std::string> seen;  // entry or run -> style
    InsultGenerator& engine = ShippedEngine();
    for (const std::string& key : kStyleNames) {
        const auto style = engine.Styles().find(key);
        ASSERT_NE(style, engine.Styles().end()) << key;
        std::set<std::string> ofStyle;
        for (const auto& [number, list] : style->second.WordLists()) {
            for (const std::string& word : list.Words()) {
                if (!PlaceholdersOf(word).empty())
                    continue;
                ofStyle.insert(Lower(word));
                const std::vector<std::string> words = Words(Lower(word));
                for (size_t i = 0; i + 4 <= words.size(); ++i)
                    ofStyle.insert(words[i] + " " + words[i + 1] + " " + words[i + 2] + " " +
                                   words[i + 3]);
            }
        }
        for (const std::string& phrase : ofStyle) {
            const auto [other, fresh] = seen.emplace(phrase, key);
            EXPECT_TRUE(fresh) << "\"" << phrase << "\" in " << other->second << " and " << key;
        }
    }
}

TEST(ShippedVocabulary, NoStyleCallsThePersonWhatAnotherDoes)
{
    // What a style calls the person is its own: "dope" or "utter" in two styles blurs them.
    std::map<std::string, std::string> seen;  // word -> style and epithet
    size_t namingStyles = 0;
    InsultGenerator& engine = ShippedEngine();
    for (const std::string& key : kStyleNames) {
        const auto style = engine.Styles().find(key);
        ASSERT_NE(style, engine.Styles().end()) << key;
        const std::set<int32_t> epithets = EpithetLists(style->second);
        namingStyles += epithets.empty() ? 0 : 1;
        std::map<std::string, std::string> ofStyle;
        for (const int32_t number : epithets) {
            for (const std::string& word : style->second.WordLists().at(number).Words()) {
                for (const std::string& part : ContentWords(word))
                    ofStyle.emplace(part, key + " \"" + word + "\"");
            }
        }
        for (const auto& [part, where] : ofStyle) {
            const auto [other, fresh] = seen.emplace(part, where);
            EXPECT_TRUE(fresh) << part << ": " << other->second << " and " << where;
        }
    }
    // Arabian's curses name nobody; the others must, or the check has nothing to compare.
    EXPECT_GE(namingStyles, 3u);
}

TEST(ShippedVocabulary, ArticleCheckCatchesBothMistakes)
{
    // The composed-text test relies on this check, so it must see real mistakes.
    EXPECT_EQ(ArticleMismatch("Thou art a onion"), "a onion");
    EXPECT_EQ(ArticleMismatch("May an camel sit on you"), "an camel");
    EXPECT_EQ(
        ArticleMismatch("You are an honest goat, a one-eyed ewe, an hour late, a useful clot"), "");
    EXPECT_EQ(ArticleMismatch("An apple, a banana"), "");
}

void Fill(WordList& list, const std::vector<std::string>& words)
{
    for (const std::string& word : words)
        list.AddUnique(word);
}

TEST(ShippedVocabulary, EchoCheckFindsEveryFormOfAWordAcrossTheParts)
{
    // Slips that once shipped; the style tests rely on this check seeing them.
    InsultStyle style("Checks");
    style.SetTemplateText("May %0");
    Fill(style.AddList(0), {"the %1 %2 of your %3, and may %4 %5", "you lose %5"});
    Fill(style.AddList(1), {"ill-mannered", "bad-tempered", "hen-hearted", "even"});
    Fill(style.AddList(2), {"poets", "bargain-bin"});
    Fill(style.AddList(3), {"poet's quill", "tent"});
    Fill(style.AddList(4),
         {"a herd of gazelles with no manners", "a hen", "the bin-day crew", "a curse"});
    Fill(style.AddList(5), {"lose their tempers", "forget your name even once", "sing a curse",
                            "bring nothing to the bring-and-share"});

    std::vector<std::string> echoes;
    const double share = EchoShare(style, &echoes);
    const auto reported = [&](std::string_view text) {
        return std::any_of(echoes.begin(), echoes.end(), [&](const std::string& finding) {
            return finding.find(text) != std::string::npos;
        });
    };
    EXPECT_TRUE(reported("manner: list 1 \"ill-mannered\" / list 4 \"a herd of gazelles"));
    EXPECT_TRUE(reported("temper: list 1 \"bad-tempered\" / list 5 \"lose their tempers\""));
    EXPECT_TRUE(reported("hen: list 1 \"hen-hearted\" / list 4 \"a hen\""));
    EXPECT_TRUE(reported("even: list 1 \"even\" / list 5 \"forget your name even once\""));
    EXPECT_TRUE(reported("poet: list 2 \"poets\" / list 3 \"poet's quill\""));
    EXPECT_TRUE(reported("bin: list 2 \"bargain-bin\" / list 4 \"the bin-day crew\""));
    EXPECT_TRUE(reported("lose: shape \"you lose %5\" / list 5 \"lose their tempers\""));
    EXPECT_TRUE(reported("curs: list 4 \"a curse\" / list 5 \"sing a curse\""));
    // A repeat inside one word is a pun, and lists no shape puts together never meet.
    EXPECT_FALSE(reported("bring-and-share\" /"));
    EXPECT_FALSE(reported("list 1 \"even\" / list 5 \"sing"));
    EXPECT_FALSE(reported("shape \"you lose %5\" / list 4"));

    // Old verb forms and reflexives are function words, however often a line repeats them.
    EXPECT_EQ(ContentStems("'Tis thou thyself, that hadst and mightst; 'twas yourselves"),
              std::set<std::string>{});

    // The first shape: list 1 meets list 4 in 2 of 16 pairs and list 5 in 2 of 16, list 2
    // meets list 3 in 1 of 4 and list 4 in 1 of 8, list 4 meets list 5 in 1 of 16. The
    // second: its own "lose" meets 1 of 4 of list 5.
    EXPECT_DOUBLE_EQ(share, (2.0 / 16 + 2.0 / 16 + 1.0 / 4 + 1.0 / 8 + 1.0 / 16 + 1.0 / 4) / 2);
}

TEST(ShippedVocabulary, KitCheckFollowsTheTablesOrder)
{
    // Case, hyphens and old spellings aside, a kit word is a kit word. A word the kit lacks
    // does not break a run; a word of another column, or an earlier one, does.
    const std::vector<std::string> kit = KitWordsIn(
        {"Craven", "malapert", "currish", "froward", "frothy", "maltworm", "clotpoll", "lumpish"});
    EXPECT_EQ(kit, (std::vector<std::string>{"craven", "currish", "froward", "frothy", "malt-worm",
                                             "clotpole", "lumpish"}));
    EXPECT_EQ(LongestRunInKitOrder(kit), 4u);
}

TEST(ShippedVocabulary, EpithetsAreTheListsAVocativeNames)
{
    InsultStyle style("Checks");
    style.SetTemplateText("You %0");
    Fill(style.AddList(0), {"%1, you %2 %3: %4", "%4, O %5, %1", "sulk, thou %6 soul, %4"});
    for (int32_t number = 1; number <= 6; ++number)
        Fill(style.AddList(number), {"word"});
    // Not list 1, which opens the sentence or follows the name after a comma, nor list 4.
    EXPECT_EQ(EpithetLists(style), (std::set<int32_t>{2, 3, 5, 6}));
}

TEST(ShippedVocabulary, SentenceChecksFollowEachShape)
{
    InsultStyle style("Checks");
    style.SetTemplateText("May %0");
    Fill(style.AddList(0), {"a %1 and %2 %3", "the %2 in a %3"});
    Fill(style.AddList(1), {"sulk", "bread and butter"});
    Fill(style.AddList(2), {"big oaf", "cold"});
    Fill(style.AddList(3), {"a hurry", "oaf in the rain", "stew and dumplings"});

    EXPECT_EQ(StutteredWords(style),
              (std::vector<std::string>{
                  "list 2 \"big oaf\" ends with \"oaf\", which starts list 3",
                  "shape \"the %2 in a %3\" ends with \"a\", which starts list 3"}));
    // The first shape's own, one of list 1's and one of list 3's.
    EXPECT_EQ(MostAndsInOneInsult(style), 3);
    const WordCount count = InsultWordCount(style);
    EXPECT_EQ(count.most, 12u);  // "May a bread and butter and big oaf oaf in the rain"
    // "May a X and X X" with 2, 1.5 and 3 words on average for the three X; "May the X in a X"
    // with 1.5 and 3.
    EXPECT_DOUBLE_EQ(count.average, (9.5 + 8.5) / 2);
}

TEST(ShippedVocabulary, BlockedWordsAndSlursAreFound)
{
    EXPECT_EQ(BlockedWord("a paunchy knave"), "body: paunchy");
    EXPECT_EQ(BlockedWord("fat-kidneyed"), "body: fat");
    EXPECT_EQ(BlockedWord("a waste of oxygen"), "dehumanising: waste of oxygen");
    EXPECT_EQ(BlockedWord("smells of garlic and shame"), "nationality or region: garlic");
    EXPECT_EQ(BlockedWord("the fatherly oxygen tent"), "");
    EXPECT_EQ(BlockedWord("get off your arse"), "");
    EXPECT_EQ(CoarseWord("get off your arse"), "arse");
    EXPECT_EQ(CoarseWord("a sparse, bollocks-deep parsnip"), "bollocks");
    EXPECT_EQ(BlockedWord("a crap piss-take, pissed"), "");
    EXPECT_EQ(CoarseWord("a scrappy piss-take"), "piss");
    // Inside innocent words too, as a mail filter would find them.
    EXPECT_EQ(SlurInside("a sniggering knave"), "sniggering");
    EXPECT_EQ(SlurInside("Snigger at your sandals"), "snigger");
    EXPECT_EQ(SlurInside("a niggardly tip"), "niggardly");
    EXPECT_EQ(SlurInside("a spice rack, a tycoon's racoon"), "tycoon's");
    EXPECT_EQ(SlurInside("a spice rack in a cocoa tin"), "");
}

}  // namespace
