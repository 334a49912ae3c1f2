#include "platform/FolderSearch.h"

#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>

using namespace razzlewick;

namespace {

// Once sorted here because readdir's order was the result; the search now gives name order.
TEST(FolderSearch, FindsEveryKindOfEntryWhoseNameEndsInTheSuffixInAnyCaseInNameOrder)
{
    TempFolder folder;
    folder.WriteFile("a.dat", "");
    folder.WriteFile("B.DaT", "");
    folder.WriteFile(".dat", "");
    folder.WriteFile("c.dat.old", "");
    folder.WriteFile("ddat", "");
    ASSERT_EQ(mkdir((folder / "sub.dat").c_str(), 0755), 0);
    EXPECT_EQ(platform::FindEntriesEndingWith(folder.path(), ".dat"),
              (std::vector<std::string>{".dat", "a.dat", "B.DaT", "sub.dat"}));
}

TEST(FolderSearch, NameOrderFoldsToUpperCaseThenFallsBackToBytes)
{
    std::vector<std::string> names = {"b.dat", "_x.dat",   "A.dat",  "a.dat",
                                      "Z.dat", "\xe9.dat", "ab.dat", "\\x.dat"};
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return platform::NameOrderLess(a, b);
    });
    // '_' and '\\' sort after the letters, bytes above 127 after everything ASCII.
    EXPECT_EQ(names, (std::vector<std::string>{"A.dat", "a.dat", "ab.dat", "b.dat", "Z.dat",
                                               "\\x.dat", "_x.dat", "\xe9.dat"}));
}

TEST(FolderSearch, EmptyFolderNameMeansTheCurrentFolderAndAMissingFolderGivesNothing)
{
    TempFolder folder;
    folder.WriteFile("here.dat", "");
    {
        CurrentFolder inside(folder.path());
        EXPECT_EQ(platform::FindEntriesEndingWith("", ".dat"),
                  std::vector<std::string>{"here.dat"});
    }
    int error = 0;
    EXPECT_TRUE(platform::FindEntriesEndingWith(folder / "missing/", ".dat", &error).empty());
    EXPECT_EQ(error, ENOENT);
}

}  // namespace
