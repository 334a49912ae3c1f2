#include "data/InsultHistory.h"

#include <gtest/gtest.h>

using namespace razzlewick;

namespace {

InsultHistory WithEntries(std::initializer_list<const char*> entries)
{
    InsultHistory history;
    for (const char* entry : entries) {
        history.Append(entry);
    }
    return history;
}

// Steps to `position`, as the arrows can; a history whose steps cannot get there fails.
void MoveTo(InsultHistory& history, int32_t position)
{
    for (int32_t steps = history.HistorySize() + 1; steps > 0 && history.Position() > position;
         --steps)
        history.StepBack();
    for (int32_t steps = history.HistorySize() + 1; steps > 0 && history.Position() < position;
         --steps)
        history.StepForward();
    ASSERT_EQ(history.Position(), position);
}

TEST(History, WalksBackPastTheStartAndForwardAgain)
{
    InsultHistory history = WithEntries({"A", "B", "C"});
    EXPECT_EQ(history.Position(), 2);
    EXPECT_EQ(history.StepBack(), "B");
    EXPECT_EQ(history.StepBack(), "A");
    EXPECT_EQ(history.StepBack(), "(At limit)");
    EXPECT_EQ(history.Position(), -1);
    EXPECT_EQ(history.StepBack(), "(At limit)");
    EXPECT_EQ(history.Position(), -1);
    EXPECT_EQ(history.StepForward(), "A");

    // Composing from the first entry appends after the last; nothing is cut away.
    history.Append("D");
    EXPECT_EQ(history.Entries(), (std::vector<std::string>{"A", "B", "C", "D"}));
    EXPECT_EQ(history.Position(), 3);
    EXPECT_EQ(history.StepForward(), "(At limit)");
    EXPECT_EQ(history.Position(), 4);
    EXPECT_EQ(history.StepForward(), "(At limit)");
    EXPECT_EQ(history.Position(), 4);
    EXPECT_EQ(history.StepBack(), "D");
}

TEST(History, StepsOnAnEmptyHistoryStopAtTheLimits)
{
    InsultHistory history;
    EXPECT_EQ(history.CurrentText(), "(List empty)");
    EXPECT_EQ(history.StepForward(), "(At limit)");
    EXPECT_EQ(history.Position(), 0);
    EXPECT_EQ(history.CurrentText(), "(List empty)");
    EXPECT_EQ(history.StepBack(), "(At limit)");
    EXPECT_EQ(history.Position(), -1);
    EXPECT_EQ(history.CurrentText(), "(List empty)");
    EXPECT_EQ(history.HistorySize(), 0);
}

TEST(History, EmptyBatchIsARealEntry)
{
    InsultHistory history = WithEntries({"", "x.\r\n"});
    EXPECT_EQ(history.HistorySize(), 2);
    EXPECT_EQ(history.StepBack(), "");
    EXPECT_EQ(history.CurrentText(), "");
    EXPECT_EQ(history.StepForward(), "x.\r\n");
}

// The oldest entries go once a style holds the most it keeps; where the position stood before
// (on the oldest entry, stepped past either end) the new entry is shown and the arrows walk
// the entries kept.
TEST(History, DropsTheOldestEntriesBeyondTheLimit)
{
    for (const int32_t before : {0, -1, static_cast<int32_t>(kHistoryEntryLimit)}) {
        InsultHistory history;
        for (size_t i = 0; i < kHistoryEntryLimit; ++i) {
            history.Append("E" + std::to_string(i));
        }
        MoveTo(history, before);
        history.Append("new");
        ASSERT_EQ(history.HistorySize(), static_cast<int32_t>(kHistoryEntryLimit)) << before;
        EXPECT_EQ(history.Entries().front(), "E1") << before;
        EXPECT_EQ(history.CurrentText(), "new") << before;
        EXPECT_EQ(history.HistoryState(), kHistoryForwardImpossible) << before;
        EXPECT_EQ(history.StepBack(), "E" + std::to_string(kHistoryEntryLimit - 1)) << before;
        MoveTo(history, 0);
        EXPECT_EQ(history.StepBack(), "(At limit)") << before;
        EXPECT_EQ(history.StepForward(), "E1") << before;
    }
}

TEST(History, KeepsAtMostItsTextLimitButAlwaysTheNewestEntry)
{
    InsultHistory history;
    const std::string quarter(kHistoryTextLimit / 4 - 1, 'q');
    for (char mark : {'a', 'b', 'c', 'd', 'e'}) {
        history.Append(mark + quarter);
    }
    // Four entries of a quarter of the limit each fill it; with a fifth the first goes.
    ASSERT_EQ(history.HistorySize(), 4);
    EXPECT_EQ(history.Entries().front().front(), 'b');
    EXPECT_EQ(history.Position(), 3);

    history.Append(std::string(kHistoryTextLimit + 1, 'x'));
    EXPECT_EQ(history.HistorySize(), 1);
    EXPECT_EQ(history.CurrentText().size(), kHistoryTextLimit + 1);
    history.Append("small");
    EXPECT_EQ(history.Entries(), std::vector<std::string>{"small"});
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
    InsultHistory history;
    for (int i = 0; i < GetParam().entries; ++i) {
        history.Append("E" + std::to_string(i));
    }
    MoveTo(history, GetParam().position);
    EXPECT_EQ(history.HistoryState(), GetParam().state);
    EXPECT_EQ(history.CurrentText(), GetParam().currentText);
    EXPECT_EQ(history.HistorySize(), GetParam().entries);
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
