#include "about/OpenDocumentation.h"
#include "about/ProductInfo.h"
#include "about/ShellOpen.h"
#include "tests/support/FakePrograms.h"

#include <gtest/gtest.h>

using namespace razzlewick;

namespace {

using testing_support::FakePrograms;
using Arguments = std::vector<std::string>;

TEST(ShellOpen, EscapesEveryBlankOnlyWhenAsked)
{
    FakePrograms fakes;
    fakes.Add("xdg-open");
    EXPECT_TRUE(ShellOpen("mailto:a@b.example?subject=two  blanks here", true));
    EXPECT_TRUE(ShellOpen("http://x.example/a b", false));
    const auto calls = fakes.Calls("xdg-open");
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0], Arguments{"mailto:a@b.example?subject=two%20%20blanks%20here"});
    EXPECT_EQ(calls[1], Arguments{"http://x.example/a b"});
}

TEST(ShellOpen, FailsWhenTheLauncherFails)
{
    FakePrograms fakes;
    fakes.Add("xdg-open");
    fakes.SetExit("xdg-open", "4");
    EXPECT_FALSE(ShellOpen("http://x.example/", false));
}

class Documentation : public ::testing::Test {
protected:
    void SetUp() override
    {
        fakes.Add("xdg-open");
        folder = fakes.Folder() + "/program folder/";
    }
    void Place(const std::string& name) { fakes.WriteFile("program folder/" + name, "doc"); }

    FakePrograms fakes;
    std::string folder;
};

TEST_F(Documentation, ProductPageWinsOverTheReadMeFiles)
{
    for (const char* name : {"Razzlewick.html", "ReadMe.html", "ReadMe.htm", "ReadMe.txt"}) {
        Place(name);
    }
    EXPECT_TRUE(OpenDocumentationIn(folder, "Razzlewick"));
    EXPECT_EQ(fakes.Calls("xdg-open"), std::vector<Arguments>{{folder + "Razzlewick.html"}});
}

TEST_F(Documentation, TriesTheCandidatesInOrderUntilOneOpens)
{
    for (const char* name : {"Razzlewick.html", "ReadMe.html", "ReadMe.htm", "ReadMe.txt"}) {
        Place(name);
    }
    // Every candidate is present but only the last one opens: four attempts, in order.
    for (const char* name : {"Razzlewick.html", "ReadMe.html", "ReadMe.htm"}) {
        fakes.SetExitFor("xdg-open", name, "4");
    }
    EXPECT_TRUE(OpenDocumentationIn(folder, "Razzlewick"));
    EXPECT_EQ(fakes.Calls("xdg-open"), (std::vector<Arguments>{{folder + "Razzlewick.html"},
                                                               {folder + "ReadMe.html"},
                                                               {folder + "ReadMe.htm"},
                                                               {folder + "ReadMe.txt"}}));
}

TEST_F(Documentation, OnlyReadMeTextPresent)
{
    Place("ReadMe.txt");
    EXPECT_TRUE(OpenDocumentationIn(folder, "Razzlewick"));
    // The three missing files are turned down before anything starts.
    EXPECT_EQ(fakes.Calls("xdg-open"), std::vector<Arguments>{{folder + "ReadMe.txt"}});
}

TEST_F(Documentation, NothingPresentMeansFalseWithFileNotFound)
{
    int code = 0;
    EXPECT_FALSE(OpenDocumentationIn(folder, "Razzlewick", &code));
    EXPECT_EQ(code, 2);
    EXPECT_TRUE(fakes.Calls("xdg-open").empty());
}

TEST_F(Documentation, PresentFileThatDoesNotOpenGivesItsOwnFailure)
{
    Place("ReadMe.html");
    Place("ReadMe.txt");
    fakes.SetExitFor("xdg-open", "ReadMe.html", "5");
    fakes.SetExitFor("xdg-open", "ReadMe.txt", "3");
    int code = 0;
    EXPECT_FALSE(OpenDocumentationIn(folder, "Razzlewick", &code));
    // The first file that is there names the cause, not the missing ones after it.
    EXPECT_EQ(code, 5);
    EXPECT_EQ(fakes.Calls("xdg-open").size(), 2u);
}

TEST(OpenWebPage, OpensTheProductPageAndIsAlwaysTrue)
{
    FakePrograms fakes;
    fakes.Add("xdg-open");
    fakes.SetExit("xdg-open", "3");
    ProductInfo info;
    info.name = "Razzlewick";
    EXPECT_TRUE(info.OpenWebPage());
    EXPECT_EQ(fakes.Calls("xdg-open"),
              std::vector<Arguments>{{"http://www.tallowfern.example/Razzlewick.html"}});
}

}  // namespace
