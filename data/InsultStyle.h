#pragma once

#include "data/RecentDraws.h"
#include "data/WordList.h"

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace razzlewick {

class Archive;
class LoadObserver;
class MemoryAllowance;

// One named style: a sentence template with placeholders %0, %1, ... and one numbered
// word list per placeholder. Composing and the history work on the public fields and
// live with the generator code; this class only reads, writes and counts.
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

    std::string name;
    std::string templateText;
    std::map<int32_t, std::unique_ptr<WordList>> wordLists;
    int64_t combinationCount = 0;
    std::vector<std::string> history;
    int32_t historyPosition = 0;
    // The words the last insults took, which the window and the terminal do not repeat soon.
    RecentDraws recentDraws;
    // The data files that held records of this style, in the order read, each once: where
    // the window looks for a picture the author put beside them.
    std::vector<std::string> files;
};

}  // namespace razzlewick
