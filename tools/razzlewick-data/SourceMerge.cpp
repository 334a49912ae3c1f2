#include "tools/razzlewick-data/SourceMerge.h"

#include "data/InsultGenerator.h"
#include "data/Windows1252.h"

#include <memory>

namespace razzlewick {

void AddToEngine(InsultGenerator& engine, const std::vector<SourceStyle>& source,
                 const std::string& fileName, std::ostream& warnings)
{
    for (const SourceStyle& record : source) {
        auto found = engine.styles.find(record.key);
        InsultStyle* style =
            found != engine.styles.end()
                ? found->second.get()
                : engine.styles.emplace(record.key, std::make_unique<InsultStyle>(record.key))
                      .first->second.get();
        style->name = record.name;
        style->templateText = record.templateText;
        for (const SourceList& list : record.lists) {
            std::unique_ptr<WordList>& words = style->wordLists[list.number];
            if (!words)
                words = std::make_unique<WordList>();
            for (const std::string& word : list.words) {
                const std::size_t before = words->size();
                const auto index = static_cast<std::size_t>(words->AddUnique(word));
                if (index < before) {
                    warnings << "razzlewick-data: warning: " << fileName << ": style \""
                             << Windows1252ToUtf8(record.key) << "\", list " << list.number
                             << ": dropped duplicate word \"" << Windows1252ToUtf8(word)
                             << "\" (the list holds \"" << Windows1252ToUtf8((*words)[index])
                             << "\")\n";
                }
            }
        }
        style->ComputeCombinations();
    }
}

}  // namespace razzlewick
