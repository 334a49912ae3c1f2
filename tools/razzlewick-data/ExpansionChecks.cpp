#include "tools/razzlewick-data/ExpansionChecks.h"

#include "data/InsultStyle.h"
#include "data/Placeholder.h"
#include "generate/InsultComposer.h"
#include "tools/razzlewick-data/Quoted.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <set>
#include <string_view>

namespace razzlewick {

namespace {

// Lengths are counted up to this and no further: far past any bound, and no overflow.
constexpr uint64_t kCountedLength = uint64_t{1} << 60;
// What a number without a list comes out as.
constexpr uint64_t kMissingListLength = std::string_view("????").size();

// The placeholders that the composer's steps `from` to `count`-1 fill in `text`, in the order
// they stand ("%12" is taken by the step of 1, if it comes, else by that of 12).
std::vector<Placeholder> PlaceholdersFilledFrom(std::string_view text, size_t from, size_t count)
{
    std::vector<Placeholder> found;
    for (size_t at = text.find('%'); at != std::string_view::npos; at = text.find('%', at + 1)) {
        if (const std::optional<Placeholder> placeholder = PlaceholderAt(text, at, from, count)) {
            found.push_back(*placeholder);
        }
    }
    return found;
}

// "list 3", "lists 0 to 20", "lists 1, 4 to 6 and 9"; numbers ascending.
std::string ListNames(const std::vector<size_t>& numbers)
{
    std::vector<std::string> runs;
    for (size_t i = 0; i < numbers.size();) {
        size_t end = i;
        while (end + 1 < numbers.size() && numbers[end + 1] == numbers[end] + 1) {
            ++end;
        }
        runs.push_back(std::to_string(numbers[i]) +
                       (end > i ? " to " + std::to_string(numbers[end]) : ""));
        i = end + 1;
    }
    std::string text = numbers.size() == 1 ? "list " : "lists ";
    for (size_t i = 0; i < runs.size(); ++i) {
        text += (i == 0 ? "" : i + 1 == runs.size() ? " and " : ", ") + runs[i];
    }
    return text;
}

class Expansion final {
public:
    explicit Expansion(const InsultStyle& style) : lists_(style.WordLists().size())
    {
        for (const auto& [number, list] : style.WordLists()) {
            if (number >= 0 && static_cast<size_t>(number) < lists_.size()) {
                lists_[static_cast<size_t>(number)] = &list;
            }
        }
        // The longest each list's turn can make its placeholder, later lists first: a word is
        // filled only by the steps after its own.
        longest_.assign(lists_.size(), kMissingListLength);
        carrier_.assign(lists_.size(), nullptr);
        for (size_t k = lists_.size(); k-- > 0;) {
            if (lists_[k] == nullptr) {
                continue;
            }
            uint64_t longest = 0;
            for (const std::string& word : lists_[k]->Words()) {
                longest = std::max(longest, Length(word, k + 1));
                if (carrier_[k] == nullptr &&
                    !PlaceholdersFilledFrom(word, k + 1, lists_.size()).empty()) {
                    carrier_[k] = &word;
                }
            }
            longest_[k] = longest;
        }
    }

    // The longest `text` becomes once steps `from` on have filled it.
    uint64_t Length(std::string_view text, size_t from) const
    {
        uint64_t length = text.size();
        for (const Placeholder& placeholder : PlaceholdersFilledFrom(text, from, lists_.size())) {
            length = std::min(kCountedLength,
                              length - placeholder.length + longest_[placeholder.number]);
        }
        return length;
    }

    // Words whose placeholder brings in a list whose words bring in placeholders of their
    // own, once per pair of lists.
    void FindChains(std::vector<ExpansionFinding>& findings) const
    {
        for (size_t k = 0; k < lists_.size(); ++k) {
            if (lists_[k] == nullptr) {
                continue;
            }
            std::set<size_t> named;  // lists already named for this one
            for (const std::string& word : lists_[k]->Words()) {
                for (const Placeholder& placeholder :
                     PlaceholdersFilledFrom(word, k + 1, lists_.size())) {
                    const size_t j = placeholder.number;
                    if (carrier_[j] == nullptr || !named.insert(j).second) {
                        continue;
                    }
                    findings.push_back(
                        {", list " + std::to_string(k) + ", word " + Quoted(word),
                         "its %" + std::to_string(j) + " brings in list " + std::to_string(j) +
                             ", whose word " + Quoted(*carrier_[j]) +
                             " brings in placeholders of its own: a chain, which can make "
                             "insults very long",
                         static_cast<int32_t>(k)});
                }
            }
        }
    }

    // Which lists' words can show: those whose placeholder the template holds, and those
    // whose placeholder a word of a list reached before brings in (filled in their turn).
    std::vector<bool> Reached(std::string_view templateText) const
    {
        std::vector<bool> reached(lists_.size(), false);
        for (const Placeholder& placeholder :
             PlaceholdersFilledFrom(templateText, 0, lists_.size()))
            reached[placeholder.number] = true;
        for (size_t k = 0; k < lists_.size(); ++k) {
            if (!reached[k] || carrier_[k] == nullptr) {
                continue;
            }
            for (const std::string& word : lists_[k]->Words()) {
                for (const Placeholder& placeholder :
                     PlaceholdersFilledFrom(word, k + 1, lists_.size()))
                    reached[placeholder.number] = true;
            }
        }
        return reached;
    }

    // The lists the template reaches, directly or through words, whose words bring in
    // placeholders.
    std::vector<size_t> GrowingListsReached(std::string_view templateText) const
    {
        const std::vector<bool> reached = Reached(templateText);
        std::vector<size_t> growing;
        for (size_t k = 0; k < lists_.size(); ++k) {
            if (reached[k] && carrier_[k] != nullptr) {
                growing.push_back(k);
            }
        }
        return growing;
    }

    bool HasList(size_t number) const { return lists_[number] != nullptr; }

private:
    std::vector<const WordList*> lists_;       // by number; none where the number has no list
    std::vector<uint64_t> longest_;            // longest text each list's turn puts in
    std::vector<const std::string*> carrier_;  // a word bringing in placeholders, if any
};

}  // namespace

std::vector<size_t> ListsNotReached(const InsultStyle& style)
{
    const Expansion expansion(style);
    const std::vector<bool> reached = expansion.Reached(style.TemplateText());
    std::vector<size_t> missed;
    for (size_t k = 0; k < reached.size(); ++k) {
        if (!reached[k] && expansion.HasList(k)) {
            missed.push_back(k);
        }
    }
    return missed;
}

std::vector<ExpansionFinding> ExpansionFindings(const InsultStyle& style)
{
    std::vector<ExpansionFinding> findings;
    const Expansion expansion(style);
    expansion.FindChains(findings);
    const uint64_t longest = expansion.Length(style.TemplateText(), 0);
    if (longest > kInsultLimit) {
        const std::vector<size_t> growing = expansion.GrowingListsReached(style.TemplateText());
        const std::string length = longest >= kCountedLength
                                       ? "more than " + std::to_string(kCountedLength)
                                       : std::to_string(longest);
        const std::string through =
            growing.empty() ? "" : " (placeholders brought in by " + ListNames(growing) + ")";
        findings.push_back({"", "an insult can grow to " + length + " characters" + through +
                                    ", past the " + std::to_string(kInsultLimit) +
                                    " at which an insult stops growing: such insults come out "
                                    "cut short"});
    }
    return findings;
}

}  // namespace razzlewick
