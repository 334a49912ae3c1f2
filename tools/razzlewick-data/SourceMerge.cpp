#include "tools/razzlewick-data/SourceMerge.h"

#include "data/InsultGenerator.h"
#include "tools/razzlewick-data/ContentChecks.h"

namespace razzlewick {

void AddToEngine(InsultGenerator& engine, const std::vector<SourceStyle>& source,
                 const std::string& fileName, ContentChecks& checks)
{
    checks.FileOpened(fileName);
    for (const SourceStyle& record : source) {
        checks.At(PlaceSuffix(record.keyPlace));
        checks.StyleStarted(record.key);
        InsultStyle& style = engine.AddStyle(record.key);
        style.SetName(record.name);
        style.SetTemplateText(record.templateText);
        style.NoteFile(fileName);
        checks.At(PlaceSuffix(record.templatePlace));
        checks.TemplateRead(record.name, record.templateText);
        for (const SourceList& list : record.lists) {
            checks.At(PlaceSuffix(list.place));
            checks.ListStarted(list.number, static_cast<int32_t>(list.words.size()));
            WordList& words = style.AddList(list.number);
            for (std::size_t i = 0; i < list.words.size(); ++i) {
                const std::string& word = list.words[i];
                checks.At(i < list.wordPlaces.size() ? PlaceSuffix(list.wordPlaces[i]) : "");
                const std::size_t before = words.size();
                const auto index = static_cast<std::size_t>(words.AddUnique(word));
                checks.WordRead(word, index < before ? &words[index] : nullptr);
            }
        }
        style.ComputeCombinations();
    }
}

}  // namespace razzlewick
