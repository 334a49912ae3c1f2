#include "generate/InsultComposer.h"

#include "generate/InsultHistory.h"
#include "generate/RandomSource.h"

#include <string_view>
#include <utility>
#include <vector>

namespace {

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

// Every non-overlapping occurrence of key in text, left to right, replaced by word; the
// inserted word is not searched again. scratch is reused between calls to spare allocations.
void ReplaceAll(std::string& text, std::string_view key, std::string_view word,
                std::string& scratch)
{
    size_t at = text.find(key);
    if (at == std::string::npos) {
        return;
    }
    scratch.clear();
    size_t from = 0;
    while (at != std::string::npos) {
        scratch.append(text, from, at - from);
        scratch.append(word);
        from = at + key.size();
        at = text.find(key, from);
    }
    scratch.append(text, from, std::string::npos);
    text.swap(scratch);
}

struct Placeholder {
    std::string key;                 // "%k"
    const WordList* list = nullptr;  // none: the number has no list
};

}  // namespace

std::string Compose(InsultStyle& style, int16_t count, bool capitalise)
{
    AdjustFirstLetter(style.templateText, capitalise);

    std::string result;
    if (count > 0) {
        // Only numbers 0 to N-1 are expanded, whatever numbers the lists actually carry.
        const size_t listCount = style.wordLists.size();
        std::vector<Placeholder> placeholders(listCount);
        for (size_t k = 0; k < listCount; ++k) {
            placeholders[k].key = "%" + std::to_string(k);
            const auto found = style.wordLists.find(static_cast<int32_t>(k));
            if (found != style.wordLists.end()) {
                placeholders[k].list = found->second.get();
            }
        }

        result.reserve(static_cast<size_t>(count) *
                       (style.templateText.size() + 16 * listCount + 3));
        std::string insult;
        std::string scratch;
        for (int16_t i = 0; i < count; ++i) {
            insult = style.templateText;
            for (const Placeholder& placeholder : placeholders) {
                std::string_view word = "????";
                if (placeholder.list != nullptr) {
                    const size_t r = static_cast<size_t>(DrawRandom());
                    const size_t size = placeholder.list->size();
                    // An empty list still takes its draw, so the words after it stay the same.
                    word = size == 0 ? std::string_view()
                                     : std::string_view((*placeholder.list)[r % size]);
                }
                ReplaceAll(insult, placeholder.key, word, scratch);
            }
            result.append(insult);
            result.append(".\r\n");
        }
    }

    AppendHistory(style, result);
    return result;
}
