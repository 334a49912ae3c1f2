#include "about/ProductInfo.h"
#include "about/SendMailDirectly.h"
#include "tests/support/FakePrograms.h"
#include "tests/support/MessageBoxRecorder.h"

#include <gtest/gtest.h>

using namespace razzlewick;

namespace {

using testing_support::FakePrograms;
using Arguments = std::vector<std::string>;

const QString kBothFailed =
    QStringLiteral("Failed to send mail - tried indirect (browser) and direct (MAPI)");
const QString kNoMail =
    QStringLiteral("Can't generate a mail message.  Do you have mail installed?");

ProductInfo Product(const std::string& name, const std::string& version)
{
    ProductInfo info;
    info.name = name;
    info.version = version;
    return info;
}

TEST(SendFeedback, MailtoHandOverNeverTriesTheDirectWay)
{
    FakePrograms fakes;
    fakes.Add("xdg-open");
    fakes.Add("xdg-email");
    MessageBoxRecorder messages;
    EXPECT_TRUE(Product("Razzlewick", "v3.2").SendFeedback());
    EXPECT_EQ(fakes.Calls("xdg-open"),
              std::vector<Arguments>{
                  {"mailto:feedback@tallowfern.example?subject=Feedback:Razzlewick_v3.2"}});
    EXPECT_TRUE(fakes.Calls("xdg-email").empty());
    EXPECT_EQ(messages.Count(), 0);
}

TEST(SendFeedback, DirectWayKeepsTheBlanksOfTheSubject)
{
    FakePrograms fakes;
    fakes.Add("xdg-open");
    fakes.SetExit("xdg-open", "3");
    fakes.Add("xdg-email");
    MessageBoxRecorder messages;
    EXPECT_TRUE(Product("Big Program", "v 1").SendFeedback());
    EXPECT_EQ(fakes.Calls("xdg-open"),
              std::vector<Arguments>{
                  {"mailto:feedback@tallowfern.example?subject=Feedback:Big%20Program_v%201"}});
    EXPECT_EQ(fakes.Calls("xdg-email"),
              (std::vector<Arguments>{
                  {"--subject", "Feedback:Big Program_v 1", "feedback@tallowfern.example"}}));
    EXPECT_EQ(messages.Count(), 0);
}

TEST(SendFeedback, RefusedDirectWayGivesOneMessage)
{
    FakePrograms fakes;
    fakes.Add("xdg-open");
    fakes.SetExit("xdg-open", "3");
    fakes.Add("xdg-email");
    fakes.SetExit("xdg-email", "1");
    MessageBoxRecorder messages;
    EXPECT_FALSE(Product("Razzlewick", "v3.2").SendFeedback());
    ASSERT_EQ(messages.Count(), 1);
    EXPECT_EQ(messages.Messages()[0].text, kBothFailed);
    EXPECT_EQ(messages.Messages()[0].icon, platform::MessageIcon::None);
}

TEST(SendFeedback, NoMailAtAllGivesExactlyTheTwoMessagesInOrder)
{
    FakePrograms fakes;  // neither xdg-open nor xdg-email
    MessageBoxRecorder messages;
    EXPECT_FALSE(Product("Razzlewick", "v3.2").SendFeedback());
    ASSERT_EQ(messages.Count(), 2);
    EXPECT_EQ(messages.Messages()[0].text, kNoMail);
    EXPECT_EQ(messages.Messages()[0].icon, platform::MessageIcon::Exclamation);
    EXPECT_EQ(messages.Messages()[1].text, kBothFailed);
}

TEST(SendMailDirectly, QuietWhenNotInteractiveAndPassesTheBody)
{
    FakePrograms fakes;
    MessageBoxRecorder messages;
    EXPECT_FALSE(SendMailDirectly("a@b.example", "S", std::nullopt, false));
    EXPECT_EQ(messages.Count(), 0);
    fakes.Add("xdg-email");
    EXPECT_TRUE(SendMailDirectly("a@b.example", "S", std::string("Hello there"), false));
    EXPECT_EQ(fakes.Calls("xdg-email"),
              (std::vector<Arguments>{{"--subject", "S", "--body", "Hello there", "a@b.example"}}));
}

}  // namespace
