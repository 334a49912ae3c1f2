#include "tools/razzlewick-data/SourceMerge.h"

#include "data/InsultGenerator.h"
#include "tools/razzlewick-data/ContentChecks.h"

#include <memory>

namespace razzlewick {

void AddToEngine(InsultGenerator& engine, const std::vector<SourceStyle>& source,
                 const std::string& fileName, ContentChecks& checks)
{
    checks.FileOpened(fileName);
    for (const SourceStyle& record : source) {
        checks.At(PlaceSuffix(record.keyPlace));
        checks.StyleStarted(record.key);
        auto found = engine.styles.find(record.key);
        InsultStyle* style =
            found != engine.styles.end()
                ? found->second.get()
                : engine.styles.emplace(record.key, std::make_unique<InsultStyle>(record.key))
                      .first->second.get();
        style->name = record.name;
        style->templateText = record.templateText;
        if (style->files.empty() || style->files.back() != fileName)
            style->files.push_back(fileName);
        checks.At(PlaceSuffix(record.templatePlace));
        checks.TemplateRead(record.name, record.templateText);
        for (const SourceList& list : record.lists) {
            checks.At(PlaceSuffix(list.place));
            checks.ListStarted(list.number, static_cast<int32_t>(list.words.size()));
            std::unique_ptr<WordList>& words = style->wordLists[list.number];
            if (!words)
                words = std::make_unique<WordList>();
            for (std::size_t i = 0; i < list.words.size(); ++i) {
                const std::string& word = list.words[i];
                checks.At(i < list.wordPlaces.size() ? PlaceSuffix(list.wordPlaces[i]) : "");
                const std::size_t before = words->size();
                const auto index = static_cast<std::size_t>(words->AddUnique(word));
                checks.WordRead(word, index < before ? &(*words)[index] : nullptr);
            }
        }
        style->ComputeCombinations();
    }
}

}  // namespace razzlewick
