#include "generate/GeneratorOperations.h"

#include "generate/InsultHistory.h"
#include "generate/RandomSource.h"
#include "tests/generate/StyleBuilder.h"

#include <gtest/gtest.h>

using namespace razzlewick;

namespace {

class GeneratorOperations : public ::testing::Test {
protected:
    void SetUp() override
    {
        generator.styles["Modern"] = MakeStyle("%0", {{0, {"a", "b"}}, {1, {"c", "d", "e"}}});
        generator.styles["Arabian"] = MakeStyle("%0", {{0, {"z"}}});
    }

    InsultGenerator generator;
};

TEST_F(GeneratorOperations, WithoutCurrentStyleNothingHappens)
{
    EXPECT_EQ(Generate(generator, 5, true), "");
    EXPECT_EQ(CombinationCount(generator), 0);
    EXPECT_EQ(StepBack(generator), "");
    EXPECT_EQ(StepForward(generator), "");
    EXPECT_EQ(CurrentText(generator), "");
    EXPECT_EQ(HistoryState(generator), 0);
    EXPECT_EQ(HistorySize(generator), 0);
    for (const auto& [name, style] : generator.styles) {
        EXPECT_TRUE(style->history.empty()) << name;
        EXPECT_EQ(style->historyPosition, 0) << name;
    }
}

TEST_F(GeneratorOperations, ForwardToTheCurrentStyleOnly)
{
    generator.SelectStyle("Modern");
    generator.SelectStyle("modern");  // names match exactly: the selection stays
    EXPECT_EQ(CombinationCount(generator), 5);

    SeedRandom(1);
    EXPECT_EQ(Generate(generator, 1, false), "b.\r\n");  // 41 % 2
    EXPECT_EQ(Generate(generator, 1, false), "a.\r\n");  // 6334 % 2
    EXPECT_EQ(HistorySize(generator), 2);
    EXPECT_EQ(HistoryState(generator), 2);
    EXPECT_EQ(StepBack(generator), "b.\r\n");
    EXPECT_EQ(CurrentText(generator), "b.\r\n");
    EXPECT_EQ(StepForward(generator), "a.\r\n");

    generator.SelectStyle("Arabian");
    EXPECT_EQ(CurrentText(generator), "(List empty)");
    EXPECT_EQ(CombinationCount(generator), 0);
    EXPECT_EQ(HistorySize(*generator.styles["Modern"]), 2);
}

}  // namespace
