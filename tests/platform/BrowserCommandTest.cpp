#include "platform/BrowserCommand.h"

#include "platform/DesktopEntry.h"
#include "tests/support/FakePrograms.h"

#include <gtest/gtest.h>

#include <chrono>

using namespace razzlewick;

namespace {

using testing_support::FakePrograms;
using Arguments = std::vector<std::string>;

struct CommandRow {
    const char* name;
    const char* exec;
    Arguments expected;
};

class BrowserCommand : public ::testing::TestWithParam<CommandRow> {};

TEST_P(BrowserCommand, CutsAtTheFirstFieldCodeAndAppendsTheUrl)
{
    EXPECT_EQ(platform::BrowserCommandFor(GetParam().exec, "http://x/a b"), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    ExecLines, BrowserCommand,
    ::testing::Values(
        CommandRow{"BareLowerU", "firefox %u", {"firefox", "http://x/a b"}},
        CommandRow{"BareUpperU",
                   "/usr/bin/browser --new-window %U --after",
                   {"/usr/bin/browser", "--new-window", "http://x/a b"}},
        CommandRow{"QuotedF",
                   "\"/opt/My Browser/run\" \"%f\" extra",
                   {"/opt/My Browser/run", "http://x/a b"}},
        CommandRow{"QuotedBeatsEarlierBare", "run %F \"%u\"", {"run", "http://x/a b"}},
        CommandRow{"NoFieldCode", "browser --private", {"browser", "--private", "http://x/a b"}},
        CommandRow{"LiteralPercent",
                   "browser --zoom=100%% %u",
                   {"browser", "--zoom=100%", "http://x/a b"}},
        CommandRow{"OtherFieldCodesDropped",
                   "browser %i --class %c %u",
                   {"browser", "--class", "http://x/a b"}},
        CommandRow{
            "EscapesInQuotes", "\"/opt/a\\\"b\\$c\\\\d\" %u", {"/opt/a\"b$c\\d", "http://x/a b"}},
        CommandRow{"NothingBeforeCode", "%u", {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DesktopEntry, SplitsByDesktopRulesNotShellRules)
{
    EXPECT_EQ(platform::SplitExecLine("a  'b c'  $(x) `y` ;z"),
              (Arguments{"a", "'b", "c'", "$(x)", "`y`", ";z"}));
    EXPECT_EQ(platform::SplitExecLine("\"quoted arg\"\t\"\" x"),
              (Arguments{"quoted arg", "", "x"}));
}

TEST(DesktopEntry, ReadsExecOfTheMainGroupOnly)
{
    FakePrograms fakes;
    const auto path = fakes.WriteFile("entry.desktop",
                                      "[Desktop Action new]\nExec=wrong %u\n"
                                      "[Desktop Entry]\n# Exec=comment\nName=B\nTryExec=b\n"
                                      "Exec = /opt/b\\sbrowser \"%u\"\n");
    EXPECT_EQ(platform::ReadExecLine(path), std::optional<std::string>("/opt/b browser \"%u\""));
    EXPECT_EQ(platform::ReadExecLine(fakes.WriteFile("none.desktop", "[Desktop Entry]\nName=x\n")),
              std::nullopt);
}

TEST(DesktopEntry, UserFolderComesBeforeSystemFolders)
{
    FakePrograms fakes;
    fakes.WriteFile("system/applications/b.desktop", "[Desktop Entry]\nExec=system-b\n");
    EXPECT_EQ(platform::FindDesktopFile("b.desktop"),
              fakes.Folder() + "/system/applications/b.desktop");
    fakes.WriteFile("data/applications/b.desktop", "[Desktop Entry]\nExec=user-b\n");
    EXPECT_EQ(platform::FindDesktopFile("b.desktop"),
              fakes.Folder() + "/data/applications/b.desktop");
    fakes.WriteFile("system/applications/vendor/c.desktop", "[Desktop Entry]\nExec=c\n");
    EXPECT_EQ(platform::FindDesktopFile("vendor-c.desktop"),
              fakes.Folder() + "/system/applications/vendor/c.desktop");
    EXPECT_EQ(platform::FindDesktopFile("missing.desktop"), std::nullopt);
    EXPECT_EQ(platform::FindDesktopFile("../b.desktop"), std::nullopt);
}

TEST(RegisteredBrowser, SchemeHandlerFirstThenHtmlType)
{
    FakePrograms fakes;
    fakes.Add("xdg-mime", "web.desktop\n");
    fakes.WriteFile("data/applications/web.desktop", "[Desktop Entry]\nExec=web --new %U\n");
    EXPECT_EQ(platform::RegisteredBrowserExec(), std::optional<std::string>("web --new %U"));
    const auto calls = fakes.Calls("xdg-mime");
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0], (Arguments{"query", "default", "x-scheme-handler/http"}));
}

TEST(RegisteredBrowser, FallsBackToHtmlWhenTheSchemeQueryPrintsNothing)
{
    FakePrograms fakes;
    fakes.Add("xdg-mime");  // prints nothing
    EXPECT_EQ(platform::RegisteredBrowserExec(), std::nullopt);
    const auto calls = fakes.Calls("xdg-mime");
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[1], (Arguments{"query", "default", "text/html"}));
}

// A query that fails may still have printed something; what it printed is not an answer.
TEST(RegisteredBrowser, AFailedQueryIsNotBelievedWhateverItPrinted)
{
    FakePrograms fakes;
    fakes.Add("xdg-mime", "web.desktop\n");
    fakes.SetExit("xdg-mime", "4");
    fakes.WriteFile("data/applications/web.desktop", "[Desktop Entry]\nExec=web %u\n");
    EXPECT_EQ(platform::RegisteredBrowserExec(), std::nullopt);
    EXPECT_EQ(fakes.Calls("xdg-mime").size(), 2u);
}

TEST(RegisteredBrowser, HangingQueryIsAbandoned)
{
    FakePrograms fakes;
    fakes.Add("xdg-mime", "web.desktop\n");
    fakes.SetExit("xdg-mime", "sleep");
    fakes.WriteFile("data/applications/web.desktop", "[Desktop Entry]\nExec=web %u\n");
    const auto before = std::chrono::steady_clock::now();
    EXPECT_EQ(platform::RegisteredBrowserExec(std::chrono::milliseconds(200)), std::nullopt);
    EXPECT_LT(std::chrono::steady_clock::now() - before, std::chrono::seconds(2));
}

}  // namespace
