#include "data/ShapedInsultCount.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

using namespace razzlewick;

namespace {

using WordsByList = std::vector<std::vector<std::string>>;  // list k fills %k

NumberedWordLists Lists(const WordsByList& words)
{
    NumberedWordLists lists;
    for (size_t k = 0; k < words.size(); ++k) {
        WordList& list = lists[static_cast<int32_t>(k)];
        for (const std::string& word : words[k]) {
            list.AddUnique(word);
        }
    }
    return lists;
}

// Every insult, by filling in the template literally for each choice of a word per list.
size_t DifferentInsults(const std::string& templateText, const WordsByList& words)
{
    std::set<std::string> insults;
    for (std::vector<size_t> choice(words.size());;) {
        std::string text = templateText;
        for (size_t k = 0; k < words.size(); ++k) {
            const std::string key = "%" + std::to_string(k);
            std::string out;
            size_t from = 0;
            for (size_t at = text.find(key); at != std::string::npos; at = text.find(key, from)) {
                out += text.substr(from, at - from) + words[k][choice[k]];
                from = at + key.size();
            }
            text = out + text.substr(from);
        }
        insults.insert(text);
        size_t k = 0;
        while (k < words.size() && ++choice[k] == words[k].size()) {
            choice[k++] = 0;
        }
        if (k == words.size()) {
            return insults.size();
        }
    }
}

TEST(ShapedInsultCount, IsTheNumberOfDifferentInsults)
{
    // Shapes: a placeholder twice takes one word; %20 reads as %2 then 0 and %7 stays as typed;
    // an empty word of list 2, or one that begins with a digit, makes "%%24" bring in list 4;
    // a word of list 3 opens list 4; list 5 no text reaches.
    const WordsByList words = {{"%1 %2", "%2 and %2", "%3!", "%20 %7", "%1%4", "%%24"},
                               {"ant", "bee", "cat"},
                               {"red", "tan", "", "4x"},
                               {"%4 up", "down"},
                               {"x", "y", "z"},
                               {"never", "seen"}};
    EXPECT_EQ(CountShapedInsults("Thou %0", Lists(words)), DifferentInsults("Thou %0", words));
}

// Two choices a step for 64 steps: 2^64 insults, shown as the most a count holds.
TEST(ShapedInsultCount, StopsAtTheLargestCount)
{
    WordsByList words(65, {"z"});
    for (size_t k = 0; k < 64; ++k) {
        words[k] = {"a%" + std::to_string(k + 1), "b%" + std::to_string(k + 1)};
    }
    EXPECT_EQ(CountShapedInsults("%0", Lists(words)), INT64_MAX);
}

}  // namespace
