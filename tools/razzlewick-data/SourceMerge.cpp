#include "tools/razzlewick-data/SourceMerge.h"

#include "data/InsultGenerator.h"
#include "tools/razzlewick-data/ContentChecks.h"

#include <map>
#include <utility>

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

}  // namespace

void AddToEngine(InsultGenerator& engine, const std::vector<SourceStyle>& source,
                 const std::string& fileName, ContentChecks& checks)
{
    checks.FileOpened(fileName);
    // How many words each list held before this source, and the files they came from, so
    // that a word dropped as a duplicate names the file that holds it.
    std::map<std::pair<std::string, int32_t>, std::size_t> sizesBefore;
    std::map<std::string, std::string> filesBefore;
    for (const SourceStyle& record : source) {
        checks.At(PlaceSuffix(record.keyPlace));
        checks.StyleStarted(record.key);
        if (!filesBefore.contains(record.key)) {
            const InsultStyle* const earlier = engine.FindStyle(record.key);
            filesBefore[record.key] = earlier == nullptr ? std::string() : Joined(earlier->Files());
        }
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
            const std::size_t before =
                sizesBefore.try_emplace({record.key, list.number}, words.size()).first->second;
            for (std::size_t i = 0; i < list.words.size(); ++i) {
                const std::string& word = list.words[i];
                checks.At(i < list.wordPlaces.size() ? PlaceSuffix(list.wordPlaces[i]) : "");
                const std::size_t size = words.size();
                const auto index = static_cast<std::size_t>(words.AddUnique(word));
                if (index < before)
                    checks.KeptIn(filesBefore[record.key]);
                checks.WordRead(word, index < size ? &words[index] : nullptr);
            }
        }
        style.ComputeCombinations();
    }
}

}  // namespace razzlewick
