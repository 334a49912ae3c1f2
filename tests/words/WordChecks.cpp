#include "tests/words/WordChecks.h"

#include "data/Windows1252.h"

#include <libstemmer.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <memory>
#include <numeric>
#include <utility>

using namespace razzlewick;

namespace {

// Articles, pronouns, prepositions, conjunctions and auxiliaries, old forms included. Adverbs
// such as "even", "very", "more", "still" and "never" are content words on purpose: twice in
// one sentence they read as a slip.
const std::set<std::string, std::less<>> kFunctionWords = {
    "the",     "and",        "but",     "nor",       "for",       "yet",     "not",     "all",
    "any",     "both",       "each",    "every",     "either",    "neither", "some",    "such",
    "this",    "that",       "these",   "those",     "what",      "which",   "who",     "whom",
    "whose",   "you",        "your",    "yours",     "yourself",  "thou",    "thee",    "thy",
    "thine",   "thyself",    "his",     "him",       "himself",   "her",     "hers",    "herself",
    "its",     "itself",     "our",     "ours",      "ourselves", "they",    "them",    "their",
    "theirs",  "themselves", "myself",  "about",     "above",     "across",  "after",   "against",
    "along",   "among",      "around",  "before",    "behind",    "below",   "beneath", "beside",
    "between", "beyond",     "down",    "during",    "from",      "inside",  "into",    "near",
    "off",     "onto",       "out",     "outside",   "over",      "past",    "round",   "since",
    "through", "till",       "toward",  "towards",   "under",     "until",   "upon",    "with",
    "within",  "without",    "because", "though",    "although",  "unless",  "whether", "while",
    "whilst",  "are",        "was",     "were",      "been",      "being",   "has",     "have",
    "had",     "having",     "does",    "did",       "doing",     "will",    "would",   "shall",
    "should",  "can",        "could",   "may",       "might",     "must",    "art",     "hast",
    "hath",    "dost",       "doth",    "didst",     "wast",      "wert",    "shalt",   "wilt",
    "wouldst", "canst",      "couldst", "mayst",     "shouldst",  "there",   "here",    "like",
    "where",   "when",       "how",     "why",       "then",      "don't",   "doesn't", "didn't",
    "can't",   "couldn't",   "won't",   "wouldn't",  "isn't",     "aren't",  "wasn't",  "weren't",
    "haven't", "hasn't",     "hadn't",  "shouldn't", "you're",    "you've",  "you'd",   "you'll",
    "they're", "they've",    "they'd",  "they'll",   "it's",      "i'm",     "i've",    "i'd",
    "i'll",    "he's",       "she's",   "that's",    "there's",   "who's",   "what's",  "let's",
    "we're",   "we've",      "ne'er",   "o'er",      "'tis"};

// More old forms: the rarer auxiliaries and reflexives, and "'tis" and its kin as a text cut
// into words gives them, without the leading apostrophe.
const std::set<std::string, std::less<>> kMoreOldFunctionWords = {
    "tis",      "twas",   "twere",   "twill",   "hadst",      "mightst",
    "mightest", "mayest", "thou'rt", "thou'lt", "yourselves", "oneself"};

bool IsFunctionWord(std::string_view word)
{
    return kFunctionWords.contains(word) || kMoreOldFunctionWords.contains(word);
}

// Slurs that mail and chat filters look for inside words, kept in ROT13 so this file does not
// spell them out.
const std::vector<std::string_view> kSlursRot13 = {
    "avtt", "sntt", "xvxr", "tbbx", "jrgonpx", "enturnq", "gbjryurnq", "cnxv", "genaal",
    "qlxr", "pbba", "jbt",  "tlc",  "puvax",   "fcnm",    "ergneq",    "phag", "shpx"};

// Kinds of joke the words never make, by example. The disability words are here because they
// pass for mild insults. Hyphenated parts count, so "bellied" also stops "pot-bellied".
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
     {"foreign",         "foreigner",       "yokel",     "bumpkin",  "hillbilly", "peasant",
      "inbred",          "savage",          "barbarian", "tinker",   "arab",      "bedouin",
      "greek",           "italian",         "sicilian",  "spaniard", "haggle",    "haggling",
      "pickpocket",      "pickpockets",     "bandit",    "bandits",  "thief",     "thieves",
      "carpet merchant", "sticky-fingered", "garlic"}},
    {"crime or feud",
     {"godfather", "mafia", "mafioso", "vendetta", "criminal", "honour", "dishonour", "smuggler",
      "smuggling", "wanted in"}},
    {"religion", {"infidel", "heathen", "heretic", "godless"}},
    {"gender",
     {"sissy", "effeminate", "girly", "wench", "hussy", "harpy", "shrew", "hag", "harridan",
      "fishwife", "spinster"}},
    {"sexual or obscene",
     {"strumpet", "harlot", "whore", "whoreson", "trollop", "slut", "sluttish", "wanton", "lecher",
      "codpiece", "bastard", "misbegotten", "bugger", "shit", "tosser", "wanker", "knob", "sexy"}},
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

// Swearing the level-1 warning promises: fine in Modern and Mediterranean, never in the styles
// everyone sees: mild British swearing ("taking the piss", "crap"), none of it sexual.
const std::vector<std::string_view> kCoarseWords = {"arse", "bollocks", "crap", "piss", "pissed"};

bool IsLetter(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    return std::isalpha(byte) || byte >= 0x80;
}

bool IsWordByte(char c)
{
    return IsLetter(c) || c == '\'' || c == '-';
}

// Lower-case words of a text; hyphens and apostrophes stay inside a word but not at its ends.
std::vector<std::string> WordsOf(std::string_view text, bool lower = true)
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
            current += lower ? static_cast<char>(std::tolower(static_cast<unsigned char>(c))) : c;
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
    return static_cast<size_t>(std::count_if(word.begin(), word.end(), IsLetter));
}

// One English stemmer for the whole run; it is only ever used from the test's thread.
class Stemmer {
public:
    Stemmer() : stemmer_(sb_stemmer_new("english", nullptr), sb_stemmer_delete) {}
    std::string Stem(const std::string& utf8) const
    {
        const sb_symbol* stem =
            sb_stemmer_stem(stemmer_.get(), reinterpret_cast<const sb_symbol*>(utf8.data()),
                            static_cast<int>(utf8.size()));
        return std::string(reinterpret_cast<const char*>(stem),
                           static_cast<size_t>(sb_stemmer_length(stemmer_.get())));
    }

private:
    std::unique_ptr<sb_stemmer, decltype(&sb_stemmer_delete)> stemmer_;
};

const Stemmer& EnglishStemmer()
{
    static const Stemmer stemmer;
    return stemmer;
}

std::vector<SentenceForm::Piece> CutAtPlaceholders(std::string_view text)
{
    std::vector<SentenceForm::Piece> pieces;
    std::string literal;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size() &&
            std::isdigit(static_cast<unsigned char>(text[i + 1]))) {
            pieces.push_back({-1, literal});
            literal.clear();
            pieces.push_back({text[i + 1] - '0', {}});
            ++i;
        } else {
            literal += text[i];
        }
    }
    pieces.push_back({-1, literal});
    return pieces;
}

std::string Place(int32_t list, const std::string& shape)
{
    if (list >= 0)
        return "list " + std::to_string(list);
    return shape.empty() ? "template" : "shape \"" + shape + "\"";
}

// The stems of every word of a list, in list order.
std::vector<std::set<std::string>> StemsOfList(const WordList& list)
{
    std::vector<std::set<std::string>> stems;
    for (const std::string& word : list.Words())
        stems.push_back(ContentStems(word));
    return stems;
}

const std::string* SharedStem(const std::set<std::string>& a, const std::set<std::string>& b)
{
    for (const std::string& stem : a) {
        if (b.contains(stem))
            return &stem;
    }
    return nullptr;
}

// The share of word pairs of two lists that share a stem, with a finding for each stem.
double PairEchoShare(const std::vector<std::set<std::string>>& a, int32_t listA,
                     const std::vector<std::set<std::string>>& b, int32_t listB,
                     const InsultStyle& style, std::set<std::string>& findings)
{
    if (a.empty() || b.empty())
        return 0;
    size_t echoes = 0;
    for (size_t i = 0; i < a.size(); ++i) {
        for (size_t j = 0; j < b.size(); ++j) {
            if (const std::string* stem = SharedStem(a[i], b[j])) {
                ++echoes;
                findings.insert(*stem + ": list " + std::to_string(listA) + " \"" +
                                style.WordLists().at(listA).Words()[i] + "\" / list " +
                                std::to_string(listB) + " \"" +
                                style.WordLists().at(listB).Words()[j] + "\"");
            }
        }
    }
    return static_cast<double>(echoes) / static_cast<double>(a.size() * b.size());
}

size_t BlankSeparatedCount(std::string_view text)
{
    size_t count = 0;
    bool inWord = false;
    for (const char c : text) {
        const bool blank = c == ' ';
        count += !blank && !inWord ? 1 : 0;
        inWord = !blank;
    }
    return count;
}

std::string Rot13(std::string_view text)
{
    std::string plain(text);
    for (char& c : plain) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>('a' + (c - 'a' + 13) % 26);
    }
    return plain;
}

}  // namespace

std::vector<int32_t> SentenceForm::Lists() const
{
    std::vector<int32_t> lists;
    for (const Piece& piece : pieces) {
        if (piece.list >= 0)
            lists.push_back(piece.list);
    }
    return lists;
}

std::string SentenceForm::Literal() const
{
    std::string literal;
    for (const Piece& piece : pieces)
        literal += piece.list < 0 ? piece.text : " ";
    return literal;
}

std::set<int32_t> EpithetLists(const InsultStyle& style)
{
    const auto endsWithVocative = [](std::string_view literal) {
        std::string lower(literal);
        std::transform(lower.begin(), lower.end(), lower.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        return lower.ends_with(", you ") || lower.ends_with(", thou ") || lower.ends_with(", o ");
    };
    std::set<int32_t> lists;
    for (const SentenceForm& form : SentenceForms(style)) {
        bool named = false;
        for (const SentenceForm::Piece& piece : form.pieces) {
            if (piece.list >= 0) {
                if (named)
                    lists.insert(piece.list);
            } else {
                named = endsWithVocative(piece.text) ||
                        (named && piece.text.find_first_not_of(' ') == std::string::npos);
            }
        }
    }
    return lists;
}

std::vector<int32_t> PlaceholdersOf(std::string_view text)
{
    std::vector<int32_t> lists;
    for (const SentenceForm::Piece& piece : CutAtPlaceholders(text)) {
        if (piece.list >= 0)
            lists.push_back(piece.list);
    }
    return lists;
}

bool HoldsShapes(const WordList& list)
{
    const std::vector<std::string>& words = list.Words();
    return std::any_of(words.begin(), words.end(),
                       [](const std::string& word) { return !PlaceholdersOf(word).empty(); });
}

std::vector<SentenceForm> SentenceForms(const InsultStyle& style)
{
    const std::vector<SentenceForm::Piece> pieces = CutAtPlaceholders(style.TemplateText());
    // The first list of the template whose words carry placeholders gives the shapes.
    const auto shapes = std::find_if(pieces.begin(), pieces.end(), [&](const auto& piece) {
        const auto list = style.WordLists().find(piece.list);
        return list != style.WordLists().end() && HoldsShapes(list->second);
    });
    if (shapes == pieces.end())
        return {SentenceForm{{}, pieces}};

    std::vector<SentenceForm> forms;
    for (const std::string& shape : style.WordLists().at(shapes->list).Words()) {
        SentenceForm form{shape, {}};
        const auto add = [&](const SentenceForm::Piece& piece) {
            if (piece.list < 0 && !form.pieces.empty() && form.pieces.back().list < 0)
                form.pieces.back().text += piece.text;
            else
                form.pieces.push_back(piece);
        };
        for (auto piece = pieces.begin(); piece != pieces.end(); ++piece) {
            if (piece != shapes) {
                add(*piece);
                continue;
            }
            for (const SentenceForm::Piece& inner : CutAtPlaceholders(shape))
                add(inner);
        }
        forms.push_back(std::move(form));
    }
    return forms;
}

std::set<std::string> ContentStems(std::string_view windows1252)
{
    std::set<std::string> stems;
    const auto add = [&](std::string word) {
        std::erase(word, '-');
        if (LetterCount(word) >= 3 && !IsFunctionWord(word))
            stems.insert(EnglishStemmer().Stem(Windows1252ToUtf8(word)));
    };
    for (const std::string& word : WordsOf(windows1252)) {
        add(word);
        if (word.find('-') != std::string::npos) {
            for (const std::string& part : HyphenParts(word))
                add(part);
        }
    }
    return stems;
}

std::set<std::string> ContentWords(std::string_view windows1252)
{
    std::set<std::string> words;
    for (const std::string& word : WordsOf(windows1252)) {
        std::string joined = word;
        std::erase(joined, '-');
        if (LetterCount(joined) >= 3 && !kFunctionWords.contains(joined))
            words.insert(word);
    }
    return words;
}

double EchoShare(const InsultStyle& style, std::vector<std::string>* findings)
{
    std::map<int32_t, std::vector<std::set<std::string>>> listStems;
    for (const auto& [number, list] : style.WordLists())
        listStems.emplace(number, StemsOfList(list));
    // Two lists meet in many forms: count each pair once.
    std::map<std::pair<int32_t, int32_t>, double> pairShares;
    std::set<std::string> found;

    const std::vector<SentenceForm> forms = SentenceForms(style);
    double total = 0;
    for (const SentenceForm& form : forms) {
        const std::set<std::string> literal = ContentStems(form.Literal());
        const std::string literalPlace = Place(-1, form.shape);
        std::vector<int32_t> lists = form.Lists();
        std::sort(lists.begin(), lists.end());
        for (size_t a = 0; a < lists.size(); ++a) {
            const auto stems = listStems.find(lists[a]);
            if (stems == listStems.end() || stems->second.empty())
                continue;
            if (a + 1 < lists.size() && lists[a + 1] == lists[a]) {
                // One word twice in every such insult.
                total += 1;
                found.insert(literalPlace + " uses list " + std::to_string(lists[a]) + " twice");
            }
            size_t echoes = 0;
            for (size_t i = 0; i < stems->second.size(); ++i) {
                if (const std::string* stem = SharedStem(literal, stems->second[i])) {
                    ++echoes;
                    found.insert(*stem + ": " + literalPlace + " / list " +
                                 std::to_string(lists[a]) + " \"" +
                                 style.WordLists().at(lists[a]).Words()[i] + "\"");
                }
            }
            total += static_cast<double>(echoes) / static_cast<double>(stems->second.size());
            for (size_t b = a + 1; b < lists.size(); ++b) {
                const auto other = listStems.find(lists[b]);
                if (lists[b] == lists[a] || other == listStems.end())
                    continue;
                const auto key = std::make_pair(lists[a], lists[b]);
                auto share = pairShares.find(key);
                if (share == pairShares.end()) {
                    share = pairShares
                                .emplace(key, PairEchoShare(stems->second, lists[a], other->second,
                                                            lists[b], style, found))
                                .first;
                }
                total += share->second;
            }
        }
    }
    if (findings != nullptr)
        findings->assign(found.begin(), found.end());
    return forms.empty() ? 0 : total / static_cast<double>(forms.size());
}

std::vector<std::string> StutteredWords(const InsultStyle& style)
{
    // For every piece that holds words: the words it can start and end with.
    struct Edge {
        std::string place;
        std::set<std::string> first;
        std::map<std::string, std::string> last;  // word -> where it ends a piece
    };
    const auto addEntry = [](Edge& edge, const std::string& entry, const std::string& where) {
        const std::vector<std::string> words = WordsOf(entry);
        if (words.empty())
            return;
        edge.first.insert(words.front());
        edge.last.emplace(words.back(), where);
    };
    std::set<std::string> findings;
    for (const SentenceForm& form : SentenceForms(style)) {
        std::vector<Edge> edges;
        for (const SentenceForm::Piece& piece : form.pieces) {
            Edge edge{Place(piece.list, form.shape), {}, {}};
            if (piece.list < 0) {
                addEntry(edge, piece.text, edge.place);
            } else if (const auto list = style.WordLists().find(piece.list);
                       list != style.WordLists().end()) {
                for (const std::string& word : list->second.Words())
                    addEntry(edge, word, edge.place + " \"" + word + "\"");
            }
            if (!edge.first.empty())
                edges.push_back(std::move(edge));
        }
        for (size_t i = 0; i + 1 < edges.size(); ++i) {
            for (const auto& [word, where] : edges[i].last) {
                if (edges[i + 1].first.contains(word))
                    findings.insert(where + " ends with \"" + word + "\", which starts " +
                                    edges[i + 1].place);
            }
        }
    }
    return {findings.begin(), findings.end()};
}

int MostAndsInOneInsult(const InsultStyle& style)
{
    const auto ands = [](std::string_view text) {
        const std::vector<std::string> words = WordsOf(text);
        return static_cast<int>(std::count(words.begin(), words.end(), "and"));
    };
    int most = 0;
    for (const SentenceForm& form : SentenceForms(style)) {
        int inForm = ands(form.Literal());
        for (const int32_t number : form.Lists()) {
            int inList = 0;
            if (const auto list = style.WordLists().find(number); list != style.WordLists().end()) {
                for (const std::string& word : list->second.Words())
                    inList = std::max(inList, ands(word));
            }
            inForm += inList;
        }
        most = std::max(most, inForm);
    }
    return most;
}

WordCount InsultWordCount(const InsultStyle& style)
{
    WordCount count;
    const std::vector<SentenceForm> forms = SentenceForms(style);
    for (const SentenceForm& form : forms) {
        // Each word put in counts as one word of the form's text, plus its own extra words.
        std::string text;
        for (const SentenceForm::Piece& piece : form.pieces)
            text += piece.list < 0 ? piece.text : "X";
        double average = static_cast<double>(BlankSeparatedCount(text));
        size_t most = BlankSeparatedCount(text);
        for (const int32_t number : form.Lists()) {
            const auto list = style.WordLists().find(number);
            if (list == style.WordLists().end() || list->second.empty())
                continue;
            size_t sum = 0;
            size_t longest = 0;
            for (const std::string& word : list->second.Words()) {
                const size_t words = BlankSeparatedCount(word);
                sum += words;
                longest = std::max(longest, words);
            }
            average += static_cast<double>(sum) / static_cast<double>(list->second.size()) - 1;
            most += longest - 1;
        }
        count.average += average / static_cast<double>(forms.size());
        count.most = std::max(count.most, most);
    }
    return count;
}

std::vector<std::string> OverusedOpenings(const WordList& list)
{
    std::map<std::string, size_t> openings;
    for (const std::string& word : list.Words()) {
        const std::vector<std::string> words = WordsOf(word);
        if (!words.empty() && LetterCount(words.front()) >= 3 && !IsFunctionWord(words.front()))
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

std::string CoarseWord(std::string_view text)
{
    for (const std::string& word : WordsOf(text)) {
        for (const std::string& part : HyphenParts(word)) {
            if (std::find(kCoarseWords.begin(), kCoarseWords.end(), part) != kCoarseWords.end())
                return part;
        }
    }
    return {};
}

std::string SlurInside(std::string_view text)
{
    for (const std::string& word : WordsOf(text)) {
        std::string letters = word;
        std::erase_if(letters, [](char c) { return !IsLetter(c); });
        for (const std::string_view slur : kSlursRot13) {
            if (letters.find(Rot13(slur)) != std::string::npos)
                return word;
        }
    }
    return {};
}

std::vector<std::string> SpellingWords(std::string_view windows1252)
{
    std::vector<std::string> words;
    for (const std::string& word : WordsOf(windows1252, false))
        words.push_back(word);
    return words;
}
