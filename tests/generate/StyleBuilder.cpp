#include "tests/generate/StyleBuilder.h"

using namespace razzlewick;

std::unique_ptr<InsultStyle> MakeStyle(const std::string& templateText,
                                       const std::map<int32_t, std::vector<std::string>>& lists)
{
    auto style = std::make_unique<InsultStyle>("Test");
    style->templateText = templateText;
    for (const auto& [number, words] : lists) {
        auto list = std::make_unique<WordList>();
        for (const std::string& word : words) {
            list->AddUnique(word);
        }
        style->wordLists[number] = std::move(list);
    }
    style->ComputeCombinations();
    return style;
}
