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
        WordList& list = style.AddList(number++);
        for (size_t i = 0; i < size; ++i) {
            list.AddUnique("w" + std::to_string(i));
        }
    }
    style.ComputeCombinations();
    return style;
}

TEST(InsultStyle, CombinationsAreTheProductOfListSizesLessOne)
{
    EXPECT_EQ(WithListSizes({}).CombinationCount(), 0);
    EXPECT_EQ(WithListSizes({10, 20, 5}).CombinationCount(), 999);
    EXPECT_EQ(WithListSizes({10, 0, 5}).CombinationCount(), 49);  // an empty list counts as 1
    // 65536^4 = 2^64 wraps to 0, so the count is -1.
    EXPECT_EQ(WithListSizes({65536, 65536, 65536, 65536}).CombinationCount(), -1);
}

TEST(InsultStyle, ClearDropsListsAndHistoryButKeepsNameAndTemplate)
{
    InsultStyle style = WithListSizes({3, 4});
    style.SetTemplateText("Thou %0 %1");
    style.History().Append("one");
    style.History().Append("two");
    style.Clear();
    EXPECT_TRUE(style.WordLists().empty());
    EXPECT_TRUE(style.History().Entries().empty());
    EXPECT_EQ(style.History().Position(), 0);
    EXPECT_EQ(style.Name(), "Modern");
    EXPECT_EQ(style.TemplateText(), "Thou %0 %1");
}

}  // namespace
