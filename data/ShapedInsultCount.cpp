#include "data/ShapedInsultCount.h"

#include "data/Placeholder.h"

#include <algorithm>
#include <limits>
#include <string>
#include <utility>
#include <vector>

namespace razzlewick {

namespace {

constexpr uint64_t kMostInsults = std::numeric_limits<int64_t>::max();
// Counting may handle this many characters for each character of the style's words, and a
// small style a few thousand in all: far more than shapes need, bounded for hostile data.
constexpr uint64_t kWorkPerCharacter = 64;
constexpr uint64_t kLeastWork = 4096;

uint64_t Add(uint64_t a, uint64_t b)
{
    return std::min(kMostInsults, a + b);
}

uint64_t Multiply(uint64_t a, uint64_t b)
{
    return a != 0 && b > kMostInsults / a ? kMostInsults : a * b;
}

// What of a text the steps from `from` on can tell apart: its runs of percent signs and digits
// that hold a placeholder of such a step, each once, in order, each followed by a blank. They
// replace nothing else, and the other characters keep the runs apart for good.
std::string LiveRuns(std::string_view text, size_t from, size_t count)
{
    std::vector<std::string_view> runs;
    for (size_t at = 0; at < text.size();) {
        size_t end = at;
        while (end < text.size() && IsPlaceholderCharacter(text[end])) {
            ++end;
        }
        const std::string_view run = text.substr(at, end - at);
        if (NextPlaceholder(run, from, count) < count) {
            runs.push_back(run);
        }
        at = std::max(end, at + 1);
    }
    // Iterator algorithms, not std::ranges: clang 14, which builds the fuzz targets, cannot
    // compile the standard library's ranges::unique.
    std::sort(runs.begin(), runs.end());
    runs.erase(std::unique(runs.begin(), runs.end()), runs.end());
    std::string joined;
    for (const std::string_view run : runs) {
        joined.append(run).push_back(' ');
    }
    return joined;
}

// A word as LiveRuns sees it once it is in: every run of other characters one blank.
std::string Form(std::string_view word)
{
    std::string form;
    for (const char c : word) {
        if (IsPlaceholderCharacter(c)) {
            form += c;
        } else if (form.empty() || form.back() != ' ') {
            form += ' ';
        }
    }
    return form;
}

// The forms of a list's words, each with the number of words that have it.
std::vector<std::pair<std::string, uint64_t>> WordForms(const WordList* list)
{
    if (list == nullptr) {
        return {{" ", 1}};  // "????"
    }
    if (list->empty()) {
        return {{"", 1}};
    }
    std::map<std::string, uint64_t> forms;
    uint64_t plain = 0;
    const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    for (const std::string& word : list->Words()) {
        // Without a percent sign only digits at its start can meet a placeholder, so most
        // words are a blank, found without reading them through.
        if (!word.empty() && word.find('%') == std::string::npos && !isDigit(word.front())) {
            ++plain;
        } else {
            ++forms[Form(word)];
        }
    }
    if (plain != 0) {
        forms[" "] += plain;
    }
    return {forms.begin(), forms.end()};
}

// `text` with every "%k" replaced as the composer replaces it, if that stays within `room`.
std::optional<std::string> Replaced(std::string_view text, std::string_view key,
                                    std::string_view word, uint64_t room)
{
    std::string out;
    size_t from = 0;
    for (size_t at = text.find(key); at != std::string_view::npos; at = text.find(key, from)) {
        if (out.size() + (at - from) + word.size() > room) {
            return std::nullopt;
        }
        out.append(text, from, at - from).append(word);
        from = at + key.size();
    }
    return out.append(text, from);
}

}  // namespace

std::optional<int64_t> CountShapedInsults(std::string_view templateText,
                                          const NumberedWordLists& lists)
{
    const size_t count = lists.size();
    std::vector<const WordList*> numbered(count);
    for (const auto& [number, list] : lists) {
        if (number >= 0 && static_cast<size_t>(number) < count) {
            numbered[static_cast<size_t>(number)] = &list;
        }
    }
    uint64_t budget = kLeastWork + kWorkPerCharacter * templateText.size();
    bool carries = false;
    for (size_t k = 0; k < count; ++k) {
        if (numbered[k] == nullptr) {
            continue;
        }
        for (const std::string& word : numbered[k]->Words()) {
            budget += kWorkPerCharacter * (word.size() + 1);
            carries = carries || NextPlaceholder(word, k + 1, count) < count;
        }
    }
    if (!carries) {
        return std::nullopt;
    }

    // Texts that the same steps will fill in the same way are counted together: by the next
    // step that fills something and their live runs, the ways to reach them.
    std::map<std::pair<size_t, std::string>, uint64_t> pending;
    std::map<size_t, std::vector<std::pair<std::string, uint64_t>>> forms;  // by list number
    uint64_t insults = 0;
    uint64_t work = 0;
    const auto reach = [&](std::string_view text, size_t from, uint64_t ways) {
        std::string runs = LiveRuns(text, from, count);
        work += 1 + text.size() + runs.size();
        const size_t next = NextPlaceholder(runs, from, count);
        uint64_t& total = next == count ? insults : pending[{next, std::move(runs)}];
        total = Add(total, ways);
    };
    reach(templateText, 0, 1);
    while (!pending.empty()) {
        const auto node = pending.extract(pending.begin());
        const auto& [step, runs] = node.key();
        const std::string key = "%" + std::to_string(step);
        if (!forms.contains(step)) {
            forms[step] = WordForms(numbered[step]);
        }
        for (const auto& [form, words] : forms[step]) {
            const std::optional<std::string> text =
                Replaced(runs, key, form, budget - std::min(budget, work));
            if (!text || work > budget) {
                return std::nullopt;
            }
            reach(*text, step + 1, Multiply(node.mapped(), words));
        }
    }
    return work > budget ? std::nullopt : std::optional(static_cast<int64_t>(insults));
}

}  // namespace razzlewick
