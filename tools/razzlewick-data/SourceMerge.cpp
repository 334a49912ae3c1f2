#include "tools/razzlewick-data/SourceMerge.h"

#include "data/InsultGenerator.h"
#include "data/LoadObserver.h"

#include <memory>

namespace razzlewick {

void AddToEngine(InsultGenerator& engine, const std::vector<SourceStyle>& source,
                 const std::string& fileName, LoadObserver& observer)
{
    observer.FileOpened(fileName);
    for (const SourceStyle& record : source) {
        observer.StyleStarted(record.key);
        auto found = engine.styles.find(record.key);
        InsultStyle* style =
            found != engine.styles.end()
                ? found->second.get()
                : engine.styles.emplace(record.key, std::make_unique<InsultStyle>(record.key))
                      .first->second.get();
        style->name = record.name;
        style->templateText = record.templateText;
        observer.TemplateRead(record.name, record.templateText);
        for (const SourceList& list : record.lists) {
            observer.ListStarted(list.number, static_cast<int32_t>(list.words.size()));
            std::unique_ptr<WordList>& words = style->wordLists[list.number];
            if (!words)
                words = std::make_unique<WordList>();
            for (const std::string& word : list.words) {
                const std::size_t before = words->size();
                const auto index = static_cast<std::size_t>(words->AddUnique(word));
                observer.WordRead(word, index < before ? &(*words)[index] : nullptr);
            }
        }
        style->ComputeCombinations();
    }
}

}  // namespace razzlewick
