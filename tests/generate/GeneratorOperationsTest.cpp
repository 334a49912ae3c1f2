#include "data/InsultGenerator.h"
#include "generate/InsultComposer.h"
#include "generate/RandomSource.h"
#include "tests/generate/StyleBuilder.h"

#include <gtest/gtest.h>

using namespace razzlewick;

namespace {

class GeneratorOperations : public ::testing::Test {
protected:
    void SetUp() override
    {
        FillStyle(generator.AddStyle("Modern"), "%0", {{0, {"a", "b"}}, {1, {"c", "d", "e"}}});
        FillStyle(generator.AddStyle("Arabian"), "%0", {{0, {"z"}}});
    }

    InsultGenerator generator;
};

TEST_F(GeneratorOperations, WithoutCurrentStyleNothingHappens)
{
    EXPECT_EQ(Generate(generator, 5, true), "");
    EXPECT_EQ(generator.CombinationCount(), 0);
    EXPECT_EQ(generator.StepBack(), "");
    EXPECT_EQ(generator.StepForward(), "");
    EXPECT_EQ(generator.CurrentText(), "");
    EXPECT_EQ(generator.HistoryState(), 0);
    EXPECT_EQ(generator.HistorySize(), 0);
    for (const auto& [name, style] : generator.Styles()) {
        EXPECT_TRUE(style.History().Entries().empty()) << name;
        EXPECT_EQ(style.History().Position(), 0) << name;
    }
}

TEST_F(GeneratorOperations, ForwardToTheCurrentStyleOnly)
{
    generator.SelectStyle("Modern");
    generator.SelectStyle("modern");  // names match exactly: the selection stays
    EXPECT_EQ(generator.CombinationCount(), 5);

    SeedRandom(1);
    EXPECT_EQ(Generate(generator, 1, false), "b.\r\n");  // 41 % 2
    EXPECT_EQ(Generate(generator, 1, false), "a.\r\n");  // 6334 % 2
    EXPECT_EQ(generator.HistorySize(), 2);
    EXPECT_EQ(generator.HistoryState(), 2);
    EXPECT_EQ(generator.StepBack(), "b.\r\n");
    EXPECT_EQ(generator.CurrentText(), "b.\r\n");
    EXPECT_EQ(generator.StepForward(), "a.\r\n");

    generator.SelectStyle("Arabian");
    EXPECT_EQ(generator.CurrentText(), "(List empty)");
    EXPECT_EQ(generator.CombinationCount(), 0);
    EXPECT_EQ(generator.FindStyle("Modern")->History().HistorySize(), 2);
}

}  // namespace
