#include "generate/InsultComposer.h"

#include "data/Placeholder.h"
#include "generate/RandomSource.h"

#include <algorithm>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace razzlewick {

namespace {

// How many lists ahead a step starts fetching words.
constexpr size_t kPrefetchAhead = 4;

void AdjustFirstLetter(std::string& text, bool capitalise)
{
    if (text.empty()) {
        return;
    }
    char& first = text.front();
    if (capitalise && first >= 'a' && first <= 'z') {
        first = static_cast<char>(first - ('a' - 'A'));
    } else if (!capitalise && first >= 'A' && first <= 'Z') {
        first = static_cast<char>(first + ('a' - 'A'));
    }
}

// Every non-overlapping occurrence of key in text from `at` (the first one) on, left to
// right, replaced by word; the inserted word is not searched again. The result stops at
// limit characters. scratch is reused between calls to spare allocations.
void ReplaceAll(std::string& text, size_t at, std::string_view key, std::string_view word,
                size_t limit, std::string& scratch)
{
    // Mostly a placeholder stands once: replaced in place, without copying the rest.
    if (text.find(key, at + key.size()) == std::string::npos) {
        text.replace(at, key.size(), word);
        text.resize(std::min(text.size(), limit));
        return;
    }
    scratch.clear();
    size_t from = 0;
    while (at != std::string::npos && scratch.size() < limit) {
        scratch.append(text, from, at - from);
        scratch.append(word);
        from = at + key.size();
        at = text.find(key, from);
    }
    scratch.append(text, from, std::string::npos);
    scratch.resize(std::min(scratch.size(), limit));
    text.swap(scratch);
}

// While an insult is filled in, only the start of it that can reach its first kInsultLimit
// characters is kept. A step replaces placeholders, a percent sign and digits, and nothing
// else, so the text up to its kInsultLimit-th other character is enough.

// Cuts `text` to the start described above; false, with `text` as it was, when that start
// is longer than kInsultKeptLimit.
bool KeepStart(std::string& text)
{
    if (text.size() <= kInsultLimit) {
        return true;
    }
    for (size_t i = 0, others = 0; i < std::min(text.size(), kInsultKeptLimit); ++i) {
        if (!IsPlaceholderCharacter(text[i]) && ++others == kInsultLimit) {
            text.resize(i + 1);
            return true;
        }
    }
    return text.size() <= kInsultKeptLimit;
}

// The words of the lists numbered 0 to N-1 (N = the number of lists; only those are ever
// expanded), held by number so that a step reads them without visiting the list, and a
// running count of the numbers that have a list, so that the draws of numbers a text does
// not mention can be taken in one step.
class NumberedLists final {
public:
    explicit NumberedLists(const InsultStyle& style)
        : words(style.WordLists().size()),
          present(style.WordLists().size() + 1),
          keys(style.WordLists().size())
    {
        std::vector<bool> listed(words.size());
        for (const auto& [number, list] : style.WordLists()) {
            if (number >= 0 && static_cast<size_t>(number) < words.size()) {
                words[static_cast<size_t>(number)] = list.Words();
                listed[static_cast<size_t>(number)] = true;
            }
        }
        for (size_t k = 0; k < words.size(); ++k) {
            present[k + 1] = present[k] + (listed[k] ? 1 : 0);
            keys[k] = "%" + std::to_string(k);
        }
    }

    size_t Count() const { return words.size(); }
    bool Has(size_t number) const { return present[number + 1] != present[number]; }
    std::span<const std::string> Words(size_t number) const { return words[number]; }
    const std::string& Key(size_t number) const { return keys[number]; }
    uint64_t PresentBetween(size_t from, size_t to) const { return present[to] - present[from]; }
    // A hint only: starts fetching the words of a list a few steps ahead, so that a chain of
    // many lists does not wait for memory at every step.
    void Prefetch(size_t number) const
    {
#if defined(__GNUC__) || defined(__clang__)
        if (number < words.size()) {
            __builtin_prefetch(words[number].data());
        }
#else
        static_cast<void>(number);
#endif
    }

private:
    std::vector<std::span<const std::string>> words;  // empty where the number has no list
    std::vector<uint64_t> present;                    // present[k]: lists among the numbers below k
    std::vector<std::string> keys;                    // "%k"
};

// Redraws for a word among the recent ones before the search below takes over: with at most
// half a list recent, all of them fail about once in 130,000 draws.
constexpr int kRedraws = 16;

// The index of the word list `number` gives this insult: one draw; and with `recent` given,
// more draws while the word is recent, then the first word after it that is not, which
// always exists (RecentDraws holds at most half a list) and keeps the text a seed gives the
// same. Only the first 32,768 words can be drawn.
size_t DrawWord(std::span<const std::string> list, size_t number, RecentDraws* recent)
{
    size_t word = static_cast<size_t>(DrawRandom()) % list.size();
    if (recent == nullptr) {
        return word;
    }
    for (int redraw = 0; redraw < kRedraws && recent->Holds(number, word, list.size()); ++redraw) {
        word = static_cast<size_t>(DrawRandom()) % list.size();
    }
    const size_t drawable = std::min<size_t>(list.size(), 32768);
    while (recent->Holds(number, word, list.size())) {
        word = (word + 1) % drawable;
    }
    recent->Note(number, word, list.size());
    return word;
}

// One insult into `insult`, the first kInsultLimit characters of what filling in the template
// makes: placeholders in ascending order, each list that exists taking one draw whether or not
// its placeholder occurs (and with `recent`, redraws where it does). Where the start to keep
// grows past kInsultKeptLimit, or the rewriting would pass kInsultWorkLimit, it ends before
// its first percent sign, and the lists not yet reached only take their draws.
void ExpandInsult(const std::string& templateText, const NumberedLists& lists, RecentDraws* recent,
                  std::string& insult, std::string& scratch)
{
    insult.assign(templateText, 0, kInsultKeptLimit + 1);
    bool kept = KeepStart(insult);
    if (!kept) {
        SkipRandom(lists.PresentBetween(0, lists.Count()));
    }
    size_t work = 0;
    for (size_t number = 0; kept && number < lists.Count(); ++number) {
        size_t at = insult.find(lists.Key(number));
        if (at == std::string::npos) {
            // Numbers the text does not mention change nothing but the random source.
            const size_t next = NextPlaceholder(insult, number + 1, lists.Count());
            SkipRandom(lists.PresentBetween(number, next));
            if (next == lists.Count()) {
                break;
            }
            number = next;
            at = insult.find(lists.Key(number));
        }
        work += insult.size();
        if (work > kInsultWorkLimit) {
            SkipRandom(lists.PresentBetween(number, lists.Count()));
            kept = false;
            break;
        }
        lists.Prefetch(number + kPrefetchAhead);
        std::string_view word = "????";
        if (lists.Has(number)) {
            const std::span<const std::string> words = lists.Words(number);
            if (words.empty()) {
                // An empty list still takes its draw, so the words after it stay the same.
                DrawRandom();
                word = {};
            } else {
                word = words[DrawWord(words, number, recent)];
            }
        }
        ReplaceAll(insult, at, lists.Key(number), word, kInsultKeptLimit + 1, scratch);
        kept = KeepStart(insult);
        if (!kept) {
            SkipRandom(lists.PresentBetween(number + 1, lists.Count()));
        }
    }
    if (!kept) {
        insult.resize(std::min(insult.size(), insult.find('%')));
    }
    insult.resize(std::min(insult.size(), kInsultLimit));
}

}  // namespace

std::string ComposeWithoutHistory(InsultStyle& style, int16_t count, bool capitalise,
                                  Repeats repeats)
{
    std::string templateText = style.TemplateText();
    AdjustFirstLetter(templateText, capitalise);
    style.SetTemplateText(templateText);

    std::string result;
    if (count > 0) {
        const NumberedLists lists(style);
        RecentDraws* recent = repeats == Repeats::AvoidRecent ? &style.Recent() : nullptr;
        std::string insult;
        std::string scratch;
        for (int16_t i = 0; i < count; ++i) {
            ExpandInsult(templateText, lists, recent, insult, scratch);
            if (recent != nullptr) {
                recent->EndInsult();
            }
            if (insult.size() + 3 > kBatchTextLimit - result.size()) {
                break;
            }
            result.append(insult);
            result.append(".\r\n");
        }
    }
    return result;
}

std::string Compose(InsultStyle& style, int16_t count, bool capitalise, Repeats repeats)
{
    std::string result = ComposeWithoutHistory(style, count, capitalise, repeats);
    style.History().Append(result);
    return result;
}

std::string Generate(InsultGenerator& generator, int16_t count, bool capitalise, Repeats repeats)
{
    InsultStyle* style = generator.CurrentStyle();
    return style != nullptr ? Compose(*style, count, capitalise, repeats) : std::string();
}

}  // namespace razzlewick
