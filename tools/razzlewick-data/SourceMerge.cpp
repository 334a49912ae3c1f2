#include "tools/razzlewick-data/SourceMerge.h"

#include "data/InsultGenerator.h"
#include "tools/razzlewick-data/ContentChecks.h"

#include <map>

namespace razzlewick {

namespace {

// "A", "A or B", "A, B or C".
std::string Joined(const std::vector<std::string>& files)
{
    std::string joined;
    for (std::size_t i = 0; i < files.size(); ++i)
        joined.append(i == 0 ? "" : i + 1 == files.size() ? " or " : ", ").append(files[i]);
    return joined;
}

struct Earlier {
    std::string files;
    std::map<int32_t, std::size_t> sizes;  // by list number
};

}  // namespace

void AddToEngine(InsultGenerator& engine, const std::vector<SourceStyle>& source,
                 const std::string& fileName, ContentChecks& checks)
{
    checks.FileOpened(fileName);
    // The styles the engine held before this source: how many words each list had and the
    // files they came from, so that a word dropped as a duplicate names the file that gave it.
    std::map<std::string, Earlier> earlier;
    for (const SourceStyle& record : source) {
        const InsultStyle* const style = engine.FindStyle(record.key);
        if (style == nullptr || earlier.contains(record.key))
            continue;
        Earlier& before = earlier[record.key];
        before.files = Joined(style->Files());
        for (const auto& [number, list] : style->WordLists())
            before.sizes[number] = list.size();
    }
    for (const SourceStyle& record : source) {
        checks.At(PlaceSuffix(record.keyPlace));
        checks.StyleStarted(record.key);
        const auto styleBefore = earlier.find(record.key);
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
            std::size_t before = 0;  // words the list had before this source
            if (styleBefore != earlier.end()) {
                const auto size = styleBefore->second.sizes.find(list.number);
                before = size == styleBefore->second.sizes.end() ? 0 : size->second;
            }
            for (std::size_t i = 0; i < list.words.size(); ++i) {
                const std::string& word = list.words[i];
                checks.At(i < list.wordPlaces.size() ? PlaceSuffix(list.wordPlaces[i]) : "");
                const std::size_t size = words.size();
                const auto index = static_cast<std::size_t>(words.AddUnique(word));
                if (index < before)
                    checks.KeptIn(styleBefore->second.files);
                checks.WordRead(word, index < size ? &words[index] : nullptr);
            }
        }
        style.ComputeCombinations();
    }
}

}  // namespace razzlewick
