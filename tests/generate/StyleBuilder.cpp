#include "tests/generate/StyleBuilder.h"

using namespace razzlewick;

void FillStyle(InsultStyle& style, const std::string& templateText, const WordsByList& lists)
{
    style.SetTemplateText(templateText);
    for (const auto& [number, words] : lists) {
        WordList& list = style.AddList(number);
        for (const std::string& word : words) {
            list.AddUnique(word);
        }
    }
    style.ComputeCombinations();
}

std::unique_ptr<InsultStyle> MakeStyle(const std::string& templateText, const WordsByList& lists)
{
    auto style = std::make_unique<InsultStyle>("Test");
    FillStyle(*style, templateText, lists);
    return style;
}
