#include "generate/InsultComposer.h"
#include "generate/InsultHistory.h"

#include <gtest/gtest.h>

#include <climits>

using namespace razzlewick;

namespace {

InsultStyle WithHistory(std::initializer_list<const char*> entries)
{
    InsultStyle style("Test");
    for (const char* entry : entries) {
        AppendHistory(style, entry);
    }
    return style;
}

TEST(History, WalksBackPastTheStartAndForwardAgain)
{
    InsultStyle style = WithHistory({"A", "B", "C"});
    EXPECT_EQ(style.historyPosition, 2);
    EXPECT_EQ(StepBack(style), "B");
    EXPECT_EQ(StepBack(style), "A");
    EXPECT_EQ(StepBack(style), "(At limit)");
    EXPECT_EQ(style.historyPosition, -1);
    EXPECT_EQ(StepBack(style), "(At limit)");
    EXPECT_EQ(style.historyPosition, -1);
    EXPECT_EQ(StepForward(style), "A");

    // Composing from the first entry appends after the last; nothing is cut away.
    AppendHistory(style, "D");
    EXPECT_EQ(style.history, (std::vector<std::string>{"A", "B", "C", "D"}));
    EXPECT_EQ(style.historyPosition, 3);
    EXPECT_EQ(StepForward(style), "(At limit)");
    EXPECT_EQ(style.historyPosition, 4);
    EXPECT_EQ(StepForward(style), "(At limit)");
    EXPECT_EQ(style.historyPosition, 4);
    EXPECT_EQ(StepBack(style), "D");
}

TEST(History, StepsOnAnEmptyHistoryStopAtTheLimits)
{
    InsultStyle style("Test");
    EXPECT_EQ(CurrentText(style), "(List empty)");
    EXPECT_EQ(StepForward(style), "(At limit)");
    EXPECT_EQ(style.historyPosition, 0);
    EXPECT_EQ(CurrentText(style), "(List empty)");
    EXPECT_EQ(StepBack(style), "(At limit)");
    EXPECT_EQ(style.historyPosition, -1);
    EXPECT_EQ(CurrentText(style), "(List empty)");
    EXPECT_EQ(HistorySize(style), 0);
}

TEST(History, EmptyBatchIsARealEntry)
{
    InsultStyle style("Test");
    style.templateText = "x";
    Compose(style, 0, false);
    Compose(style, 1, false);
    EXPECT_EQ(HistorySize(style), 2);
    EXPECT_EQ(StepBack(style), "");
    EXPECT_EQ(CurrentText(style), "");
    EXPECT_EQ(StepForward(style), "x.\r\n");
}

// A position nobody should set must still not read past the entries.
TEST(History, StrayPositionsAreTreatedAsTheNearestLimit)
{
    InsultStyle style = WithHistory({"A", "B"});
    style.historyPosition = 100;
    EXPECT_EQ(CurrentText(style), "(List empty)");
    EXPECT_EQ(StepBack(style), "B");
    style.historyPosition = INT32_MIN;
    EXPECT_EQ(StepForward(style), "A");
    style.historyPosition = INT32_MAX;
    EXPECT_EQ(StepForward(style), "(At limit)");
    EXPECT_EQ(style.historyPosition, 2);
}

// The oldest entries go once a style holds the most it keeps; where the position stood before
// (on the oldest entry, stepped past either end) the new entry is shown and the arrows walk
// the entries kept.
TEST(History, DropsTheOldestEntriesBeyondTheLimit)
{
    for (const int32_t before : {0, -1, static_cast<int32_t>(kHistoryEntryLimit)}) {
        InsultStyle style("Test");
        for (size_t i = 0; i < kHistoryEntryLimit; ++i) {
            AppendHistory(style, "E" + std::to_string(i));
        }
        style.historyPosition = before;
        AppendHistory(style, "new");
        ASSERT_EQ(HistorySize(style), static_cast<int32_t>(kHistoryEntryLimit)) << before;
        EXPECT_EQ(style.history.front(), "E1") << before;
        EXPECT_EQ(CurrentText(style), "new") << before;
        EXPECT_EQ(HistoryState(style), kHistoryForwardImpossible) << before;
        EXPECT_EQ(StepBack(style), "E" + std::to_string(kHistoryEntryLimit - 1)) << before;
        style.historyPosition = 0;
        EXPECT_EQ(StepBack(style), "(At limit)") << before;
        EXPECT_EQ(StepForward(style), "E1") << before;
    }
}

TEST(History, KeepsAtMostItsTextLimitButAlwaysTheNewestEntry)
{
    InsultStyle style("Test");
    const std::string quarter(kHistoryTextLimit / 4 - 1, 'q');
    for (char mark : {'a', 'b', 'c', 'd', 'e'}) {
        AppendHistory(style, mark + quarter);
    }
    // Four entries of a quarter of the limit each fill it; with a fifth the first goes.
    ASSERT_EQ(HistorySize(style), 4);
    EXPECT_EQ(style.history.front().front(), 'b');
    EXPECT_EQ(style.historyPosition, 3);

    AppendHistory(style, std::string(kHistoryTextLimit + 1, 'x'));
    EXPECT_EQ(HistorySize(style), 1);
    EXPECT_EQ(CurrentText(style).size(), kHistoryTextLimit + 1);
    AppendHistory(style, "small");
    EXPECT_EQ(style.history, std::vector<std::string>{"small"});
}

struct StateRow {
    const char* name;
    int entries;
    int32_t position;
    int32_t state;  // 1: back impossible, 2: forward impossible
    std::string currentText;
};

void PrintTo(const StateRow& row, std::ostream* out)
{
    *out << row.name;
}

class HistoryStates : public ::testing::TestWithParam<StateRow> {};

TEST_P(HistoryStates, MatchTheTable)
{
    InsultStyle style("Test");
    for (int i = 0; i < GetParam().entries; ++i) {
        AppendHistory(style, "E" + std::to_string(i));
    }
    style.historyPosition = GetParam().position;
    EXPECT_EQ(HistoryState(style), GetParam().state);
    EXPECT_EQ(CurrentText(style), GetParam().currentText);
    EXPECT_EQ(HistorySize(style), GetParam().entries);
}

INSTANTIATE_TEST_SUITE_P(Rows, HistoryStates,
                         ::testing::Values(StateRow{"Empty", 0, 0, 3, "(List empty)"},
                                           StateRow{"OneEntry", 1, 0, 3, "E0"},
                                           StateRow{"OneEntryPastEnd", 1, 1, 3, "(List empty)"},
                                           StateRow{"TwoAtLast", 2, 1, 2, "E1"},
                                           StateRow{"TwoAtFirst", 2, 0, 1, "E0"},
                                           StateRow{"ThreeInMiddle", 3, 1, 0, "E1"},
                                           StateRow{"BeforeFirst", 3, -1, 3, "(List empty)"},
                                           StateRow{"PastLast", 3, 3, 2, "(List empty)"}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
