#include "cli/StyleTabs.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

using namespace razzlewick;

namespace {

using Tabs = std::vector<std::string>;

// The four tabs stay at 0 to 3 whatever the data holds; the rest follow in the order data
// files are read in, each once.
TEST(StyleTabOrder, TheFourFirstThenFurtherKeysInNameOrder)
{
    const Tabs four = {"Arabian", "Shakespearean", "Modern", "Mediterranean"};
    EXPECT_EQ(StyleTabs::TabOrder({}), four);
    EXPECT_EQ(StyleTabs::TabOrder({"Shakespearean", "Arabian"}), four);

    Tabs expected = four;
    expected.insert(expected.end(), {"apple", "Apple2", "mediterranean", "Pirate", "zulu", "_Zed"});
    EXPECT_EQ(StyleTabs::TabOrder({"zulu", "Modern", "Pirate", "_Zed", "Apple2", "apple",
                                   "mediterranean", "Pirate"}),
              expected);
    // Equal but for case: byte order, capitals first.
    EXPECT_EQ(StyleTabs::TabOrder({"pirate", "Pirate"}).back(), "pirate");
}

TEST(StyleTabOrder, ASavedPositionWithNoTabMeansTheFirst)
{
    EXPECT_EQ(StyleTabs::SavedPosition(0, 4), 0u);
    EXPECT_EQ(StyleTabs::SavedPosition(3, 4), 3u);
    EXPECT_EQ(StyleTabs::SavedPosition(4, 4), 0u);
    EXPECT_EQ(StyleTabs::SavedPosition(4, 5), 4u);
    EXPECT_EQ(StyleTabs::SavedPosition(99, 5), 0u);
    EXPECT_EQ(StyleTabs::SavedPosition(-1, 5), 0u);
    EXPECT_EQ(StyleTabs::SavedPosition(INT_MIN, 5), 0u);
}

// Only the two coarser tabs, only at level 0 (any other level unlocks them).
TEST(StyleTabOrder, TheLevelWithholdsTheCoarserTabsAlone)
{
    for (std::size_t position = 0; position < 6; ++position) {
        EXPECT_EQ(StyleTabs::WithholdsPosition(0, position), position == 2 || position == 3)
            << position;
        EXPECT_FALSE(StyleTabs::WithholdsPosition(1, position)) << position;
        EXPECT_FALSE(StyleTabs::WithholdsPosition(-1, position)) << position;
    }
    EXPECT_TRUE(StyleTabs::Withholds(0, "Modern"));
    EXPECT_TRUE(StyleTabs::Withholds(0, "Mediterranean"));
    EXPECT_FALSE(StyleTabs::Withholds(0, "Shakespearean"));
    EXPECT_FALSE(StyleTabs::Withholds(0, "Pirate"));
    EXPECT_FALSE(StyleTabs::Withholds(7, "Modern"));
}

}  // namespace
