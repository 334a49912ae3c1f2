#pragma once

#include "data/InsultHistory.h"
#include "data/RecentDraws.h"
#include "data/WordList.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace razzlewick {

class Archive;
class LoadObserver;
class MemoryAllowance;

// One named style: a sentence template with placeholders %0, %1, ... and one numbered word
// list per placeholder, read from data files (or built by the data tool), with what a session
// keeps of it: the history of its batches and its recent draws. Composing is the composer's
// (generate/), which reads the template and the lists and records into the history.
class InsultStyle final {
public:
    explicit InsultStyle(std::string name);

    // Loading merges into what is there: name and template are replaced, new list numbers
    // are added, words are added only when the list does not hold them yet; lists and words
    // are read one by one, whatever count the record declares. `observer`, when given, hears
    // of what is read; `allowance`, when given, is charged for every list and word added.
    void Serialize(Archive& archive, LoadObserver* observer = nullptr,
                   MemoryAllowance* allowance = nullptr);
    // For a style whose words carry placeholders, the number of different insults it can make
    // (CountShapedInsults); for any other, as data files have always been counted, the product
    // of the list sizes (an empty list counts as 1) minus 1, wrapping on overflow.
    void ComputeCombinations();
    // Deletes every list and empties the history and the recent draws.
    void Clear();

    // The name its own record gives (the engine keys it by the name it was read under).
    const std::string& Name() const { return name_; }
    const std::string& TemplateText() const { return templateText_; }
    const NumberedWordLists& WordLists() const { return wordLists_; }
    // As ComputeCombinations last made it.
    int64_t CombinationCount() const { return combinationCount_; }
    // The data files that held records of this style, in the order read, each once: where
    // the window looks for a picture the author put beside them.
    const std::vector<std::string>& Files() const { return files_; }

    // Building a style outside a data file (the data tool's sources), as loading would:
    // ComputeCombinations counts it once its lists are in.
    void SetName(std::string name) { name_ = std::move(name); }
    // The composer's change of the first letter lasts, so it goes through here too.
    void SetTemplateText(std::string templateText) { templateText_ = std::move(templateText); }
    // The list of that number, added empty when the style has none yet.
    WordList& AddList(int32_t number) { return wordLists_[number]; }
    // Notes that a record of this style came from `file`, unless the last one did.
    void NoteFile(const std::string& file);

    InsultHistory& History() { return history_; }
    const InsultHistory& History() const { return history_; }
    // The words the last insults took, which the window and the terminal do not repeat soon.
    RecentDraws& Recent() { return recentDraws_; }

private:
    std::string name_;
    std::string templateText_;
    NumberedWordLists wordLists_;
    int64_t combinationCount_ = 0;
    InsultHistory history_;
    RecentDraws recentDraws_;
    std::vector<std::string> files_;
};

}  // namespace razzlewick
