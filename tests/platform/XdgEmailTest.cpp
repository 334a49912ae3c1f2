#include "platform/XdgEmail.h"

#include "tests/support/FakePrograms.h"

#include <gtest/gtest.h>

using namespace razzlewick;

namespace {

using testing_support::FakePrograms;
using namespace std::chrono_literals;

TEST(XdgEmail, PassesSubjectBodyAndAddressAsSeparateArguments)
{
    FakePrograms fakes;
    fakes.Add("xdg-email");
    EXPECT_EQ(platform::XdgEmail("a@b.example", "Feedback: it's $(odd)", std::nullopt),
              platform::MailOutcome::Accepted);
    EXPECT_EQ(platform::XdgEmail("a@b.example", "S", std::string("two words")),
              platform::MailOutcome::Accepted);
    const auto calls = fakes.Calls("xdg-email");
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0],
              (std::vector<std::string>{"--subject", "Feedback: it's $(odd)", "a@b.example"}));
    EXPECT_EQ(calls[1],
              (std::vector<std::string>{"--subject", "S", "--body", "two words", "a@b.example"}));
}

TEST(XdgEmail, OutcomeByExitStatusAndPresence)
{
    FakePrograms fakes;
    EXPECT_EQ(platform::XdgEmail("a@b.example", "S", std::nullopt),
              platform::MailOutcome::NoMailTool);
    // Looked up at the moment of sending: installing it later is noticed.
    fakes.Add("xdg-email");
    fakes.SetExit("xdg-email", "3");
    EXPECT_EQ(platform::XdgEmail("a@b.example", "S", std::nullopt), platform::MailOutcome::Refused);
    fakes.SetExit("xdg-email", "sleep");
    EXPECT_EQ(platform::XdgEmail("a@b.example", "S", std::nullopt, 100ms),
              platform::MailOutcome::Accepted);
}

}  // namespace
