#include "generate/InsultComposer.h"

#include "generate/InsultHistory.h"
#include "generate/Placeholder.h"
#include "generate/RandomSource.h"

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
// right, replaced by word; the inserted word is not searched again. False, with text
// unchanged, when the result would be longer than budget. scratch is reused between calls
// to spare allocations.
bool ReplaceAll(std::string& text, size_t at, std::string_view key, std::string_view word,
                size_t budget, std::string& scratch)
{
    // Mostly a placeholder stands once: replaced in place, without copying the rest.
    if (text.find(key, at + key.size()) == std::string::npos) {
        if (text.size() - key.size() + word.size() > budget) {
            return false;
        }
        text.replace(at, key.size(), word);
        return true;
    }
    scratch.clear();
    size_t from = 0;
    while (at != std::string::npos) {
        if (scratch.size() + (at - from) + word.size() > budget) {
            return false;
        }
        scratch.append(text, from, at - from);
        scratch.append(word);
        from = at + key.size();
        at = text.find(key, from);
    }
    if (scratch.size() + (text.size() - from) > budget) {
        return false;
    }
    scratch.append(text, from, std::string::npos);
    text.swap(scratch);
    return true;
}

// The words of the lists numbered 0 to N-1 (N = the number of lists; only those are ever
// expanded), held by number so that a step reads them without visiting the list, and a
// running count of the numbers that have a list, so that the draws of numbers a text does
// not mention can be taken in one step.
class NumberedLists final {
public:
    explicit NumberedLists(const InsultStyle& style)
        : words(style.wordLists.size()),
          present(style.wordLists.size() + 1),
          keys(style.wordLists.size())
    {
        std::vector<bool> listed(words.size());
        for (const auto& [number, list] : style.wordLists) {
            if (number >= 0 && static_cast<size_t>(number) < words.size()) {
                words[static_cast<size_t>(number)] = list->Words();
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

// The smallest number k, from <= k < limit, whose placeholder "%k" occurs in text, or limit
// when there is none.
size_t NextPlaceholder(std::string_view text, size_t from, size_t limit)
{
    size_t found = limit;
    for (size_t at = text.find('%'); at != std::string_view::npos; at = text.find('%', at + 1)) {
        if (const std::optional<Placeholder> placeholder = PlaceholderAt(text, at, from, found)) {
            found = placeholder->number;
        }
    }
    return found;
}

// One insult into `insult`: placeholders in ascending order, each list that exists taking
// one draw whether or not its placeholder occurs. At the step that would take the insult past
// kInsultLimit, or its rewriting past kInsultWorkLimit, it stays as it is and the lists not
// yet reached only take their draws.
void ExpandInsult(const std::string& templateText, const NumberedLists& lists, std::string& insult,
                  std::string& scratch)
{
    if (templateText.size() > kInsultLimit) {
        insult.assign(templateText, 0, kInsultLimit);
        SkipRandom(lists.PresentBetween(0, lists.Count()));
        return;
    }
    insult = templateText;
    size_t work = 0;
    for (size_t number = 0; number < lists.Count(); ++number) {
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
        lists.Prefetch(number + kPrefetchAhead);
        std::string_view word = "????";
        if (lists.Has(number)) {
            const size_t r = static_cast<size_t>(DrawRandom());
            // An empty list still takes its draw, so the words after it stay the same.
            const std::span<const std::string> words = lists.Words(number);
            word = words.empty() ? std::string_view() : std::string_view(words[r % words.size()]);
        }
        work += insult.size();
        if (work > kInsultWorkLimit ||
            !ReplaceAll(insult, at, lists.Key(number), word, kInsultLimit, scratch)) {
            SkipRandom(lists.PresentBetween(number + 1, lists.Count()));
            return;
        }
    }
}

}  // namespace

std::string Compose(InsultStyle& style, int16_t count, bool capitalise)
{
    AdjustFirstLetter(style.templateText, capitalise);

    std::string result;
    if (count > 0) {
        const NumberedLists lists(style);
        std::string insult;
        std::string scratch;
        for (int16_t i = 0; i < count; ++i) {
            ExpandInsult(style.templateText, lists, insult, scratch);
            if (insult.size() + 3 > kBatchTextLimit - result.size()) {
                break;
            }
            result.append(insult);
            result.append(".\r\n");
        }
    }

    AppendHistory(style, result);
    return result;
}

}  // namespace razzlewick
