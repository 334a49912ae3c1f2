#include "data/InsultStyle.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace razzlewick;

namespace {

InsultStyle WithListSizes(const std::vector<size_t>& sizes)
{
    InsultStyle style("Modern");
    int32_t number = 0;
    for (const size_t size : sizes) {
        auto list = std::make_unique<WordList>();
        for (size_t i = 0; i < size; ++i) {
            list->AddUnique("w" + std::to_string(i));
        }
        style.wordLists[number++] = std::move(list);
    }
    style.ComputeCombinations();
    return style;
}

TEST(InsultStyle, CombinationsAreTheProductOfListSizesLessOne)
{
    EXPECT_EQ(WithListSizes({}).combinationCount, 0);
    EXPECT_EQ(WithListSizes({10, 20, 5}).combinationCount, 999);
    EXPECT_EQ(WithListSizes({10, 0, 5}).combinationCount, 49);  // an empty list counts as 1
    // 65536^4 = 2^64 wraps to 0, so the count is -1.
    EXPECT_EQ(WithListSizes({65536, 65536, 65536, 65536}).combinationCount, -1);
}

TEST(InsultStyle, ClearDropsListsAndHistoryButKeepsNameAndTemplate)
{
    InsultStyle style = WithListSizes({3, 4});
    style.templateText = "Thou %0 %1";
    style.history = {"one", "two"};
    style.Clear();
    EXPECT_TRUE(style.wordLists.empty());
    EXPECT_TRUE(style.history.empty());
    EXPECT_EQ(style.name, "Modern");
    EXPECT_EQ(style.templateText, "Thou %0 %1");
}

}  // namespace
