#include "tests/words/WordChecks.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <set>
#include <utility>

using namespace razzlewick;

namespace {

// Words too common to count as a repeat. "more", "than", "every", "still" and "never" are
// not here on purpose: twice in one sentence they read as a slip.
const std::set<std::string, std::less<>> kFunctionWords = {
    "about", "after", "before", "been",   "being",  "could", "does",  "doth",    "each",  "even",
    "ever",  "from",  "hath",   "have",   "having", "here",  "into",  "just",    "like",  "many",
    "might", "much",  "must",   "only",   "onto",   "over",  "shall", "should",  "some",  "such",
    "that",  "thee",  "their",  "theirs", "them",   "there", "these", "they",    "thine", "this",
    "those", "under", "upon",   "very",   "were",   "what",  "when",  "where",   "which", "while",
    "whom",  "whose", "will",   "with",   "would",  "your",  "yours", "yourself"};

// Kinds of joke the words never make, by example. Hate slurs are not spelt out here; review
// keeps them out. The disability words are, because they pass for mild insults. Hyphenated
// parts count, so "bellied" also stops "pot-bellied".
const std::vector<std::pair<std::string_view, std::vector<std::string_view>>> kBlocklist = {
    {"body",
     {"fat",       "fatty",      "fatter", "paunch",     "paunchy",  "gorbellied", "belly",
      "bellied",   "kidneyed",   "obese",  "overweight", "overfed",  "chubby",     "plump",
      "podgy",     "tubby",      "flabby", "lardy",      "skinny",   "scrawny",    "lanky",
      "legged",    "kneed",      "bald",   "balding",    "hairy",    "toothless",  "toothed",
      "moustache", "moustached", "beard",  "bearded",    "whiskered"}},
    {"looks", {"ugly",   "uglier", "ugliest", "hideous", "unsightly", "misshapen",   "warty",
               "spotty", "pimply", "frumpy",  "dowdy",   "faced",     "nosed",       "eyed",
               "eared",  "lipped", "cheeked", "jawed",   "chinned",   "ill-favoured"}},
    {"age", {"tottering", "doddering", "doddery",   "senile",        "decrepit", "geriatric",
             "elderly",   "wrinkly",   "wrinkled",  "crone",         "codger",   "fogey",
             "fossil",    "pensioner", "greybeard", "over the hill", "past it",  "old fool",
             "old goat",  "old bag",   "old git",   "whippersnapper"}},
    {"nationality or region",
     {"foreign",  "foreigner", "yokel",   "bumpkin",        "hillbilly",  "peasant",     "inbred",
      "savage",   "barbarian", "tinker",  "arab",           "bedouin",    "greek",       "italian",
      "sicilian", "spaniard",  "haggle",  "haggling",       "pickpocket", "pickpockets", "bandit",
      "bandits",  "thief",     "thieves", "carpet merchant"}},
    {"religion", {"infidel", "heathen", "heretic", "godless"}},
    {"gender",
     {"sissy", "effeminate", "girly", "wench", "hussy", "harpy", "shrew", "hag", "harridan",
      "fishwife", "spinster"}},
    {"sexual or obscene",
     {"strumpet", "harlot",   "whore",   "whoreson",    "trollop", "slut",   "sluttish", "wanton",
      "lecher",   "codpiece", "bastard", "misbegotten", "arse",    "bugger", "bollocks", "crap",
      "shit",     "piss",     "pissed",  "tosser",      "wanker",  "knob",   "sexy"}},
    {"disability or illness",
     {"deaf",       "blind",   "lame",     "dumb",   "cripple",   "crippled",
      "spastic",    "retard",  "retarded", "moron",  "cretin",    "imbecile",
      "psycho",     "loony",   "lunatic",  "nutter", "hunchback", "stammering",
      "stuttering", "lisping", "leper",    "pox",    "rheumy"}},
    {"dehumanising", {"waste of oxygen", "waste of space", "subhuman"}},
    {"American spelling",
     {"color",      "favor",    "favorite",  "honor",    "humor",    "neighbor", "behavior",
      "center",     "theater",  "gray",      "mom",      "dumpster", "trash",    "garbage",
      "sidewalk",   "vacation", "apartment", "candy",    "soccer",   "diaper",   "faucet",
      "flashlight", "jewelry",  "pajamas",   "mustache", "catalog",  "aluminum"}},
};

bool IsWordByte(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    return std::isalpha(byte) || byte >= 0x80 || c == '\'' || c == '-';
}

// Lower-case words of a text; hyphens and apostrophes stay inside a word but not at its ends.
std::vector<std::string> WordsOf(std::string_view text)
{
    std::vector<std::string> words;
    std::string current;
    const auto flush = [&] {
        while (!current.empty() && (current.back() == '\'' || current.back() == '-'))
            current.pop_back();
        const size_t start = current.find_first_not_of("'-");
        if (start != std::string::npos)
            words.push_back(current.substr(start));
        current.clear();
    };
    for (const char c : text) {
        if (IsWordByte(c))
            current += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        else
            flush();
    }
    flush();
    return words;
}

std::vector<std::string> HyphenParts(const std::string& word)
{
    std::vector<std::string> parts;
    size_t start = 0;
    for (size_t dash = word.find('-'); dash != std::string::npos; dash = word.find('-', start)) {
        parts.push_back(word.substr(start, dash - start));
        start = dash + 1;
    }
    parts.push_back(word.substr(start));
    return parts;
}

size_t LetterCount(std::string_view word)
{
    return static_cast<size_t>(std::count_if(word.begin(), word.end(), [](char c) {
        return std::isalpha(static_cast<unsigned char>(c)) || static_cast<unsigned char>(c) >= 0x80;
    }));
}

bool RemoveSuffix(std::string& word, std::string_view suffix)
{
    if (word.size() < suffix.size() + 3 || !word.ends_with(suffix))
        return false;
    word.resize(word.size() - suffix.size());
    return true;
}

bool IsContentWord(const std::string& word)
{
    return LetterCount(word) >= 4 && !kFunctionWords.contains(word);
}

// Stem -> the entry it came from, for every content word of one text.
std::map<std::string, std::string> ContentStems(std::string_view text)
{
    std::map<std::string, std::string> stems;
    const auto add = [&](std::string word) {
        std::erase(word, '-');
        if (IsContentWord(word))
            stems.emplace(CrudeStem(word), std::string(text));
    };
    for (const std::string& word : WordsOf(text)) {
        add(word);
        if (word.find('-') != std::string::npos) {
            for (const std::string& part : HyphenParts(word))
                add(part);
        }
    }
    return stems;
}

// The template cut at its placeholders: literal text and list numbers in sentence order.
struct Piece {
    int32_t list = -1;  // -1 for literal text
    std::string text;
};

std::vector<Piece> SentencePieces(const std::string& templateText)
{
    std::vector<Piece> pieces;
    std::string literal;
    for (size_t i = 0; i < templateText.size(); ++i) {
        if (templateText[i] == '%' && i + 1 < templateText.size() &&
            std::isdigit(static_cast<unsigned char>(templateText[i + 1]))) {
            pieces.push_back({-1, literal});
            literal.clear();
            pieces.push_back({templateText[i + 1] - '0', {}});
            ++i;
        } else {
            literal += templateText[i];
        }
    }
    pieces.push_back({-1, literal});
    return pieces;
}

std::string Place(int32_t list)
{
    return list < 0 ? "template" : "list " + std::to_string(list);
}

}  // namespace

std::string CrudeStem(std::string_view word)
{
    std::string stem(word);
    std::transform(stem.begin(), stem.end(), stem.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (!RemoveSuffix(stem, "'s"))
        RemoveSuffix(stem, "s");
    if (!RemoveSuffix(stem, "ing") && !RemoveSuffix(stem, "ed"))
        RemoveSuffix(stem, "er");
    RemoveSuffix(stem, "e");
    return stem;
}

std::vector<std::string> RepeatedContentWords(const InsultStyle& style)
{
    // Each place (the template's text, then each list) with the stems of all its entries.
    std::vector<std::pair<int32_t, std::map<std::string, std::string>>> places;
    std::map<std::string, std::string> templateStems;
    for (const Piece& piece : SentencePieces(style.templateText)) {
        if (piece.list < 0)
            templateStems.merge(ContentStems(piece.text));
    }
    places.emplace_back(-1, std::move(templateStems));
    for (const auto& [number, list] : style.wordLists) {
        std::map<std::string, std::string> stems;
        for (const std::string& word : list->Words())
            stems.merge(ContentStems(word));
        places.emplace_back(number, std::move(stems));
    }

    std::vector<std::string> findings;
    for (size_t a = 0; a < places.size(); ++a) {
        for (size_t b = a + 1; b < places.size(); ++b) {
            for (const auto& [stem, entry] : places[a].second) {
                const auto other = places[b].second.find(stem);
                if (other != places[b].second.end())
                    findings.push_back(stem + ": " + Place(places[a].first) + " \"" + entry +
                                       "\" / " + Place(places[b].first) + " \"" + other->second +
                                       "\"");
            }
        }
    }
    return findings;
}

std::vector<std::string> StutteredWords(const InsultStyle& style)
{
    // For every piece that holds words: the words it can start and end with.
    struct Edge {
        std::string place;
        std::set<std::string> first;
        std::map<std::string, std::string> last;  // word -> entry
    };
    std::vector<Edge> edges;
    const auto addEntry = [](Edge& edge, const std::string& entry) {
        const std::vector<std::string> words = WordsOf(entry);
        if (words.empty())
            return;
        edge.first.insert(words.front());
        edge.last.emplace(words.back(), entry);
    };
    for (const Piece& piece : SentencePieces(style.templateText)) {
        Edge edge{Place(piece.list), {}, {}};
        if (piece.list < 0) {
            addEntry(edge, piece.text);
        } else if (const auto list = style.wordLists.find(piece.list);
                   list != style.wordLists.end()) {
            for (const std::string& word : list->second->Words())
                addEntry(edge, word);
        }
        if (!edge.first.empty())
            edges.push_back(std::move(edge));
    }

    std::vector<std::string> findings;
    for (size_t i = 0; i + 1 < edges.size(); ++i) {
        for (const auto& [word, entry] : edges[i].last) {
            if (edges[i + 1].first.contains(word))
                findings.push_back(edges[i].place + " \"" + entry + "\" ends with \"" + word +
                                   "\", which starts " + edges[i + 1].place);
        }
    }
    return findings;
}

int MostAndsInOneInsult(const InsultStyle& style)
{
    const auto ands = [](std::string_view text) {
        const std::vector<std::string> words = WordsOf(text);
        return static_cast<int>(std::count(words.begin(), words.end(), "and"));
    };
    int most = 0;
    for (const Piece& piece : SentencePieces(style.templateText))
        most += piece.list < 0 ? ands(piece.text) : 0;
    for (const auto& [number, list] : style.wordLists) {
        int inList = 0;
        for (const std::string& word : list->Words())
            inList = std::max(inList, ands(word));
        most += inList;
    }
    return most;
}

std::vector<std::string> OverusedOpenings(const WordList& list)
{
    std::map<std::string, size_t> openings;
    for (const std::string& word : list.Words()) {
        const std::vector<std::string> words = WordsOf(word);
        if (!words.empty() && IsContentWord(words.front()))
            ++openings[words.front()];
    }
    const size_t limit = std::max<size_t>(4, list.size() / 12);
    std::vector<std::string> findings;
    for (const auto& [opening, count] : openings) {
        if (count > limit)
            findings.push_back("\"" + opening + "\" opens " + std::to_string(count) + " of " +
                               std::to_string(list.size()));
    }
    return findings;
}

std::string BlockedWord(std::string_view text)
{
    // Single words match a whole word or a hyphenated part; phrases match the words joined
    // by blanks.
    std::vector<std::string> words;
    std::string spaced = " ";
    for (const std::string& word : WordsOf(text)) {
        spaced += word + " ";
        words.push_back(word);
        if (word.find('-') != std::string::npos) {
            for (const std::string& part : HyphenParts(word))
                words.push_back(part);
        }
    }

    for (const auto& [kind, blocked] : kBlocklist) {
        for (const std::string_view entry : blocked) {
            const bool found =
                entry.find(' ') != std::string_view::npos
                    ? spaced.find(" " + std::string(entry) + " ") != std::string::npos
                    : std::find(words.begin(), words.end(), entry) != words.end();
            if (found)
                return std::string(kind) + ": " + std::string(entry);
        }
    }
    return {};
}
