#include "generate/FormatCombinations.h"

#include <gtest/gtest.h>

#include <climits>

using namespace razzlewick;

namespace {

TEST(FormatCombinations, GroupsThousandsWithLeadingZeros)
{
    EXPECT_EQ(FormatCombinations(0), "0 combinations available");
    EXPECT_EQ(FormatCombinations(999), "999 combinations available");
    EXPECT_EQ(FormatCombinations(1000), "1,000 combinations available");
    EXPECT_EQ(FormatCombinations(999999), "999,999 combinations available");
    EXPECT_EQ(FormatCombinations(1000000), "1,000,000 combinations available");
    EXPECT_EQ(FormatCombinations(1000005), "1,000,005 combinations available");
    EXPECT_EQ(FormatCombinations(1234567), "1,234,567 combinations available");
    EXPECT_EQ(FormatCombinations(INT64_MAX), "9,223,372,036,854,775,807+ combinations available");
}

TEST(FormatCombinations, WrappedCountsShowTheUnsignedNumber)
{
    EXPECT_EQ(FormatCombinations(-1), "18,446,744,073,709,551,615 combinations available");
    EXPECT_EQ(FormatCombinations(INT64_MIN), "9,223,372,036,854,775,808 combinations available");
}

}  // namespace
